// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Windows program's command line, and where it finds its help page.
#include <gtest/gtest.h>

#include "app/version.h"
#include "app/win32_command_line.h"
#include "game/runtime.h"
#include "ui/win32/board_bitmap.h"
#include "ui/win32/help_form.h"
#include "ui/win32/text.h"

namespace vorn {
namespace {

TEST(WindowsCommandLineTest, StartsTheGameOnlyWithoutArguments) {
  EXPECT_TRUE(ReadWindowsCommandLine({}).startsGame);

  const WindowsCommandLine help = ReadWindowsCommandLine({L"--help"});
  EXPECT_FALSE(help.startsGame);
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.text.rfind(L"Usage: vorn [--help] [--version]\n", 0), 0u);
  EXPECT_NE(help.text.find(L"--version"), std::wstring::npos);
  // Help wins over the version, in either order; the short names do the same, and so does
  // the "/?" of Windows programs.
  EXPECT_EQ(ReadWindowsCommandLine({L"-v", L"-h"}).text, help.text);
  EXPECT_EQ(ReadWindowsCommandLine({L"/?"}).text, help.text);
  EXPECT_NE(help.text.find(L"/?"), std::wstring::npos);

  const WindowsCommandLine version = ReadWindowsCommandLine({L"--version"});
  EXPECT_FALSE(version.startsGame);
  EXPECT_EQ(version.status, 0);
  // The version, and the game's name under it, which makes the box wide enough for its title.
  EXPECT_EQ(version.text,
            L"vorn " + win32::Widen(kVersion) + L"\nVorn, a board game of six-sided cells");
  EXPECT_EQ(ReadWindowsCommandLine({L"-v"}).text, version.text);
}

TEST(WindowsCommandLineTest, RefusesAnythingElseNamingIt) {
  const WindowsCommandLine option = ReadWindowsCommandLine({L"--help", L"--frobnicate"});
  EXPECT_FALSE(option.startsGame);
  EXPECT_EQ(option.status, 2);
  EXPECT_EQ(option.text,
            L"vorn: Unknown option '--frobnicate'.\nUsage: vorn [--help] [--version]\n"
            L"Try 'vorn --help'.");
  EXPECT_EQ(ReadWindowsCommandLine({L"board.txt"}).text,
            L"vorn: Unexpected argument 'board.txt'.\nUsage: vorn [--help] [--version]\n"
            L"Try 'vorn --help'.");
  // A lone dash is an argument, as a file name would be.
  EXPECT_EQ(ReadWindowsCommandLine({L"-"}).text,
            L"vorn: Unexpected argument '-'.\nUsage: vorn [--help] [--version]\n"
            L"Try 'vorn --help'.");
}

TEST(HelpPageAddressTest, OneBackslashBeforeThePage) {
  EXPECT_EQ(win32::HelpPageAddress(L"C:\\Games\\Board"), L"C:\\Games\\Board\\vorn.htm");
  EXPECT_EQ(win32::HelpPageAddress(L"D:\\"), L"D:\\vorn.htm");
  // The program's folder, as Windows names it, is where the page is looked for.
  const std::wstring folder = win32::ProgramFolder();
  ASSERT_GE(folder.size(), 3u);
  EXPECT_EQ(folder[1], L':');
  EXPECT_NE(folder.back(), L'\\');
}

TEST(FillStyleTest, TheGamesStylesAsGdiDrawsThem) {
  auto fill = [](Integer style) { return win32::FillOfStyle(CheckedFillStyle(style)); };
  EXPECT_EQ(fill(0).kind, win32::FillKind::kSolid);
  EXPECT_EQ(fill(1).kind, win32::FillKind::kHollow);
  EXPECT_EQ(fill(7).kind, win32::FillKind::kHatch);
  EXPECT_EQ(fill(7).hatch, HS_DIAGCROSS);
  EXPECT_EQ(fill(4).hatch, HS_BDIAGONAL);  // upward, "/"
  EXPECT_EQ(fill(5).hatch, HS_FDIAGONAL);  // downward, "\"
  EXPECT_THROW(fill(8), RunTimeError);
  EXPECT_THROW(fill(-1), RunTimeError);
}

TEST(TextTest, Utf8RoundTripAndWindowsLineEnds) {
  const std::string text = "Vorn \xE2\x80\x93 six-sided";  // an en dash
  EXPECT_EQ(win32::Widen(text), L"Vorn \u2013 six-sided");
  EXPECT_EQ(win32::Narrow(win32::Widen(text)), text);
  EXPECT_EQ(win32::WithCrLf(L"\n\nVorn\r\nby\n"), L"\r\n\r\nVorn\r\nby\r\n");
}

}  // namespace
}  // namespace vorn
