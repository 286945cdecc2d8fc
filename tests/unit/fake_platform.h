#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/click_timer_period.h"
#include "platform/platform.h"

// Records what the logic asks of the platform; the controls' states are set by the test.
class FakePlatform final : public platform::Platform {
 public:
  struct Click {
    platform::ScreenPoint where;
    platform::MouseButton button;
    bool operator==(const Click& other) const {
      return where.x == other.where.x && where.y == other.where.y && button == other.button;
    }
  };

  // Control states, as the user left them.
  std::map<platform::Control, bool> checked;
  std::map<platform::Control, int32_t> selected{{platform::Control::组合框_点击类型, 0},
                                                {platform::Control::组合框_点击间隔, 5},
                                                {platform::Control::组合框_热键, 7}};
  std::map<platform::Control, std::string> texts{{platform::Control::组合框_点击间隔, "0.1"},
                                                 {platform::Control::编辑框_自定义间隔, "1"},
                                                 {platform::Control::编辑框_随机时间, "1"}};
  platform::ScreenPoint cursor{10, 20};
  // Keys that another program holds: claiming them fails.
  std::vector<int32_t> keysHeldElsewhere;

  // The events that arrive while the logic lets them through: run nested inside each dispatch of
  // pending events, and inside each wait of 1 ms or more with its length.
  std::function<void()> duringDispatch = [] {};
  std::function<void(int32_t)> duringWait = [](int32_t) {};
  bool windowOpen = true;

  // What the logic did.
  std::vector<Click> clicks;
  std::vector<std::u8string> captions;
  std::vector<int32_t> claimedKeys;
  std::vector<int32_t> releasedIds;
  std::vector<bool> topmostWrites;
  // The period each time the timer was (re)started from a write, so a restart shows as an entry.
  std::vector<int32_t> timerStarts;
  std::vector<int32_t> waits;

  platform::ScreenPoint cursorPosition() override { return cursor; }
  void clickAt(platform::ScreenPoint where, platform::MouseButton button) override {
    clicks.push_back({where, button});
  }
  int32_t claimHotkey(int32_t virtualKey) override {
    const int32_t id = nextHotkeyId_++;
    claimedKeys.push_back(virtualKey);
    for (const int32_t held : keysHeldElsewhere) {
      if (held == virtualKey) {
        return 0;
      }
    }
    return id;
  }
  void releaseHotkey(int32_t id) override { releasedIds.push_back(id); }
  int32_t clickTimerPeriod() override { return period_.read(); }
  void setClickTimerPeriod(int32_t milliseconds) override {
    if (period_.write(milliseconds) == platform::ClickTimerPeriod::Change::start) {
      timerStarts.push_back(period_.read());
    }
  }
  bool dispatchPendingEvents() override {
    if (windowOpen) {
      duringDispatch();
    }
    return windowOpen;
  }
  bool waitWhileDispatching(int32_t milliseconds) override {
    waits.push_back(milliseconds);
    if (windowOpen && milliseconds > 0) {
      duringWait(milliseconds);
    }
    return windowOpen;
  }
  void setAlwaysOnTop(bool on) override { topmostWrites.push_back(on); }
  void setCaption(std::u8string_view caption) override { captions.emplace_back(caption); }
  bool isChecked(platform::Control checkBox) override { return checked[checkBox]; }
  int32_t selectedIndex(platform::Control comboBox) override { return selected[comboBox]; }
  std::string gbkText(platform::Control control) override { return texts[control]; }

 private:
  platform::ClickTimerPeriod period_;
  int32_t nextHotkeyId_ = 33001;
};
