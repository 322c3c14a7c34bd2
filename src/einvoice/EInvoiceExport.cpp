#include "einvoice/EInvoiceExport.h"

#include "core/LocaleText.h"
#include "core/SafeFile.h"
#include "einvoice/EInvoiceFile.h"
#include "einvoice/InvoiceTerms.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace EInvoiceExport {

std::optional<EInvoice::Format> formatNamed(const QString& name)
{
    if (name == u"facturx")
        return EInvoice::Format::FacturX;
    if (name == u"xrechnung")
        return EInvoice::Format::XRechnung;
    if (name == u"ubl")
        return EInvoice::Format::Ubl;
    return std::nullopt;
}

QString nameOf(EInvoice::Format format)
{
    switch (format) {
    case EInvoice::Format::FacturX:
        return QStringLiteral("facturx");
    case EInvoice::Format::XRechnung:
        return QStringLiteral("xrechnung");
    case EInvoice::Format::Ubl:
        return QStringLiteral("ubl");
    case EInvoice::Format::Cii:
        break;
    }
    return {};
}

Result<QByteArray> bytes(Database& db, const InvoicePdfJob::Found& found, const QLocale& locale,
                         EInvoice::Format format, const QDateTime& now)
{
    const Result<InvoiceTerms::Source> source =
        InvoiceTerms::load(db, found.sheet, found.record, locale);
    if (!source)
        return Failure{source.error()};
    const Result<EInvoice::Invoice> invoice = InvoiceTerms::build(*source);
    if (!invoice)
        return Failure{invoice.error()};

    FacturX::Document document;
    document.title = found.layout.title;
    document.author = invoice->seller.name;
    document.creator = found.layout.creator;
    document.subject = QCoreApplication::translate("EInvoiceExport", "Invoice %1 from %2")
                           .arg(invoice->number, invoice->seller.name);
    document.created = now;
    const auto page = [&] {
        return InvoicePage::pdfBytes(found.layout, InvoicePage::PdfKind::ArchiveA1b);
    };
    return EInvoiceFile::bytes(*invoice, format, page, document);
}

Status write(Database& db, const InvoicePdfJob::Found& found, const QLocale& locale,
             EInvoice::Format format, const QDateTime& now, const QString& path)
{
    const Result<QByteArray> made = bytes(db, found, locale, format, now);
    if (!made)
        return Failure{made.error()};
    QString error;
    if (!SafeFile::write(path, *made, &error))
        return Failure{error};
    return Done{};
}

Status runJob(const InvoicePdfRequest& request, EInvoice::Format format, const LocaleText& locale)
{
    return InvoicePdfJob::withInvoice(
        request, locale, [&](Database& db, const InvoicePdfJob::Found& found) {
            return write(db, found, locale.locale(), format, QDateTime::currentDateTime(),
                         QFileInfo(request.outFile).absoluteFilePath());
        });
}

} // namespace EInvoiceExport
