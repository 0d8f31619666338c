#include "core/TimeOfDay.h"

namespace vx {

namespace {

std::string TwoDigits(int value) {
  std::string text = std::to_string(value);
  return text.size() < 2 ? "0" + text : text;
}

}  // namespace

std::string FormatTimeOfDay(int hour, int minute, int second, const TimeLocale& locale) {
  int shownHour = hour;
  std::string designator;
  if (!locale.twentyFourHour) {
    designator = hour < 12 ? locale.morning : locale.afternoon;
    shownHour = hour % 12 == 0 ? 12 : hour % 12;
  }
  std::string text = locale.hourLeadingZero ? TwoDigits(shownHour) : std::to_string(shownHour);
  text += locale.separator + TwoDigits(minute) + locale.separator + TwoDigits(second);
  if (designator.empty()) return text;
  return locale.designatorFirst ? designator + " " + text : text + " " + designator;
}

}  // namespace vx
