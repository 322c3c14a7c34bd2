#pragma once

#include "core/Result.h"
#include "einvoice/EInvoice.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

// The rules of EN 16931 (and, for XRechnung and Peppol's UBL, of their national and network
// rules) that depend on what the user entered, checked before anything is written, so that a
// missing term is named in words with the place to enter it rather than found by the receiver.
// The writers write nothing for an invoice that fails them.
class EInvoiceRules {
    Q_DECLARE_TR_FUNCTIONS(EInvoiceRules)

public:
    struct Missing {
        QString rule;    // the standard's rule: "BR-CO-26", "BR-DE-15"
        QString message; // one line for the user
    };

    // Every problem of `invoice` written as `format`, each message once, in the order the user
    // is best served by (seller, buyer, invoice, amounts); empty when it may be written.
    static QList<Missing> check(const EInvoice::Invoice& invoice, EInvoice::Format format);
    // The first problem as a Failure, or Done.
    static Status status(const EInvoice::Invoice& invoice, EInvoice::Format format);

private:
    // A fault of the model builder's (amounts, categories): named by the rule it breaks.
    static Missing fault(const QString& rule);
    static void seller(const EInvoice::Invoice& invoice, EInvoice::Format format,
                       QList<Missing>& out);
    static void buyer(const EInvoice::Invoice& invoice, EInvoice::Format format,
                      QList<Missing>& out);
    static void document(const EInvoice::Invoice& invoice, QList<Missing>& out);
    static void categories(const EInvoice::Invoice& invoice, QList<Missing>& out);
    static void amounts(const EInvoice::Invoice& invoice, QList<Missing>& out);
};
