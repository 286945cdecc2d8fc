#include "tests/e2e/control_access.h"

#include <algorithm>

namespace e2e {
namespace {

constexpr UINT replyTimeoutMilliseconds = 5000;

LRESULT send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, replyTimeoutMilliseconds, &result);
  return static_cast<LRESULT>(result);
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const Place& place) {
  return out << "{" << place.left << ", " << place.top << ", " << place.width << "x" << place.height << "}";
}

std::wstring windowText(HWND window) {
  std::wstring text(512, L'\0');
  text.resize(GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
  return text;
}

std::wstring controlText(HWND control) {
  std::wstring text(static_cast<size_t>(send(control, WM_GETTEXTLENGTH)) + 1, L'\0');
  text.resize(static_cast<size_t>(
      send(control, WM_GETTEXT, static_cast<WPARAM>(text.size()), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

std::wstring className(HWND window) {
  wchar_t name[256]{};
  return std::wstring(name, static_cast<size_t>(GetClassNameW(window, name, 256)));
}

int comboSelection(HWND comboBox) {
  return static_cast<int>(send(comboBox, CB_GETCURSEL));
}

std::vector<std::wstring> comboItems(HWND comboBox) {
  std::vector<std::wstring> items;
  const auto count = static_cast<int>(send(comboBox, CB_GETCOUNT));
  for (int i = 0; i < count; ++i) {
    const auto length = send(comboBox, CB_GETLBTEXTLEN, static_cast<WPARAM>(i));
    std::wstring item(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
    const auto copied =
        send(comboBox, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
    item.resize(static_cast<size_t>(std::max<LRESULT>(copied, 0)));
    items.push_back(item);
  }
  return items;
}

bool isChecked(HWND checkBox) {
  return send(checkBox, BM_GETCHECK) == BST_CHECKED;
}

Place placeOnScreen(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

Place placeInParent(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void setText(HWND control, const std::wstring& text) {
  send(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void click(HWND button) {
  send(button, BM_CLICK);
}

void selectItem(HWND comboBox, int index) {
  send(comboBox, CB_SETCURSEL, static_cast<WPARAM>(index));
}

}  // namespace e2e
