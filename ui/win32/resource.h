// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Identifiers of the program's resources (vorn.rc.in) and of the controls in them.
#pragma once

#define IDI_VORN 1

#define IDD_ABOUT 100
#define IDC_ABOUT_TEXT 101
#define IDC_ABOUT_PICTURE 102
#define IDC_ABOUT_VERSION 103
