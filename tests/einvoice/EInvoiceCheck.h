#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The official EN 16931 rules run on a written e-invoice, through the validate script kept with
// them. Every e-invoice test asks this rather than trusting our own reading of the rules.
namespace EInvoiceCheck {

struct Verdict {
    bool ran = false; // false: the rules or SaxonJS are missing; `output` says which
    int fatal = 0;    // the number of fatal rules that failed
    QString output;   // the script's lines: each failed rule, then "N fatal, M warning"
};

// Why the rules cannot run here, or empty when they can. A test skips with this text.
QString unavailable();

// Runs the schema (CII) and the rules on the XML file at `path`.
Verdict validate(const QString& path);
// The same for XML held in memory (written to a temporary file first).
Verdict validateXml(const QByteArray& xml);
// The same checks as validate() for many documents at once: one schema run for the CII ones
// and one SaxonJS process that loads each syntax's rules once (a run of the script costs a
// second or two of a processor, mostly loading them). The verdicts in the order of `xmls`.
QList<Verdict> validateXmls(const QList<QByteArray>& xmls);

} // namespace EInvoiceCheck

// Skips the current test when the rules cannot run, saying why.
#define EINVOICE_REQUIRE_RULES()                                                                   \
    do {                                                                                           \
        if (const QString why = EInvoiceCheck::unavailable(); !why.isEmpty())                      \
            QSKIP(qPrintable(why));                                                                \
    } while (false)
