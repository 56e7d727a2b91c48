// What makes a printed page stand alone away from the screen: the name of the
// page that printed it and the day it was printed.
#pragma once

#include <string>

namespace i18n {

struct PrintStamp {
  std::string title; ///< the page's name in the user's language
  std::string date;  ///< the day, year-month-day
};

/// A page's navigation text as one printed line: line breaks and runs of
/// spaces become one space, and a word the narrow button splits after a
/// hyphen ("Schwalben- schwanz": hyphen, space, small letter) is joined.
/// A null text gives "".
std::string printed_title(const char* nav_text);

/// The day as 2026-12-06: the order is unambiguous in every language and
/// needs no month names.
std::string printed_date(int year, int month, int day);

} // namespace i18n
