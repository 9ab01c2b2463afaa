// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Showing a message box or the About window modally: until it is hidden again no other window
// of the program takes the mouse or the keyboard, and a press on one of them, or its
// activation, brings the dialog back to the front with the focus. A request to close another
// window still reaches it, so the main window's close box ends the program even then.
//
// Qt's own modality is not used: it drops every press and close request aimed at a window it
// blocks. On a compositor that raises the window clicked (sway) the board then covered the
// box, which no click could bring back, and the close box did nothing.
#pragma once

class QDialog;

namespace vorn {

// Shows `dialog` and returns once it is hidden. The dialog is a window of its own whose
// parent, if any, is the window it belongs to (it is then transient for that window), or a
// widget inside a window of the program, which then takes its input only.
void ShowModal(QDialog& dialog);

}  // namespace vorn
