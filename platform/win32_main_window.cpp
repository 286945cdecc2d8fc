#include "platform/win32_main_window.h"

#include <windows.h>

#include <commctrl.h>

#include <map>
#include <optional>
#include <vector>

#include "platform/unique_handle.h"
#include "platform/win32_click_timer.h"
#include "platform/win32_decimal_edit.h"
#include "platform/win32_keyboard_navigation.h"
#include "platform/win32_link_label.h"
#include "platform/win32_text.h"

namespace platform {
namespace {

constexpr wchar_t windowClassName[] = L"MouseClickerMainWindow";
constexpr UINT hotkeyFeedbackMessage = 0x8075;
// Posted, so the list-item-selected handler runs after the combo box's notification has returned.
constexpr UINT listItemSelectedMessage = WM_APP + 1;
constexpr UINT clickTickMessage = WM_APP + 2;
constexpr int32_t firstHotkeyId = 33001;
constexpr int dropDownListHeight = 160;
constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF red = RGB(255, 0, 0);

using UniqueWindow = Unique<HWND, &DestroyWindow>;

struct ControlClass {
  const wchar_t* className;
  DWORD style;
  DWORD extendedStyle;
};

ControlClass controlClass(ControlKind kind) {
  switch (kind) {
    case ControlKind::groupBox:
      return {WC_BUTTONW, BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case ControlKind::label:
    case ControlKind::redLabel:
      return {WC_STATICW, SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | SS_NOPREFIX, 0};
    case ControlKind::linkLabel:
      return {WC_STATICW, SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX | SS_NOTIFY, 0};
    case ControlKind::dropDownList:
      return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
    case ControlKind::checkBox:
      return {WC_BUTTONW, BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER | WS_TABSTOP, 0};
    case ControlKind::decimalEdit:
      return {WC_EDITW, ES_CENTER | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 0};
  }
  return {WC_STATICW, 0, 0};
}

class Win32MainWindow final : public Platform {
 public:
  Win32MainWindow(HINSTANCE instance, const WindowDescription& description)
      : instance_(instance), description_(description) {}
  Win32MainWindow(const Win32MainWindow&) = delete;
  Win32MainWindow& operator=(const Win32MainWindow&) = delete;
  ~Win32MainWindow() override {
    // The handlers may already be gone; a window destroyed from here raises no more events.
    events_ = nullptr;
  }

  bool create();
  void raiseCreated(MainWindowEvents& events);
  void show() const;
  int runEventLoop();

  ScreenPoint cursorPosition() override;
  void clickAt(ScreenPoint where, MouseButton button) override;
  int32_t claimHotkey(int32_t virtualKey) override;
  void releaseHotkey(int32_t id) override;
  int32_t clickTimerPeriod() override { return clickTimer_ ? clickTimer_->period() : 0; }
  void setClickTimerPeriod(int32_t milliseconds) override;
  bool dispatchPendingEvents() override;
  bool waitWhileDispatching(int32_t milliseconds) override;
  void setAlwaysOnTop(bool on) override;
  void setCaption(std::u8string_view caption) override;
  bool isChecked(Control checkBox) override;
  int32_t selectedIndex(Control comboBox) override;
  std::string gbkText(Control control) override;

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK groupBoxProc(HWND groupBox, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR self);
  static LRESULT CALLBACK hotkeyReceiverProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR self);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void onCommand(int notification, HWND source);
  void routeHotkey(int32_t id);

  bool registerWindowClass() const;
  bool createControl(const ControlDescription& description);
  // Null once the window is gone, which makes every later call on the control a harmless no-op.
  HWND control(Control name) const {
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
  }
  const ControlDescription* describedControl(HWND handle) const;
  void dispatch(MSG& message);
  LRESULT controlColours(HDC dc, HWND control) const;
  const ControlDescription* controlWithEvent(ControlEvent event) const;

  HINSTANCE instance_;
  const WindowDescription& description_;
  // Null while the window is being built: events raised then are discarded.
  MainWindowEvents* events_ = nullptr;
  UniqueWindow window_;
  std::map<Control, HWND> controls_;
  std::vector<HWND> tabStops_;
  // Lives and dies with the window.
  std::optional<Win32ClickTimer> clickTimer_;
  std::optional<Win32LinkLabel> linkLabel_;
  int32_t nextHotkeyId_ = firstHotkeyId;
  // Claims minus releases; the hotkey route is in place while it is positive.
  int32_t outstandingClaims_ = 0;
};

bool Win32MainWindow::registerWindowClass() const {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance_;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = windowClassName;
  windowClass.hIcon =
      static_cast<HICON>(LoadImageW(instance_, L"DEFAULT_ICON", IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                    GetSystemMetrics(SM_CYICON), LR_SHARED));
  windowClass.hIconSm =
      static_cast<HICON>(LoadImageW(instance_, L"DEFAULT_ICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                    GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  return RegisterClassExW(&windowClass) != 0;
}

bool Win32MainWindow::create() {
  if (!registerWindowClass()) {
    return false;
  }
  const int left = (GetSystemMetrics(SM_CXSCREEN) - description_.outerWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - description_.outerHeight) / 2;
  const HWND window =
      CreateWindowExW(0, windowClassName, toWide(description_.caption).c_str(),
                      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, left, top,
                      description_.outerWidth, description_.outerHeight, nullptr, nullptr, instance_, this);
  if (window == nullptr) {
    return false;
  }
  clickTimer_.emplace(window, clickTickMessage);
  // Parents first: the group box comes late in stacking order but must exist before its children.
  for (const bool childrenOfControls : {false, true}) {
    for (const ControlDescription& description : description_.controls) {
      if (description.parent.has_value() == childrenOfControls && !createControl(description)) {
        return false;
      }
    }
  }
  for (const ControlDescription& description : description_.controls) {
    SetWindowPos(control(description.name), HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  for (const Control name : description_.tabOrder) {
    tabStops_.push_back(control(name));
  }
  return true;
}

bool Win32MainWindow::createControl(const ControlDescription& description) {
  const ControlClass kind = controlClass(description.kind);
  const HWND parent = description.parent ? control(*description.parent) : window_.get();
  const int height =
      description.kind == ControlKind::dropDownList ? dropDownListHeight : description.place.height;
  const HWND handle =
      CreateWindowExW(kind.extendedStyle, kind.className, toWide(description.text).c_str(),
                      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | kind.style, description.place.left,
                      description.place.top, description.place.width, height, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(description.name)), instance_, nullptr);
  if (handle == nullptr) {
    return false;
  }
  controls_[description.name] = handle;
  SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  for (const std::u8string_view item : description.items) {
    SendMessageW(handle, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(item).c_str()));
  }
  if (!description.items.empty()) {
    SendMessageW(handle, CB_SETCURSEL, description.selectedItem, 0);
  }
  switch (description.kind) {
    case ControlKind::dropDownList:
      // List rows one pixel taller than the default, a little easier to hit.
      SendMessageW(handle, CB_SETITEMHEIGHT, 0, SendMessageW(handle, CB_GETITEMHEIGHT, 0, 0) + 1);
      break;
    case ControlKind::decimalEdit:
      filterDecimalTyping(handle, description_.decimalInput);
      break;
    case ControlKind::linkLabel:
      linkLabel_.emplace(handle, std::string(reinterpret_cast<const char*>(description_.linkAddress.data()),
                                             description_.linkAddress.size()));
      break;
    default:
      break;
  }
  if (description.kind == ControlKind::groupBox) {
    SetWindowSubclass(handle, groupBoxProc, 0, reinterpret_cast<DWORD_PTR>(this));
  }
  if (description.event == ControlEvent::hotkeyFeedback) {
    SetWindowSubclass(handle, hotkeyReceiverProc, 0, reinterpret_cast<DWORD_PTR>(this));
  }
  return true;
}

void Win32MainWindow::raiseCreated(MainWindowEvents& events) {
  events_ = &events;
  events_->onMainWindowCreated();
}

void Win32MainWindow::show() const {
  ShowWindow(window_.get(), SW_SHOW);
  UpdateWindow(window_.get());
}

// Only the quit request ends the loop. A message the system failed to deliver (seen with a
// megabyte of text sent from another process) is skipped, not taken for the end of the program.
int Win32MainWindow::runEventLoop() {
  MSG message{};
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      return static_cast<int>(message.wParam);
    }
    if (got > 0) {
      dispatch(message);
    }
  }
}

// Every event, in the event loop and in the random mode's waits alike, passes the window's own keys.
void Win32MainWindow::dispatch(MSG& message) {
  if (handleWindowKeys(message, window_.get(), tabStops_)) {
    return;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

// A quit request stays in the queue for the event loop that owns the program's end.
bool Win32MainWindow::dispatchPendingEvents() {
  MSG message;
  while (window_ && PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message != WM_QUIT) {
    GetMessageW(&message, nullptr, 0, 0);
    dispatch(message);
  }
  return static_cast<bool>(window_);
}

// Sleeps between events instead of polling, so a long pause costs no processor time. The elapsed
// time is measured from the start, so the tick counter wrapping round cannot end a wait early or
// stretch it.
bool Win32MainWindow::waitWhileDispatching(int32_t milliseconds) {
  if (milliseconds <= 0) {
    return static_cast<bool>(window_);
  }
  const DWORD length = static_cast<DWORD>(milliseconds);
  const DWORD start = GetTickCount();
  for (;;) {
    if (!dispatchPendingEvents()) {
      return false;
    }
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed > length) {
      return true;
    }
    MsgWaitForMultipleObjectsEx(0, nullptr, length - elapsed + 1, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

LRESULT CALLBACK Win32MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Win32MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_.reset(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Win32MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_.release();
    self->controls_.clear();
    self->tabStops_.clear();
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->handleMessage(message, wParam, lParam);
}

LRESULT Win32MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      onCommand(HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case listItemSelectedMessage:
      if (events_ != nullptr) {
        events_->onHotkeyChoiceChanged();
      }
      return 0;
    case clickTickMessage:
      if (clickTimer_ && clickTimer_->takeTick() && events_ != nullptr) {
        events_->onClickTimerTick();
      }
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return controlColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_HOTKEY:
      if (outstandingClaims_ > 0) {
        routeHotkey(static_cast<int32_t>(wParam));
      }
      break;
    case WM_DESTROY:
      if (events_ != nullptr) {
        events_->onMainWindowDestroying();
      }
      clickTimer_.reset();
      linkLabel_.reset();
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window_.get(), message, wParam, lParam);
}

void Win32MainWindow::onCommand(int notification, HWND source) {
  const ControlDescription* description = describedControl(source);
  if (events_ == nullptr || description == nullptr) {
    return;
  }
  if (description->event == ControlEvent::alwaysOnTopClicked && notification == BN_CLICKED) {
    events_->onAlwaysOnTopClicked();
  }
  // A choice is confirmed when the open list closes on an item, and at once when the keyboard
  // changes the closed box. Selections made by the program send neither.
  const bool choiceConfirmed =
      notification == CBN_SELENDOK ||
      (notification == CBN_SELCHANGE && !SendMessageW(source, CB_GETDROPPEDSTATE, 0, 0));
  if (description->event == ControlEvent::listItemSelected && choiceConfirmed) {
    PostMessageW(window_.get(), listItemSelectedMessage, 0, 0);
  }
  if (description->kind == ControlKind::decimalEdit && notification == EN_KILLFOCUS) {
    tidyDecimalEdit(source, description_.decimalInput);
  }
}

const ControlDescription* Win32MainWindow::describedControl(HWND handle) const {
  const int id = GetDlgCtrlID(handle);
  for (const ControlDescription& description : description_.controls) {
    if (static_cast<int>(description.name) == id && control(description.name) == handle) {
      return &description;
    }
  }
  return nullptr;
}

// Labels, check boxes and the group box lie on the button face; the four instruction lines are red;
// edit boxes and lists are black on white.
LRESULT Win32MainWindow::controlColours(HDC dc, HWND handle) const {
  const ControlDescription* description = describedControl(handle);
  const ControlKind kind = description != nullptr ? description->kind : ControlKind::dropDownList;
  if (kind == ControlKind::decimalEdit || kind == ControlKind::dropDownList) {
    SetTextColor(dc, black);
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  }
  SetTextColor(dc, kind == ControlKind::redLabel ? red : black);
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

// The hotkey reaches the handler through the hidden receiver label, which raises the notification
// with the hotkey's identifier.
void Win32MainWindow::routeHotkey(int32_t id) {
  const auto* receiver = controlWithEvent(ControlEvent::hotkeyFeedback);
  if (receiver != nullptr && id >= firstHotkeyId && id < nextHotkeyId_) {
    SendMessageW(control(receiver->name), hotkeyFeedbackMessage, static_cast<WPARAM>(id), 0);
  }
}

LRESULT CALLBACK Win32MainWindow::hotkeyReceiverProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam,
                                                     UINT_PTR, DWORD_PTR self) {
  auto* owner = reinterpret_cast<Win32MainWindow*>(self);
  if (message == hotkeyFeedbackMessage) {
    if (owner->events_ != nullptr) {
      owner->events_->onHotkeyNotification(static_cast<int32_t>(wParam), static_cast<int32_t>(lParam));
    }
    return 0;
  }
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(label, hotkeyReceiverProc, 0);
  }
  return DefSubclassProc(label, message, wParam, lParam);
}

// The group box's children talk to it as their parent; it hands their notifications and colour
// requests on to the main window, so they behave as if placed on the window itself.
LRESULT CALLBACK Win32MainWindow::groupBoxProc(HWND groupBox, UINT message, WPARAM wParam, LPARAM lParam,
                                               UINT_PTR, DWORD_PTR) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
      return SendMessageW(GetParent(groupBox), message, wParam, lParam);
    case WM_ERASEBKGND: {
      // A group box paints only its frame; as the parent of its controls it must fill its inside.
      RECT area;
      GetClientRect(groupBox, &area);
      FillRect(reinterpret_cast<HDC>(wParam), &area, GetSysColorBrush(COLOR_BTNFACE));
      return TRUE;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(groupBox, groupBoxProc, 0);
      break;
  }
  return DefSubclassProc(groupBox, message, wParam, lParam);
}

const ControlDescription* Win32MainWindow::controlWithEvent(ControlEvent event) const {
  for (const ControlDescription& description : description_.controls) {
    if (description.event == event) {
      return &description;
    }
  }
  return nullptr;
}

ScreenPoint Win32MainWindow::cursorPosition() {
  POINT point{};
  GetCursorPos(&point);
  return {point.x, point.y};
}

void Win32MainWindow::clickAt(ScreenPoint where, MouseButton button) {
  const bool left = button == MouseButton::left;
  SetCursorPos(where.x, where.y);
  mouse_event(left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN, where.x, where.y, 0, 0);
  mouse_event(left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP, where.x, where.y, 0, 0);
}

int32_t Win32MainWindow::claimHotkey(int32_t virtualKey) {
  const int32_t id = nextHotkeyId_++;
  ++outstandingClaims_;
  return RegisterHotKey(window_.get(), id, 0, static_cast<UINT>(virtualKey)) ? id : 0;
}

void Win32MainWindow::releaseHotkey(int32_t id) {
  UnregisterHotKey(window_.get(), id);
  --outstandingClaims_;
}

void Win32MainWindow::setClickTimerPeriod(int32_t milliseconds) {
  if (clickTimer_) {
    clickTimer_->setPeriod(milliseconds);
  }
}

void Win32MainWindow::setAlwaysOnTop(bool on) {
  SetWindowPos(window_.get(), on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

void Win32MainWindow::setCaption(std::u8string_view caption) {
  SetWindowTextW(window_.get(), toWide(caption).c_str());
}

bool Win32MainWindow::isChecked(Control checkBox) {
  return SendMessageW(control(checkBox), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int32_t Win32MainWindow::selectedIndex(Control comboBox) {
  return static_cast<int32_t>(SendMessageW(control(comboBox), CB_GETCURSEL, 0, 0));
}

std::string Win32MainWindow::gbkText(Control name) {
  return toGbk(windowText(control(name)));
}

}  // namespace

int runMainWindow(const WindowDescription& description, const MakeEvents& makeEvents) {
  const INITCOMMONCONTROLSEX commonControls{sizeof commonControls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&commonControls);
  Win32MainWindow window(GetModuleHandleW(nullptr), description);
  const std::unique_ptr<MainWindowEvents> events = makeEvents(window);
  if (!window.create()) {
    return 1;
  }
  window.raiseCreated(*events);
  window.show();
  return window.runEventLoop();
}

}  // namespace platform
