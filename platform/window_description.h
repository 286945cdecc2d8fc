#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/controls.h"

namespace platform {

enum class ControlKind { groupBox, label, redLabel, dropDownList, checkBox, decimalEdit, linkLabel };

// The handler a control's event is bound to.
enum class ControlEvent { none, alwaysOnTopClicked, listItemSelected, hotkeyFeedback };

struct Rect {
  int32_t left;
  int32_t top;
  int32_t width;
  int32_t height;
};

struct ControlDescription {
  Control name;
  ControlKind kind;
  std::optional<Control> parent;  // empty: the main window's client area
  Rect place;
  std::u8string_view text;
  std::span<const std::u8string_view> items;
  int32_t selectedItem;
  ControlEvent event;
};

// What the decimal edit boxes take: the characters typing may enter (UTF-16 code units), and the
// text they tidy theirs into when they lose the focus (code page 936 bytes in, ASCII out).
struct DecimalInputRules {
  bool (*acceptsTypedCharacter)(uint32_t character);
  std::string (*tidiedText)(std::string_view text);
};

struct WindowDescription {
  std::u8string_view caption;
  int32_t outerWidth;
  int32_t outerHeight;
  // In stacking order within each parent, topmost first.
  std::span<const ControlDescription> controls;
  // The order in which Tab moves the focus; Shift+Tab goes backward.
  std::span<const Control> tabOrder;
  DecimalInputRules decimalInput;
  // The web address the link label opens.
  std::u8string_view linkAddress;
};

}  // namespace platform
