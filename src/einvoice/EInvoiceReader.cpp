#include "einvoice/EInvoiceReader.h"

#include "einvoice/EInvoiceReaderParts.h"
#include "einvoice/FacturX.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

using EInvoice::Format;

// XRechnung names itself in the guideline identifier (BT-24):
// "urn:cen.eu:en16931:2017#compliant#urn:xeinkauf.de:kosit:xrechnung_3.0".
bool isXRechnung(const QString& guidelineId)
{
    return guidelineId.contains(QLatin1String("xrechnung"), Qt::CaseInsensitive);
}

// Plain text with two decimals, "1436.50", "-25.00": what scripts read.
QString twoPlaces(Money amount)
{
    const qint64 cents = amount.roundedToCents().units() / (Money::kScale / 100);
    const qint64 whole = cents / 100;
    const qint64 part = cents % 100;
    const QString sign = cents < 0 ? QStringLiteral("-") : QString();
    return sign + QString::number(whole < 0 ? -whole : whole) + u'.' +
           QStringLiteral("%1").arg(part < 0 ? -part : part, 2, 10, QLatin1Char('0'));
}

Result<EInvoice::Read> readXml(const QByteArray& xml, bool fromPdf)
{
    const Result<ReceivedXml::Document> document = ReceivedXml::parse(xml);
    if (!document)
        return Failure{document.error()};
    using ReceivedXml::Syntax;
    const Syntax syntax = document->syntax;
    const Result<EInvoice::Invoice> invoice =
        syntax == Syntax::Cii
            ? ReceivedXml::readCii(document->root)
            : ReceivedXml::readUbl(document->root, syntax == Syntax::UblCreditNote);
    if (!invoice)
        return Failure{invoice.error()};
    Format format = Format::Ubl;
    if (syntax == Syntax::Cii)
        format = fromPdf                             ? Format::FacturX
                 : isXRechnung(invoice->guidelineId) ? Format::XRechnung
                                                     : Format::Cii;
    return EInvoice::Read{*invoice, format};
}

} // namespace

Result<EInvoice::Read> EInvoiceReader::read(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return Failure{tr("The file is empty, so it is no e-invoice.")};
    if (bytes.startsWith("%PDF-")) {
        const Result<QByteArray> xml = FacturX::embeddedXml(bytes);
        if (!xml)
            return Failure{xml.error()};
        return readXml(*xml, true);
    }
    return readXml(bytes, false);
}

Result<EInvoice::Read> EInvoiceReader::readFile(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{tr("%1 could not be read: %2").arg(name, file.errorString())};
    // Asked of the open file, so a pipe or a device is refused too rather than read forever.
    if (file.isSequential() || file.size() > kMaxFileBytes)
        return Failure{tr("%1 is larger than %L2 MB, more than an e-invoice can be.")
                           .arg(name)
                           .arg(kMaxFileBytes / (1024 * 1024))};
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (bytes.size() > kMaxFileBytes) // grew while it was read
        return Failure{tr("%1 is larger than %L2 MB, more than an e-invoice can be.")
                           .arg(name)
                           .arg(kMaxFileBytes / (1024 * 1024))};
    if (file.error() != QFileDevice::NoError)
        return Failure{tr("%1 could not be read: %2").arg(name, file.errorString())};
    return read(bytes);
}

QStringList EInvoiceReader::summaryLines(const EInvoice::Read& read)
{
    const EInvoice::Invoice& i = read.invoice;
    return {i.seller.name.simplified(), i.number.simplified(), i.issueDate.toString(Qt::ISODate),
            twoPlaces(i.taxBasis),      twoPlaces(i.taxTotal), twoPlaces(i.grandTotal)};
}

bool EInvoiceReader::isCreditNote(int typeCode)
{
    static constexpr int kCodes[] = {81, 83, 261, 262, 296, 308, 381, 396, 420, 458, 532};
    return std::find(std::begin(kCodes), std::end(kCodes), typeCode) != std::end(kCodes);
}

QString EInvoiceReader::formatName(EInvoice::Format format)
{
    switch (format) {
    case Format::FacturX:
        return tr("Factur-X / ZUGFeRD (PDF with CII)");
    case Format::XRechnung:
        return tr("XRechnung (CII)");
    case Format::Ubl:
        return tr("UBL 2.1");
    case Format::Cii:
        break;
    }
    return tr("CII (UN/CEFACT Cross Industry Invoice)");
}
