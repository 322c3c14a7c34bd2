#include "core/LocaleText.h"

#include <QCalendar>
#include <QRegularExpression>

namespace {

// No form of a date in any locale comes near this; longer text is not read at all.
constexpr qsizetype kLongestDate = 64;

// QLocale reads a "yy" field as 19yy, and would refuse 29 February of "00" because 1900 had no
// leap day. Read in the Julian calendar instead, whose leap years are every fourth year: for
// 19yy that is exactly the Gregorian rule for the years of the 1950..2049 window, so every day
// the window has is accepted and no other. The day, month and two-digit year are then placed in
// the window.
std::optional<QDate> readTwoDigitYear(const QLocale& locale, const QString& text,
                                      const QString& form)
{
    const QCalendar julian(QCalendar::System::Julian);
    const QDate read = locale.toDate(text, form, julian);
    if (!read.isValid())
        return std::nullopt;
    const int yy = read.year(julian) - 1900;
    if (yy < 0 || yy > 99)
        return std::nullopt;
    const QDate date(yy < 50 ? 2000 + yy : 1900 + yy, read.month(julian), read.day(julian));
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
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
    if (t.isEmpty() || t.size() > kLongestDate)
        return std::nullopt;
    const QDate iso = QDate::fromString(t, Qt::ISODate);
    if (iso.isValid())
        return iso;
    for (const QString& form : m_dateForms) {
        if (form.count(u'y') == 2) {
            if (const std::optional<QDate> d = readTwoDigitYear(m_locale, t, form))
                return d;
            continue;
        }
        const QDate d = m_locale.toDate(t, form);
        if (d.isValid())
            return d;
    }
    return std::nullopt;
}
