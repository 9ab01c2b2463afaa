// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real Windows program, driven from outside as a player would meet it:
//
//   vorn_window_test VORN_EXE VERSION GAME.script GAME.trace [GAME.script GAME.trace ...]
//
// First the command line: --version, --help and a refused option each answer in a box.
// Then it starts vorn.exe and checks the window as it opens (caption, outer size, the menu
// bar enabled), places a stone with a real mouse click and sees GREEN's stone and RED's
// reply and the Size menu greyed, gets the box of Preset Board, and opens and closes About
// over the disabled main window. Then it plays each recorded game through a freshly started
// window: menu commands are sent as the menu sends them, by their identifiers (the program
// refuses those whose item is greyed, and a command that changes nothing on the screen is
// taken as refused), clicks as mouse messages at the cells' places. Each `dump` of a script
// is held against the screen itself: the size in the caption, the colour of every cell,
// whether the Size menu is enabled, the turn indicator. Every message box must show the
// recorded text, stand beside the main window and on the screen, with a winning chain
// hatched beneath it; boxes are closed in turn by a click on their text, Enter, Space and
// Escape. Each program ends by Exit, with status 0.
//
// The player's aids: Take Back puts back the board's very pixels, the dot of Mark Last Move
// stands on RED's last stone only while it is on, the keyboard moves a focus cell and plays
// it, and the settings and the game survive a restart. The program's settings and saved game
// go to a folder of the test's own (APPDATA and LOCALAPPDATA, which the program inherits),
// emptied before each fresh start.
//
// Every wait is for a condition, with a generous time-out. A failure names what was
// expected and what the window showed, and ends the program under test.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "ui/win32/level_menu.h"
#include "ui/win32/menu_bar.h"

namespace {

constexpr auto kTimeout = std::chrono::seconds(60);
constexpr wchar_t kMainWindowClass[] = L"VornMainWindow";
constexpr wchar_t kDialogClass[] = L"#32770";
// Vorn, Size, Level, Help, About and Exit.
constexpr int kBarEntries = 6;

PROCESS_INFORMATION program{};

[[noreturn]] void Fail(const std::string& problem) {
  std::cerr << "FAILED: " << problem << std::endl;
  if (program.hProcess != nullptr) TerminateProcess(program.hProcess, 3);
  std::exit(1);
}

void Check(bool condition, const std::string& what) {
  if (!condition) Fail(what);
  std::cout << "ok: " << what << "\n";
}

std::string Narrow(const std::wstring& text) {
  std::string narrow;
  for (wchar_t c : text) narrow += c < 128 ? static_cast<char>(c) : '?';
  return narrow;
}

std::wstring Widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

// Waits for `condition`; on a time-out, `shown` says what the window showed instead.
void WaitFor(const std::function<bool()>& condition, const std::string& what,
             const std::function<std::string()>& shown = {}) {
  const auto end = std::chrono::steady_clock::now() + kTimeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) {
      Fail("timed out waiting for " + what + (shown ? " (seen: " + shown() + ")" : ""));
    }
    Sleep(20);
  }
  std::cout << "ok: " << what << "\n";
}

std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

// --- Windows of the program --------------------------------------------------------------

struct Search {
  const wchar_t* className;
  const std::wstring* title;
  HWND found = nullptr;
};

