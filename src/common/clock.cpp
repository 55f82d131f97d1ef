#include "common/clock.hpp"

#include "common/dates.hpp"

#include <utility>

namespace kvarn {
namespace {

std::function<std::time_t()>& InstalledClock() {
    static std::function<std::time_t()> clock;
    return clock;
}

}  // namespace

std::time_t Now() { return InstalledClock() ? InstalledClock()() : std::time(nullptr); }

double Today() {
    const std::time_t now = Now();
    std::tm local{};
    localtime_r(&now, &local);
    return *EncodeDate({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday});
}

void SetClockForTests(std::function<std::time_t()> clock) { InstalledClock() = std::move(clock); }

}  // namespace kvarn
