// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window.
#include "ui/win32/form1.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <utility>

#include "computer/reply_search.h"
#include "display/window_placement.h"
#include "game/board_queries.h"
#include "game/start_up.h"
#include "play/error_boundary.h"
#include "play/game_commands.h"
#include "play/hint.h"
#include "play/mouse_input.h"
#include "play/take_back.h"
#include "ui/shared/front_end_rules.h"
#include "ui/win32/about_form.h"
#include "ui/win32/board_fit.h"
#include "ui/win32/help_form.h"
#include "ui/win32/level_menu.h"
#include "ui/win32/message_box.h"
#include "ui/win32/resource.h"
#include "ui/win32/text.h"

namespace vorn::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"VornMainWindow";
// A search's answer from its worker; the message's LPARAM owns a SearchAnswer.
constexpr UINT kSearchAnswered = WM_APP + 1;
// What the player must be told of the settings and the saved game at start, once the window
// shows.
constexpr UINT kStartNotice = WM_APP + 2;
// The window is sized by the game alone: it can be minimised and closed, not resized.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  // No CS_DBLCLKS: every press is a press of its own, as the board knows no double click.
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(IDI_VORN), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
  windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_VORN),
                                                      IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), 0));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);
}

// The keys held at a release: Shift and Ctrl come with it, Alt is read from the keyboard.
Integer ShiftMask(WPARAM keys) {
  return ModifierMask({.shift = (keys & MK_SHIFT) != 0,
                       .ctrl = (keys & MK_CONTROL) != 0,
                       .alt = GetKeyState(VK_MENU) < 0});
}

std::optional<FocusKey> FocusKeyOf(WPARAM key) {
  switch (key) {
    case VK_LEFT: return FocusKey::kLeft;
    case VK_RIGHT: return FocusKey::kRight;
    case VK_UP: return FocusKey::kUp;
    case VK_DOWN: return FocusKey::kDown;
    case VK_HOME: return FocusKey::kHome;
    case VK_END: return FocusKey::kEnd;
    default: return std::nullopt;
  }
}

// A pen of `width` game pixels at the window's scale, at least `least` device pixels.
HPEN ScaledPen(double width, double scale, int least, COLORREF color) {
  return CreatePen(PS_SOLID, std::max(least, static_cast<int>(std::lround(width * scale))),
                   color);
}

int DevicePixel(double devicePixels) { return static_cast<int>(std::lround(devicePixels)); }

RECT WorkAreaOf(HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoW(monitor, &info)) SystemParametersInfoW(SPI_GETWORKAREA, 0, &info.rcWork, 0);
  return info.rcWork;
}

// What the frame, the title bar and the menu bar take of the window's outer size.
SIZE FrameOf(HWND window) {
  RECT outer{};
  RECT client{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  return {(outer.right - outer.left) - client.right, (outer.bottom - outer.top) - client.bottom};
}

void OutlineEllipse(HDC dc, const RECT& shape, HPEN pen) {
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Ellipse(dc, shape.left, shape.top, shape.right, shape.bottom);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
}

}  // namespace

