#include "clicking/clicker.h"

#include "clicking/captions.h"
#include "clicking/text_conversions.h"

namespace clicking {

using platform::Control;

void Clicker::onHotkeyNotification(int32_t id, int32_t) {
  if (id != hotkeyId) {
    return;
  }
  if (platform_.isChecked(Control::选择框_随机时间)) {
    return;
  }
  toggleFixedInterval();
}

void Clicker::onClickTimerTick() {
  clickAtCursor();
}

void Clicker::toggleFixedInterval() {
  if (platform_.clickTimerPeriod() != 0) {
    platform_.setClickTimerPeriod(0);
    platform_.setCaption(stoppedCaption);
    return;
  }
  const Control intervalSource =
      platform_.isChecked(Control::选择框_自定义间隔) ? Control::编辑框_自定义间隔 : Control::组合框_点击间隔;
  platform_.setClickTimerPeriod(secondsToMilliseconds(textToNumber(platform_.gbkText(intervalSource))));
  platform_.setCaption(startedCaption);
}

void Clicker::clickAtCursor() {
  const bool left = platform_.selectedIndex(Control::组合框_点击类型) == 0;
  platform_.clickAt(platform_.cursorPosition(),
                    left ? platform::MouseButton::left : platform::MouseButton::right);
}

}  // namespace clicking
