// Date-time values as day counts since 1899-12-30, the fraction being the time of day.
#pragma once

namespace platform {

double EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int millisecond);

} // namespace platform
