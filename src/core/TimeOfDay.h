// The time of day as the user's locale writes its long time format.
#pragma once

#include <string>

namespace vx {

// What the locale says about times; the Windows side fills it from the locale settings.
struct TimeLocale {
  std::string separator = ":";
  bool twentyFourHour = true;
  bool hourLeadingZero = false;
  bool designatorFirst = false;  // the morning/afternoon word stands before the hour
  std::string morning = "AM";
  std::string afternoon = "PM";
};

// Hours, separator, two-digit minutes, separator, two-digit seconds; with the 12-hour clock
// the hour runs 1 to 12 and the designator stands after the seconds or before the hour,
// separated by a blank.
std::string FormatTimeOfDay(int hour, int minute, int second, const TimeLocale& locale);

// Where the run log takes its step times from.
class TimeOfDaySource {
 public:
  virtual ~TimeOfDaySource() = default;
  virtual std::string Now() const = 0;
};

}  // namespace vx