COLORREF ToColorRef(Color color) {
  return RGB((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
}

Form1::Form1(HINSTANCE instance)
    : instance_(instance), searches_([this](SearchAnswer answer) {
        // On the search's thread: the answer waits in the window's queue.
        auto posted = std::make_unique<SearchAnswer>(std::move(answer));
        if (PostMessageW(window_, kSearchAnswered, 0, reinterpret_cast<LPARAM>(posted.get()))) {
          posted.release();
        }
      }) {
  RegisterWindowClass(instance, WindowProcedure);
  window_ = CreateWindowExW(0, kWindowClass, L"", kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menus_.Handle(), instance,
                            CreationParameter(this));
  if (window_ == nullptr) throw RunTimeError("the main window cannot be created");
  dpi_ = GetDpiForWindow(window_);
  boardScale_ = MonitorScale();
  bitmap_.SetScale(boardScale_);
  FitBitmapToClient();
  shortcuts_ = CreateAidShortcuts();
  AttachWindow(this);
  RunGuarded(Form_Load);
  // The settings and the saved game, over the board of the game's own start-up.
  RunGuarded([this] { startNotice_ = session_.Resume(); });
  if (!startNotice_.empty()) PostMessageW(window_, kStartNotice, 0, 0);
}

Form1::~Form1() {
  searches_.Close();
  AttachWindow(nullptr);
  if (shortcuts_ != nullptr) DestroyAcceleratorTable(shortcuts_);
  if (window_ != nullptr) DestroyWindow(window_);
}

void Form1::Show(int showCommand) {
  ShowWindow(window_, showCommand);
  UpdateWindow(window_);
}

bool Form1::HandleDialogMessage(MSG& message) {
  return helpForm_ != nullptr && helpForm_->HandleDialogMessage(message);
}

void Form1::WindowCreated(HWND window) { window_ = window; }

// Only keys meant for the main window itself: H typed into the help window stays there.
bool Form1::TranslateShortcut(MSG& message) {
  return window_ != nullptr && message.hwnd == window_ &&
         TranslateAcceleratorW(window_, shortcuts_, &message) != 0;
}

void Form1::WindowDestroyed() { window_ = nullptr; }

LRESULT Form1::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_PRINTCLIENT: {  // a copy of the window's picture, for PrintWindow
      RECT client{};
      GetClientRect(window_, &client);
      PaintClient(reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // the bitmap covers the whole client area
    case WM_SIZE:
      FitBitmapToClient();
      return 0;
    case WM_COMMAND:
      // 0 from a menu, 1 from an accelerator
      if (HIWORD(wParam) <= 1 && lParam == 0) OnCommand(LOWORD(wParam));
      return 0;
    case WM_INITMENUPOPUP:
      FollowGame();  // the state may have changed without a command (a message answered)
      return 0;
    case kSearchAnswered:
      OnSearchAnswered(lParam);
      return 0;
    case kStartNotice:
      Tell(std::exchange(startNotice_, {}));
      return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (OnKey(message, wParam, lParam)) return 0;
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_ENABLE:
      // Disabling the window for RED's turn took the keyboard's focus from it, and enabling
      // it does not give it back: the keyboard's play would end at the first move.
      if (wParam != FALSE && GetActiveWindow() == window_ && GetFocus() == nullptr) {
        SetFocus(window_);
      }
      return 0;
    case WM_SYSKEYUP:
      if (wParam == VK_F10 && std::exchange(contextKeyTaken_, false)) return 0;
      return DefWindowProcW(window, message, wParam, lParam);
    // Only a release acts, and only that of a press on the board: the release that ends a
    // click on a menu or on another window meets the board by chance.
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      SetCapture(window_);
      return 0;
    case WM_LBUTTONUP:
      OnMouseRelease(kLeftButton, wParam, lParam);
      return 0;
    case WM_RBUTTONUP:
      OnMouseRelease(kRightButton, wParam, lParam);
      return 0;
    case WM_MBUTTONUP:
      OnMouseRelease(kMiddleButton, wParam, lParam);
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_ENTERSIZEMOVE:
    case WM_EXITSIZEMOVE:
      movedByHand_ = message == WM_ENTERSIZEMOVE;
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

void Form1::OnPaint() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(window_, &paint);
  PaintClient(dc, paint.rcPaint);
  EndPaint(window_, &paint);
}

// The drawing, with the turn indicator's shapes on top of it, like controls over a picture.
void Form1::PaintClient(HDC dc, const RECT& area) {
  bitmap_.PaintTo(dc, area);
  HPEN pen = ScaledPen(1, boardScale_, 1, RGB(0, 0, 0));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  for (int side = 0; side < 2; ++side) {
    const RECT shape = IndicatorRect(side);
    HBRUSH fill = CreateSolidBrush(indicator_[side]);
    HGDIOBJ oldBrush = SelectObject(dc, fill);
    Ellipse(dc, shape.left, shape.top, shape.right, shape.bottom);
    SelectObject(dc, oldBrush);
    DeleteObject(fill);
  }
  SelectObject(dc, oldPen);
  DeleteObject(pen);
  PaintMarks(dc);
}

void Form1::OnCommand(UINT id) {
  if (OnAidCommand(id)) return;
  const std::optional<MenuItem> item = MenuItemOfCommand(id);
  if (!item || !menus_.Choosable(*item)) return;
  if (const MenuCommand command = GameMenuCommand(*item)) return RunGuarded(command);
  switch (*item) {
    case MenuItem::Helpx: return RunGuarded([this] { Helpx_Click(); });
    case MenuItem::Aboutx: return RunGuarded([this] { Aboutx_Click(); });
    case MenuItem::Exitx: return RunGuarded([this] { Exitx_Click(); });
    default: return;  // the "Size" submenu is never a command
  }
}

void Form1::OnMouseRelease(Integer button, WPARAM keys, LPARAM position) {
  if (GetCapture() != window_) return;
  // The press is over once no button is held.
  if ((keys & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0) ReleaseCapture();
  PlayRelease(button, ShiftMask(keys), ToTwipsX(GET_X_LPARAM(position)),
              ToTwipsY(GET_Y_LPARAM(position)));
}

void Form1::PlayRelease(Integer button, Integer shift, Single x, Single y) {
  if (AwaitingReply()) return;  // the board takes no input while RED thinks
  RunGuarded([&] { Form_MouseUp(button, shift, x, y); });
}

// The arrows, Home and End move the focus; Enter and Space play its cell as a left click
// does, the menu key and Shift+F10 as a plain right click. A key held down plays once.
bool Form1::OnKey(UINT message, WPARAM key, LPARAM flags) {
  const bool repeated = (flags & (1L << 30)) != 0;
  if (message == WM_SYSKEYDOWN) {
    if (key != VK_F10 || GetKeyState(VK_SHIFT) >= 0) return false;
    contextKeyTaken_ = true;
    if (!repeated) PlayFocusedCell(kRightButton);
    return true;
  }
  if (const std::optional<FocusKey> move = FocusKeyOf(key)) {
    focus_.Move(*move, CellsPerRow(), RowsOfBoard());
    ShowMarks(WantedMarks());
    return true;
  }
  const Integer button = key == VK_RETURN || key == VK_SPACE ? kLeftButton
                         : key == VK_APPS                    ? kRightButton
                                                             : 0;
  if (button == 0) return false;
  if (!repeated) PlayFocusedCell(button);
  return true;
}

// In the middle of the cell's click box, where a click surely meets it; nothing while the
// focus is hidden.
void Form1::PlayFocusedCell(Integer button) {
  const Integer cell = focus_.Cell(CellsOnBoard());
  if (cell == 0) return;
  const TwipPoint middle = ClickBoxMiddle(cell);
  PlayRelease(button, 0, middle.x, middle.y);
}

Single Form1::ToTwipsX(int devicePixels) const {
  return static_cast<Single>(devicePixels / boardScale_) * GameTwipsPerPixelX();
}

Single Form1::ToTwipsY(int devicePixels) const {
  return static_cast<Single>(devicePixels / boardScale_) * GameTwipsPerPixelY();
}

double Form1::ToDeviceX(Single twips) const {
  return twips / GameTwipsPerPixelX() * boardScale_;
}

double Form1::ToDeviceY(Single twips) const {
  return twips / GameTwipsPerPixelY() * boardScale_;
}

double Form1::MonitorScale() const {
  return dpi_ / static_cast<double>(USER_DEFAULT_SCREEN_DPI);
}

// On another monitor, or at another display scale: the same board in game pixels, fitted
// anew and drawn again at its new scale. A window the player drags stays where it is taken;
// one whose monitor changed its scale is kept in the work area.
void Form1::OnDpiChanged(UINT dpi, const RECT& suggested) {
  dpi_ = dpi;
  const HMONITOR monitor = MonitorFromRect(&suggested, MONITOR_DEFAULTTONEAREST);
  ApplyOuterSize(monitor, suggested.left, suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  if (!movedByHand_) KeepInWorkArea(monitor);
  InvalidateRect(window_, nullptr, FALSE);
}

// Closing the main window ends the program, and every other window goes with it.
void Form1::OnDestroy() {
  searches_.Close();
  // Answers already posted go with the window; what they own is freed here.
  MSG pending{};
  while (PeekMessageW(&pending, window_, kSearchAnswered, kSearchAnswered, PM_REMOVE)) {
    delete reinterpret_cast<SearchAnswer*>(pending.lParam);
  }
  helpForm_.reset();
  AttachWindow(nullptr);
  PostQuitMessage(exitStatus_);
}

void Form1::RunGuarded(const std::function<void()>& handler) {
  const GuardOutcome outcome = vorn::RunGuarded(handler);
  if (window_ != nullptr) {
    FollowGame();
    Tell(session_.Keep());  // so that a program killed now loses nothing
  }
  if (outcome != GuardOutcome::kStopped) return;
  exitStatus_ = 1;
  PostMessageW(window_, WM_CLOSE, 0, 0);
}

// --- Window services -------------------------------------------------------------------

void Form1::SetCaption(const std::string& caption) {
  SetWindowTextW(window_, Widen(caption).c_str());
}

void Form1::SetOuterSize(Single widthTwips, Single heightTwips) {
  outerWidth_ = widthTwips / GameTwipsPerPixelX();
  outerHeight_ = heightTwips / GameTwipsPerPixelY();
  const HMONITOR monitor = MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST);
  ApplyOuterSize(monitor, 0, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  KeepInWorkArea(monitor);
}

// The window grows from its top left corner; near the bottom right of the screen the board
// and the close box would end off it. It is moved back into its monitor's work area.
void Form1::KeepInWorkArea(HMONITOR monitor) {
  RECT outer{};
  GetWindowRect(window_, &outer);
  const RECT work = WorkAreaOf(monitor);
  const ScreenPoint at = KeepOnScreen(
      {outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top},
      {work.left, work.top, work.right - work.left, work.bottom - work.top});
  if (at.x == outer.left && at.y == outer.top) return;
  SetWindowPos(window_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The outer size covers the frame, the title and the menu bar, as the game measures it, at
// the monitor's scale; the board's area is what they leave of it. Where that is larger than
// the work area, the board's area shrinks until the window fits, the frame and menu bar
// keeping their size. The frame is measured as it stands, and again once the window has
// its size, in case the new width or scale changed it (a narrow menu bar takes two lines).
void Form1::ApplyOuterSize(HMONITOR monitor, int left, int top, UINT flags) {
  if (outerWidth_ <= 0 || outerHeight_ <= 0) return;
  const double scale = MonitorScale();
  const double outerWidth = std::round(outerWidth_ * scale);
  const double outerHeight = std::round(outerHeight_ * scale);
  const RECT work = WorkAreaOf(monitor);
  SIZE frame = FrameOf(window_);
  for (int pass = 0; pass < 2; ++pass) {
    const double boardWidth = (outerWidth - frame.cx) / scale;
    const double boardHeight = (outerHeight - frame.cy) / scale;
    SetBoardScale(BoardScale({.boardWidth = boardWidth,
                              .boardHeight = boardHeight,
                              .roomWidth = static_cast<int>(work.right - work.left - frame.cx),
                              .roomHeight = static_cast<int>(work.bottom - work.top - frame.cy),
                              .dpi = dpi_}));
    SetWindowPos(window_, nullptr, left, top,
                 frame.cx + static_cast<int>(std::lround(boardWidth * boardScale_)),
                 frame.cy + static_cast<int>(std::lround(boardHeight * boardScale_)), flags);
    const SIZE sized = FrameOf(window_);
    if (sized.cx == frame.cx && sized.cy == frame.cy) return;
    frame = sized;
  }
}

void Form1::SetBoardScale(double scale) {
  if (scale == boardScale_) return;
  boardScale_ = scale;
  bitmap_.SetScale(scale);
  InvalidateRect(window_, nullptr, FALSE);
}

void Form1::FitBitmapToClient() {
  RECT client{};
  GetClientRect(window_, &client);
  bitmap_.Resize(std::max(1L, client.right), std::max(1L, client.bottom));
}

void Form1::SetEnabled(bool enabled) { EnableWindow(window_, enabled ? TRUE : FALSE); }

void Form1::SetBackColor(Color color) { bitmap_.SetBackColor(ToColorRef(color)); }

void Form1::SetDrawWidth(Integer pixels) { bitmap_.SetDrawWidth(pixels); }

// A fill style the game never uses is refused before anything is drawn or kept.
void Form1::Polygon(const Outline& points, Color fillColor, Integer fillStyle) {
  const FillPattern pattern = CheckedFillStyle(fillStyle);
  std::array<POINT, 6> outline{};
  for (int v = 0; v < 6; ++v) outline[v] = {points[v].x, points[v].y};
  bitmap_.DrawPolygon(outline, ToColorRef(fillColor), pattern);
}

void Form1::Cls() {
  bitmap_.Clear();
  InvalidateRect(window_, nullptr, FALSE);
}

void Form1::Refresh() {
  marks_ = WantedMarks();  // all is drawn again, the marks as the game stands
  InvalidateRect(window_, nullptr, FALSE);
  UpdateWindow(window_);
}

// The game's pixels are those of an unscaled screen, 96 to the logical inch whatever the
// monitor's scale (the window multiplies by the scale itself), so a pixel is 15 twips.
Single Form1::TwipsPerPixelX() const { return kStandardTwipsPerPixel; }

Single Form1::TwipsPerPixelY() const { return kStandardTwipsPerPixel; }

void Form1::SetMenuEnabled(MenuItem item, bool enabled) {
  menus_.SetEnabled(window_, item, enabled);
}

void Form1::SetMenuChecked(MenuItem item, bool checked) { menus_.SetChecked(item, checked); }

RECT Form1::IndicatorRect(int side) const {
  const LONG left = DevicePixel(ToDeviceX(kIndicatorLeft));
  const LONG top = DevicePixel(ToDeviceY(kIndicatorTop[side]));
  return {left, top, left + DevicePixel(ToDeviceX(kIndicatorSize)),
          top + DevicePixel(ToDeviceY(kIndicatorSize))};
}

void Form1::SetIndicatorColor(Integer side, Color color) {
  const int checked = CheckedSide(side);
  indicator_[checked] = ToColorRef(color);
  const RECT shape = IndicatorRect(checked);
  InvalidateRect(window_, &shape, FALSE);
}

void Form1::MessageBox(const std::string& prompt) {
  ++messagesWaiting_;
  ShowGameMessage(window_, Widen(prompt));
  --messagesWaiting_;
}

// --- Commands on the menu bar ----------------------------------------------------------

// The help page in the help window, which has no owner and so stays usable beside the main
// window; where the web browser control cannot be created, in the system's own viewer.
void Form1::Helpx_Click() {
  const std::wstring page = HelpPageAddress(ProgramFolder());
  if (helpForm_ != nullptr && !helpForm_->IsLoaded()) helpForm_.reset();
  if (helpForm_ == nullptr) helpForm_ = HelpForm::Create(instance_);
  if (helpForm_ != nullptr) {
    helpForm_->SetTag(page);
    helpForm_->Show();
  } else if (!OpenInDefaultViewer(window_, page)) {
    MessageBox("The help page cannot be opened:\n" + Narrow(page));
  }
}

void Form1::Aboutx_Click() { ShowAboutForm(instance_, window_); }

// "Exit" closes the main window, which closes the help window first and then ends the
// program. Nothing is asked: the game was saved after the last event.
void Form1::Exitx_Click() { DestroyWindow(window_); }

// --- The player's aids and the engine's searches ----------------------------------------

bool Form1::OnAidCommand(UINT id) {
  switch (id) {
    case kHintCommand:
      RunGuarded(Hintx_Click);  // which does nothing when no hint can be asked for
      return true;
    case kTakeBackCommand:
      // Refused while greyed, as the menu itself would refuse it.
      if (TakeBackChoosable()) RunGuarded([] { TakeBack(); });
      return true;
    case kMarkLastMoveCommand:
      Tell(session_.KeepMarkLastMove(!session_.MarkLastMove()));
      FollowGame();
      return true;
    default:
      break;
  }
  if (const std::optional<Level> level = LevelOfCommand(id)) {
    RunGuarded([level] { SetComputerLevel(*level); });
    Tell(session_.KeepLevel(*level));
    return true;
  }
  return false;
}

// Not while a message box waits: the event that showed it is not over.
bool Form1::TakeBackChoosable() const { return CanTakeBack() && messagesWaiting_ == 0; }

// SwitchTurn has disabled the window for RED's turn; while the worker searches the menus
// answer again (each item keeps the state the game gave it) and the board alone refuses
// input (OnMouseRelease).
bool Form1::StartSearch(const SearchRequest& request) {
  searches_.Start(request);
  if (request.purpose == SearchPurpose::Reply) EnableWindow(window_, TRUE);
  return true;
}

void Form1::OnSearchAnswered(LPARAM posted) {
  const std::unique_ptr<SearchAnswer> answer(reinterpret_cast<SearchAnswer*>(posted));
  RunGuarded([&answer] { CompleteSearch(*answer); });
}

void Form1::FollowGame() {
  ShowAidMenus(menus_.Handle(), {.level = ComputerLevel(),
                                 .hintAvailable = HintAvailable(),
                                 .canTakeBack = TakeBackChoosable(),
                                 .markLastMove = session_.MarkLastMove()});
  ShowMarks(WantedMarks());
}

void Form1::Tell(const std::string& notice) {
  if (!notice.empty()) MessageBox(notice);
}

// --- Marks over the board ----------------------------------------------------------------

Form1::BoardMarks Form1::WantedMarks() const {
  return {.hint = HintedCell(),
          .lastMove = session_.MarkLastMove() ? LastMarkedCell() : Integer{0},
          .focus = focus_.Cell(CellsOnBoard())};
}

void Form1::ShowMarks(const BoardMarks& wanted) {
  auto follow = [this](Integer& shown, Integer cell) {
    if (shown == cell) return;
    InvalidateCell(shown);
    shown = cell;
    InvalidateCell(cell);
  };
  follow(marks_.hint, wanted.hint);
  follow(marks_.lastMove, wanted.lastMove);
  follow(marks_.focus, wanted.focus);
}

// The last move's dot, the hint's ring and the keyboard's focus, in colours of neither side
// and not of the board: white, dark blue and yellow.
void Form1::PaintMarks(HDC dc) const {
  if (marks_.lastMove != 0) {
    const RECT dot = CircleRect(MarkDotOf(marks_.lastMove));
    HBRUSH fill = CreateSolidBrush(ToColorRef(kMarkDotColor));
    HGDIOBJ oldBrush = SelectObject(dc, fill);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    Ellipse(dc, dot.left, dot.top, dot.right, dot.bottom);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(fill);
  }
  if (marks_.hint != 0) {
    HPEN ring = ScaledPen(2, boardScale_, 2, RGB(0, 0, 128));
    OutlineEllipse(dc, CircleRect(HintRingOf(marks_.hint)), ring);
    DeleteObject(ring);
  }
  if (marks_.focus != 0) {
    HPEN frame = ScaledPen(2, boardScale_, 2, RGB(255, 255, 0));
    HGDIOBJ oldPen = SelectObject(dc, frame);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    const RECT box = CellBoxRect(marks_.focus);
    Rectangle(dc, box.left, box.top, box.right, box.bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(frame);
  }
}

// Each mark lies within the cell's click box and the width of its pen around it.
void Form1::InvalidateCell(Integer cell) {
  if (cell == 0) return;
  RECT area = CellBoxRect(cell);
  const int margin = DevicePixel(2 * boardScale_) + 2;
  InflateRect(&area, margin, margin);
  InvalidateRect(window_, &area, FALSE);
}

RECT Form1::CellBoxRect(Integer cell) const {
  const TwipBox box = ClickBox(cell);
  return {DevicePixel(ToDeviceX(box.left)), DevicePixel(ToDeviceY(box.top)),
          DevicePixel(ToDeviceX(box.right)) + 1, DevicePixel(ToDeviceY(box.bottom)) + 1};
}

// The square a circle of the game's stands in, in device pixels, one more to the right and
// bottom: without a pen an ellipse ends a pixel short of them, and a ring needs the room.
RECT Form1::CircleRect(const TwipCircle& circle) const {
  const double x = ToDeviceX(circle.x);
  const double y = ToDeviceY(circle.y);
  const double radius = ToDeviceY(circle.radius);
  return {DevicePixel(x - radius), DevicePixel(y - radius), DevicePixel(x + radius) + 1,
          DevicePixel(y + radius) + 1};
}

}  // namespace vorn::win32
