#include "appointments/AppointmentStore.h"
#include "appointments/MonthGrid.h"
#include "core/DaySerial.h"
#include "core/LocaleText.h"
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
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QDate>("selected");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("header");
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("firstColumn");
        QTest::addColumn<int>("weekRows");
        const QLocale gb = testLocale(); // Monday is the first day of the week
        const QLocale us(QLocale::English, QLocale::UnitedStates); // Sunday
        const QString gbHeader = "Sun Mon Tue Wed Thu Fri Sat";
        QTest::newRow("February 2000, a leap year by 400")
            << gb << QDate(2000, 2, 10) << "February  2000" << gbHeader << 29 << 2 << 5;
        QTest::newRow("February 2008")
            << gb << QDate(2008, 2, 29) << "February  2008" << gbHeader << 29 << 5 << 5;
        QTest::newRow("February 2100, no leap year by 100")
            << gb << QDate(2100, 2, 1) << "February  2100" << gbHeader << 28 << 1 << 5;
        QTest::newRow("February 2015, from column 0")
            << gb << QDate(2015, 2, 28) << "February  2015" << gbHeader << 28 << 0 << 4;
        QTest::newRow("March 2008, 31 days from column 6")
            << gb << QDate(2008, 3, 31) << "March  2008" << gbHeader << 31 << 6 << 6;
        QTest::newRow("April 2008, Monday first")
            << gb << QDate(2008, 4, 1) << "April  2008" << gbHeader << 30 << 2 << 5;
        QTest::newRow("April 2008, Sunday first") << us << QDate(2008, 4, 30) << "April  2008"
                                                  << "Sat Sun Mon Tue Wed Thu Fri" << 30 << 3 << 5;
    }
    // Days follow each other cell by cell, a week row ending after column 6.
    void monthGrid()
    {
        QFETCH(QLocale, locale);
        QFETCH(QDate, selected);
        const MonthGrid grid = ::monthGrid(selected, LocaleText(locale));
        QTEST(grid.caption, "caption");
        QTEST(grid.header.join(u' '), "header");
        QTEST(daysInMonth(selected.year(), selected.month()), "days");
        QTEST(grid.weekRows, "weekRows");
        QList<int> cells; // linear cell number of each day, from row 1 column 0
        for (int row = 0; row <= MonthGrid::kWeekRows + 1; ++row) {
            for (int column = 0; column < MonthGrid::kColumns; ++column) {
                if (const int day = grid.dayAt(row, column)) {
                    QCOMPARE(day, cells.size() + 1);
                    cells << (row - 1) * MonthGrid::kColumns + column;
                    if (day == selected.day())
                        QCOMPARE(QPoint(grid.selectedColumn, grid.selectedRow),
                                 QPoint(column, row));
                }
            }
        }
        QTEST(int(cells.size()), "days");
        QTEST(cells.first(), "firstColumn");
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
        QTest::addColumn<QString>("details");
        QTest::newRow("quote") << "Meet O'Brien's foreman; don't be late";
        QTest::newRow("line breaks") << "first\nsecond\r\n\tthird ";
        QTest::newRow("emoji") << QStringLiteral("Party \U0001F389 at Zoë's");
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
