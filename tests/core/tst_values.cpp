#include "core/DaySerial.h"
#include "core/LocaleText.h"
#include "core/Money.h"
#include "invoices/InvoiceEntry.h"
#include "support/CaseFile.h"
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
        CaseFile::addRows("values/money-typed.txt", {"locale", "text", "units"});
        const auto row = [](const char* name, const QString& text, const char* units) {
            QTest::newRow(name) << QString() << text << QString::fromLatin1(units);
        };
        row("sixty zero decimals", "1." + QString(60, u'0'), "10000");
        row("sixty leading zeros", QString(60, u'0') + "1", "10000");
        // Found by fuzzing: the divisor for the decimals past the fourth overflowed 128 bits.
        row("seventy-one zero decimals", "." + QString(71, u'0') + "2", "0");
        row("ten thousand digits", QString(10000, u'9'), "refused");
    }
    void moneyReadsWhatIsTyped()
    {
        const auto [locale, text, units] = CaseFile::fetchEach({"locale", "text", "units"});
        const auto m =
            locale.isEmpty() ? Money::parse(text) : Money::parseInLocale(text, QLocale(locale));
        QCOMPARE(m ? QString::number(m->units()) : "refused", units);
    }

    // Ties go to the even penny; results print shortest.
    void moneyArithmetic_data()
    {
        CaseFile::addRows("values/money-arithmetic.txt", {"a", "operation", "b", "result"});
    }
    void moneyArithmetic()
    {
        const auto [a, operation, b] = CaseFile::fetchEach({"a", "operation", "b"});
        const Money x = Money::parse(a).value();
        const Money y = b.isEmpty() ? Money() : Money::parse(b).value();
        const std::optional<Money> r = operation == u"plus"        ? x.plus(y)
                                       : operation == u"minus"     ? x.minus(y)
                                       : operation == u"negated"   ? x.negated()
                                       : operation == u"percentOf" ? x.percentOf(y)
                                                                   : x.roundedToCents();
        QTEST(r ? r->toPlainString() : "refused", "result");
    }

    // The symbol where the locale puts it, with its own separators, down to the most negative.
    void moneyPrintsAndSums()
    {
        const Money max = Money::fromUnits(kMax), min = Money::fromUnits(kMin);
        QCOMPARE(pounds("-1234.5").toCurrencyString(testLocale(), "£"), "-£1,234.50");
        QCOMPARE(
            pounds("-1234.5").toCurrencyString(QLocale(QLocale::German, QLocale::Germany), "€"),
            "-1.234,50\u00A0€");
        QCOMPARE(max.toPlainString(), "922337203685477.5807");
        QCOMPARE(min.toPlainString(), "-922337203685477.5808");
        QCOMPARE(Money::parse(min.toPlainString()), min); // the most negative typed back
        QCOMPARE(min.toCurrencyString(testLocale(), "£"), "-£922,337,203,685,477.58");

        MoneySum sum;
        sum.add(max);
        sum.add(max);
        QVERIFY(!sum.value());
        sum.add(min);
        sum.add(min);
        QCOMPARE(sum.value()->units(), qint64(-2));
    }

    void entryAmounts_data()
    {
        CaseFile::addRows("values/entry-amounts.txt",
                          {"value", "addVat", "rate", "shownValue", "shownVat", "shownTotal"});
    }
    void entryAmounts()
    {
        const auto [value, addVat, rate] = CaseFile::fetchEach({"value", "addVat", "rate"});
        const InvoiceEntry::Amounts a = InvoiceEntry::recalculate(
            value, addVat == u"yes", InvoiceEntry::ratePercent(rate.toDouble()));
        QTEST(a.value, "shownValue");
        QTEST(a.vat, "shownVat");
        QTEST(a.total, "shownTotal");
    }

    void entryNamesEveryProblemInOrder()
    {
        QCOMPARE(InvoiceEntry::saveProblems({}, "x", {}, {}),
                 "\n Please Select a Client\nThere is an Invoice Number Error"
                 "\n You must add Some content\n You must add a value");
    }

    // Money, dates and names come from QLocale alone: CTest runs this program under LC_ALL=C too.
    void moneyDatesAndNamesInOneLocale()
    {
        const LocaleText gb(testLocale());
        const LocaleText us(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(
            QStringList({gb.toLongDate(QDate(2026, 12, 3)), gb.toShortDate(QDate(2026, 12, 3)),
                         gb.timeSeparator(), gb.monthName(12), gb.weekdayName(6),
                         gb.currencySymbol(), gb.toCurrency(pounds("-0.5")), us.currencySymbol()}),
            QStringList({"Thursday, 3 December 2026", "03/12/2026", ":", "December", "Saturday",
                         "£", "-£0.50", "$"}));
        QCOMPARE(gb.firstDayOfWeek(), Qt::Monday);
        QCOMPARE(us.firstDayOfWeek(), Qt::Sunday);
    }

    void lenientDatesAcceptWhatUsersTypeAndRefuseTheImpossible_data()
    {
        CaseFile::addRows("values/dates-typed.txt", {"locale", "typed", "date"});
        QTest::newRow("far too long") << "en_GB"
                                      << "3 December 2026" + QString(60, u'x') << "refused";
    }
    void lenientDatesAcceptWhatUsersTypeAndRefuseTheImpossible()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        const auto parsed = LocaleText(QLocale(locale)).parseDate(typed);
        QTEST(parsed ? parsed->toString(Qt::ISODate) : "refused", "date");
    }
};

QTEST_GUILESS_MAIN(TestValues)
#include "tst_values.moc"
