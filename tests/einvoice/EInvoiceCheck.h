#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The official EN 16931 rules run on a written e-invoice: the CII schema (xmllint) and the rules
// (SaxonJS). Every e-invoice test asks this rather than trusting our own reading of the rules.
namespace EInvoiceCheck {

struct Verdict {
    bool ran = false; // false: the rules could not run; `output` says why
    int fatal = 0;    // the number of fatal rules that failed
    QString output;   // each failed rule ("fatal BR-CO-15"), then "N fatal, M warning"
};

// Why the rules cannot run here, or empty when they can. A test skips with this text.
QString unavailable();

// The verdict on the XML file at `path`, or on XML held in memory.
Verdict validate(const QString& path);
Verdict validateXml(const QByteArray& xml);
// The verdicts on many documents, in their order: one schema run for the CII ones and one
// SaxonJS process that loads each syntax's rules once (a load costs a second or two).
QList<Verdict> validateXmls(const QList<QByteArray>& xmls);

} // namespace EInvoiceCheck

// Skips the current test when the rules cannot run, saying why.
#define EINVOICE_REQUIRE_RULES()                                                                   \
    do {                                                                                           \
        if (const QString why = EInvoiceCheck::unavailable(); !why.isEmpty())                      \
            QSKIP(qPrintable(why));                                                                \
    } while (false)
