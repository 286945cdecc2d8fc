#include "bench/timestamp_target.h"

#include "bench/precise_clock.h"

namespace bench {
namespace {

constexpr wchar_t className[] = L"BenchTimestampTarget";
constexpr int size = 200;
constexpr int margin = 50;

// Without CS_DBLCLKS a quick second press arrives as a press, not as a double click.
bool registerClass(WNDPROC windowProc) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = className;
  return RegisterClassExW(&windowClass) != 0;
}

}  // namespace

TimestampTarget::TimestampTarget() : ready_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  presses_.reserve(100'000);
  thread_ = std::thread([this] { run(); });
  WaitForSingleObject(ready_.get(), INFINITE);
}

// The window belongs to its thread, which alone may destroy it: the close only ends its loop.
TimestampTarget::~TimestampTarget() {
  if (const HWND window = window_.load()) {
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
  thread_.join();
}

void TimestampTarget::run() {
  static const bool registered = registerClass(windowProc);
  platform::Unique<HWND, &DestroyWindow> window;
  if (registered) {
    window.reset(CreateWindowExW(WS_EX_TOPMOST, className, L"Bench click target", WS_POPUP | WS_BORDER,
                                 GetSystemMetrics(SM_CXSCREEN) - size - margin, margin, size, size, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), this));
  }
  if (window) {
    ShowWindow(window.get(), SW_SHOW);
    UpdateWindow(window.get());
  }
  window_ = window.get();
  SetEvent(ready_.get());
  if (!window) {
    return;
  }
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    DispatchMessageW(&message);
  }
  window_ = nullptr;
}

LRESULT CALLBACK TimestampTarget::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONDOWN) {
    // Stamped before anything else, so the time is the delivery's and not the bookkeeping's.
    const double now = nowMilliseconds();
    auto* self = reinterpret_cast<TimestampTarget*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self != nullptr) {
      const std::lock_guard lock(self->mutex_);
      self->presses_.push_back(now);
    }
    return 0;
  }
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  } else if (message == WM_CLOSE) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void TimestampTarget::putCursorAtCentre() const {
  RECT rect{};
  GetWindowRect(window_.load(), &rect);
  SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

std::vector<double> TimestampTarget::presses() const {
  const std::lock_guard lock(mutex_);
  return presses_;
}

size_t TimestampTarget::pressCount() const {
  const std::lock_guard lock(mutex_);
  return presses_.size();
}

void TimestampTarget::forgetPresses() {
  const std::lock_guard lock(mutex_);
  presses_.clear();
}

}  // namespace bench
