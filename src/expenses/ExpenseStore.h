#pragma once

#include "core/GridData.h"
#include "core/Money.h"
#include "core/Result.h"

#include <QDate>
#include <QString>
#include <QVariant>
#include <optional>

class Database;
class LocaleText;

// What the Add Expense window writes. Texts are stored without their single quotes; the client
// reference is cut to its first 249 characters.
struct ExpenseFields {
    QDate date;
    QString clientRef;
    QString description;
    double mileage = 0; // miles
    Money value;
    Money vat;
};

// The columns of the expense list that a cell edit can change, known by their headers. The key
// is listed so that an edit of it can be refused.
enum class ExpenseColumn { ExpenseId, Date, ClientRef, Description, Mileage, Value, Vat };

// TblExpenses: the current identity's expenses and mileage, listed whole for the Expenses tab or
// for a period of the VAT return, added, changed one cell at a time and deleted.
class ExpenseStore {
public:
    static constexpr int kClientRefLength = 249;

    // Columns of list(): ExpenseID, Date, ClientRef, Description, Mileage, Value, VAT.
    enum ListColumn { ColExpenseId, ColDate, ColClientRef, ColDescription, ColMileage };

    explicit ExpenseStore(Database& db)
        : m_db(db)
    {}

    // The identity's expenses by date, as the Expenses tab lists them.
    Result<GridData> list(const GridContext& context, int identity) const;
    // The identity's expenses dated from `first` to `last`, both days included: ExpenseID, Date,
    // Description, Mileage, Value, VAT.
    Result<GridData> inPeriod(const GridContext& context, int identity, QDate first,
                              QDate last) const;

    // The new row's ExpenseID.
    Result<qint64> add(const ExpenseFields& fields, int identity);
    // Stores a value read by readCell into one column of one expense. False when there is no
    // such expense (deleted meanwhile); the key column is never changed.
    Result<bool> update(qint64 expenseId, ExpenseColumn column, const QVariant& stored);
    // False when there was no such expense.
    Result<bool> remove(qint64 expenseId);

    // The column a header of the expense list names ("Mileage" is stored as Milage).
    static std::optional<ExpenseColumn> columnNamed(const QString& header);
    // What text typed into a cell of `column` stores: a day serial for a date in any form the
    // locale reads, ten-thousandths for an amount with or without the currency symbol, miles for
    // a plain number, the text without single quotes for a text column. nullopt when the column
    // cannot hold it (the key column never can); an empty Value or Date is refused too, while an
    // empty Mileage or VAT is 0.
    static std::optional<QVariant> readCell(ExpenseColumn column, const QString& typed,
                                            const LocaleText& locale);

    // An amount as typed or shown: "12.50" in every locale, "£1,250.00" or "1.250,00 €" in the
    // locale's own form, "-3", the symbol anywhere. nullopt for anything else, "1e9" and "1.2.3"
    // included.
    static std::optional<Money> readAmount(const QString& typed, const LocaleText& locale);
    // A date as the program takes one: in a form the locale reads, in the years 100 to 9999.
    static std::optional<QDate> readDate(const QString& typed, const LocaleText& locale);
    // Miles x rate per mile, rounded half to even to whole pence; nullopt past the largest amount.
    static std::optional<Money> mileageValue(Money miles, Money rate);

private:
    Database& m_db;
};