// A visible top-level window of the program of a class, and of a title unless null.
HWND FindProgramWindow(const wchar_t* className, const std::wstring* title) {
  Search search{className, title};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto& wanted = *reinterpret_cast<Search*>(data);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        if (process != program.dwProcessId || !IsWindowVisible(window) ||
            lstrcmpW(name, wanted.className) != 0 ||
            (wanted.title != nullptr && TextOf(window) != *wanted.title)) {
          return TRUE;
        }
        wanted.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND MessageBoxWindow() {
  static const std::wstring title = L"VORN";
  return FindProgramWindow(kDialogClass, &title);
}

// The static control showing a message box's text.
HWND MessageText(HWND box) {
  HWND found = nullptr;
  EnumChildWindows(
      box,
      [](HWND child, LPARAM data) -> BOOL {
        wchar_t name[16] = {};
        GetClassNameW(child, name, 16);
        if (lstrcmpiW(name, L"Static") != 0 || GetWindowTextLengthW(child) == 0) return TRUE;
        *reinterpret_cast<HWND*>(data) = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// --- Screen ------------------------------------------------------------------------------

COLORREF ScreenPixel(POINT at) {
  HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, at.x, at.y);
  ReleaseDC(nullptr, screen);
  return pixel;
}

std::string ColorName(COLORREF color) {
  char text[8];
  std::snprintf(text, sizeof text, "%02x%02x%02x", GetRValue(color), GetGValue(color),
                GetBValue(color));
  return text;
}

// The client area as the screen shows it.
std::vector<COLORREF> ClientPixels(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  format.bmiHeader.biWidth = client.right;
  format.bmiHeader.biHeight = -client.bottom;  // top row first
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, client.right, client.bottom, screen, origin.x, origin.y, SRCCOPY);
  GdiFlush();
  const auto* first = static_cast<const COLORREF*>(bits);
  std::vector<COLORREF> pixels(first, first + client.right * client.bottom);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

bool Overlap(const RECT& a, const RECT& b) {
  RECT both{};
  return IntersectRect(&both, &a, &b) != FALSE;
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// --- The board as the game lays it out -----------------------------------------------------

// Rounds halves to the even neighbour, as the game's layout does.
long RoundHalfEven(double value) { return std::lrint(value); }

// Vertex 0 (upper left of the straight-sided band) of a cell, in the game's pixels: cell 1
// at (n x 13.5, 14), each cell 27 to the right of the one before, each row 21 lower and
// 13.5 further left, rounded to even.
POINT CellCorner(int size, int cell) {
  const int row = (cell - 1) / size;
  const int column = (cell - 1) % size;
  long x = RoundHalfEven(size * 13.5);
  for (int r = 0; r < row; ++r) x = RoundHalfEven(x - 13.5);
  return {x + 27 * column, 14 + 21 * row};
}

struct Board {
  HWND window;
  double scale;  // device pixels per game pixel
  int size = 11;

  POINT ToScreen(double x, double y) const {
    POINT at{std::lround(x * scale), std::lround(y * scale)};
    ClientToScreen(window, &at);
    return at;
  }
  // A point of the cell's band, off its middle so that it misses a hatch's crossing lines.
  POINT CellPixel(int cell, double dx = 13.5, double dy = 7) const {
    const POINT corner = CellCorner(size, cell);
    return ToScreen(corner.x + dx, corner.y + dy);
  }
  POINT CellMiddleClient(int cell) const {
    const POINT corner = CellCorner(size, cell);
    return {std::lround((corner.x + 13.5) * scale), std::lround((corner.y + 7) * scale)};
  }
  // The middle of a side's turn indicator: 72 twips from the left, 72 or 396 from the top,
  // 252 across, at 15 twips a pixel.
  POINT IndicatorPixel(int side) const {
    return ToScreen((72 + 126) / 15.0, ((side == 0 ? 72 : 396) + 126) / 15.0);
  }
  // Whether the cell's band shows black lines over the stone's colour: the hatch.
  bool Hatched(int cell, COLORREF stone) const {
    int black = 0;
    int coloured = 0;
    for (int dy = 3; dy <= 11; ++dy) {
      for (int dx = 4; dx <= 23; ++dx) {
        const COLORREF pixel = ScreenPixel(CellPixel(cell, dx, dy));
        black += pixel == RGB(0, 0, 0);
        coloured += pixel == stone;
      }
    }
    return black > 10 && coloured > 10;
  }
};

COLORREF OwnerColor(int owner) {
  switch (owner) {
    case 0: return RGB(0, 128, 0);
    case 1: return RGB(128, 0, 0);
    default: return RGB(192, 192, 192);
  }
}

// --- Menus --------------------------------------------------------------------------------

// Wine keeps a menu in the process that owns it, so another process cannot read its items;
// the commands are sent by their identifiers, and what the menu bar shows is read from the
// screen: the words of the bar in black ink, one for each enabled entry.
UINT CommandOf(const std::string& name) {
  const char* names[] = {"Restartx", "Presetx", "StartPreset", "Sizex", "Squarex",
                         "Increasex", "Decreasex", "Helpx", "Aboutx", "Exitx"};
  for (int item = 0; item < 10; ++item) {
    if (name == names[item]) {
      return vorn::win32::MenuCommandId(static_cast<vorn::MenuItem>(item));
    }
  }
  Fail("no menu item " + name);
}

// The enabled words of the menu bar, as runs of dark pixels across the middle rows of each of
// its lines: on a narrow board the bar takes two.
int EnabledBarWords(HWND window) {
  POINT client{0, 0};
  ClientToScreen(window, &client);
  RECT area{};
  GetClientRect(window, &area);
  const int dpi = static_cast<int>(GetDpiForWindow(window));
  const int lineHeight = GetSystemMetricsForDpi(SM_CYMENU, dpi);
  // The bar fills what lies between the title bar and the client area.
  RECT outer{};
  GetWindowRect(window, &outer);
  RECT frame{};
  AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)),
                           static_cast<UINT>(dpi));
  const int barHeight = client.y - (outer.top - frame.top);
  const int lines = std::max(1, static_cast<int>(std::lround(barHeight / double(lineHeight))));
  // Letters of a word lie closer than this; words of the bar lie further apart.
  const int wordGap = MulDiv(8, dpi, 96);
  HDC screen = GetDC(nullptr);
  int words = 0;
  for (int line = 0; line < lines; ++line) {
    const int bottom = client.y - line * barHeight / lines;
    const int top = client.y - (line + 1) * barHeight / lines;
    int gap = wordGap;
    for (int x = client.x; x < client.x + area.right; ++x) {
      bool ink = false;
      for (int y = top + 2; y < bottom - 2 && !ink; ++y) {
        const COLORREF pixel = GetPixel(screen, x, y);
        // Dark: the text of an enabled entry; a greyed one is drawn in mid grey.
        ink = std::max({GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)}) < 100;
      }
      if (ink && gap >= wordGap) ++words;
      gap = ink ? 0 : gap + 1;
    }
  }
  ReleaseDC(nullptr, screen);
  return words;
}

// --- Input --------------------------------------------------------------------------------

