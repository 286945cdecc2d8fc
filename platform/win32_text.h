#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace platform {

std::wstring toWide(std::u8string_view utf8);
std::wstring toWide(std::string_view utf8);
// Code page 936 bytes; characters outside it become the code page's default character.
std::string toGbk(std::wstring_view utf16);

// The window's text, for a control what it holds.
std::wstring windowText(HWND window);

}  // namespace platform
