#include "platform/win32_text.h"

#include <windows.h>

namespace platform {

namespace {
constexpr UINT gbkCodePage = 936;
}

std::wstring toWide(std::u8string_view utf8) {
  if (utf8.empty()) {
    return {};
  }
  const auto* bytes = reinterpret_cast<const char*>(utf8.data());
  const int size = static_cast<int>(utf8.size());
  std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, bytes, size, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, bytes, size, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

std::wstring toWide(std::string_view utf8) {
  return toWide(std::u8string_view(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::string toGbk(std::wstring_view utf16) {
  if (utf16.empty()) {
    return {};
  }
  const int size = static_cast<int>(utf16.size());
  std::string gbk(WideCharToMultiByte(gbkCodePage, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr),
                  '\0');
  WideCharToMultiByte(gbkCodePage, 0, utf16.data(), size, gbk.data(), static_cast<int>(gbk.size()), nullptr,
                      nullptr);
  return gbk;
}

std::wstring windowText(HWND window) {
  std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
  text.resize(GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
  return text;
}

}  // namespace platform
