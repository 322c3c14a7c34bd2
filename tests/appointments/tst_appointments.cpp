#include "appointments/AppointmentStore.h"
#include "appointments/MonthGrid.h"
#include "core/DaySerial.h"
#include "core/LocaleText.h"
#include "support/CaseFile.h"
#include "support/TestEnv.h"

#include <QTest>

using Saved = AppointmentStore::Saved;

class TestAppointments : public QObject {
    Q_OBJECT

    static AppointmentFields at(QDate date, int hour, int minute, const QString& details = {},
                                bool alert = false)
    {
        return {date, QTime(hour, minute), details.isEmpty() ? "x" : details, alert};
    }

private slots:
    void monthGrid_data()
    {
        CaseFile::addRows("appointments/month-grid.txt", {"locale", "selected", "caption", "header",
                                                          "days", "firstColumn", "weekRows"});
    }
    // Days follow each other cell by cell, a week row ending after column 6.
    void monthGrid()
    {
        QFETCH(QString, locale);
        QFETCH(QString, selected);
        const QDate day = QDate::fromString(selected, Qt::ISODate);
        const MonthGrid grid = ::monthGrid(day, LocaleText(QLocale(locale)));
        QTEST(grid.caption, "caption");
        QTEST(grid.header.join(u' '), "header");
        QTEST(QString::number(daysInMonth(day.year(), day.month())), "days");
        QTEST(QString::number(grid.weekRows), "weekRows");
        QList<int> cells; // linear cell number of each day, from row 1 column 0
        for (int row = 0; row <= MonthGrid::kWeekRows + 1; ++row) {
            for (int column = 0; column < MonthGrid::kColumns; ++column) {
                if (const int n = grid.dayAt(row, column)) {
                    QCOMPARE(n, cells.size() + 1);
                    cells << (row - 1) * MonthGrid::kColumns + column;
                    if (n == day.day())
                        QCOMPARE(QPoint(grid.selectedColumn, grid.selectedRow),
                                 QPoint(column, row));
                }
            }
        }
        QTEST(QString::number(cells.size()), "days");
        QTEST(QString::number(cells.first()), "firstColumn");
        for (int i = 1; i < cells.size(); ++i)
            QCOMPARE(cells[i], cells[i - 1] + 1);
    }

    // A slot is one identity's date and time. A move is refused a slot that any identity's other
    // appointment holds; an appointment keeping its slot is never refused.
    void slotsAndClashes()
    {
        TestEnv env;
        AppointmentStore store(env.db);
        const QDate day(2026, 3, 14);
        QCOMPARE(*store.add(at(day, 10, 30), 1), Saved::Saved);
        QCOMPARE(*store.add(at(day, 10, 30), 1), Saved::Clash);
        QCOMPARE(*store.add(at(day.addDays(1), 10, 30), 1), Saved::Saved);
        QCOMPARE(*store.add(at(day, 10, 30), 2), Saved::Saved);
        QCOMPARE(*store.add(at(day, 10, 35), 1), Saved::Saved);
        const int first = 1, fiveMinutesLater = 4; // AppointIds in the order of adding
        QCOMPARE(*store.update(first, at(day, 10, 30, "moved nowhere")), Saved::Saved);
        QCOMPARE(*store.update(fiveMinutesLater, at(day, 10, 30)), Saved::Clash);
        QCOMPARE(*store.add(at(day, 9, 0), 3), Saved::Saved);
        QCOMPARE(*store.update(first, at(day, 9, 0)), Saved::Clash); // identity 3's slot
        // A time stored a little off its minute, as an older file may hold it, still clashes.
        env.exec(QStringLiteral("INSERT INTO TblAppointments(ADate, ATime, Alert, Identity) "
                                "VALUES (?, ?, 0, 4)"),
                 {DaySerial::fromDate(day), 11.0 / 24 + 1e-9});
        QCOMPARE(*store.add(at(day, 11, 0), 4), Saved::Clash);
        const int before = env.db.scalar("SELECT count(*) FROM TblAppointments").toInt();
        QVERIFY(store.remove(first));
        QCOMPARE(*store.update(first, at(day, 12, 0)), Saved::Gone);
        QCOMPARE(env.db.scalar("SELECT count(*) FROM TblAppointments").toInt(), before - 1);
        QCOMPARE(*store.load(first), std::nullopt);
        env.exec("ALTER TABLE TblAppointments RENAME TO TblAside");
        QVERIFY(!store.day(1, day).ok()); // a failed query is no empty day
        QVERIFY(!store.add(at(day, 13, 0), 1).ok());
    }

    void detailsAreKeptExactly_data()
    {
        CaseFile::addRows("appointments/details.txt", {"details"});
        QTest::newRow("5,000 characters") << QString(5000, u'w');
    }
    void detailsAreKeptExactly()
    {
        QFETCH(QString, details);
        TestEnv env;
        AppointmentStore store(env.db);
        const QDate day(2026, 12, 3);
        QCOMPARE(*store.add({day, QTime(10, 30), details, true}, 1), Saved::Saved);
        const QList<Appointment> listed = *store.day(1, day);
        QCOMPARE(listed.size(), 1);
        const Appointment& a = listed.first();
        QCOMPARE(a.details, details);
        QCOMPARE(a.time, QTime(10, 30));
        QVERIFY(a.alert);
        QCOMPARE(env.db.scalar("SELECT ATime FROM TblAppointments").toDouble(),
                 0.4375); // 10:30 as a fraction of the day
        QCOMPARE(*store.update(a.appointId, {day, QTime(10, 30), details + details, false}),
                 Saved::Saved);
        QCOMPARE((*store.load(a.appointId))->details, details + details);
        QCOMPARE(AppointmentStore::timeText(a.time, LocaleText(testLocale())), "10:30:00");
        QCOMPARE(AppointmentStore::timeText(a.time, LocaleText(QLocale(QLocale::Finnish))),
                 "10.30.00");
    }
};

QTEST_GUILESS_MAIN(TestAppointments)
#include "tst_appointments.moc"
