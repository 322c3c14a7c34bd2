// The copy of the five tables from a Jet source into a Billcraft database.
#include "core/Database.h"
#include "legacy/JetImport.h"
#include "legacy/JetSource.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSqlQuery>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

namespace {

// How a column is kept in Billcraft's tables.
enum class Store {
    Key,     // the table's AutoNumber key: required, kept as the same number
    Integer, // ids and counts
    Real,    // plain numbers: font size, VAT rate, miles
    Text,
    Money, // INTEGER ten-thousandths
    Date,  // REAL day serial
    YesNo, // INTEGER -1/0, Null allowed
    Flag,  // INTEGER -1/0, never Null (Paid, BadDebt)
};

struct Target {
    const char* name;
    Store store;
};

struct TargetTable {
    const char* name;
    std::vector<Target> columns;
};

const std::vector<TargetTable>& targets()
{
    static const std::vector<TargetTable> tables = {
        {"TblUserData",
         {{"Identity", Store::Key},
          {"TextLogo", Store::Text},
          {"Logo", Store::Text},
          {"LogoFont", Store::Text},
          {"FontColour", Store::Integer},
          {"FontSize", Store::Real},
          {"FontStyle", Store::Text},
          {"PageHeader", Store::Text},
          {"DividerLine", Store::YesNo},
          {"VatReg", Store::YesNo},
          {"VatRate", Store::Real},
          {"InvoiceCaption", Store::Text},
          {"PageFooter", Store::Text}}},
        {"TblClients",
         {{"ClientID", Store::Key},
          {"Salutation", Store::Text},
          {"FirstName", Store::Text},
          {"LastName", Store::Text},
          {"Company", Store::Text},
          {"Address1", Store::Text},
          {"Address2", Store::Text},
          {"Address3", Store::Text},
          {"Town", Store::Text},
          {"County", Store::Text},
          {"PostCode", Store::Text},
          {"Country", Store::Text},
          {"Telephone", Store::Text},
          {"Fax", Store::Text},
          {"Email", Store::Text},
          {"Mobile", Store::Text},
          {"Notes", Store::Text},
          {"Identity", Store::Integer}}},
        {"TblInvoices",
         {{"InvoiceID", Store::Key},
          {"ClientID", Store::Integer},
          {"InvoiceNumber", Store::Text},
          {"Content", Store::Text},
          {"Value", Store::Money},
          {"VAT", Store::Money},
          {"Total", Store::Money},
          {"Date", Store::Date},
          {"Paid", Store::Flag},
          {"DatePaid", Store::Date},
          {"BadDebt", Store::Flag},
          {"Identity", Store::Integer}}},
        {"TblExpenses",
         {{"ExpenseID", Store::Key},
          {"Date", Store::Date},
          {"ClientRef", Store::Text},
          {"Description", Store::Text},
          {"Milage", Store::Real},
          {"Value", Store::Money},
          {"VAT", Store::Money},
          {"Identity", Store::Integer}}},
        {"TblAppointments",
         {{"AppointId", Store::Key},
          {"ADate", Store::Date},
          {"Appoint", Store::Text},
          {"ATime", Store::Date},
          {"Alert", Store::YesNo},
          {"Identity", Store::Integer}}},
    };
    return tables;
}

bool isWholeNumberKind(JetKind kind)
{
    return kind == JetKind::Byte || kind == JetKind::Integer || kind == JetKind::Long ||
           kind == JetKind::YesNo;
}

bool isFloatKind(JetKind kind)
{
    return kind == JetKind::Single || kind == JetKind::Double || kind == JetKind::DateTime;
}

// Plain decimal text of a binary number as typed: a Single holds about 7 significant digits
// (12.99 is stored as 12.9899997...), so its 7-digit rounding is what was typed; a Double's
// shortest text that reads back to it is.
QString decimalText(const QVariant& value, JetKind kind)
{
    double d = value.toDouble();
    if (kind == JetKind::Single)
        d = QString::number(d, 'g', 7).toDouble();
    return QString::number(d, 'f', QLocale::FloatingPointShortest);
}

// The value converted to the column's storage, or why it cannot be.
Result<QVariant> convert(const QVariant& value, JetKind kind, Store store)
{
    if (store == Store::Flag && value.isNull())
        return QVariant(qint64(0));
    if (value.isNull())
        return QVariant();
    const Failure mismatch{QCoreApplication::translate("JetImport", "is no %1").arg([store] {
        switch (store) {
        case Store::Key:
        case Store::Integer:
            return QCoreApplication::translate("JetImport", "whole number");
        case Store::Real:
            return QCoreApplication::translate("JetImport", "number");
        case Store::Text:
            return QCoreApplication::translate("JetImport", "text");
        case Store::Money:
            return QCoreApplication::translate("JetImport", "amount of money");
        case Store::Date:
            return QCoreApplication::translate("JetImport", "date");
        case Store::YesNo:
        case Store::Flag:
            return QCoreApplication::translate("JetImport", "Yes/No value");
        }
        return QString();
    }())};
    switch (store) {
    case Store::Text:
        if (kind == JetKind::Text || kind == JetKind::Memo || kind == JetKind::Guid ||
            kind == JetKind::Decimal)
            return QVariant(value.toString());
        if (isWholeNumberKind(kind))
            return QVariant(QString::number(value.toLongLong()));
        return mismatch;
    case Store::Key:
    case Store::Integer:
        if (isWholeNumberKind(kind))
            return QVariant(value.toLongLong());
        if (kind == JetKind::Single || kind == JetKind::Double) {
            const double d = value.toDouble();
            if (std::isfinite(d) && d == std::trunc(d) && std::abs(d) < 9.0e15)
                return QVariant(qint64(d));
        }
        return mismatch;
    case Store::Real:
    case Store::Date:
        if (isWholeNumberKind(kind) && kind != JetKind::YesNo)
            return QVariant(double(value.toLongLong()));
        if (isFloatKind(kind) && std::isfinite(value.toDouble()))
            return QVariant(value.toDouble());
        if (store == Store::Real && kind == JetKind::Currency)
            return QVariant(double(value.toLongLong()) / double(Money::kScale));
        return mismatch;
    case Store::Money: {
        if (kind == JetKind::Currency)
            return QVariant(value.toLongLong());
        std::optional<Money> money;
        if (isWholeNumberKind(kind) && kind != JetKind::YesNo)
            money = Money::parse(QString::number(value.toLongLong()));
        else if ((kind == JetKind::Single || kind == JetKind::Double) &&
                 std::isfinite(value.toDouble()))
            money = Money::parse(decimalText(value, kind));
        else if (kind == JetKind::Decimal || kind == JetKind::Text)
            money = Money::parse(value.toString().trimmed());
        if (!money)
            return mismatch;
        return QVariant(money->units());
    }
    case Store::YesNo:
    case Store::Flag:
        if (isWholeNumberKind(kind))
            return QVariant(qint64(value.toLongLong() != 0 ? -1 : 0));
        return mismatch;
    }
    return mismatch;
}

QString quoted(const char* name)
{
    return QLatin1Char('"') + QLatin1String(name) + QLatin1Char('"');
}

// One source table opened for copying, with each target column's place among its columns.
struct Copy {
    const TargetTable* target = nullptr;
    std::unique_ptr<JetTable> table;
    std::vector<qsizetype> sourceIndex; // -1 when the file lacks the column
    JetTableSummary summary;
};

} // namespace

