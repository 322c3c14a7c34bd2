#pragma once

#include <QDate>
#include <QDateTime>
#include <cmath>

// Dates are stored as day serials: whole days since 30 December 1899, the fraction being the
// time of day. Serial 0 is Saturday 30 December 1899; 3 December 2026 is 46359.
namespace DaySerial {

inline constexpr qint64 kEpochJulianDay = 2415019; // QDate(1899, 12, 30).toJulianDay()

inline double fromDate(QDate date)
{
    return double(date.toJulianDay() - kEpochJulianDay);
}
// Serials a file or a database may hold beyond this (NaN, infinities, millions of years) are
// no date; converting them would not fit a day number.
inline constexpr double kMaxSerialMagnitude = 1e9;

inline bool isDaySerial(double serial)
{
    return std::isfinite(serial) && std::abs(serial) <= kMaxSerialMagnitude;
}
// An invalid QDate for a value that is no day serial.
inline QDate toDate(double serial)
{
    if (!isDaySerial(serial))
        return {};
    return QDate::fromJulianDay(kEpochJulianDay + qint64(std::floor(serial)));
}
double fromDateTime(const QDateTime& dateTime);
// An invalid QDateTime for a value that is no day serial.
QDateTime toDateTime(double serial);

} // namespace DaySerial
