// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The player's files.
#include "storage/user_files.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

#include "play/saved_game.h"

namespace vorn::storage {

namespace {

namespace fs = std::filesystem;

// A saved game of the largest board with a long history stays far below this.
constexpr std::uintmax_t kLargestFile = 64U << 20;

std::string Shown(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::string SystemWords(int code) { return std::generic_category().message(code); }

#ifdef _WIN32

// A folder the system names in the environment (LOCALAPPDATA, APPDATA), read in UTF-16 so
// that a user name in any script survives.
fs::path VornFolder(const wchar_t* variable, const char* name, std::string& error) {
  const wchar_t* folder = _wgetenv(variable);
  if (folder == nullptr || *folder == L'\0' || !fs::path(folder).is_absolute()) {
    error = std::string("the environment names no folder in ") + name;
    return {};
  }
  return fs::path(folder) / L"Vorn";
}

fs::path StateFolder(std::string& error) {
  return VornFolder(L"LOCALAPPDATA", "LOCALAPPDATA", error);
}
fs::path ConfigFolder(std::string& error) { return VornFolder(L"APPDATA", "APPDATA", error); }

int OpenNew(const fs::path& file) {
  return _wopen(file.c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY, _S_IREAD | _S_IWRITE);
}
int WriteSome(int fd, const char* data, std::size_t size) {
  return _write(fd, data, static_cast<unsigned>(std::min<std::size_t>(size, 1U << 30)));
}
int FlushToDisk(int fd) { return _commit(fd); }
int CloseFile(int fd) { return _close(fd); }
int ProcessId() { return _getpid(); }

// Replaces the file in one step, as rename does on POSIX systems.
std::string Replace(const fs::path& from, const fs::path& to) {
  if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return {};
  }
  return std::system_category().message(static_cast<int>(GetLastError()));
}

#else

// $VARIABLE/vorn, or ~/FALLBACK/vorn; the base directory rules take only absolute paths.
fs::path VornFolder(const char* variable, const char* fallback, std::string& error) {
  const char* folder = std::getenv(variable);
  if (folder != nullptr && fs::path(folder).is_absolute()) return fs::path(folder) / "vorn";
  const char* home = std::getenv("HOME");
  if (home == nullptr || !fs::path(home).is_absolute()) {
    error = std::string("neither ") + variable + " nor HOME names a folder";
    return {};
  }
  return fs::path(home) / fallback / "vorn";
}

fs::path StateFolder(std::string& error) {
  return VornFolder("XDG_STATE_HOME", ".local/state", error);
}
fs::path ConfigFolder(std::string& error) {
  return VornFolder("XDG_CONFIG_HOME", ".config", error);
}

int OpenNew(const fs::path& file) {
  return ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
}
ssize_t WriteSome(int fd, const char* data, std::size_t size) { return ::write(fd, data, size); }
int FlushToDisk(int fd) { return ::fsync(fd); }
int CloseFile(int fd) { return ::close(fd); }
int ProcessId() { return static_cast<int>(::getpid()); }

std::string Replace(const fs::path& from, const fs::path& to) {
  return ::rename(from.c_str(), to.c_str()) == 0 ? std::string() : SystemWords(errno);
}

#endif

// Writes all of `text` to a new file; the cause when it fails.
std::string WriteNew(const fs::path& file, const std::string& text) {
  const int fd = OpenNew(file);
  if (fd < 0) return SystemWords(errno);
  std::size_t done = 0;
  std::string failure;
  while (done < text.size() && failure.empty()) {
    const auto written = WriteSome(fd, text.data() + done, text.size() - done);
    if (written < 0 && errno != EINTR) failure = SystemWords(errno);
    if (written > 0) done += static_cast<std::size_t>(written);
  }
  if (failure.empty() && FlushToDisk(fd) != 0) failure = SystemWords(errno);
  if (CloseFile(fd) != 0 && failure.empty()) failure = SystemWords(errno);
  return failure;
}

}  // namespace

fs::path SavedGamePath(std::string& error) {
  const fs::path folder = StateFolder(error);
  return folder.empty() ? folder : folder / kSavedGameFile;
}

fs::path SettingsPath(std::string& error) {
  const fs::path folder = ConfigFolder(error);
  return folder.empty() ? folder : folder / kSettingsFile;
}

bool WriteAtomically(const fs::path& file, const std::string& text, std::string& error) {
  std::error_code code;
  fs::create_directories(file.parent_path(), code);
  if (code) {
    error = "cannot make the folder " + Shown(file.parent_path()) + ": " + code.message();
    return false;
  }
  fs::path temporary = file;
  temporary += ".new-" + std::to_string(ProcessId());
  std::string failure = WriteNew(temporary, text);
  if (failure.empty()) failure = Replace(temporary, file);
  if (failure.empty()) return true;
  fs::remove(temporary, code);
  error = "cannot write " + Shown(file) + ": " + failure;
  return false;
}

ReadOutcome ReadWhole(const fs::path& file, std::string& text, std::string& error) {
  std::error_code code;
  const fs::file_status status = fs::status(file, code);
  if (status.type() == fs::file_type::not_found) return ReadOutcome::kMissing;
  const auto fail = [&](const std::string& why) {
    error = "cannot read " + Shown(file) + ": " + why;
    return ReadOutcome::kFailed;
  };
  if (code) return fail(code.message());
  if (fs::is_directory(status)) return fail("it is a folder");
  const std::uintmax_t size = fs::file_size(file, code);
  if (!code && size > kLargestFile) {
    return fail("it is too large to be Vorn's, " + std::to_string(size) + " bytes");
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) return fail(SystemWords(errno));
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) return fail(SystemWords(errno));
  return ReadOutcome::kRead;
}

