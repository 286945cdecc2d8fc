#pragma once

#include <string_view>

namespace clicking {

inline constexpr std::u8string_view idleCaption = u8"鼠标连点器";
inline constexpr std::u8string_view startedCaption = u8"鼠标连点器[已启动]";
inline constexpr std::u8string_view stoppedCaption = u8"鼠标连点器[已停止]";

}  // namespace clicking
