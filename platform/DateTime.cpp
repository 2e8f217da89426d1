#include "platform/DateTime.h"

namespace platform {

namespace {

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
long DaysFromEpoch(int year, int month, int day) {
    long y = month <= 2 ? year - 1 : year;
    long era = (y >= 0 ? y : y - 399) / 400;
    long yearOfEra = y - era * 400;
    long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

constexpr long DaysFrom1899To1970 = 25569;

} // namespace

double EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int millisecond) {
    double days = double(DaysFromEpoch(year, month, day) + DaysFrom1899To1970);
    double milliseconds = ((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond;
    return days + milliseconds / 86400000.0;
}

} // namespace platform