bool StoreGame(const std::string& level, std::string& error) {
  const fs::path file = SavedGamePath(error);
  return !file.empty() && WriteAtomically(file, SaveGame(level), error);
}

bool ResumeGame(std::string& level, std::string& error) {
  const fs::path file = SavedGamePath(error);
  if (file.empty()) return false;
  std::string text;
  if (ReadWhole(file, text, error) != ReadOutcome::kRead) return false;
  std::string refused;
  if (RestoreGame(text, level, refused)) return true;
  error = Shown(file) + ": " + refused;
  return false;
}

Settings LoadSettings(std::vector<std::string>& problems) {
  std::string error;
  const fs::path file = SettingsPath(error);
  std::string text;
  if (!file.empty() && ReadWhole(file, text, error) == ReadOutcome::kRead) {
    std::vector<std::string> found;
    const Settings settings = ParseSettings(text, found);
    for (const std::string& problem : found) problems.push_back(Shown(file) + ": " + problem);
    return settings;
  }
  if (!error.empty()) problems.push_back(error + "; the default settings are used");
  return Settings{};
}

bool StoreSettings(const Settings& settings, std::string& error) {
  const fs::path file = SettingsPath(error);
  return !file.empty() && WriteAtomically(file, FormatSettings(settings), error);
}

std::vector<std::string> ResumeSession(Settings& settings, std::string& level) {
  std::vector<std::string> problems;
  settings = LoadSettings(problems);
  level = settings.level;
  ApplyBoardSettings(settings);
  std::string error;
  if (!ResumeGame(level, error) && !error.empty()) problems.push_back(error);
  return problems;
}

std::string KeepSession(Settings& settings, const std::string& level) {
  const Settings before = settings;
  TakeBoardSettings(settings);
  std::string error;
  if (settings.boardSize != before.boardSize || settings.squareBoard != before.squareBoard) {
    if (!StoreSettings(settings, error)) return error;
  }
  return StoreGame(level, error) ? std::string() : error;
}

}  // namespace vorn::storage
