#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace e2e {

// A copy of pixels: part of the screen as the user sees it, or a drawing the test makes itself to
// compare with it.
class Pixels {
 public:
  // The area is in screen coordinates, which the copy keeps; empty() if the copy failed.
  static Pixels ofScreen(const RECT& area);
  // Drawn on white into a bitmap of the given size, at coordinates from 0, 0.
  static Pixels drawn(SIZE size, const std::function<void(HDC)>& draw);

  bool empty() const { return colours_.empty(); }
  const RECT& area() const { return area_; }
  COLORREF pixel(POINT point) const;
  // How many pixels of a part of the area the colour test accepts.
  int count(const RECT& part, const std::function<bool(COLORREF)>& accepts) const;

 private:
  explicit Pixels(const RECT& area) : area_(area) {}
  // Copies the area from the device context onto a bitmap and reads the bitmap back.
  void copy(HDC source, POINT sourceOrigin, const std::function<void(HDC)>& draw);

  RECT area_;
  std::vector<COLORREF> colours_;  // row by row from the top
};

}  // namespace e2e
