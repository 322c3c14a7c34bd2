#pragma once

#include "core/Money.h"

#include <QDate>
#include <QList>
#include <QString>

// One entry of a bank statement as the bank booked it. Money in (a credit) and money out (a
// debit) are both kept, so that a reader of the statement sees every line it holds; only
// credits can pay an invoice.
struct StatementEntry {
    QDate bookedOn;
    Money amount;       // never negative; `credit` gives the direction
    bool credit = true;
    QString currency;   // ISO 4217, as the statement gives it ("EUR")
    // The bank's own reference of the entry, by which a statement read twice is known: the
    // account servicer's reference, MT940's bank reference, a mapped CSV column. Where the bank
    // gives none, one made from the entry's own fields, the same for the same entry.
    QString bankRef;
    QString remittance;   // the payer's remittance text, lines joined by single spaces
    QString counterparty; // the payer's (or payee's) name, where given
};

struct Statement {
    QString account;  // the account's IBAN or the bank's own account id
    QString currency; // the account's currency, where the statement names it
    QList<StatementEntry> entries;
};
