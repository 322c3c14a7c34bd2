#include "core/DaySerial.h"

namespace DaySerial {

namespace {
constexpr double kMsPerDay = 86'400'000.0;
}

double fromDateTime(const QDateTime& dateTime)
{
    return fromDate(dateTime.date()) + dateTime.time().msecsSinceStartOfDay() / kMsPerDay;
}

QDateTime toDateTime(double serial)
{
    if (!isDaySerial(serial))
        return {};
    const double whole = std::floor(serial);
    // Round to the millisecond so 0.5 reads back as exactly 12:00:00.000.
    const int ms = int(std::llround((serial - whole) * kMsPerDay));
    return QDateTime(toDate(whole), QTime::fromMSecsSinceStartOfDay(std::min(ms, 86'399'999)));
}

} // namespace DaySerial
