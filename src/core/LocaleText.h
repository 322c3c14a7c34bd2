#pragma once

#include "core/Money.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

// The user's locale as the program uses it: currency symbol and money text, time separator, month
// and weekday names, first day of the week, short and long date forms, and a lenient reading of
// typed dates. Everything comes from the one QLocale, never from the C library's locale, so money
// and dates always agree whatever the process's LC_ALL says.
class LocaleText {
public:
    explicit LocaleText(QLocale locale = QLocale::system());

    const QLocale& locale() const { return m_locale; }

    QString currencySymbol() const;
    // "£1,234.50": the symbol, grouping and decimal point of this locale, 2 decimals, exact.
    QString toCurrency(Money amount) const { return amount.toCurrencyString(m_locale, m_money); }
    QString timeSeparator() const;
    QString monthName(int month) const;     // 1..12, full form: "December"
    QString weekdayName(int weekday) const; // 1 = Monday .. 7 = Sunday, full form
    QString shortWeekdayName(int weekday) const;
    Qt::DayOfWeek firstDayOfWeek() const { return m_locale.firstDayOfWeek(); }

    QString shortDateFormat() const; // always with a four-digit year: "dd/MM/yyyy"
    QString longDateFormat() const { return m_locale.dateFormat(QLocale::LongFormat); }
    QString toShortDate(QDate date) const { return m_locale.toString(date, shortDateFormat()); }
    QString toLongDate(QDate date) const { return m_locale.toString(date, longDateFormat()); }

    // A date as a user may type it in this locale: the short form (two- or four-digit year),
    // the long form, "3 December 2026" / "3 Dec 2026", or ISO "2026-12-03". Two-digit years
    // fall in 1950..2049, so "29/02/00" is 29 February 2000. Impossible dates such as
    // 31 February, and texts far longer than any date, give nullopt.
    std::optional<QDate> parseDate(const QString& text) const;

private:
    QLocale m_locale;
    CurrencyForm m_money;
    QString m_shortForm;
    QStringList m_dateForms; // tried in order by parseDate
};
