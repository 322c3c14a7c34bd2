#include "appointments/AppointmentStore.h"

#include "core/Database.h"
#include "core/DaySerial.h"
#include "core/LocaleText.h"

namespace {

constexpr double kMsPerDay = 86'400'000.0;
// Alerts have always been listed from 1 October 1900 (day serial 275) on.
constexpr int kFirstAlertSerial = 275;

const QString kColumns = QStringLiteral("AppointId, ADate, ATime, Appoint, Alert, Identity");

// Writes here announce no change ({}): no list follows appointments, and the calendar and the
// diary refresh what they show themselves.

double timeFraction(QTime time)
{
    return time.msecsSinceStartOfDay() / kMsPerDay;
}

int minuteOfDay(QTime time)
{
    return time.hour() * 60 + time.minute();
}

Appointment appointmentFrom(const Row& r)
{
    Appointment a;
    a.appointId = r[0].toInt();
    if (const QVariant date = r[1]; !date.isNull())
        a.date = DaySerial::toDate(date.toDouble());
    if (const QVariant time = r[2]; !time.isNull())
        a.time = DaySerial::toDateTime(time.toDouble()).time(); // the fraction only
    a.details = r[3].toString();
    a.alert = r[4].toInt() != 0;
    a.identity = r[5].toInt();
    return a;
}

QVariantList fieldValues(const AppointmentFields& f)
{
    return {DaySerial::fromDate(f.date), timeFraction(f.time), f.details, f.alert ? -1 : 0};
}

} // namespace

QString AppointmentStore::timeText(QTime time, const LocaleText& locale)
{
    if (!time.isValid())
        return {};
    const QString separator = locale.timeSeparator();
    return time.toString(QStringLiteral("HH")) + separator + time.toString(QStringLiteral("mm")) +
           separator + QStringLiteral("00");
}

Result<QList<Appointment>> AppointmentStore::day(int identity, QDate date) const
{
    return m_db.all(QStringLiteral("SELECT ") + kColumns +
                        QStringLiteral(" FROM TblAppointments WHERE Identity = ? AND ADate = ? "
                                       "ORDER BY ATime, AppointId"),
                    {identity, DaySerial::fromDate(date)}, appointmentFrom);
}

Result<std::optional<Appointment>> AppointmentStore::load(int appointId) const
{
    return m_db.one(QStringLiteral("SELECT ") + kColumns +
                        QStringLiteral(" FROM TblAppointments WHERE AppointId = ?"),
                    {appointId}, appointmentFrom);
}

// Times are compared in whole minutes, so a stored fraction a bit off the exact minute (as an
// older file may hold) still clashes. The check and the write run under one write lock, so two
// windows cannot both take a slot.
Result<AppointmentStore::Saved> AppointmentStore::add(const AppointmentFields& fields, int identity)
{
    Transaction tx(m_db, Transaction::Mode::Immediate);
    if (!tx.isActive())
        return Failure{m_db.errorString()};
    const Result<bool> taken =
        m_db.exists(QStringLiteral("SELECT 1 FROM TblAppointments WHERE Identity = ? AND "
                                   "ADate = ? AND round(ATime * 1440) = ? LIMIT 1"),
                    {identity, DaySerial::fromDate(fields.date), minuteOfDay(fields.time)});
    if (!taken)
        return Failure{taken.error()};
    if (*taken)
        return Saved::Clash;
    if (const Result<qint64> added =
            m_db.insert({},
                        QStringLiteral("INSERT INTO TblAppointments (ADate, ATime, Appoint, Alert, "
                                       "Identity) VALUES (?, ?, ?, ?, ?)"),
                        fieldValues(fields) << identity);
        !added)
        return Failure{added.error()};
    if (!tx.commit())
        return Failure{m_db.errorString()};
    return Saved::Saved;
}

// A move onto a slot is checked against every identity's appointments, as it always was; an
// appointment that keeps its slot is not checked at all, or one whose slot another identity
// also uses (which adding allows) could never be changed again.
Result<AppointmentStore::Saved> AppointmentStore::update(int appointId,
                                                         const AppointmentFields& fields)
{
    Transaction tx(m_db, Transaction::Mode::Immediate);
    if (!tx.isActive())
        return Failure{m_db.errorString()};
    const Result<std::optional<Appointment>> stored = load(appointId);
    if (!stored)
        return Failure{stored.error()};
    if (!*stored)
        return Saved::Gone;
    const bool keepsSlot = (*stored)->date == fields.date && (*stored)->time.isValid() &&
                           minuteOfDay((*stored)->time) == minuteOfDay(fields.time);
    if (!keepsSlot) {
        const Result<bool> taken =
            m_db.exists(QStringLiteral("SELECT 1 FROM TblAppointments WHERE ADate = ? "
                                       "AND round(ATime * 1440) = ? AND AppointId <> ? LIMIT 1"),
                        {DaySerial::fromDate(fields.date), minuteOfDay(fields.time), appointId});
        if (!taken)
            return Failure{taken.error()};
        if (*taken)
            return Saved::Clash;
    }
    if (const Result<qint64> changed =
            m_db.change({},
                        QStringLiteral("UPDATE TblAppointments SET ADate = ?, ATime = ?, "
                                       "Appoint = ?, Alert = ? WHERE AppointId = ?"),
                        fieldValues(fields) << appointId);
        !changed)
        return Failure{changed.error()};
    if (!tx.commit())
        return Failure{m_db.errorString()};
    return Saved::Saved;
}

Status AppointmentStore::remove(int appointId)
{
    return write(QStringLiteral("DELETE FROM TblAppointments WHERE AppointId = ?"), appointId);
}

Result<QList<Appointment>> AppointmentStore::alerts(int identity, std::optional<QDate> upTo) const
{
    QString sql = QStringLiteral("SELECT ") + kColumns +
                  QStringLiteral(" FROM TblAppointments WHERE Identity = ? AND Alert = -1");
    QVariantList values{identity};
    if (upTo) {
        sql += QStringLiteral(" AND ADate BETWEEN ? AND ?");
        values << kFirstAlertSerial << DaySerial::fromDate(*upTo);
    }
    return m_db.all(sql + QStringLiteral(" ORDER BY ADate, ATime, AppointId"), values,
                    appointmentFrom);
}

Status AppointmentStore::clearAlert(int appointId)
{
    return write(QStringLiteral("UPDATE TblAppointments SET Alert = 0 WHERE AppointId = ?"),
                 appointId);
}

Status AppointmentStore::write(const QString& sql, int appointId)
{
    if (const Result<qint64> changed = m_db.change({}, sql, {appointId}); !changed)
        return Failure{changed.error()};
    return Done{};
}