// A press and release of the left button at a point of the screen. Each event carries the
// point itself: a button event alone goes where the pointer was last known to be, which a
// busy system may not have caught up with.
void RealClickAt(POINT at) {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  INPUT click[3] = {};
  const DWORD flags[3] = {MOUSEEVENTF_MOVE, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
  for (int i = 0; i < 3; ++i) {
    click[i].type = INPUT_MOUSE;
    click[i].mi.dx = MulDiv(at.x - left, 65535, width);
    click[i].mi.dy = MulDiv(at.y - top, 65535, height);
    click[i].mi.dwFlags = flags[i] | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE |
                          MOUSEEVENTF_VIRTUALDESK;
  }
  SendInput(3, click, sizeof(INPUT));
}

// A key pressed and released, with `held` (0 for none) held down around it.
void RealKey(WORD key, WORD held = 0) {
  std::vector<INPUT> strokes;
  auto stroke = [&](WORD virtualKey, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = flags;
    strokes.push_back(input);
  };
  if (held != 0) stroke(held, 0);
  stroke(key, 0);
  stroke(key, KEYEVENTF_KEYUP);
  if (held != 0) stroke(held, KEYEVENTF_KEYUP);
  SendInput(static_cast<UINT>(strokes.size()), strokes.data(), sizeof(INPUT));
}

// --- Recorded games -----------------------------------------------------------------------

std::vector<std::string> Lines(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) Fail("cannot read " + path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> Words(const std::string& line) {
  std::istringstream stream(line);
  std::vector<std::string> words;
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

// A recorded dump, the parts of it the window shows.
struct Dump {
  int size = 0;
  std::vector<int> owners;
  std::vector<int> menus;  // enabled Restartx..Decreasex, then the check of Squarex
  std::string indicator[2];
};

struct Recording {
  std::vector<std::string> events;  // the "message" and "disabled" lines, in order
  std::vector<Dump> dumps;
};

Recording ReadTrace(const std::string& path) {
  Recording recording;
  for (const std::string& line : Lines(path)) {
    const std::vector<std::string> words = Words(line);
    if (words.empty()) continue;
    if (words[0] == "message" || words[0] == "disabled") recording.events.push_back(line);
    if (words[0] == "state") {
      recording.dumps.emplace_back();
      recording.dumps.back().size = std::stoi(words[1]);
    }
    Dump* dump = recording.dumps.empty() ? nullptr : &recording.dumps.back();
    if (dump == nullptr) continue;
    if (words[0] == "owner") {
      for (std::size_t i = 1; i < words.size(); ++i) dump->owners.push_back(std::stoi(words[i]));
    } else if (words[0] == "menus") {
      for (std::size_t i = 1; i < words.size(); ++i) dump->menus.push_back(std::stoi(words[i]));
    } else if (words[0] == "indicator") {
      dump->indicator[0] = words[1];
      dump->indicator[1] = words[2];
    }
  }
  return recording;
}

class Player {
 public:
  explicit Player(HWND window) : window_(window) {
    board_.window = window;
    board_.scale = GetDpiForWindow(window) / 96.0;
  }
  Board& board() { return board_; }

  // Sends a message as the program's input would arrive, and meets every message box it
  // brings up before it returns.
  // Returns the number of boxes met.
  int Deliver(UINT message, WPARAM wParam, LPARAM lParam) {
    const std::size_t before = events.size();
    std::atomic<bool> done = false;
    std::thread sender([&] {
      SendMessageW(window_, message, wParam, lParam);
      done = true;
    });
    while (!done) {
      if (HWND box = MessageBoxWindow()) MeetMessage(box);
      Sleep(10);
    }
    sender.join();
    return static_cast<int>(events.size() - before);
  }

  // A command that the menu refuses changes nothing: no box, the same caption, the same
  // picture.
  void Menu(const std::string& name) {
    const std::wstring caption = TextOf(window_);
    const std::vector<COLORREF> picture = ClientPixels(window_);
    const int boxes = Deliver(WM_COMMAND, CommandOf(name), 0);
    if (boxes == 0 && TextOf(window_) == caption && ClientPixels(window_) == picture) {
      events.push_back("disabled " + name);
    }
  }

  void Release(int button, int shift, POINT client) {
    WPARAM keys = 0;
    if (shift & 1) keys |= MK_SHIFT;
    if (shift & 2) keys |= MK_CONTROL;
    const UINT down = button == 2 ? WM_RBUTTONDOWN : button == 4 ? WM_MBUTTONDOWN : WM_LBUTTONDOWN;
    const UINT held = button == 2 ? MK_RBUTTON : button == 4 ? MK_MBUTTON : MK_LBUTTON;
    const LPARAM at = MAKELPARAM(client.x, client.y);
    Deliver(down, keys | held, at);
    Deliver(down + 1, keys, at);  // the matching WM_?BUTTONUP
  }

  // A release with no press before it, as ends a click made on a menu or another window
  // over the board.
  void ReleaseWithoutPress(int button, POINT client) {
    const UINT up = button == 2 ? WM_RBUTTONUP : button == 4 ? WM_MBUTTONUP : WM_LBUTTONUP;
    Deliver(up, 0, MAKELPARAM(client.x, client.y));
  }

  void CheckDump(const Dump& dump, int number) {
    const std::string where = "dump " + std::to_string(number) + ": ";
    board_.size = dump.size;
    Check(Narrow(TextOf(window_)) == "VORN SIZE " + std::to_string(dump.size),
          where + "caption VORN SIZE " + std::to_string(dump.size));
    std::string wrong;
    for (std::size_t i = 0; i < dump.owners.size(); ++i) {
      const int cell = static_cast<int>(i) + 1;
      const COLORREF seen = ScreenPixel(board_.CellPixel(cell));
      if (seen != OwnerColor(dump.owners[i])) {
        wrong.append(" ").append(std::to_string(cell)).append("=").append(ColorName(seen));
      }
    }
    Check(wrong.empty(), where + "every cell in its owner's colour" + wrong);
    // Of the menus, the bar shows whether "Size" is enabled, the fourth of the dump.
    const bool sizeEnabled = dump.menus.at(3) == 1;
    Check((EnabledBarWords(window_) == kBarEntries) == sizeEnabled,
          where + "the Size menu " + (sizeEnabled ? "enabled" : "greyed"));
    for (int side = 0; side < 2; ++side) {
      const std::string seen = ColorName(ScreenPixel(board_.IndicatorPixel(side)));
      Check(seen == dump.indicator[side],
            where + "indicator " + std::to_string(side) + " " + dump.indicator[side] +
                " (seen " + seen + ")");
    }
  }

  // The cell that a stone was last placed on by a click, for the hatch of a win.
  int lastClicked = 0;
  // What the window showed: "message TEXT" for each box, "disabled NAME" for each command
  // its menu refused.
  std::vector<std::string> events;

 private:
  // The box: its text, its place beside the window and on the screen, a winning chain
  // hatched beneath it; then closed in the next of the four ways.
  void MeetMessage(HWND box) {
    const std::string text = Narrow(TextOf(MessageText(box)));
    events.push_back("message " + text);
    RECT boxRect{};
    RECT windowRect{};
    GetWindowRect(box, &boxRect);
    GetWindowRect(window_, &windowRect);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor);
    Check(!Overlap(boxRect, windowRect), "\"" + text + "\" stands beside the main window");
    Check(Inside(boxRect, monitor.rcWork), "\"" + text + "\" lies wholly on the screen");
    Check(!IsWindowEnabled(window_), "the main window takes no input under \"" + text + "\"");
    if (text.find(" WON - click here to continue") != std::string::npos) {
      const bool green = text.rfind("GREEN", 0) == 0;
      const COLORREF stone = OwnerColor(green ? 0 : 1);
      Check(lastClicked > 0 && (!green || board_.Hatched(lastClicked, stone)),
            "the winning chain is hatched beneath \"" + text + "\"");
    }
    const int way = closings++ % 4;
    if (way == 0) {
      // A click on the text; the box ignores presses for a moment after it appears, so
      // the click is repeated until it is taken.
      RECT textRect{};
      GetWindowRect(MessageText(box), &textRect);
      const POINT middle{(textRect.left + textRect.right) / 2,
                         (textRect.top + textRect.bottom) / 2};
      const auto end = std::chrono::steady_clock::now() + kTimeout;
      while (IsWindow(box) && IsWindowVisible(box)) {
        if (std::chrono::steady_clock::now() > end) {
          Fail("a click on the text closes \"" + text + "\"");
        }
        RealClickAt(middle);
        for (int i = 0; i < 25 && IsWindow(box); ++i) Sleep(20);
      }
    } else {
      SetForegroundWindow(box);
      RealKey(way == 1 ? VK_RETURN : way == 2 ? VK_SPACE : VK_ESCAPE);
      WaitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); },
              "\"" + text + "\" to close on a key");
    }
    const char* ways[] = {"a click on its text", "Enter", "Space", "Escape"};
    std::cout << "ok: \"" << text << "\" closed by " << ways[way] << "\n";
  }

  // The boxes closed so far, by any player: each closes the next in the next way.
  static inline int closings = 0;

  HWND window_;
  Board board_;
};

