#include "win32/system/LocaleTime.h"

#include <windows.h>

namespace vx::win32 {

namespace {

std::string LocaleText(LCTYPE type, const char* fallback) {
  char buffer[80] = {};
  if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer) <= 0) return fallback;
  return buffer;
}

}  // namespace

TimeLocale UserTimeLocale() {
  TimeLocale locale;
  locale.separator = LocaleText(LOCALE_STIME, ":");
  locale.twentyFourHour = LocaleText(LOCALE_ITIME, "1") == "1";
  locale.hourLeadingZero = LocaleText(LOCALE_ITLZERO, "0") == "1";
  locale.designatorFirst = LocaleText(LOCALE_ITIMEMARKPOSN, "0") == "1";
  locale.morning = LocaleText(LOCALE_S1159, "AM");
  locale.afternoon = LocaleText(LOCALE_S2359, "PM");
  return locale;
}

std::string LocaleTimeOfDay::Now() const {
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  return FormatTimeOfDay(now.wHour, now.wMinute, now.wSecond, locale_);
}

}  // namespace vx::win32
