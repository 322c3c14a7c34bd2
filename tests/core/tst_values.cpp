#include "core/DaySerial.h"
#include "core/LocaleText.h"
#include "core/Money.h"
#include "support/TestEnv.h"

#include <QTest>

class TestValues : public QObject {
    Q_OBJECT
private slots:
    void daySerialsBothWays()
    {
        QCOMPARE(DaySerial::fromDate(QDate(2026, 12, 3)), 46359.0);
        QCOMPARE(DaySerial::fromDate(QDate(2006, 10, 10)), 39000.0);
        QCOMPARE(DaySerial::toDate(0), QDate(1899, 12, 30));
        QCOMPARE(DaySerial::toDate(0).dayOfWeek(), int(Qt::Saturday));
        QCOMPARE(DaySerial::toDate(46359.75), QDate(2026, 12, 3));
        const QDateTime noon(QDate(2026, 12, 3), QTime(12, 0));
        QCOMPARE(DaySerial::fromDateTime(noon), 46359.5);
        QCOMPARE(DaySerial::toDateTime(46359.5), noon);
        // Before the epoch the fraction still counts forward from midnight.
        QCOMPARE(DaySerial::toDate(-0.25), QDate(1899, 12, 29));
    }

    void moneyParsesWhatAMoneyFieldAccepts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("units");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << "17.5" << qint64(175000) << true;
        QTest::newRow("leading point") << ".5" << qint64(5000) << true;
        QTest::newRow("trailing point") << "12." << qint64(120000) << true;
        QTest::newRow("negative") << "-3.25" << qint64(-32500) << true;
        QTest::newRow("fifth decimal half even down") << "0.00005" << qint64(0) << true;
        QTest::newRow("fifth decimal half even up") << "0.00015" << qint64(2) << true;
        QTest::newRow("empty") << "" << qint64(0) << false;
        QTest::newRow("two points") << "1.2.3" << qint64(0) << false;
        QTest::newRow("comma") << "1,5" << qint64(0) << false;
        QTest::newRow("sign only") << "-" << qint64(0) << false;
        QTest::newRow("too large") << "99999999999999999999" << qint64(0) << false;
    }
    void moneyParsesWhatAMoneyFieldAccepts()
    {
        QFETCH(QString, text);
        QFETCH(qint64, units);
        QFETCH(bool, valid);
        const auto m = Money::parse(text);
        QCOMPARE(m.has_value(), valid);
        if (valid)
            QCOMPARE(m->units(), units);
    }

    void moneyRoundsHalfToEvenAndPrintsShortest()
    {
        const Money hundred = *Money::parse(QStringLiteral("100"));
        const Money vat = hundred.percentOf(*Money::parse(QStringLiteral("17.5")));
        QCOMPARE(vat.toPlainString(), QStringLiteral("17.5"));
        QCOMPARE((hundred + vat).toPlainString(), QStringLiteral("117.5"));
        // 0.125 -> 0.12 and 0.135 -> 0.14: ties go to the even penny.
        QCOMPARE(Money::parse(QStringLiteral("0.125"))->roundedToCents().toPlainString(),
                 QStringLiteral("0.12"));
        QCOMPARE(Money::parse(QStringLiteral("0.135"))->roundedToCents().toPlainString(),
                 QStringLiteral("0.14"));
        QCOMPARE(Money::parse(QStringLiteral("-0.125"))->roundedToCents().toPlainString(),
                 QStringLiteral("-0.12"));
        // 10.10 at 17.5% is 1.7675 -> 1.77; 0.1 x 5% = 0.005 -> 0.00 (tie to even).
        QCOMPARE(Money::parse(QStringLiteral("10.10"))
                     ->percentOf(*Money::parse(QStringLiteral("17.5")))
                     .toPlainString(),
                 QStringLiteral("1.77"));
        QCOMPARE(Money::parse(QStringLiteral("0.1"))
                     ->percentOf(*Money::parse(QStringLiteral("5")))
                     .toPlainString(),
                 QStringLiteral("0"));
        QCOMPARE(Money::parse(QStringLiteral("1234.5"))
                     ->toCurrencyString(testLocale(), QStringLiteral("£")),
                 QStringLiteral("£1,234.50"));
        QCOMPARE(
            Money::parse(QStringLiteral("-2"))->toCurrencyString(testLocale(), QStringLiteral("£")),
            QStringLiteral("-£2.00"));
    }

    void localeTextNamesAndForms()
    {
        const LocaleText gb(testLocale());
        QCOMPARE(gb.currencySymbol(), QStringLiteral("£"));
        QCOMPARE(gb.timeSeparator(), QStringLiteral(":"));
        QCOMPARE(gb.monthName(12), QStringLiteral("December"));
        QCOMPARE(gb.weekdayName(6), QStringLiteral("Saturday"));
        QCOMPARE(gb.firstDayOfWeek(), Qt::Monday);
        QCOMPARE(gb.toShortDate(QDate(2026, 12, 3)), QStringLiteral("03/12/2026"));
        QCOMPARE(gb.toLongDate(QDate(2026, 12, 3)), QStringLiteral("Thursday, 3 December 2026"));
        const LocaleText us(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(us.currencySymbol(), QStringLiteral("$"));
        QCOMPARE(us.firstDayOfWeek(), Qt::Sunday);
        QCOMPARE(us.parseDate(QStringLiteral("12/3/2026")), QDate(2026, 12, 3));
        const LocaleText de(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(de.parseDate(QStringLiteral("3.12.2026")), QDate(2026, 12, 3));
        QCOMPARE(de.parseDate(QStringLiteral("3. Dezember 2026")), QDate(2026, 12, 3));
    }

    void lenientDatesAcceptWhatUsersTypeAndRefuseTheImpossible_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("expected");
        const QDate d(2026, 12, 3);
        QTest::newRow("short") << "03/12/2026" << d;
        QTest::newRow("short unpadded") << "3/12/2026" << d;
        QTest::newRow("two-digit year") << "3/12/26" << d;
        QTest::newRow("long") << "Thursday, 3 December 2026" << d;
        QTest::newRow("day month year") << "3 December 2026" << d;
        QTest::newRow("abbreviated month") << "3 Dec 2026" << d;
        QTest::newRow("iso") << "2026-12-03" << d;
        QTest::newRow("surrounding blanks") << "  3 December 2026 " << d;
        QTest::newRow("leap day") << "29/02/2028" << QDate(2028, 2, 29);
        QTest::newRow("31 February") << "31/02/2026" << QDate();
        QTest::newRow("29 February in a common year") << "29 February 2027" << QDate();
        QTest::newRow("month 13") << "01/13/2026" << QDate();
        QTest::newRow("empty") << "" << QDate();
        QTest::newRow("words") << "next tuesday" << QDate();
    }
    void lenientDatesAcceptWhatUsersTypeAndRefuseTheImpossible()
    {
        QFETCH(QString, typed);
        QFETCH(QDate, expected);
        const auto parsed = LocaleText(testLocale()).parseDate(typed);
        QCOMPARE(parsed.value_or(QDate()), expected);
    }
};

QTEST_GUILESS_MAIN(TestValues)
#include "tst_values.moc"