QString JetTableSummary::line() const
{
    QString text = QStringLiteral("%1: %2 %3")
                       .arg(table)
                       .arg(rows)
                       .arg(rows == 1 ? QCoreApplication::translate("JetImport", "row")
                                      : QCoreApplication::translate("JetImport", "rows"));
    if (total && vat)
        text += QCoreApplication::translate("JetImport", ", Total %1, VAT %2")
                    .arg(total->toPlainString(), vat->toPlainString());
    if (!absentColumns.isEmpty())
        text += QCoreApplication::translate("JetImport", " (no %1)")
                    .arg(absentColumns.join(QStringLiteral(", ")));
    return text;
}

namespace JetImport {

const QStringList& tableNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const TargetTable& t : targets())
            list << QLatin1String(t.name);
        return list;
    }();
    return names;
}

namespace {

// Opens every table first: a missing table or key column is found before anything is written,
// and the rows they record give the progress its length.
Result<std::vector<Copy>> openCopies(JetSource& source, qint64* rowsTotal)
{
    QStringList missing;
    for (const QString& name : JetImport::tableNames()) {
        if (!source.tables().contains(name, Qt::CaseInsensitive))
            missing << name;
    }
    if (!missing.isEmpty())
        return Failure{
            QCoreApplication::translate("JetImport",
                                        "it lacks the %1 %2, so it is not the database of the "
                                        "earlier Windows program.")
                .arg(missing.size() == 1 ? QCoreApplication::translate("JetImport", "table")
                                         : QCoreApplication::translate("JetImport", "tables"),
                     missing.join(QStringLiteral(", ")))};
    std::vector<Copy> copies;
    for (const TargetTable& target : targets()) {
        Result<std::unique_ptr<JetTable>> table = source.table(QLatin1String(target.name));
        if (!table)
            return Failure{table.error()};
        Copy copy;
        copy.target = &target;
        copy.table = std::move(*table);
        copy.summary.table = QLatin1String(target.name);
        const QList<JetColumn>& columns = copy.table->columns();
        for (const Target& column : target.columns) {
            qsizetype index = -1;
            for (qsizetype i = 0; i < columns.size(); ++i) {
                if (columns[i].name.compare(QLatin1String(column.name), Qt::CaseInsensitive) == 0)
                    index = i;
            }
            if (index < 0 && column.store == Store::Key)
                return Failure{
                    QCoreApplication::translate("JetImport", "the table %1 has no column %2.")
                        .arg(QLatin1String(target.name), QLatin1String(column.name))};
            if (index < 0)
                copy.summary.absentColumns << QLatin1String(column.name);
            copy.sourceIndex.push_back(index);
        }
        *rowsTotal += std::max<qint64>(copy.table->recordedRows(), 0);
        copies.push_back(std::move(copy));
    }
    return copies;
}

// The sums of the invoices' Total and VAT as read from the file.
struct InvoiceSums {
    MoneySum total;
    MoneySum vat;
};

// Binds one source row to `insert`, converted; adds the invoices' amounts to `sums`.
Status bindRow(const Copy& copy, const QVariantList& row, qint64 rowNumber, QSqlQuery& insert,
               InvoiceSums& sums)
{
    const TargetTable& target = *copy.target;
    const bool isInvoices = qstrcmp(target.name, "TblInvoices") == 0;
    const QList<JetColumn>& columns = copy.table->columns();
    for (size_t c = 0; c < target.columns.size(); ++c) {
        const qsizetype from = copy.sourceIndex[c];
        const JetKind kind = from < 0 ? JetKind::Text : columns[from].kind;
        const Result<QVariant> value =
            convert(from < 0 ? QVariant() : row[from], kind, target.columns[c].store);
        if (!value || (target.columns[c].store == Store::Key && value->isNull()))
            return Failure{QCoreApplication::translate("JetImport", "%1, row %2: the column %3 %4.")
                               .arg(QLatin1String(target.name))
                               .arg(rowNumber)
                               .arg(QLatin1String(target.columns[c].name),
                                    value ? QCoreApplication::translate("JetImport", "is empty")
                                          : value.error())};
        insert.bindValue(int(c), *value);
        if (isInvoices && !value->isNull() && target.columns[c].store == Store::Money) {
            const Money amount = Money::fromUnits(value->toLongLong());
            if (qstrcmp(target.columns[c].name, "Total") == 0)
                sums.total.add(amount);
            else if (qstrcmp(target.columns[c].name, "VAT") == 0)
                sums.vat.add(amount);
        }
    }
    return Done{};
}

// Copies one table's rows into `db`; false when the progress asked to stop.
Result<bool> copyRows(Copy& copy, Database& db, JetImportProgress& at, const JetProgress& progress,
                      InvoiceSums& sums)
{
    const TargetTable& target = *copy.target;
    const QString tableName = QLatin1String(target.name);
    QStringList names;
    QStringList marks;
    for (const Target& column : target.columns) {
        names << quoted(column.name);
        marks << QStringLiteral("?");
    }
    QSqlQuery insert = db.prepare(
        QStringLiteral("INSERT INTO %1(%2) VALUES (%3)")
            .arg(tableName, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
    QVariantList row;
    qint64 rows = 0;
    for (;;) {
        const Result<bool> more = copy.table->next(row);
        if (!more)
            return Failure{more.error()};
        if (!*more)
            break;
        ++rows;
        if (const Status bound = bindRow(copy, row, rows, insert, sums); !bound)
            return Failure{bound.error()};
        if (!db.exec(insert))
            return Failure{
                QCoreApplication::translate("JetImport", "%1, row %2 could not be written: %3")
                    .arg(tableName)
                    .arg(rows)
                    .arg(db.errorString())};
        ++at.rowsDone;
        if (progress && at.rowsDone % 256 == 0 && !progress(at))
            return false;
    }
    if (rows != copy.table->recordedRows())
        return Failure{QCoreApplication::translate(
                           "JetImport", "%1: the file records %2 rows, but %3 could be read; "
                                        "the file is damaged or incomplete.")
                           .arg(tableName)
                           .arg(copy.table->recordedRows())
                           .arg(rows)};
    copy.summary.rows = rows;
    return true;
}

// The copy, read back, must hold what was read: the rows of each table, and the invoices'
// sums, which are then added to the report.
Status checkWritten(Database& db, JetImportReport& report, const InvoiceSums& sums)
{
    for (const JetTableSummary& summary : report.tables) {
        const Result<QVariant> count =
            db.value(QStringLiteral("SELECT count(*) FROM %1").arg(summary.table));
        if (!count || count->toLongLong() != summary.rows)
            return Failure{QCoreApplication::translate(
                               "JetImport", "%1: the new database holds %2 rows instead of %3. %4")
                               .arg(summary.table, count ? count->toString() : QString())
                               .arg(summary.rows)
                               .arg(count.error())};
    }
    const std::optional<Money> totalRead = sums.total.value();
    const std::optional<Money> vatRead = sums.vat.value();
    if (!totalRead || !vatRead)
        return Failure{QCoreApplication::translate(
            "JetImport", "TblInvoices: the invoices' Total or VAT add up to more "
                         "than an amount can hold.")};
    // Both sums in one pass over the invoices.
    const auto written = db.one(
        QStringLiteral("SELECT coalesce(sum(Total), 0), coalesce(sum(VAT), 0) FROM TblInvoices"),
        {}, [](const Row& row) { return std::pair(row[0].toLongLong(), row[1].toLongLong()); });
    if (!written || !*written || **written != std::pair(totalRead->units(), vatRead->units()))
        return Failure{QCoreApplication::translate(
                           "JetImport",
                           "TblInvoices: the sums of Total and VAT in the new database "
                           "differ from the file's. %1")
                           .arg(written.error())};
    for (JetTableSummary& summary : report.tables) {
        if (summary.table == u"TblInvoices") {
            summary.total = totalRead;
            summary.vat = vatRead;
        }
    }
    return Done{};
}

} // namespace

Result<JetImportReport> copyTables(JetSource& source, Database& db, const JetProgress& progress)
{
    JetImportReport report;
    JetImportProgress at;
    Result<std::vector<Copy>> copies = openCopies(source, &at.rowsTotal);
    if (!copies)
        return Failure{copies.error()};
    Transaction tx(db, Transaction::Mode::Immediate);
    if (!tx.isActive())
        return Failure{
            QCoreApplication::translate("JetImport", "the new database cannot be written: %1")
                .arg(db.errorString())};
    const auto cancelled = [&] {
        report.cancelled = true;
        return report;
    };
    InvoiceSums sums;
    for (Copy& copy : *copies) {
        at.table = QLatin1String(copy.target->name);
        if (progress && !progress(at))
            return cancelled();
        const Result<bool> copied = copyRows(copy, db, at, progress, sums);
        if (!copied)
            return Failure{copied.error()};
        if (!*copied)
            return cancelled();
        report.tables << copy.summary;
    }
    if (const Status checked = checkWritten(db, report, sums); !checked)
        return Failure{checked.error()};
    // As an upgraded file's clients get theirs.
    if (!db.fillCountryCodes())
        return Failure{
            QCoreApplication::translate("JetImport", "the new database cannot be written: %1")
                .arg(db.errorString())};
    at.table.clear();
    if (progress && !progress(at))
        return cancelled();
    if (!tx.commit())
        return Failure{
            QCoreApplication::translate("JetImport", "the new database cannot be written: %1")
                .arg(db.errorString())};
    return report;
}

} // namespace JetImport
