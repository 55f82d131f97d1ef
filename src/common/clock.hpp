// The module's one reading of the clock.
//
// The current time and today's date come from here and from nowhere else, so that a test can fix
// the day the code runs on (a new dossier's financial year, an archive's set number, and later
// the year-end closing and the result distribution depend on it). The clock is the system's
// until a test installs its own; installing an empty function gives the system's back.
#pragma once

#include <ctime>
#include <functional>

namespace kvarn {

// The current time, in seconds since the epoch.
std::time_t Now();
// Today's date in local time, as a day count.
double Today();

void SetClockForTests(std::function<std::time_t()> clock);

}  // namespace kvarn
