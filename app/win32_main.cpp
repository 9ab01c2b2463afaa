// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The vorn program on Windows: one main window with the board.
#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include <exception>
#include <vector>

#include "app/win32_command_line.h"
#include "ui/win32/form1.h"
#include "ui/win32/message_box.h"
#include "ui/win32/text.h"

namespace {

std::vector<std::wstring> Arguments() {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> arguments;
  for (int i = 1; i < count; ++i) arguments.emplace_back(words[i]);
  LocalFree(words);
  return arguments;
}

int RunMessageLoop(vorn::win32::Form1& form) {
  MSG message{};
  BOOL got = 0;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
    if (form.HandleDialogMessage(message)) continue;
    if (form.TranslateShortcut(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return got < 0 ? 1 : static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  const vorn::WindowsCommandLine command = vorn::ReadWindowsCommandLine(Arguments());
  if (!command.startsGame) {
    MessageBoxW(nullptr, command.text.c_str(), vorn::win32::kMessageTitle,
                MB_OK | (command.status == 0 ? MB_ICONINFORMATION : MB_ICONERROR));
    return command.status;
  }
  // The help window's browser control is an OLE control.
  OleInitialize(nullptr);
  int status = 1;
  try {
    vorn::win32::Form1 form(instance);
    form.Show(showCommand);
    status = RunMessageLoop(form);
  } catch (const std::exception& fault) {
    vorn::win32::ShowGameMessage(nullptr,
                                 L"Vorn cannot start:\n" + vorn::win32::Widen(fault.what()));
  }
  OleUninitialize();
  return status;
}
