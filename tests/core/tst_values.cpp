#include "core/DaySerial.h"
#include "core/LocaleText.h"
#include "core/Money.h"
#include "invoices/InvoiceEntry.h"
#include "support/TestEnv.h"

#include <QTest>
#include <cmath>
#include <limits>

namespace {

constexpr qint64 kMax = std::numeric_limits<qint64>::max();
constexpr qint64 kMin = std::numeric_limits<qint64>::min();

Money pounds(const char* text)
{
    return Money::parse(QString::fromLatin1(text)).value();
}

} // namespace

class TestValues : public QObject {
    Q_OBJECT
private slots:
    void daySerialsBothWays()
    {
        QCOMPARE(DaySerial::fromDate(QDate(2026, 12, 3)), 46359.0);
        QCOMPARE(DaySerial::toDate(0), QDate(1899, 12, 30));
        QCOMPARE(DaySerial::toDate(46359.75), QDate(2026, 12, 3));
        const QDateTime noon(QDate(2026, 12, 3), QTime(12, 0));
        QCOMPARE(DaySerial::fromDateTime(noon), 46359.5);
        QCOMPARE(DaySerial::toDateTime(46359.5), noon);
        // Before the epoch the fraction still counts forward from midnight.
        QCOMPARE(DaySerial::toDate(-0.25), QDate(1899, 12, 29));
        // What a file may hold where a date belongs, and no day number can stand for.
        for (double absurd : {std::nan(""), HUGE_VAL, -HUGE_VAL, 1e300}) {
            QVERIFY(!DaySerial::toDate(absurd).isValid());
            QVERIFY(!DaySerial::toDateTime(absurd).isValid());
        }
    }