// Plays a recorded game through the window and holds it to its recording.
void PlayRecordedGame(Player& player, const std::string& scriptPath, const std::string& tracePath) {
  std::cout << "game " << scriptPath << "\n";
  const Recording recording = ReadTrace(tracePath);
  player.events.clear();
  std::size_t dumps = 0;
  for (const std::string& line : Lines(scriptPath)) {
    const std::vector<std::string> words = Words(line);
    if (words.empty() || words[0][0] == '#') continue;
    if (words[0] == "menu") {
      player.Menu(words[1]);
    } else if (words[0] == "cell") {
      player.lastClicked = std::stoi(words[3]);
      player.Release(std::stoi(words[1]), std::stoi(words[2]),
                     player.board().CellMiddleClient(player.lastClicked));
    } else if (words[0] == "up") {
      const double scale = player.board().scale;
      player.Release(std::stoi(words[1]), std::stoi(words[2]),
                     {std::lround(std::stod(words[3]) / 15 * scale),
                      std::lround(std::stod(words[4]) / 15 * scale)});
    } else if (words[0] == "dump") {
      if (dumps >= recording.dumps.size()) Fail("more dumps than recorded");
      player.CheckDump(recording.dumps[dumps], static_cast<int>(dumps) + 1);
      ++dumps;
    } else {
      Fail("a script command this test does not play: " + line);
    }
  }
  Check(dumps == recording.dumps.size(), "every recorded dump was checked");
  std::string expected;
  std::string seen;
  for (const std::string& event : recording.events) expected += "  " + event + "\n";
  for (const std::string& event : player.events) seen += "  " + event + "\n";
  Check(seen == expected,
        "the messages and refused commands of the recording, in order:\n" + expected +
            (seen == expected ? "" : "but the window showed:\n" + seen));
}

// Starts the program and waits for its main window, checked as it opens: the caption, the
// outer size and the menu bar, all enabled.
void Launch(const std::string& path, const std::string& arguments) {
  std::wstring command = L"\"" + Widen(path) + L"\"" + Widen(arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &program)) {
    Fail("cannot start " + path);
  }
}

// The status the program ended with, once it has.
DWORD ProgramStatus() {
  if (WaitForSingleObject(program.hProcess, 60000) != WAIT_OBJECT_0) Fail("the program ends");
  DWORD status = 1;
  GetExitCodeProcess(program.hProcess, &status);
  CloseHandle(program.hProcess);
  CloseHandle(program.hThread);
  program = {};
  return status;
}

// The folder that stands for the player's own: the program finds its settings and saved
// game through APPDATA and LOCALAPPDATA, set here for every program the test starts.
std::filesystem::path PlayerFolder() {
  return std::filesystem::current_path() / "window-test-player";
}

void UseOwnPlayerFolders() {
  SetEnvironmentVariableW(L"APPDATA", (PlayerFolder() / "Roaming").c_str());
  SetEnvironmentVariableW(L"LOCALAPPDATA", (PlayerFolder() / "Local").c_str());
}

// A start as the first ever: no settings, no saved game.
void ForgetPlayerFiles() {
  std::error_code error;
  std::filesystem::remove_all(PlayerFolder(), error);
  if (error) Fail("cannot empty " + PlayerFolder().string() + ": " + error.message());
}

