#include "invoices/InvoiceEntry.h"

#include <cmath>

namespace InvoiceEntry {

namespace {

const QString kNoContent = QStringLiteral(" You must add Some content");
const QString kNoValue = QStringLiteral(" You must add a value");

void addLine(QString& message, const QString& line)
{
    message += u'\n' + line;
}

} // namespace

Money ratePercent(double percent)
{
    // Rates are typed with a decimal or two (17.5, 12.125); four places hold them exactly.
    return Money::fromUnits(std::llround(percent * double(Money::kScale)));
}

Amounts recalculate(const QString& valueText, bool addVat, Money rate)
{
    Amounts a;
    const std::optional<Money> value = Money::parse(valueText);
    a.value = value ? valueText : QStringLiteral("0");
    const Money net = value.value_or(Money());
    const Money vat = addVat && value ? net.percentOf(rate) : Money();
    a.vat = vat.toPlainString();
    a.total = (net + vat).roundedToCents().toPlainString();
    return a;
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
        addLine(message, kNoContent);
    if (value.isEmpty())
        addLine(message, kNoValue);
    return message;
}

QString saveProblems(const QString& clientIdText, const QString& invoiceIdText,
                     const QString& content, const QString& value)
{
    QString message;
    if (!isWholeNumber(clientIdText))
        addLine(message, QStringLiteral(" Please Select a Client"));
    if (!isWholeNumber(invoiceIdText))
        addLine(message, QStringLiteral("There is an Invoice Number Error"));
    return message + makeInvoiceProblems(content, value);
}

} // namespace InvoiceEntry
