// The time of day in the user's locale, for the run log's step times.
#pragma once

#include "core/TimeOfDay.h"

namespace vx::win32 {

// The user's locale settings for times (separator, 12/24-hour clock, leading zero,
// designators and where they stand).
TimeLocale UserTimeLocale();

class LocaleTimeOfDay : public TimeOfDaySource {
 public:
  LocaleTimeOfDay() : locale_(UserTimeLocale()) {}
  std::string Now() const override;

 private:
  TimeLocale locale_;
};

}  // namespace vx::win32