HWND OpenMainWindow(const std::string& path) {
  Launch(path, "");
  HWND window = nullptr;
  WaitFor([&] { return (window = FindProgramWindow(kMainWindowClass, nullptr)) != nullptr; },
          "the main window");
  return window;
}

// A first start, checked as the program opens.
HWND StartProgram(const std::string& path) {
  ForgetPlayerFiles();
  const auto started = std::chrono::steady_clock::now();
  HWND window = OpenMainWindow(path);
  Check(TextOf(window) == L"VORN SIZE 11", "caption VORN SIZE 11");
  const double scale = GetDpiForWindow(window) / 96.0;
  RECT outer{};
  GetWindowRect(window, &outer);
  Check(outer.right - outer.left == std::lround(486 * scale) &&
            outer.bottom - outer.top == std::lround(308 * scale),
        "outer size 486 x 308 pixels at a scale of " + std::to_string(scale));
  // The window may be found before it is first painted.
  WaitFor([&] { return EnabledBarWords(window) == kBarEntries; },
          "the menu bar's six entries, all enabled, at start",
          [&] { return std::to_string(EnabledBarWords(window)) + " enabled"; });
  // A measure, not a check: from the start of the process to the board on the screen.
  Board board{window, GetDpiForWindow(window) / 96.0};
  WaitFor([&] { return ScreenPixel(board.CellPixel(121, 0, 7)) == RGB(0, 0, 0); },
          "the board painted");
  const auto painted = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - started);
  std::cout << "measure: the first painted board " << painted.count()
            << " ms after the start of the process\n";
  return window;
}

// A command line the game does not start with: its answer in a box, then the status.
// Whether a box is wide enough for its whole caption: the caption in the title bar's font,
// with the close box and a margin of one close box's width around it.
bool CaptionFits(HWND box) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  HFONT font = CreateFontIndirectW(&metrics.lfCaptionFont);
  HDC context = GetDC(box);
  HGDIOBJ before = SelectObject(context, font);
  const std::wstring caption = TextOf(box);
  SIZE extent{};
  GetTextExtentPoint32W(context, caption.c_str(), static_cast<int>(caption.size()), &extent);
  SelectObject(context, before);
  ReleaseDC(box, context);
  DeleteObject(font);
  RECT outer{};
  GetWindowRect(box, &outer);
  return outer.right - outer.left >= extent.cx + 2 * metrics.iCaptionWidth;
}

void CheckCommandLine(const std::string& path, const std::string& arguments,
                      const std::string& answer, DWORD status) {
  Launch(path, " " + arguments);
  HWND box = nullptr;
  WaitFor([&] { return (box = MessageBoxWindow()) != nullptr; },
          "the answer to \"vorn " + arguments + "\" in a box");
  const std::string shown = Narrow(TextOf(MessageText(box)));
  Check(shown.rfind(answer, 0) == 0, "it starts \"" + answer + "\" (" + shown + ")");
  Check(CaptionFits(box), "the box is wide enough for its whole title");
  Check(FindProgramWindow(kMainWindowClass, nullptr) == nullptr, "and no game starts");
  SetForegroundWindow(box);
  RealKey(VK_RETURN);
  Check(ProgramStatus() == status, "\"vorn " + arguments + "\" ends with status " +
                                       std::to_string(status));
}

// "Exit" ends the program, with status 0.
void ExitProgram(HWND window) {
  PostMessageW(window, WM_COMMAND, CommandOf("Exitx"), 0);
  const DWORD status = ProgramStatus();
  Check(status == 0, "Exit ends the program with status 0 (" + std::to_string(status) + ")");
}

// A real click in the middle of the board shows GREEN's stone there and RED's reply
// elsewhere, and the Size menu is greyed from then on.
void FirstStone(Player& player, HWND window) {
  const int middle = 61;
  WaitFor([&] { return IsWindowEnabled(window) && GetForegroundWindow() == window; },
          "the main window to take input");
  RealClickAt(player.board().CellPixel(middle));
  WaitFor([&] { return ScreenPixel(player.board().CellPixel(middle)) == OwnerColor(0); },
          "GREEN's stone on cell 61 after a click on it");
  auto redStones = [&] {
    int count = 0;
    for (int cell = 1; cell <= 121; ++cell) {
      count += ScreenPixel(player.board().CellPixel(cell)) == OwnerColor(1);
    }
    return count;
  };
  WaitFor([&] { return redStones() == 1; }, "one RED stone, the computer's reply",
          [&] { return std::to_string(redStones()) + " RED stones"; });
  Check(EnabledBarWords(window) == kBarEntries - 1, "the Size menu is greyed during a game");
}

int StonesOf(Player& player, int owner) {
  int count = 0;
  for (int cell = 1; cell <= 121; ++cell) {
    count += ScreenPixel(player.board().CellPixel(cell)) == OwnerColor(owner);
  }
  return count;
}

