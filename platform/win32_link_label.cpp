#include "platform/win32_link_label.h"

#include <commctrl.h>
#include <shellapi.h>

#include <optional>

#include "platform/link_command.h"
#include "platform/unique_handle.h"
#include "platform/win32_text.h"

namespace platform {
namespace {

constexpr COLORREF linkColour = RGB(0, 0, 255);
constexpr COLORREF hoveredColour = RGB(51, 153, 255);
constexpr COLORREF visitedColour = RGB(128, 0, 0);
constexpr DWORD registryValueBufferSize = 260;

using UniqueKey = Unique<HKEY, &RegCloseKey>;

std::optional<std::string> readDefaultValue(HKEY root, const std::string& subKey) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  const UniqueKey key(opened);
  char buffer[registryValueBufferSize];
  LONG size = sizeof buffer;
  if (RegQueryValueA(key.get(), nullptr, buffer, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return registryStringValue(std::string_view(buffer, static_cast<size_t>(size)), registryValueBufferSize);
}

// Where no handler for web addresses is registered, the command that opens .htm files is
// tried with the address in place of the document.
bool openWithHtmlCommand(const std::string& address) {
  const auto fileType = readDefaultValue(HKEY_CLASSES_ROOT, ".htm");
  if (!fileType) {
    return false;
  }
  const auto openCommand = readDefaultValue(HKEY_CLASSES_ROOT, *fileType + "\\shell\\open\\command");
  if (!openCommand) {
    return false;
  }
  return WinExec(linkFallbackCommand(*openCommand, address).c_str(), SW_SHOW) > 31;
}

}  // namespace

Win32LinkLabel::Win32LinkLabel(HWND label, std::string address)
    : label_(label), address_(std::move(address)) {
  SetWindowSubclass(label_, labelProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

Win32LinkLabel::~Win32LinkLabel() {
  RemoveWindowSubclass(label_, labelProc, 0);
}

LRESULT CALLBACK Win32LinkLabel::labelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR self) {
  auto* link = reinterpret_cast<Win32LinkLabel*>(self);
  switch (message) {
    case WM_PAINT:
      link->paint();
      return 0;
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, IDC_HAND));
      return TRUE;
    case WM_MOUSEMOVE:
      link->onMouseMove({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != label) {
        link->hovered_ = false;
        InvalidateRect(label, nullptr, TRUE);
      }
      return 0;
    case WM_LBUTTONUP:
      link->open();
      return 0;
  }
  return DefSubclassProc(label, message, wParam, lParam);
}

void Win32LinkLabel::paint() const {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(label_, &paint);
  RECT area;
  GetClientRect(label_, &area);
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  const auto font = reinterpret_cast<HFONT>(SendMessageW(label_, WM_GETFONT, 0, 0));
  const HGDIOBJ previousFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, visited_ ? visitedColour : hovered_ ? hoveredColour : linkColour);
  const std::wstring text = windowText(label_);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
  SelectObject(dc, previousFont);
  EndPaint(label_, &paint);
}

// The label holds the mouse while it is over it, so it learns when the pointer leaves.
void Win32LinkLabel::onMouseMove(POINT point) {
  RECT area;
  GetClientRect(label_, &area);
  const bool inside = PtInRect(&area, point) != FALSE;
  if (inside && !hovered_) {
    setHovered(true);
    SetCapture(label_);
  } else if (!inside && hovered_) {
    setHovered(false);
    ReleaseCapture();
  }
}

void Win32LinkLabel::setHovered(bool hovered) {
  hovered_ = hovered;
  InvalidateRect(label_, nullptr, TRUE);
}

void Win32LinkLabel::open() {
  const auto result = ShellExecuteW(nullptr, L"open", toWide(address_).c_str(), nullptr, nullptr, SW_SHOW);
  const bool opened = reinterpret_cast<INT_PTR>(result) > 32 || openWithHtmlCommand(address_);
  if (opened != visited_) {
    visited_ = opened;
    InvalidateRect(label_, nullptr, TRUE);
  }
}

}  // namespace platform
