// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How the desktop knows the program: by its name, which is also the class of its windows on
// X11 ("Vorn", the StartupWMClass of the desktop entry, by which docks join the windows to
// their launcher), by the id of its desktop entry (its app id on Wayland), and by its
// version and icon.
#pragma once

namespace vorn {

// Call once the application object exists, before the first window is made.
void SetUpProgramIdentity();

}  // namespace vorn
