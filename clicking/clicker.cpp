#include "clicking/clicker.h"

#include "clicking/captions.h"
#include "clicking/random_between.h"
#include "clicking/text_conversions.h"

namespace clicking {

using platform::Control;

void Clicker::onHotkeyNotification(int32_t id, int32_t) {
  if (id != hotkeyId) {
    return;
  }
  if (platform_.isChecked(Control::选择框_随机时间)) {
    toggleRandomClicking();
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

// The press that starts the mode stays here, clicking and pausing; the press that stops it arrives
// nested inside a pause, clears the flag and returns at once, and the loop ends after that pause.
// Pending events are handled before every click, so a stop press gets through even when the pauses
// are 0 ms. When the window goes, every loop returns without another click.
void Clicker::toggleRandomClicking() {
  platform_.setCaption(startedCaption);
  if (randomRunning == 1) {
    platform_.setCaption(stoppedCaption);
    randomRunning = 0;
  } else {
    randomRunning = 1;
  }
  while (randomRunning == 1) {
    if (!platform_.dispatchPendingEvents() || randomRunning != 1) {
      return;
    }
    clickAtCursor();
    const int32_t longest = secondsToMilliseconds(textToInteger(platform_.gbkText(Control::编辑框_随机时间)));
    if (!platform_.waitWhileDispatching(randomBetween(0, longest))) {
      return;
    }
  }
}

void Clicker::clickAtCursor() {
  const bool left = platform_.selectedIndex(Control::组合框_点击类型) == 0;
  platform_.clickAt(platform_.cursorPosition(),
                    left ? platform::MouseButton::left : platform::MouseButton::right);
}

}  // namespace clicking
