#pragma once

#include "banking/Statement.h"
#include "core/Money.h"
#include "core/Result.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QSet>
#include <QString>

class Database;

// Matching the credits of a bank statement to an identity's unpaid invoices, and marking the
// accepted ones paid.
//
// A credit is matched surely when its remittance text names unpaid invoices of the identity (a
// whole token equal to the stored number: "INV-0100," names 0100, "10100" does not) and its
// amount equals the total of one of them, or of all of them together (one transfer paying two
// invoices). It is matched likely when no number decides and its amount equals the total of
// exactly one unpaid invoice. A credit that names an invoice with another amount is not matched
// by amount instead: the payer said what it pays (a partial payment, most often).
// Bad debts are unpaid invoices here too: money that arrives after all pays them.
namespace StatementMatch {

struct UnpaidInvoice {
    int invoiceId = 0;
    QString number;
    Money total;
    QString client;
};

// What a statement is matched against, read once.
struct Books {
    QList<UnpaidInvoice> unpaid;
    QSet<QString> doneRefs; // bank references already remembered for the identity
    // ISO 4217 code of the books' money; empty when the locale has none, and then the
    // statement's own currency is taken for it.
    QString currency;
};

// The identity's unpaid invoices (bad debts included) with their clients' names, and the bank
// references it has remembered.
Result<Books> readBooks(Database& db, int identity, const QString& currency);

enum class Proposal { Sure, Likely, None, NotPayment, DoneBefore };

struct Match {
    Proposal proposal = Proposal::None;
    QList<int> invoices; // positions in Books::unpaid: one, or several a credit pays together
    QString reason;      // why there is no proposal, for the user; empty otherwise
};

// One match for each entry of `statement`, in its order. No invoice is proposed for two
// credits: numbers decide first, amounts then share out what is left.
QList<Match> match(const Statement& statement, const Books& books);

// A proposal as a script reads it: "sure", "likely", "none", "debit", "done".
QString proposalWord(Proposal proposal);
// One line for an entry: "sure 0100+0101 117.50 2026-11-30 REF-A1", "none - 117.50 ...".
QString line(const StatementEntry& entry, const Match& match, const Books& books);

// A credit the user accepted: the entry and the invoices it pays.
struct Accepted {
    StatementEntry entry;
    QList<UnpaidInvoice> invoices;
};

struct Applied {
    int entries = 0;
    int invoices = 0;
};

// Marks each accepted credit's invoices paid on its booking date and remembers its bank
// reference (matched on `today`), all in one transaction. An invoice paid meanwhile (at another
// seat, say) or a reference remembered meanwhile fails the whole apply, naming it, and nothing
// is changed: the statement is then matched afresh.
Result<Applied> apply(Database& db, int identity, const QList<Accepted>& accepted, QDate today);

} // namespace StatementMatch
