// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Chains of stones ("groups"): each side's stones partitioned into chains of neighbouring
// stones, one cell list per slot. Groups only grow and merge; a merge frees a slot.
#pragma once

#include "game/runtime.h"

namespace vorn {

// Adds a stone of `side` on the empty `cell` to that side's groups: it joins the group it
// touches, merges the groups it connects (the group met later in neighbour order survives),
// or founds a group in the lowest free slot.
void AddToGroups(Integer cell, Integer side);

// Sets CellGroup of every cell of the group in `slot` to `slot`.
void RelabelGroup(Integer side, Integer slot);

}  // namespace vorn