// At the Strong level RED's reply is searched for off the window's thread and comes back to
// it; "End Current Game" sent right behind a click, perhaps while the search is still
// running, leaves an empty board that no late stone reaches.
void StrongLevel(Player& player, HWND window) {
  player.Deliver(WM_COMMAND, vorn::win32::LevelCommandId(vorn::Level::Strong), 0);
  const auto clicked = std::chrono::steady_clock::now();
  player.Release(1, 0, player.board().CellMiddleClient(61));
  WaitFor([&] { return StonesOf(player, 1) == 1; }, "RED's Strong reply on the board",
          [&] { return std::to_string(StonesOf(player, 1)) + " RED stones"; });
  const auto answered = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - clicked);
  std::cout << "measure: a Strong reply on the screen " << answered.count()
            << " ms after the click\n";
  Check(IsWindowEnabled(window), "the window takes input again after the reply");

  player.Release(1, 0, player.board().CellMiddleClient(1));
  player.Menu("Restartx");
  Check(IsWindowEnabled(window), "the window takes input after End Current Game");
  WaitFor([&] { return ScreenPixel(player.board().IndicatorPixel(0)) == OwnerColor(0); },
          "GREEN to move on the new board");
  // The search of the cancelled reply ends within a second or two; any stone it left would
  // show by then.
  Sleep(3000);
  Check(StonesOf(player, 0) + StonesOf(player, 1) == 0, "no late stone on the new board");

  // "Hint" rings a cell in dark blue until the next move.
  auto ringPixels = [&] {
    const std::vector<COLORREF> pixels = ClientPixels(window);
    // A DIB's pixel reads 0x00RRGGBB: dark blue is 0x000080.
    return std::count_if(pixels.begin(), pixels.end(),
                         [](COLORREF pixel) { return (pixel & 0xFFFFFF) == 0x000080; });
  };
  Check(ringPixels() == 0, "no hint ring before a hint is asked for");
  player.Deliver(WM_COMMAND, vorn::win32::kHintCommand, 0);
  WaitFor([&] { return ringPixels() > 10; }, "the hint's ring over the board");
  player.Release(1, 0, player.board().CellMiddleClient(1));
  WaitFor([&] { return ringPixels() == 0; }, "the ring gone with the next move");
  player.Deliver(WM_COMMAND, vorn::win32::LevelCommandId(vorn::Level::Standard), 0);
}

// Only the release of a press made on the board acts: the release that ends a click made
// elsewhere plays nothing where it meets the board, and the next click plays as usual. The
// board is left in play.
void StrayReleasePlaysNothing(Player& player) {
  player.Menu("Restartx");
  for (const int button : {1, 2}) {
    player.ReleaseWithoutPress(button, player.board().CellMiddleClient(1));
  }
  Check(ScreenPixel(player.board().CellPixel(1)) != OwnerColor(0),
        "a release without a press on the board plays nothing");
  player.Release(1, 0, player.board().CellMiddleClient(2));
  WaitFor([&] { return ScreenPixel(player.board().CellPixel(2)) == OwnerColor(0); },
          "a click plays cell 2",
          [&] { return ColorName(ScreenPixel(player.board().CellPixel(2))); });
}

// About: modal over the disabled main window, with the version; Escape closes it.
void OpenAndCloseAbout(HWND window, const std::string& version) {
  std::thread about([&] { SendMessageW(window, WM_COMMAND, CommandOf("Aboutx"), 0); });
  const std::wstring aboutTitle = L"About VORN";
  HWND aboutBox = nullptr;
  WaitFor([&] { return (aboutBox = FindProgramWindow(kDialogClass, &aboutTitle)) != nullptr; },
          "the About window");
  Check(!IsWindowEnabled(window), "the main window takes no input under About");
  std::wstring shown;
  EnumChildWindows(
      aboutBox,
      [](HWND child, LPARAM data) -> BOOL {
        const std::wstring text = TextOf(child);
        if (text.rfind(L"Version ", 0) == 0) *reinterpret_cast<std::wstring*>(data) = text;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&shown));
  Check(shown == L"Version " + Widen(version), "About shows Version " + version);
  SetForegroundWindow(aboutBox);
  RealKey(VK_ESCAPE);
  about.join();
  Check(!IsWindow(aboutBox) || !IsWindowVisible(aboutBox), "About closes on Escape");
  Check(IsWindowEnabled(window), "the main window takes input again");
}

// --- The player's aids ----------------------------------------------------------------------

std::size_t PixelsOf(HWND window, COLORREF dibColor) {
  const std::vector<COLORREF> pixels = ClientPixels(window);
  return static_cast<std::size_t>(std::count_if(
      pixels.begin(), pixels.end(),
      [dibColor](COLORREF pixel) { return (pixel & 0xFFFFFF) == dibColor; }));
}

// A cell's owner, read beside the cell's middle, where the last move's dot stands.
int OwnerSeen(const Board& board, int cell) {
  const COLORREF pixel = ScreenPixel(board.CellPixel(cell, 4, 7));
  for (int owner : {0, 1}) {
    if (pixel == OwnerColor(owner)) return owner;
  }
  return -1;
}

std::vector<int> CellsOf(const Board& board, int owner) {
  std::vector<int> cells;
  for (int cell = 1; cell <= board.size * board.size; ++cell) {
    if (OwnerSeen(board, cell) == owner) cells.push_back(cell);
  }
  return cells;
}

bool DotOn(const Board& board, int cell) {
  return ScreenPixel(board.CellPixel(cell)) == RGB(255, 255, 255);
}

// The dot of Mark Last Move over RED's last stone, only while it is on; Take Back puts back
// the picture of the click before, dot and all, and then the empty board's.
void TakeBackAndMarkLastMove(Player& player, HWND window) {
  const Board& board = player.board();
  player.Menu("Restartx");
  const std::vector<COLORREF> empty = ClientPixels(window);
  player.Release(1, 0, board.CellMiddleClient(61));
  // The screen may show a picture a moment after the program drew it.
  std::vector<int> red;
  WaitFor([&] { return (red = CellsOf(board, 1)).size() == 1; }, "RED's reply to cell 61");
  const int firstReply = red[0];
  Check(!DotOn(board, firstReply), "no dot over RED's stone while Mark Last Move is off");
  player.Deliver(WM_COMMAND, vorn::win32::kMarkLastMoveCommand, 0);
  WaitFor([&] { return DotOn(board, firstReply); }, "Mark Last Move's dot over RED's stone");
  const std::vector<COLORREF> afterFirst = ClientPixels(window);

  const int second = firstReply == 1 ? 2 : 1;
  player.Release(1, 0, board.CellMiddleClient(second));
  WaitFor(
      [&] {
        std::vector<int> replies = CellsOf(board, 1);
        std::erase(replies, firstReply);
        return replies.size() == 1 && DotOn(board, replies[0]) && !DotOn(board, firstReply);
      },
      "the dot moves to RED's next stone");
  player.Deliver(WM_COMMAND, vorn::win32::kTakeBackCommand, 0);
  WaitFor([&] { return ClientPixels(window) == afterFirst; },
          "Take Back puts back the picture before the click, the dot over RED's stone before");
  player.Deliver(WM_COMMAND, vorn::win32::kMarkLastMoveCommand, 0);
  WaitFor([&] { return !DotOn(board, firstReply) && OwnerSeen(board, firstReply) == 1; },
          "no dot once Mark Last Move is off again");
  player.Deliver(WM_COMMAND, vorn::win32::kTakeBackCommand, 0);
  WaitFor([&] { return ClientPixels(window) == empty; },
          "Take Back again puts back the empty board's picture");
}

