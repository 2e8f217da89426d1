#include "platform/Platform.h"
#include "platform/headless/State.h"

namespace platform {

using namespace headless;

namespace {

constexpr double MillisecondsPerDay = 86400000.0;

} // namespace

double Now() {
    std::lock_guard<std::mutex> guard(ClockLock());
    double now = State().Clock;
    State().Clock += State().ClockStepDays;
    return now;
}

// Sleeping passes virtual time only.
void SleepEx(std::uint32_t milliseconds, bool) {
    headless::AdvanceClock(milliseconds);
}

int ScreenBitsPerPixel() {
    return State().ScreenBits;
}

} // namespace platform

namespace platform::headless {

void SetClock(double dateTime) {
    std::lock_guard<std::mutex> guard(ClockLock());
    State().Clock = dateTime;
}

void SetClockStep(double milliseconds) {
    std::lock_guard<std::mutex> guard(ClockLock());
    State().ClockStepDays = milliseconds / MillisecondsPerDay;
}

void AdvanceClock(double milliseconds) {
    std::lock_guard<std::mutex> guard(ClockLock());
    State().Clock += milliseconds / MillisecondsPerDay;
}

} // namespace platform::headless
