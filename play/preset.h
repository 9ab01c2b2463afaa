// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Preset mode: stones of both colours laid out on an empty board before a game starts.
#pragma once

#include "game/runtime.h"

namespace vorn {

void Presetx_Click();      // "Preset Board"
void StartPreset_Click();  // "Start Preset Game"

// A click on SelectedCell in preset mode: the right button lays a RED stone, any other a
// GREEN one; no reply, no win test, no turn switch.
void PlacePresetStone(Integer button);

}  // namespace vorn