// No focus cell until the first arrow key, which shows it on cell 1; Right and Down move it
// to cell 13, Enter plays it as a click, and Ctrl+Z takes the play back; the menu key and
// Shift+F10 right-click the cell.
void KeyboardPlay(Player& player, HWND window) {
  const Board& board = player.board();
  player.Menu("Restartx");
  constexpr COLORREF kFocusYellow = 0xFFFF00;
  Check(PixelsOf(window, kFocusYellow) == 0, "no focus cell before an arrow key");
  SetForegroundWindow(window);
  WaitFor([&] { return GetForegroundWindow() == window; }, "the main window in front");
  RealKey(VK_RIGHT);
  WaitFor([&] { return PixelsOf(window, kFocusYellow) > 20; },
          "the focus cell shows at the first arrow key", [&] {
            // A window disabled for RED's turn loses the keyboard's focus.
            GUITHREADINFO thread{};
            thread.cbSize = sizeof thread;
            GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
            return std::string("the keyboard's focus ") +
                   (thread.hwndFocus == window ? "on" : "not on") + " the main window";
          });
  RealKey(VK_RIGHT);
  RealKey(VK_DOWN);
  RealKey(VK_RETURN);
  WaitFor([&] { return OwnerSeen(board, 13) == 0 && CellsOf(board, 1).size() == 1; },
          "Right, Down and Enter play cell 13, and RED replies");
  auto emptyBoard = [&] { return CellsOf(board, 0).empty() && CellsOf(board, 1).empty(); };
  auto redOpened = [&] { return CellsOf(board, 0).empty() && CellsOf(board, 1).size() == 1; };
  RealKey('Z', VK_CONTROL);
  WaitFor(emptyBoard, "Ctrl+Z takes the play back");
  // The menu key and Shift+F10 do what a plain right click does: the computer opens.
  RealKey(VK_APPS);
  WaitFor(redOpened, "the menu key: the computer's opening");
  RealKey('Z', VK_CONTROL);
  WaitFor(emptyBoard, "Ctrl+Z takes the opening back");
  RealKey(VK_F10, VK_SHIFT);
  WaitFor(redOpened, "Shift+F10: the computer's opening");
}

// The settings and the game survive a restart: a board of 12 with Mark Last Move on and a
// stone each, shown again as it was left, and still in play; and what could be taken back
// still can.
void SurvivesRestart(const std::string& vorn) {
  HWND window = StartProgram(vorn);
  Player player(window);
  player.Menu("Increasex");
  player.board().size = 12;
  player.Deliver(WM_COMMAND, vorn::win32::kMarkLastMoveCommand, 0);
  const std::vector<COLORREF> empty = ClientPixels(window);
  player.Release(1, 0, player.board().CellMiddleClient(40));
  WaitFor([&] { return CellsOf(player.board(), 1).size() == 1; },
          "a stone each on the board of 12");
  const std::vector<COLORREF> left = ClientPixels(window);
  ExitProgram(window);

  window = OpenMainWindow(vorn);
  Check(TextOf(window) == L"VORN SIZE 12", "the board of 12 again after a restart");
  WaitFor([&] { return ClientPixels(window) == left; },
          "the same stones and Mark Last Move's dot after a restart");
  WaitFor([&] { return EnabledBarWords(window) == kBarEntries - 1; },
          "the game goes on: the Size menu greyed");
  Player again(window);
  again.Deliver(WM_COMMAND, vorn::win32::kTakeBackCommand, 0);
  WaitFor([&] { return ClientPixels(window) == empty; }, "Take Back after the restart");
  ExitProgram(window);
}

void WriteFile(const std::filesystem::path& file, const std::string& text) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

// A bad setting and a damaged saved game: told in one box as the window opens, each named,
// and the good setting kept; the next start tells nothing.
void RefusesBadStoredFiles(const std::string& vorn) {
  ForgetPlayerFiles();
  WriteFile(PlayerFolder() / "Roaming" / "Vorn" / "vorn.conf",
            "[Vorn]\nBoardSize=99\nSquareBoard=0\n");
  WriteFile(PlayerFolder() / "Local" / "Vorn" / "saved-game.txt", "Vorn saved game 1\nlevel\n");
  HWND window = OpenMainWindow(vorn);
  HWND box = nullptr;
  WaitFor([&] { return (box = MessageBoxWindow()) != nullptr; }, "a box about the files");
  const std::string told = Narrow(TextOf(MessageText(box)));
  Check(told.find("vorn.conf: line 2: BoardSize \"99\" is not a whole number") !=
                std::string::npos &&
            told.find("saved-game.txt: the saved game is damaged") != std::string::npos,
        "the box names the bad setting and the damaged game (" + told + ")");
  SetForegroundWindow(box);
  RealKey(VK_RETURN);
  WaitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); }, "the box to close");
  Check(TextOf(window) == L"VORN SIZE 11", "the board of the default size, one row short (" +
                                               Narrow(TextOf(window)) + ")");
  ExitProgram(window);

  window = OpenMainWindow(vorn);
  Board board{window, GetDpiForWindow(window) / 96.0};
  WaitFor([&] { return ScreenPixel(board.CellPixel(1, 0, 7)) == RGB(0, 0, 0); },
          "the board painted at the next start");
  Sleep(1000);  // time enough for a box to show
  Check(MessageBoxWindow() == nullptr, "and nothing is told again");
  ExitProgram(window);
}

