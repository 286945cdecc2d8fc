#pragma once

#include <windows.h>

#include <string>

namespace platform {

// A label that draws itself as a web link: blue, lighter while the mouse is over it, dark red once
// visited, with the pointing hand. A click opens the address in the browser.
class Win32LinkLabel {
 public:
  Win32LinkLabel(HWND label, std::string address);
  Win32LinkLabel(const Win32LinkLabel&) = delete;
  Win32LinkLabel& operator=(const Win32LinkLabel&) = delete;
  ~Win32LinkLabel();

 private:
  static LRESULT CALLBACK labelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR self);
  void paint() const;
  void onMouseMove(POINT point);
  void setHovered(bool hovered);
  void open();

  HWND label_;
  std::string address_;
  bool hovered_ = false;
  bool visited_ = false;
};

}  // namespace platform
