#include "einvoice/EInvoiceFile.h"

#include "einvoice/CiiWriter.h"
#include "einvoice/EInvoiceRules.h"
#include "einvoice/UblWriter.h"

using EInvoice::Format;

namespace {

// The formats Billcraft writes, in the order the save dialog offers them.
constexpr Format kWritten[] = {Format::FacturX, Format::XRechnung, Format::Ubl};

} // namespace

Result<QByteArray> EInvoiceFile::bytes(const EInvoice::Invoice& invoice, Format format,
                                       const PageDrawer& page, const FacturX::Document& document)
{
    if (format == Format::Cii)
        return Failure{tr("Billcraft does not write this kind of e-invoice.")};
    if (const Status checked = EInvoiceRules::status(invoice, format); !checked)
        return Failure{checked.error()};
    QByteArray xml;
    if (format == Format::Ubl)
        xml = UblWriter::write(invoice);
    else
        xml = CiiWriter::write(invoice, format == Format::XRechnung
                                            ? CiiWriter::Profile::XRechnung
                                            : CiiWriter::Profile::FacturXEn16931);
    if (xml.isEmpty())
        return Failure{tr("The e-invoice could not be written.")};
    if (format != Format::FacturX)
        return xml;
    const Result<QByteArray> pdf = page();
    if (!pdf)
        return Failure{pdf.error()};
    return FacturX::make(*pdf, xml, document);
}

QString EInvoiceFile::suffix(Format format)
{
    return format == Format::FacturX ? QStringLiteral("pdf") : QStringLiteral("xml");
}

QString EInvoiceFile::filter(Format format)
{
    switch (format) {
    case Format::FacturX:
        return tr("Factur-X PDF (*.pdf)");
    case Format::XRechnung:
        return tr("XRechnung XML (*.xml)");
    case Format::Ubl:
        return tr("UBL XML (*.xml)");
    case Format::Cii:
        break;
    }
    return {};
}

QStringList EInvoiceFile::filters()
{
    QStringList all;
    for (const Format format : kWritten)
        all.append(filter(format));
    return all;
}

std::optional<Format> EInvoiceFile::formatOfFilter(const QString& text)
{
    for (const Format format : kWritten) {
        if (filter(format) == text)
            return format;
    }
    return std::nullopt;
}