// The largest board as the screen shows it: the scale it is drawn at, read across and down
// (its outlines end a pen's half width, about a game pixel, beyond the right side of the top
// row's last cell, x 851, and beyond the bottom corner of the last row, y 455), and whether
// they end inside the client area, the background beyond them.
struct DrawnBoard {
  double across;
  double down;
  bool whole;
};

DrawnBoard DrawnLargestBoard(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  const std::vector<COLORREF> pixels = ClientPixels(window);
  long right = 0;
  long bottom = 0;
  for (long y = 0; y < client.bottom; ++y) {
    for (long x = 0; x < client.right; ++x) {
      if ((pixels[y * client.right + x] & 0xFFFFFF) != 0) continue;  // not the outlines' black
      right = std::max(right, x + 1);
      bottom = std::max(bottom, y + 1);
    }
  }
  return {right / 852.0, bottom / 456.0, right < client.right && bottom < client.bottom};
}

// A window grown from its top left corner near the bottom right of the screen ended with
// most of the largest board and its close box off the screen: it stays in the work area. On
// a screen too small for the board at the monitor's scale, the board is drawn whole at a
// smaller one, and a click on the middle of the last cell as drawn plays that cell.
void GrowsWithinTheWorkArea(Player& player, HWND window) {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  SetWindowPos(window, nullptr, work.right - 300, work.bottom - 200, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  player.Menu("Restartx");  // the Size menu is offered again
  for (int size = 11; size < 21; ++size) player.Menu("Increasex");
  Check(TextOf(window) == L"VORN SIZE 21", "the largest board (" + Narrow(TextOf(window)) + ")");
  RECT outer{};
  GetWindowRect(window, &outer);
  Check(outer.left >= work.left && outer.top >= work.top && outer.right <= work.right &&
            outer.bottom <= work.bottom,
        "the window of the largest board lies in the work area (" +
            std::to_string(outer.left) + "," + std::to_string(outer.top) + " to " +
            std::to_string(outer.right) + "," + std::to_string(outer.bottom) + ")");
  const auto [across, down, whole] = DrawnLargestBoard(window);
  const double monitorScale = GetDpiForWindow(window) / 96.0;
  Check(whole && std::abs(across - down) < 0.01 && across < monitorScale + 0.01,
        "the largest board drawn whole, at one scale up to the monitor's " +
            std::to_string(monitorScale) + " (" + std::to_string(across) + " across, " +
            std::to_string(down) + " down)");
  const Board drawn{window, across, 21};
  WaitFor([&] { return IsWindowEnabled(window) && GetForegroundWindow() == window; },
          "the main window to take input");
  RealClickAt(drawn.CellPixel(441));
  WaitFor([&] { return ScreenPixel(drawn.CellPixel(441)) == OwnerColor(0); },
          "GREEN's stone on cell 441 after a click on it as drawn",
          [&] { return ColorName(ScreenPixel(drawn.CellPixel(441))); });
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 5 || argc % 2 == 0) {
    std::cerr << "usage: vorn_window_test VORN_EXE VERSION GAME.script GAME.trace ...\n";
    return 2;
  }
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  const std::string vorn = argv[1];
  const std::string version = argv[2];
  UseOwnPlayerFolders();

  CheckCommandLine(vorn, "--version", "vorn " + version, 0);
  CheckCommandLine(vorn, "--help", "Usage: vorn [--help] [--version]", 0);
  CheckCommandLine(vorn, "/?", "Usage: vorn [--help] [--version]", 0);
  CheckCommandLine(vorn, "--frobnicate", "vorn: Unknown option '--frobnicate'.", 2);

  HWND window = StartProgram(vorn);
  {
    Player player(window);
    FirstStone(player, window);
    StrayReleasePlaysNothing(player);
    // A new board, and a box from the preset command.
    player.Menu("Restartx");
    player.Menu("Presetx");
    Check(player.events == std::vector<std::string>{"message left-click to set GREEN, "
                                                    "right-click for RED"},
          "Preset Board explains itself in a box");
    // Wine here has no HTML engine for the help window's browser control, and this prefix
    // no viewer for the page: "Help" falls back to the system's viewer, and says that the
    // page, beside the program, cannot be opened.
    player.events.clear();
    player.Menu("Helpx");
    Check(player.events.size() == 1 &&
              player.events[0].rfind("message The help page cannot be opened:", 0) == 0 &&
              player.events[0].find("\\vorn.htm") != std::string::npos,
          "without a browser control or a viewer, Help says it cannot open vorn.htm");
    OpenAndCloseAbout(window, version);
    player.Menu("Restartx");
    StrongLevel(player, window);
    TakeBackAndMarkLastMove(player, window);
    KeyboardPlay(player, window);
    player.Menu("Restartx");
    GrowsWithinTheWorkArea(player, window);
  }
  ExitProgram(window);
  SurvivesRestart(vorn);
  RefusesBadStoredFiles(vorn);

  // Each recorded game on a freshly started program, as it was recorded.
  for (int game = 3; game + 1 < argc; game += 2) {
    window = StartProgram(vorn);
    Player player(window);
    PlayRecordedGame(player, argv[game], argv[game + 1]);
    ExitProgram(window);
  }
  return 0;
}
