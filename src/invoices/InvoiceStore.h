#pragma once

#include "core/Money.h"
#include "core/Result.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

class Database;

// What the entry tab writes into an invoice row.
struct InvoiceFields {
    int clientId = 0;
    QString content; // as typed: single quotes are taken out when it is stored
    Money value;     // net
    Money vat;
    Money total;
};

// An invoice row as the entry tab loads it for editing.
struct StoredInvoice {
    int invoiceId = 0;
    int clientId = 0;
    int identity = 0;
    QString invoiceNumber;
    QString content;
    Money value;
    Money vat;
    Money total;
};

// What create() did. Nothing is written unless an invoice was created.
struct Creation {
    enum class Outcome {
        Created,              // numbered as the identity's numbering says
        CreatedAfterAnother,  // a starting number was given, but meanwhile another window had
                              // started the identity's numbering: the invoice follows that one
        StartingNumberNeeded, // nothing written: ask the user, then call create() again
    };
    Outcome outcome = Outcome::StartingNumberNeeded;
    int invoiceId = 0;
    QString number;

    bool created() const { return outcome != Outcome::StartingNumberNeeded; }
};

// The rows of TblInvoices: numbering, creating, editing and reading one invoice.
class InvoiceStore {
    Q_DECLARE_TR_FUNCTIONS(InvoiceStore)
public:
    explicit InvoiceStore(Database& db)
        : m_db(db)
    {}

    // --- Numbering -------------------------------------------------------------------------
    // Invoice numbers are digit strings that start with a zero: 0124. They run per identity,
    // following the identity's most recently created row rather than its highest number. An
    // identity without rows continues from the row whose InvoiceID is 1, whoever owns it; only
    // when that is missing too must the user give a starting number.
    //
    // Numbers are carried in 64 bits. A text counts as a number when it is ASCII digits only
    // (surrounding blanks aside) and fits in 64 bits: no sign, point, exponent or grouping.

    // The number that follows `previous`, without its leading zeros and then with one: 0123
    // gives 0124, 9 gives 010, 00100 gives 0101. nullopt when `previous` is not a number, or is
    // the highest one.
    static std::optional<QString> numberAfter(const QString& previous);
    // The first number of an identity from the user's answer: "0" followed by the answer, so 100
    // gives 0100 and 0100 keeps its zeros as 00100. nullopt when the answer is not a number.
    static std::optional<QString> startingNumber(const QString& answer);

    // InvoiceNumber of the identity's latest row, or of the row with InvoiceID 1 when the
    // identity has none; nullopt when there is no such row. A Null number reads as empty.
    Result<std::optional<QString>> previousNumber(int identity) const;
    // The identity's next invoice number, or nullopt when a starting number has to be asked
    // for: no previous row, or one whose number cannot be continued.
    Result<std::optional<QString>> nextNumber(int identity) const;

    // --- One invoice -----------------------------------------------------------------------
    // Takes the identity's next number and adds an unpaid invoice with it, dated `date` (a
    // whole day serial, no time of day), in one transaction that holds the write lock from the
    // first read to the commit: two windows or processes on one database never take the same
    // number. `start` (a number formed by startingNumber()) is used only when the identity
    // still needs one at that moment; without it such an identity gets StartingNumberNeeded.
    Result<Creation> create(const InvoiceFields& fields, QDate date, int identity,
                            const std::optional<QString>& start = std::nullopt);
    // Changes client, content and amounts of an invoice; its number, date, identity and
    // payment state stay as they are.
    Status update(int invoiceId, const InvoiceFields& fields);
    // nullopt when there is no such invoice (another window may have deleted it).
    Result<std::optional<StoredInvoice>> load(int invoiceId) const;

    // How often create() tries when another seat's transaction conflicts with its own, and
    // the server's codes (SQLSTATE) of those conflicts: a number taken twice (the unique index
    // of Identity and InvoiceNumber), a serialization failure, a deadlock.
    static constexpr int kConflictAttempts = 5;
    static inline const QStringList kConflictCodes = {
        QStringLiteral("23505"), QStringLiteral("40001"), QStringLiteral("40P01")};

private:
    Result<Creation> createOnce(const InvoiceFields& fields, QDate date, int identity,
                                const std::optional<QString>& start);
    Result<int> insert(const InvoiceFields& fields, const QString& number, QDate date,
                       int identity);

    Database& m_db;
};