    void moneyReadsWhatIsTyped_data()
    {
        QTest::addColumn<QString>("locale"); // empty: the plain form of the money fields only
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("units"); // invalid: refused
        const auto row = [](const char* name, const char* locale, const QString& text,
                            QVariant units = {}) {
            QTest::newRow(name) << QString::fromLatin1(locale) << text << units;
        };
        row("plain", "", "17.5", 175000);
        row("leading point", "", ".5", 5000);
        row("trailing point", "", "12.", 120000);
        row("negative", "", "-3.25", -32500);
        row("fifth decimal half even down", "", "0.00005", 0);
        row("fifth decimal half even up", "", "0.00015", 2);
        row("empty", "", "");
        row("two points", "", "1.2.3");
        row("sign only", "", "-");
        row("sixth decimal breaks the tie", "", "0.000050000000001", 1);
        row("sixty zero decimals", "", "1." + QString(60, u'0'), 10000);
        row("sixty leading zeros", "", QString(60, u'0') + "1", 10000);
        // Found by fuzzing: the divisor for the decimals past the fourth overflowed 128 bits.
        row("seventy-one zero decimals", "", "." + QString(71, u'0') + "2", 0);
        row("largest", "", "922337203685477.5807", kMax);
        row("one past the largest", "", "922337203685477.5808");
        row("rounds past the largest", "", "922337203685477.58075");
        row("ten thousand digits", "", QString(10000, u'9'));
        row("other script's digits", "", QString::fromUtf8("١٢"));
        // In a locale: '.' is the point first, as the money fields' keys type it, then the
        // locale's own form, its grouping only where the locale puts it.
        row("German point", "de_DE", "12.5", 125000);
        row("German own form", "de_DE", "-1.250,5", -12505000);
        row("German both ways", "de_DE", "1.250", 12500);
        row("German exponent", "de_DE", "1e9");
        row("French plain blank grouping", "fr_FR", "1 250,5", 12505000);
        row("Finnish minus", "fi_FI", QString::fromUtf8("\u221212,5"), -125000);
        row("English grouping", "en_GB", "1,250.5", 12505000);
        row("English misplaced grouping", "en_GB", "1,25");
    }
    void moneyReadsWhatIsTyped()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QVariant, units);
        const auto m =
            locale.isEmpty() ? Money::parse(text) : Money::parseInLocale(text, QLocale(locale));
        QCOMPARE(m.has_value(), units.isValid());
        if (m)
            QCOMPARE(m->units(), units.toLongLong());
    }

    void moneyRoundsHalfToEvenAndPrintsShortest()
    {
        const auto cents = [](const char* text) {
            return pounds(text).roundedToCents().toPlainString();
        };
        const auto vat = [](const char* value, const char* rate) {
            return pounds(value).percentOf(pounds(rate))->toPlainString();
        };
        QCOMPARE(vat("100", "17.5"), QStringLiteral("17.5"));
        QCOMPARE(pounds("100").plus(pounds("17.5"))->toPlainString(), QStringLiteral("117.5"));
        // Ties go to the even penny.
        QCOMPARE(cents("0.125"), QStringLiteral("0.12"));
        QCOMPARE(cents("0.135"), QStringLiteral("0.14"));
        QCOMPARE(cents("-0.125"), QStringLiteral("-0.12"));
        QCOMPARE(vat("10.10", "17.5"), QStringLiteral("1.77")); // 1.7675
        QCOMPARE(vat("0.1", "5"), QStringLiteral("0"));         // 0.005
        QCOMPARE(pounds("-1234.5").toCurrencyString(testLocale(), QStringLiteral("£")),
                 QStringLiteral("-£1,234.50"));
        // The symbol where the locale puts it, with its own separators.
        QCOMPARE(pounds("-1234.5").toCurrencyString(QLocale(QLocale::German, QLocale::Germany),
                                                    QStringLiteral("€")),
                 QStringLiteral("-1.234,50\u00A0€"));
    }

    // At the ends of the 64-bit count every operation either gives the exact answer or refuses.
    void moneyAtItsLimitsIsExactOrRefused()
    {
        const Money max = Money::fromUnits(kMax), min = Money::fromUnits(kMin);
        const Money unit = Money::fromUnits(1);
        QVERIFY(!max.plus(unit));
        QVERIFY(!min.minus(unit));
        QVERIFY(!min.negated());
        QCOMPARE(max.negated()->units(), -kMax);
        QCOMPARE(max.plus(min)->units(), qint64(-1));
        QVERIFY(!max.percentOf(pounds("100.01")));
        // Found by fuzzing: the VAT of a large value at a large rate overflowed.
        QVERIFY(!pounds("05005800500").percentOf(pounds("05005800500")));
        QVERIFY(!min.percentOf(pounds("-200")));
        QCOMPARE(min.percentOf(pounds("-100"))->units(), qint64(9223372036854775800));
        QCOMPARE(max.roundedToCents().units(), qint64(9223372036854775800));
        QCOMPARE(min.roundedToCents().units(), qint64(-9223372036854775800));

        QCOMPARE(max.toPlainString(), QStringLiteral("922337203685477.5807"));
        QCOMPARE(min.toPlainString(), QStringLiteral("-922337203685477.5808"));
        QCOMPARE(Money::parse(min.toPlainString()), min); // the most negative typed back
        QCOMPARE(min.toCurrencyString(testLocale(), QStringLiteral("£")),
                 QStringLiteral("-£922,337,203,685,477.58"));

        MoneySum sum;
        sum.add(max);
        sum.add(max);
        QVERIFY(!sum.value());
        sum.add(min);
        sum.add(min);
        QCOMPARE(sum.value()->units(), qint64(-2));
    }

    // What the entry's three fields show. They never show amounts that do not add up: out of
    // range or without a usable rate, all three read 0.
    void entryAmounts_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("addVat");
        QTest::addColumn<double>("rate");
        QTest::addColumn<QString>("expected"); // value|VAT|total as the fields show them
        QTest::newRow("ticked") << "100" << true << 17.5 << "100|17.5|117.5";
        QTest::newRow("unticked") << "100" << false << 17.5 << "100|0|100";
        QTest::newRow("not a number") << "" << true << 17.5 << "0|0|0";
        QTest::newRow("kept as typed") << "12." << true << 20.0 << "12.|2.4|14.4";
        QTest::newRow("VAT tie to even") << "0.1" << true << 25.0 << "0.1|0.02|0.12";
        QTest::newRow("VAT tie up to even") << "0.3" << true << 25.0 << "0.3|0.08|0.38";
        QTest::newRow("total rounds value") << "10.015" << false << 20.0 << "10.015|0|10.02";
        QTest::newRow("no binary drift") << "99.99" << true << 17.5 << "99.99|17.5|117.49";
        const double nan = std::nan("");
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("largest value") << "922337203685477.5807" << false << 20.0
                                       << "922337203685477.5807|0|922337203685477.58";
        QTest::newRow("VAT too large") << "922337203685477" << true << 200.0 << "0|0|0";
        QTest::newRow("total too large") << "900000000000000" << true << 3.0 << "0|0|0";
        QTest::newRow("value too large") << "1" + QString(30, u'0') << false << 20.0 << "0|0|0";
        QTest::newRow("NaN rate, no VAT") << "100" << false << nan << "100|0|100";
        QTest::newRow("infinite rate") << "100" << true << -inf << "0|0|0";
        QTest::newRow("rate past 2^63") << "100" << true << 1e300 << "0|0|0";
    }
    void entryAmounts()
    {
        QFETCH(QString, value);
        QFETCH(bool, addVat);
        QFETCH(double, rate);
        QFETCH(QString, expected);
        const InvoiceEntry::Amounts a =
            InvoiceEntry::recalculate(value, addVat, InvoiceEntry::ratePercent(rate));
        QCOMPARE(QStringList({a.value, a.vat, a.total}).join(u'|'), expected);
    }

    void entryNamesEveryProblemInOrder()
    {
        QCOMPARE(InvoiceEntry::saveProblems({}, QStringLiteral("x"), {}, {}),
                 QStringLiteral("\n Please Select a Client\nThere is an Invoice Number Error"
                                "\n You must add Some content\n You must add a value"));
    }

    // Money, dates and names come from QLocale alone: CTest runs this program under LC_ALL=C too.
    void moneyDatesAndNamesInOneLocale()
    {
        const LocaleText gb(testLocale());
        QCOMPARE(gb.toLongDate(QDate(2026, 12, 3)), QStringLiteral("Thursday, 3 December 2026"));
        QCOMPARE(gb.toShortDate(QDate(2026, 12, 3)), QStringLiteral("03/12/2026"));
        QCOMPARE(gb.timeSeparator(), QStringLiteral(":"));
        QCOMPARE(gb.monthName(12), QStringLiteral("December"));
        QCOMPARE(gb.weekdayName(6), QStringLiteral("Saturday"));
        QCOMPARE(gb.firstDayOfWeek(), Qt::Monday);
        const LocaleText us(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(us.currencySymbol(), QStringLiteral("$"));
        QCOMPARE(us.firstDayOfWeek(), Qt::Sunday);
        const LocaleText tests(testLocale());
        QCOMPARE(tests.currencySymbol(), QStringLiteral("£"));
        QCOMPARE(tests.toCurrency(pounds("-0.5")), QStringLiteral("-£0.50"));
    }

    void lenientDatesAcceptWhatUsersTypeAndRefuseTheImpossible_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("expected");
        const QDate d(2026, 12, 3);
        const QDate leap2000(2000, 2, 29);
        const auto row = [](const char* name, const char* locale, const QString& typed,
                            QDate date) {
            QTest::newRow(name) << QString::fromLatin1(locale) << typed << date;
        };
        row("short", "en_GB", "03/12/2026", d);
        row("two-digit year", "en_GB", "3/12/26", d);
        row("long", "en_GB", "Thursday, 3 December 2026", d);
        row("abbreviated month", "en_GB", "3 Dec 2026", d);
        row("iso", "en_GB", "2026-12-03", d);
        row("surrounding blanks", "en_GB", "  3 December 2026 ", d);
        row("US order", "en_US", "12/3/2026", d);
        row("German", "de_DE", "3.12.2026", d);
        row("German long", "de_DE", "3. Dezember 2026", d);
        // Two-digit years fall in 1950..2049 in every locale, leap day of 2000 included.
        row("leap day of 00", "en_GB", "29/02/00", leap2000);
        row("leap day of 00, US", "en_US", "2/29/00", leap2000);
        row("leap day of 00, German", "de_DE", "29.02.00", leap2000);
        row("49 is 2049", "en_GB", "31/12/49", QDate(2049, 12, 31));
        row("50 is 1950", "en_GB", "1/1/50", QDate(1950, 1, 1));
        row("no leap day in 01", "en_GB", "29/02/01", QDate());
        row("31 February", "en_GB", "31/02/2026", QDate());
        row("29 February in a common year", "en_GB", "29 February 2027", QDate());
        row("month 13", "en_GB", "01/13/2026", QDate());
        row("empty", "en_GB", "", QDate());
        row("far too long", "en_GB", "3 December 2026" + QString(60, u'x'), QDate());
    }
    void lenientDatesAcceptWhatUsersTypeAndRefuseTheImpossible()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QDate, expected);
        const auto parsed = LocaleText(QLocale(locale)).parseDate(typed);
        QCOMPARE(parsed.value_or(QDate()), expected);
    }
};

QTEST_GUILESS_MAIN(TestValues)
#include "tst_values.moc"
