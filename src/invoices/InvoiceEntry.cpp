#include "invoices/InvoiceEntry.h"

#include <QCoreApplication>
#include <cmath>

namespace InvoiceEntry {

namespace {

constexpr const char* kNoContent = QT_TRANSLATE_NOOP("InvoiceEntry", " You must add Some content");
constexpr const char* kNoValue = QT_TRANSLATE_NOOP("InvoiceEntry", " You must add a value");

QString translated(const char* text)
{
    return QCoreApplication::translate("InvoiceEntry", text);
}

void addLine(QString& message, const QString& line)
{
    message += u'\n' + line;
}

} // namespace

std::optional<Money> ratePercent(double percent)
{
    // Rates are typed with a decimal or two (17.5, 12.125); four places hold them exactly. The
    // range check comes first: converting a NaN, an infinity or a value past 2^63 to an integer
    // is undefined.
    const double units = std::round(percent * double(Money::kScale));
    if (!std::isfinite(units) || std::abs(units) >= 0x1p63)
        return std::nullopt;
    return Money::fromUnits(qint64(units));
}

Amounts recalculate(const QString& valueText, bool addVat, std::optional<Money> rate)
{
    const QString zero = QStringLiteral("0");
    const std::optional<Money> value = Money::parse(valueText);
    if (!value)
        return {zero, zero, zero};
    std::optional<Money> vat = Money();
    if (addVat)
        vat = rate ? value->percentOf(*rate) : std::nullopt;
    const std::optional<Money> total = vat ? value->plus(*vat) : std::nullopt;
    if (!total)
        return {zero, zero, zero};
    return {valueText, vat->toPlainString(), total->roundedToCents().toPlainString()};
}

bool isWholeNumber(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

QString makeInvoiceProblems(const QString& content, const QString& value)
{
    QString message;
    if (content.isEmpty())
        addLine(message, translated(kNoContent));
    if (value.isEmpty())
        addLine(message, translated(kNoValue));
    return message;
}

QString saveProblems(const QString& clientIdText, const QString& invoiceIdText,
                     const QString& content, const QString& value)
{
    QString message;
    if (!isWholeNumber(clientIdText))
        addLine(message, QCoreApplication::translate("InvoiceEntry", " Please Select a Client"));
    if (!isWholeNumber(invoiceIdText))
        addLine(message,
                QCoreApplication::translate("InvoiceEntry", "There is an Invoice Number Error"));
    return message + makeInvoiceProblems(content, value);
}

} // namespace InvoiceEntry
