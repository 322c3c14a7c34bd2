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
inline QDate toDate(double serial)
{
    return QDate::fromJulianDay(kEpochJulianDay + qint64(std::floor(serial)));
}
double fromDateTime(const QDateTime& dateTime);
QDateTime toDateTime(double serial);

} // namespace DaySerial
