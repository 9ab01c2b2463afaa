// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The player's files on a desktop, for the Linux and the Windows program alike: the saved
// game and the settings. Each is written whole to a temporary file in its folder, flushed
// to the disk and then renamed over the old one, so that a crash or a full disk leaves the
// old file or the new one, never half of one. Nothing here ever throws or stops the game: a
// file that cannot be written or read is reported in words that name it and the cause.
//
//   saved game   Linux:   $XDG_STATE_HOME/vorn/saved-game.txt
//                         (~/.local/state/vorn/ when XDG_STATE_HOME is unset or relative)
//                Windows: %LOCALAPPDATA%\Vorn\saved-game.txt
//   settings     Linux:   $XDG_CONFIG_HOME/vorn/vorn.conf   (~/.config/vorn/)
//                Windows: %APPDATA%\Vorn\vorn.conf
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "play/settings.h"

namespace vorn::storage {

inline constexpr char kSavedGameFile[] = "saved-game.txt";
inline constexpr char kSettingsFile[] = "vorn.conf";

// The saved game's and the settings' paths; empty, with `error` saying why, when the
// environment names no folder for them.
std::filesystem::path SavedGamePath(std::string& error);
std::filesystem::path SettingsPath(std::string& error);

// Writes `text` as the whole of `file`, its folder made first if need be.
bool WriteAtomically(const std::filesystem::path& file, const std::string& text,
                     std::string& error);

enum class ReadOutcome { kRead, kMissing, kFailed };
// Reads the whole of `file`. A file that does not exist is no fault.
ReadOutcome ReadWhole(const std::filesystem::path& file, std::string& text, std::string& error);

// What a front end calls. After every event that changed the game:
bool StoreGame(const std::string& level, std::string& error);
// At start, after start-up and ApplyBoardSettings: puts back the saved game, if any. True
// when a game was put back; false with `error` empty when there was none, and with `error`
// saying what is wrong when one could not be read or was refused (the game is then the
// fresh one of start-up, and the next StoreGame replaces the file).
bool ResumeGame(std::string& level, std::string& error);
// The stored settings, the defaults for a first start; each problem is a line for the player.
Settings LoadSettings(std::vector<std::string>& problems);
bool StoreSettings(const Settings& settings, std::string& error);

// The two calls a desktop front end needs, each a line of it. After start-up: the stored
// settings read, their board built, and the saved game put back; `level` is the saved
// game's level, as its game goes on at it, else the settings' one. The result holds a line
// for the player for each problem met (none on a first start).
std::vector<std::string> ResumeSession(Settings& settings, std::string& level);
// After every mouse release and menu command: the board's size and shape kept in the
// settings (written when they changed) and the game saved. Empty, or what could not be
// written; a front end shows that once, not after every move.
std::string KeepSession(Settings& settings, const std::string& level);

}  // namespace vorn::storage
