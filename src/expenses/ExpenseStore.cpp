#include "expenses/ExpenseStore.h"

#include "core/Database.h"
#include "core/DaySerial.h"
#include "core/LocaleText.h"
#include "core/StoredText.h"

#include <QSqlQuery>

namespace {

// Both lists are read on the index of (Identity, Date); ExpenseID keeps rows of one day in the
// order they were added.
const QString kList = QStringLiteral(
    "SELECT ExpenseID, \"Date\", ClientRef, Description, Milage AS Mileage, \"Value\", VAT "
    "FROM TblExpenses WHERE Identity = ? ORDER BY \"Date\", ExpenseID");
// The last day is included whatever time of day a date carries: the period ends before the
// next day begins. The mileage is named as in the expense list, so it is never totalled as
// money.
const QString kPeriod = QStringLiteral(
    "SELECT ExpenseID, \"Date\", Description, Milage AS Mileage, \"Value\", VAT FROM TblExpenses "
    "WHERE Identity = ? AND \"Date\" >= ? AND \"Date\" < ? ORDER BY \"Date\", ExpenseID");

constexpr int kClientRefTwips = 1500;

Result<GridData> load(Database& db, const GridContext& context, const QString& sql,
                      const QVariantList& values, const GridShape& shape)
{
    return db.query(sql, values,
                    [&](QSqlQuery& q) { return GridData::fromQuery(q, context, shape); });
}

// The stored name of each column, in the order of ExpenseColumn.
const char* const kStoredNames[] = {"ExpenseID", "\"Date\"",  "ClientRef", "Description",
                                    "Milage",    "\"Value\"", "VAT"};

// A distance in miles, read as amounts are; never negative.
std::optional<double> readMiles(const QString& typed, const LocaleText& locale)
{
    const std::optional<Money> miles = Money::parseInLocale(typed.trimmed(), locale.locale());
    if (!miles || miles->units() < 0)
        return std::nullopt;
    return double(miles->units()) / double(Money::kScale);
}

} // namespace

Result<GridData> ExpenseStore::list(const GridContext& context, int identity) const
{
    using K = GridColumn::Kind;
    static const GridShape shape{{{K::Key},
                                  {K::Date},
                                  {K::Text, kClientRefTwips},
                                  {K::Text},
                                  {K::Number},
                                  {K::Money},
                                  {K::Money}},
                                 std::nullopt};
    return load(m_db, context, kList, {identity}, shape);
}

Result<GridData> ExpenseStore::inPeriod(const GridContext& context, int identity, QDate first,
                                        QDate last) const
{
    using K = GridColumn::Kind;
    static const GridShape shape{
        {{K::Key}, {K::Date}, {K::Text}, {K::Number}, {K::Money}, {K::Money}}, std::nullopt};
    return load(m_db, context, kPeriod,
                {identity, DaySerial::fromDate(first), DaySerial::fromDate(last) + 1}, shape);
}

// Expense changes are announced to no list: the windows that show expenses refresh them.
Result<qint64> ExpenseStore::add(const ExpenseFields& f, int identity)
{
    return m_db.insert(
        {},
        QStringLiteral("INSERT INTO TblExpenses(\"Date\", ClientRef, Description, "
                       "Milage, \"Value\", VAT, Identity) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?)"),
        {DaySerial::fromDate(f.date), withoutSingleQuotes(f.clientRef).left(kClientRefLength),
         withoutSingleQuotes(f.description), f.mileage, f.value.units(), f.vat.units(), identity});
}

Result<bool> ExpenseStore::update(qint64 expenseId, ExpenseColumn column, const QVariant& stored)
{
    if (column == ExpenseColumn::ExpenseId)
        return false;
    const Result<qint64> changed =
        m_db.change({},
                    QStringLiteral("UPDATE TblExpenses SET %1 = ? WHERE ExpenseID = ?")
                        .arg(QLatin1String(kStoredNames[int(column)])),
                    {stored, expenseId});
    if (!changed)
        return Failure{changed.error()};
    return *changed > 0;
}

Result<bool> ExpenseStore::remove(qint64 expenseId)
{
    const Result<qint64> removed =
        m_db.change({}, QStringLiteral("DELETE FROM TblExpenses WHERE ExpenseID = ?"), {expenseId});
    if (!removed)
        return Failure{removed.error()};
    return *removed > 0;
}

std::optional<ExpenseColumn> ExpenseStore::columnNamed(const QString& header)
{
    // The list's field names; the grid shows them translated.
    static const QStringList headers = {
        QStringLiteral(QT_TRANSLATE_NOOP("GridHeading", "ExpenseID")),
        QStringLiteral(QT_TRANSLATE_NOOP("GridHeading", "Date")),
        QStringLiteral(QT_TRANSLATE_NOOP("GridHeading", "ClientRef")),
        QStringLiteral(QT_TRANSLATE_NOOP("GridHeading", "Description")),
        QStringLiteral(QT_TRANSLATE_NOOP("GridHeading", "Mileage")),
        QStringLiteral(QT_TRANSLATE_NOOP("GridHeading", "Value")),
        QStringLiteral(QT_TRANSLATE_NOOP("GridHeading", "VAT"))};
    const qsizetype i = headers.indexOf(header);
    return i < 0 ? std::nullopt : std::optional(ExpenseColumn(i));
}

std::optional<QVariant> ExpenseStore::readCell(ExpenseColumn column, const QString& typed,
                                               const LocaleText& locale)
{
    switch (column) {
    case ExpenseColumn::ExpenseId:
        return std::nullopt;
    case ExpenseColumn::Date: {
        const std::optional<QDate> date = readDate(typed, locale);
        return date ? std::optional<QVariant>(DaySerial::fromDate(*date)) : std::nullopt;
    }
    case ExpenseColumn::ClientRef:
        return QVariant(withoutSingleQuotes(typed).left(kClientRefLength));
    case ExpenseColumn::Description:
        return QVariant(withoutSingleQuotes(typed));
    case ExpenseColumn::Mileage: {
        if (typed.trimmed().isEmpty())
            return QVariant(0.0);
        const std::optional<double> miles = readMiles(typed, locale);
        return miles ? std::optional<QVariant>(*miles) : std::nullopt;
    }
    case ExpenseColumn::Value:
    case ExpenseColumn::Vat: {
        if (typed.trimmed().isEmpty())
            return column == ExpenseColumn::Vat ? std::optional<QVariant>(qint64(0)) : std::nullopt;
        const std::optional<Money> amount = readAmount(typed, locale);
        return amount ? std::optional<QVariant>(amount->units()) : std::nullopt;
    }
    }
    return std::nullopt;
}

std::optional<Money> ExpenseStore::readAmount(const QString& typed, const LocaleText& locale)
{
    QString s = typed;
    const QString symbol = locale.currencySymbol();
    if (!symbol.isEmpty())
        s.remove(symbol);
    s.removeIf([](QChar c) { return c.isSpace(); });
    return Money::parseInLocale(s, locale.locale());
}

std::optional<QDate> ExpenseStore::readDate(const QString& typed, const LocaleText& locale)
{
    const std::optional<QDate> date = locale.parseDate(typed);
    if (!date || date->year() < 100 || date->year() > 9999)
        return std::nullopt;
    return date;
}

std::optional<Money> ExpenseStore::mileageValue(Money miles, Money rate)
{
    // miles x rate is miles x (100 x rate) percent.
    qint64 percent;
    if (__builtin_mul_overflow(rate.units(), qint64(100), &percent))
        return std::nullopt;
    return miles.percentOf(Money::fromUnits(percent));
}
