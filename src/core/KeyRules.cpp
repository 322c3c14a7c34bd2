#include "core/KeyRules.h"

#include "core/LocaleText.h"

#include <QCoreApplication>

namespace KeyRules {

QString dateErrorText()
{
    return QCoreApplication::translate("KeyRules", kDateError);
}

bool isTypedKey(QChar ch)
{
    return ch == kBackspace || (!ch.isNull() && ch.category() != QChar::Other_Control);
}

bool acceptMoneyKey(QChar ch, const QString& currentText, bool allowMinus)
{
    if (ch == u'.')
        return !currentText.contains(u'.');
    if (ch == u'-')
        return allowMinus;
    // Only ASCII digits: a comma or another script's digits never reach the amount.
    return ch == kBackspace || (ch >= u'0' && ch <= u'9');
}

bool acceptLengthKey(const QString& currentText, int limit)
{
    return currentText.size() < limit;
}

QChar digitsOnlyKey(QChar ch)
{
    if (ch == kBackspace || (ch >= u'0' && ch <= u'9'))
        return ch;
    return QChar();
}

std::optional<ColourComponent> colourComponent(const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    qsizetype first = 0;
    while (first < text.size() - 1 && text.at(first) == u'0')
        ++first;
    // More than three significant digits is above 254 whatever they are; no overflow to mind.
    const int value = text.size() - first > 3 ? 1000 : text.mid(first).toInt();
    if (value > 254)
        return ColourComponent{255, true};
    return ColourComponent{value, false};
}

std::optional<QString> tidyDate(const QString& text, const LocaleText& locale)
{
    const std::optional<QDate> date = locale.parseDate(text);
    if (!date)
        return std::nullopt;
    return locale.toShortDate(*date);
}

bool takesPartInTypeAhead(int qtKey)
{
    return (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) ||
           (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || qtKey == Qt::Key_Space;
}

qsizetype firstItemStartingWith(const QString& typed, const QStringList& items)
{
    const QString wanted = typed.toLower();
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items.at(i).left(typed.size()).toLower() == wanted)
            return i;
    }
    return -1;
}

} // namespace KeyRules
