// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's icon, compiled into the program in every size it is drawn at.
#pragma once

#include <QIcon>

namespace vorn {

QIcon ProgramIcon();

}  // namespace vorn
