#pragma once

#include "core/Result.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QTime>
#include <optional>

class Database;
class LocaleText;

// One row of TblAppointments. ATime is stored as the time of day, a fraction of a day (0.5 is
// noon); a Null date or time reads as an invalid QDate or QTime.
struct Appointment {
    int appointId = 0;
    QDate date;
    QTime time;
    QString details;
    bool alert = false;
    int identity = 0;
};

// What the appointment window writes. The details are kept exactly as typed, single quotes,
// line breaks and all.
struct AppointmentFields {
    QDate date;
    QTime time; // whole minutes
    QString details;
    bool alert = false;

    bool operator==(const AppointmentFields&) const = default;
};

// The diary: appointments and their alerts, per identity.
class AppointmentStore {
public:
    // The most a Memo took from the old entry window; anything longer is refused, never cut.
    static constexpr qsizetype kMaxDetails = 65535;

    enum class Saved {
        Saved,
        Clash, // another appointment has that date and time: nothing written
        Gone,  // the appointment being changed has been deleted: nothing written
    };

    explicit AppointmentStore(Database& db)
        : m_db(db)
    {}

    // The time as shown and once stored as text: hours, minutes and "00" seconds, joined by the
    // locale's time separator ("14:30:00"). Empty for an invalid time.
    static QString timeText(QTime time, const LocaleText& locale);

    // The identity's appointments on one day, in order of time.
    Result<QList<Appointment>> day(int identity, QDate date) const;
    // nullopt when there is no such appointment (deleted meanwhile).
    Result<std::optional<Appointment>> load(int appointId) const;

    // Adds an appointment unless the identity already has one at that date and time.
    Result<Saved> add(const AppointmentFields& fields, int identity);
    // Changes date, time, details and alert of an appointment; its identity stays. Moved to
    // another date or time, it clashes with any identity's appointment there.
    Result<Saved> update(int appointId, const AppointmentFields& fields);
    Status remove(int appointId);

    // Alerts of the identity, by date: those dated up to `upTo`, or all of them without it.
    Result<QList<Appointment>> alerts(int identity, std::optional<QDate> upTo) const;
    // The appointment stays; it is no longer an alert.
    Status clearAlert(int appointId);

private:
    // Runs a change of one appointment.
    Status write(const QString& sql, int appointId);

    Database& m_db;
};
