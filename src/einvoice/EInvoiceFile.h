#pragma once

#include "core/Result.h"
#include "einvoice/EInvoice.h"
#include "einvoice/FacturX.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>
#include <functional>
#include <optional>

// An invoice as the bytes of an e-invoice file in one of the formats Billcraft writes, and what
// the save dialog needs to offer them.
class EInvoiceFile {
    Q_DECLARE_TR_FUNCTIONS(EInvoiceFile)

public:
    // The file's bytes: the invoice checked (EInvoiceRules), written in the format's syntax and,
    // for Factur-X, embedded in the printed page as PDF/A that `page` draws, described by
    // `document`. The page is drawn only once the checks pass, so a missing term costs no PDF.
    // A Failure carries one line for the user: the first missing term, or why the PDF could not
    // be made. `page` and `document` are used for Factur-X only.
    using PageDrawer = std::function<Result<QByteArray>()>;
    static Result<QByteArray> bytes(const EInvoice::Invoice& invoice, EInvoice::Format format,
                                    const PageDrawer& page, const FacturX::Document& document);

    // The file name suffix without its dot: "pdf" or "xml".
    static QString suffix(EInvoice::Format format);
    // The save dialog's filter of a format: "Factur-X PDF (*.pdf)", translated.
    static QString filter(EInvoice::Format format);
    // The filters of every format Billcraft writes, Factur-X first, as the dialog lists them.
    static QStringList filters();
    // The format whose filter() the dialog returned, or nullopt for any other text.
    static std::optional<EInvoice::Format> formatOfFilter(const QString& filter);
};
