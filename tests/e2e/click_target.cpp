#include "tests/e2e/click_target.h"

namespace e2e {
namespace {

constexpr wchar_t className[] = L"E2eClickTarget";
constexpr int size = 200;
constexpr int margin = 50;

}  // namespace

// At the top right of the screen: the clicker's window is centred and leaves that corner free.
ClickTarget::ClickTarget(Activation activation) {
  // Without CS_DBLCLKS a quick second press arrives as a press, not as a double click.
  static const bool registered = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = className;
    return RegisterClassExW(&windowClass) != 0;
  }();
  if (!registered) {
    return;
  }
  const DWORD extendedStyle = activation == Activation::never ? WS_EX_NOACTIVATE : 0;
  window_.reset(CreateWindowExW(extendedStyle, className, L"E2E click target", WS_POPUP | WS_BORDER,
                                GetSystemMetrics(SM_CXSCREEN) - size - margin, margin, size, size, nullptr,
                                nullptr, GetModuleHandleW(nullptr), this));
  ShowWindow(window_.get(), activation == Activation::never ? SW_SHOWNOACTIVATE : SW_SHOW);
  UpdateWindow(window_.get());
}

LRESULT CALLBACK ClickTarget::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  if (message == WM_MOUSEACTIVATE && (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_NOACTIVATE)) {
    return MA_NOACTIVATE;
  }
  auto* self = reinterpret_cast<ClickTarget*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self != nullptr) {
    if (message == WM_LBUTTONDOWN) {
      self->leftPresses_.push_back(static_cast<DWORD>(GetMessageTime()));
    } else if (message == WM_RBUTTONDOWN) {
      self->rightPresses_.push_back(static_cast<DWORD>(GetMessageTime()));
    } else if (message == WM_NCDESTROY) {
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void ClickTarget::putCursorAtCentre() const {
  RECT rect{};
  GetWindowRect(window_.get(), &rect);
  SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

void ClickTarget::forgetPresses() {
  leftPresses_.clear();
  rightPresses_.clear();
}

}  // namespace e2e
