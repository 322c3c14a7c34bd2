#include "legacy/JetImport.h"

#include "core/DataFolder.h"
#include "core/Database.h"
#include "legacy/JetSource.h"
#include "legacy/MdbSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QUuid>
#include <cmath>
#include <memory>
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

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
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
    const Failure mismatch{QStringLiteral("is no %1").arg([store] {
        switch (store) {
        case Store::Key:
        case Store::Integer:
            return QStringLiteral("whole number");
        case Store::Real:
            return QStringLiteral("number");
        case Store::Text:
            return QStringLiteral("text");
        case Store::Money:
            return QStringLiteral("amount of money");
        case Store::Date:
            return QStringLiteral("date");
        case Store::YesNo:
        case Store::Flag:
            return QStringLiteral("Yes/No value");
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
                       .arg(rows == 1 ? QStringLiteral("row") : QStringLiteral("rows"));
    if (total && vat)
        text +=
            QStringLiteral(", Total %1, VAT %2").arg(total->toPlainString(), vat->toPlainString());
    if (!absentColumns.isEmpty())
        text += QStringLiteral(" (no %1)").arg(absentColumns.join(QStringLiteral(", ")));
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

Result<JetImportReport> copyTables(JetSource& source, Database& db, const JetProgress& progress)
{
    QStringList missing;
    for (const QString& name : tableNames()) {
        if (!source.tables().contains(name, Qt::CaseInsensitive))
            missing << name;
    }
    if (!missing.isEmpty())
        return Failure{
            QStringLiteral("it lacks the %1 %2, so it is not the database of the "
                           "earlier Windows program.")
                .arg(missing.size() == 1 ? QStringLiteral("table") : QStringLiteral("tables"),
                     missing.join(QStringLiteral(", ")))};

    // Every table is opened first: a missing key column is found before anything is written,
    // and the rows they record give the progress its length.
    std::vector<Copy> copies;
    qint64 rowsTotal = 0;
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
                return Failure{QStringLiteral("the table %1 has no column %2.")
                                   .arg(QLatin1String(target.name), QLatin1String(column.name))};
            if (index < 0)
                copy.summary.absentColumns << QLatin1String(column.name);
            copy.sourceIndex.push_back(index);
        }
        rowsTotal += std::max<qint64>(copy.table->recordedRows(), 0);
        copies.push_back(std::move(copy));
    }

    JetImportReport report;
    JetImportProgress at{QString(), 0, rowsTotal};
    Transaction tx(db, Transaction::Mode::Immediate);
    if (!tx.isActive())
        return Failure{
            QStringLiteral("the new database cannot be written: %1").arg(db.errorString())};
    MoneySum total;
    MoneySum vat;
    for (Copy& copy : copies) {
        const TargetTable& target = *copy.target;
        const QString tableName = QLatin1String(target.name);
        at.table = tableName;
        if (progress && !progress(at)) {
            report.cancelled = true;
            return report;
        }
        QStringList names;
        QStringList marks;
        for (const Target& column : target.columns) {
            names << quoted(column.name);
            marks << QStringLiteral("?");
        }
        QSqlQuery insert = db.prepare(QStringLiteral("INSERT INTO %1(%2) VALUES (%3)")
                                          .arg(tableName, names.join(QStringLiteral(", ")),
                                               marks.join(QStringLiteral(", "))));
        const bool isInvoices = tableName == u"TblInvoices";
        const QList<JetColumn>& columns = copy.table->columns();
        QVariantList row;
        qint64 rows = 0;
        for (;;) {
            const Result<bool> more = copy.table->next(row);
            if (!more)
                return Failure{more.error()};
            if (!*more)
                break;
            ++rows;
            for (size_t c = 0; c < target.columns.size(); ++c) {
                const qsizetype from = copy.sourceIndex[c];
                const JetKind kind = from < 0 ? JetKind::Text : columns[from].kind;
                const Result<QVariant> value =
                    convert(from < 0 ? QVariant() : row[from], kind, target.columns[c].store);
                if (!value || (target.columns[c].store == Store::Key && value->isNull()))
                    return Failure{QStringLiteral("%1, row %2: the column %3 %4.")
                                       .arg(tableName)
                                       .arg(rows)
                                       .arg(QLatin1String(target.columns[c].name),
                                            value ? QStringLiteral("is empty") : value.error())};
                insert.bindValue(int(c), *value);
                if (isInvoices && !value->isNull() && target.columns[c].store == Store::Money) {
                    const Money amount = Money::fromUnits(value->toLongLong());
                    if (qstrcmp(target.columns[c].name, "Total") == 0)
                        total.add(amount);
                    else if (qstrcmp(target.columns[c].name, "VAT") == 0)
                        vat.add(amount);
                }
            }
            if (!db.exec(insert))
                return Failure{QStringLiteral("%1, row %2 could not be written: %3")
                                   .arg(tableName)
                                   .arg(rows)
                                   .arg(db.errorString())};
            ++at.rowsDone;
            if (progress && at.rowsDone % 256 == 0 && !progress(at)) {
                report.cancelled = true;
                return report;
            }
        }
        if (rows != copy.table->recordedRows())
            return Failure{QStringLiteral("%1: the file records %2 rows, but %3 could be read; "
                                          "the file is damaged or incomplete.")
                               .arg(tableName)
                               .arg(copy.table->recordedRows())
                               .arg(rows)};
        copy.summary.rows = rows;
        report.tables << copy.summary;
    }

    // The copy, read back, must hold what was read.
    for (const JetTableSummary& summary : report.tables) {
        const QVariant count =
            db.scalar(QStringLiteral("SELECT count(*) FROM %1").arg(summary.table));
        if (!count.isValid() || count.toLongLong() != summary.rows)
            return Failure{QStringLiteral("%1: the new database holds %2 rows instead of %3. %4")
                               .arg(summary.table, count.toString())
                               .arg(summary.rows)
                               .arg(db.errorString())};
    }
    const std::optional<Money> totalRead = total.value();
    const std::optional<Money> vatRead = vat.value();
    if (!totalRead || !vatRead)
        return Failure{QStringLiteral("TblInvoices: the invoices' Total or VAT add up to more "
                                      "than an amount can hold.")};
    const QVariant totalWritten =
        db.scalar(QStringLiteral("SELECT coalesce(sum(Total), 0) FROM TblInvoices"));
    const QVariant vatWritten =
        db.scalar(QStringLiteral("SELECT coalesce(sum(VAT), 0) FROM TblInvoices"));
    if (!totalWritten.isValid() || !vatWritten.isValid() ||
        totalWritten.toLongLong() != totalRead->units() ||
        vatWritten.toLongLong() != vatRead->units())
        return Failure{QStringLiteral("TblInvoices: the sums of Total and VAT in the new database "
                                      "differ from the file's. %1")
                           .arg(db.errorString())};
    for (JetTableSummary& summary : report.tables) {
        if (summary.table == u"TblInvoices") {
            summary.total = totalRead;
            summary.vat = vatRead;
        }
    }
    at.table.clear();
    if (progress && !progress(at)) {
        report.cancelled = true;
        return report;
    }
    if (!tx.commit())
        return Failure{
            QStringLiteral("the new database cannot be written: %1").arg(db.errorString())};
    return report;
}

namespace {

// The new database under its temporary name, with the journal files SQLite keeps beside it.
void removeDatabaseFiles(const QString& path)
{
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        QFile::remove(path + QLatin1String(suffix));
}

} // namespace

Result<JetImportReport> convert(JetSource& source, const QString& jetFile,
                                const QString& dataFolder, const JetProgress& progress)
{
    const QDir folder(QDir(dataFolder).absolutePath());
    const QString target = folder.filePath(Database::kFileName);
    const QString kept = folder.filePath(kKeptName);
    const bool folderExisted = QFileInfo(folder.path()).isDir();
    const QFileInfo jet(jetFile);
    const bool inFolder = QFileInfo::exists(target) && jet.exists() &&
                          jet.canonicalFilePath() == QFileInfo(target).canonicalFilePath();
    if (!inFolder && QFileInfo::exists(target))
        return Failure{QStringLiteral("%1 already holds a database (%2). Billcraft converts only "
                                      "into a data folder without one.")
                           .arg(native(folder.path()), Database::kFileName)};
    if (inFolder && QFileInfo::exists(kept))
        return Failure{QStringLiteral("%1 already holds %2, the original of an earlier "
                                      "conversion. Move it elsewhere first.")
                           .arg(native(folder.path()), kKeptName)};
    if (const QString problem = DataFolder::prepare(folder.path()); !problem.isEmpty())
        return Failure{problem};

    const QString temporary = folder.filePath(
        QStringLiteral(".Accounts-%1.converting").arg(QUuid::createUuid().toString(QUuid::Id128)));
    const auto undo = [&](const QString& message) -> Result<JetImportReport> {
        removeDatabaseFiles(temporary);
        if (!folderExisted)
            QDir().rmdir(folder.path());
        return Failure{message};
    };
    Result<JetImportReport> copied = Failure{};
    {
        Database db;
        if (!db.open(temporary))
            return undo(db.errorString());
        copied = copyTables(source, db, progress);
        db.close();
    }
    if (!copied)
        return undo(QStringLiteral("%1: %2").arg(native(jet.absoluteFilePath()), copied.error()));
    if (copied->cancelled) {
        undo({});
        return copied;
    }
    // The new file takes the old one's name only once it is complete and closed; the journal
    // is gone with the connection, so the file alone is the database.
    if (QFileInfo::exists(temporary + QStringLiteral("-wal")))
        return undo(QStringLiteral("The new database could not be completed in %1.")
                        .arg(native(folder.path())));
    if (inFolder && !QFile::rename(target, kept))
        return undo(QStringLiteral("%1 cannot be renamed to %2.").arg(native(target), kKeptName));
    if (!QFile::rename(temporary, target)) {
        if (inFolder)
            QFile::rename(kept, target);
        return undo(QStringLiteral("The new database cannot be moved into place as %1.")
                        .arg(native(target)));
    }
    return copied;
}

Result<JetImportReport> convertFile(const QString& jetFile, const QString& dataFolder,
                                    const JetProgress& progress)
{
    Result<std::unique_ptr<MdbSource>> source = MdbSource::open(jetFile);
    if (!source)
        return Failure{source.error()};
    return convert(**source, jetFile, dataFolder, progress);
}

} // namespace JetImport
