#include "tests/e2e/screen_capture.h"

#include <algorithm>

#include "platform/unique_handle.h"

namespace e2e {
namespace {

int releaseScreenDc(HDC dc) {
  return ReleaseDC(nullptr, dc);
}

using ScreenDc = platform::Unique<HDC, &releaseScreenDc>;
using MemoryDc = platform::Unique<HDC, &DeleteDC>;
using Bitmap = platform::Unique<HBITMAP, &DeleteObject>;

}  // namespace

Pixels Pixels::ofScreen(const RECT& area) {
  Pixels pixels(area);
  const ScreenDc screen(GetDC(nullptr));
  if (screen) {
    pixels.copy(screen.get(), {area.left, area.top}, nullptr);
  }
  return pixels;
}

Pixels Pixels::drawn(SIZE size, const std::function<void(HDC)>& draw) {
  Pixels pixels({0, 0, size.cx, size.cy});
  pixels.copy(nullptr, {}, draw);
  return pixels;
}

void Pixels::copy(HDC source, POINT sourceOrigin, const std::function<void(HDC)>& draw) {
  const int width = area_.right - area_.left;
  const int height = area_.bottom - area_.top;
  if (width <= 0 || height <= 0) {
    return;
  }
  const MemoryDc memory(CreateCompatibleDC(source));
  // A top-down 32-bit section: each pixel is one DWORD holding 0x00RRGGBB.
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const Bitmap bitmap(CreateDIBSection(memory.get(), &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!memory || !bitmap) {
    return;
  }
  const HGDIOBJ previous = SelectObject(memory.get(), bitmap.get());
  bool done = true;
  if (source != nullptr) {
    done = BitBlt(memory.get(), 0, 0, width, height, source, sourceOrigin.x, sourceOrigin.y,
                  SRCCOPY | CAPTUREBLT) != FALSE;
  } else {
    PatBlt(memory.get(), 0, 0, width, height, WHITENESS);
    draw(memory.get());
  }
  SelectObject(memory.get(), previous);
  if (!done) {
    return;
  }
  GdiFlush();
  const auto* values = static_cast<const DWORD*>(bits);
  colours_.reserve(static_cast<size_t>(width) * static_cast<size_t>(height));
  for (int i = 0; i < width * height; ++i) {
    colours_.push_back(RGB((values[i] >> 16) & 0xFF, (values[i] >> 8) & 0xFF, values[i] & 0xFF));
  }
}

COLORREF Pixels::pixel(POINT point) const {
  const int width = area_.right - area_.left;
  return colours_.at(static_cast<size_t>((point.y - area_.top) * width + (point.x - area_.left)));
}

int Pixels::count(const RECT& part, const std::function<bool(COLORREF)>& accepts) const {
  int found = 0;
  for (LONG y = std::max(part.top, area_.top); y < std::min(part.bottom, area_.bottom); ++y) {
    for (LONG x = std::max(part.left, area_.left); x < std::min(part.right, area_.right); ++x) {
      found += accepts(pixel({x, y})) ? 1 : 0;
    }
  }
  return found;
}

}  // namespace e2e
