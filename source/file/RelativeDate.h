#pragma once
// A short text for a moment near now: the time of day ("7:05pm") on the same
// day, "Yesterday", "Tomorrow", the weekday within the past week, else the
// date ("10/08/2010"). Days are local calendar days.

#include "xstring/String.h"

#include <ctime>

String relativeDateText(const time_t &moment);
// The same, seen from the given now.
String relativeDateText(const time_t &moment, const time_t &now);
