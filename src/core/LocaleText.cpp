#include "core/LocaleText.h"

#include <QRegularExpression>

namespace {

// Two-digit years are read into the window 1950..2049.
QDate widenTwoDigitYear(QDate date)
{
    if (date.isValid() && date.year() < 100)
        return date.addYears(date.year() < 50 ? 2000 : 1900);
    if (date.isValid() && date.year() >= 1900 && date.year() < 1950)
        return date.addYears(100); // QLocale reads "yy" as 19yy
    return date;
}

} // namespace

LocaleText::LocaleText(QLocale locale)
    : m_locale(std::move(locale))
    , m_money(CurrencyForm::of(m_locale, m_locale.currencySymbol()))
{
    const QString shortForm = m_locale.dateFormat(QLocale::ShortFormat);
    QString fourDigit = shortForm;
    if (!fourDigit.contains(QLatin1String("yyyy")))
        fourDigit.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    QString twoDigit = fourDigit;
    twoDigit.replace(QLatin1String("yyyy"), QLatin1String("yy"));

    m_shortForm = fourDigit;
    // The long form without its weekday: "d MMMM yyyy", "d. MMMM yyyy", "MMMM d, yyyy".
    QString longNoWeekday = m_locale.dateFormat(QLocale::LongFormat);
    longNoWeekday.remove(QRegularExpression(QStringLiteral("d{4}[,.]?\\s*")));
    m_dateForms = {fourDigit,
                   twoDigit,
                   m_locale.dateFormat(QLocale::LongFormat),
                   m_locale.dateFormat(QLocale::NarrowFormat),
                   longNoWeekday.trimmed(),
                   QStringLiteral("d MMMM yyyy"),
                   QStringLiteral("d MMM yyyy"),
                   QStringLiteral("MMMM d yyyy"),
                   QStringLiteral("MMMM d, yyyy"),
                   QStringLiteral("dddd d MMMM yyyy"),
                   QStringLiteral("dddd, d MMMM yyyy")};
    // Single-letter day and month fields also read two digits, so one form covers 3/4 and 03/04.
    for (QString& form : m_dateForms) {
        if (!form.contains(QLatin1String("ddd")))
            form.replace(QLatin1String("dd"), QLatin1String("d"));
        if (!form.contains(QLatin1String("MMM")))
            form.replace(QLatin1String("MM"), QLatin1String("M"));
    }
    m_dateForms.removeDuplicates();
}

QString LocaleText::currencySymbol() const
{
    return m_locale.currencySymbol();
}

QString LocaleText::timeSeparator() const
{
    // The first character of the short time form that is not part of a field.
    const QString form = m_locale.timeFormat(QLocale::ShortFormat);
    for (QChar c : form) {
        if (!QStringLiteral("hHmsapAP ").contains(c))
            return QString(c);
    }
    return QStringLiteral(":");
}

QString LocaleText::monthName(int month) const
{
    return m_locale.standaloneMonthName(month, QLocale::LongFormat);
}

QString LocaleText::weekdayName(int weekday) const
{
    return m_locale.standaloneDayName(weekday, QLocale::LongFormat);
}

QString LocaleText::shortWeekdayName(int weekday) const
{
    return m_locale.standaloneDayName(weekday, QLocale::ShortFormat);
}

QString LocaleText::shortDateFormat() const
{
    return m_shortForm;
}

std::optional<QDate> LocaleText::parseDate(const QString& text) const
{
    const QString t = text.simplified();
    if (t.isEmpty())
        return std::nullopt;
    const QDate iso = QDate::fromString(t, Qt::ISODate);
    if (iso.isValid())
        return iso;
    for (const QString& form : m_dateForms) {
        QDate d = m_locale.toDate(t, form);
        if (!d.isValid())
            continue;
        if (form.count(u'y') == 2)
            d = widenTwoDigitYear(d);
        return d;
    }
    return std::nullopt;
}
