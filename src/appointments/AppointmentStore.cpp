#include "appointments/AppointmentStore.h"

#include "core/Database.h"
#include "core/DaySerial.h"
#include "core/LocaleText.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

constexpr double kMsPerDay = 86'400'000.0;
// Alerts have always been listed from 1 October 1900 (day serial 275) on.
constexpr int kFirstAlertSerial = 275;

const QString kColumns = QStringLiteral("AppointId, ADate, ATime, Appoint, Alert, Identity");

double timeFraction(QTime time)
{
    return time.msecsSinceStartOfDay() / kMsPerDay;
}

int minuteOfDay(QTime time)
{
    return time.hour() * 60 + time.minute();
}

Appointment appointmentFrom(const QSqlQuery& q)
{
    Appointment a;
    a.appointId = q.value(0).toInt();
    if (!q.value(1).isNull())
        a.date = DaySerial::toDate(q.value(1).toDouble());
    if (!q.value(2).isNull())
        a.time = DaySerial::toDateTime(q.value(2).toDouble()).time(); // the fraction only
    a.details = q.value(3).toString();
    a.alert = q.value(4).toInt() != 0;
    a.identity = q.value(5).toInt();
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
    QSqlQuery q = m_db.prepare(QStringLiteral("SELECT ") + kColumns +
                               QStringLiteral(" FROM TblAppointments WHERE Identity = ? AND "
                                              "ADate = ? ORDER BY ATime, AppointId"));
    q.addBindValue(identity);
    q.addBindValue(DaySerial::fromDate(date));
    if (!m_db.exec(q))
        return Failure{m_db.errorString()};
    QList<Appointment> rows;
    while (q.next())
        rows << appointmentFrom(q);
    if (q.lastError().isValid())
        return Failure{q.lastError().text()};
    return rows;
}

Result<std::optional<Appointment>> AppointmentStore::load(int appointId) const
{
    QSqlQuery q = m_db.prepare(QStringLiteral("SELECT ") + kColumns +
                               QStringLiteral(" FROM TblAppointments WHERE AppointId = ?"));
    q.addBindValue(appointId);
    if (!m_db.exec(q))
        return Failure{m_db.errorString()};
    if (!q.next()) {
        if (q.lastError().isValid())
            return Failure{q.lastError().text()};
        return std::optional<Appointment>();
    }
    return std::optional<Appointment>(appointmentFrom(q));
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
        exists(QStringLiteral("SELECT 1 FROM TblAppointments WHERE Identity = ? AND ADate = ? "
                              "AND round(ATime * 1440) = ? LIMIT 1"),
               {identity, DaySerial::fromDate(fields.date), minuteOfDay(fields.time)});
    if (!taken)
        return Failure{taken.error()};
    if (*taken)
        return Saved::Clash;
    if (!m_db.exec(QStringLiteral("INSERT INTO TblAppointments (ADate, ATime, Appoint, Alert, "
                                  "Identity) VALUES (?, ?, ?, ?, ?)"),
                   fieldValues(fields) << identity))
        return Failure{m_db.errorString()};
    if (!tx.commit())
        return Failure{m_db.connection().lastError().text()};
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
            exists(QStringLiteral("SELECT 1 FROM TblAppointments WHERE ADate = ? "
                                  "AND round(ATime * 1440) = ? AND AppointId <> ? LIMIT 1"),
                   {DaySerial::fromDate(fields.date), minuteOfDay(fields.time), appointId});
        if (!taken)
            return Failure{taken.error()};
        if (*taken)
            return Saved::Clash;
    }
    if (!m_db.exec(QStringLiteral("UPDATE TblAppointments SET ADate = ?, ATime = ?, Appoint = ?, "
                                  "Alert = ? WHERE AppointId = ?"),
                   fieldValues(fields) << appointId))
        return Failure{m_db.errorString()};
    if (!tx.commit())
        return Failure{m_db.connection().lastError().text()};
    return Saved::Saved;
}

Result<bool> AppointmentStore::exists(const QString& sql, const QVariantList& values) const
{
    QSqlQuery q = m_db.prepare(sql);
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!m_db.exec(q))
        return Failure{m_db.errorString()};
    const bool found = q.next();
    if (!found && q.lastError().isValid())
        return Failure{q.lastError().text()};
    return found;
}

Status AppointmentStore::remove(int appointId)
{
    if (!m_db.exec(QStringLiteral("DELETE FROM TblAppointments WHERE AppointId = ?"), {appointId}))
        return Failure{m_db.errorString()};
    return Done{};
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
    QSqlQuery q = m_db.prepare(sql + QStringLiteral(" ORDER BY ADate, ATime, AppointId"));
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!m_db.exec(q))
        return Failure{m_db.errorString()};
    QList<Appointment> rows;
    while (q.next())
        rows << appointmentFrom(q);
    if (q.lastError().isValid())
        return Failure{q.lastError().text()};
    return rows;
}

Status AppointmentStore::clearAlert(int appointId)
{
    if (!m_db.exec(QStringLiteral("UPDATE TblAppointments SET Alert = 0 WHERE AppointId = ?"),
                   {appointId}))
        return Failure{m_db.errorString()};
    return Done{};
}
