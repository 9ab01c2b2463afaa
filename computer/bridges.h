// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Bridge records: an empty cell that touches two groups of one side, written "ccc,ggg&ggg"
// (the cell's code, then the two group slots, the smaller first).
#pragma once

#include "game/runtime.h"

namespace vorn {

// Appends the bridge records of `side` to Bridges, each pair of groups once per cell, in
// the order of a scan of each group's stones and their neighbours; the caller sets
// BridgeCount to 0 first. A list that is full takes no more records.
void FindBridges(Integer side);

}  // namespace vorn
