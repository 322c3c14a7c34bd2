#include "legacy/JetImport.h"

#include "core/DataFolder.h"
#include "core/Database.h"
#include "core/ZipArchive.h"
#include "legacy/JetFile.h"
#include "legacy/JetSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSqlQuery>
#include <QStorageInfo>
#include <QUuid>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
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

// The names of a conversion's scratch files: the new database and its journals, and a copy of
// the original where the folder's file system has no hard links.
const QStringList& scratchPatterns()
{
    static const QStringList patterns = {QStringLiteral(".Accounts-*.converting"),
                                         QStringLiteral(".Accounts-*.converting-*")};
    return patterns;
}

QString scratchName(const QDir& folder)
{
    return folder.filePath(
        QStringLiteral(".Accounts-%1.converting").arg(QUuid::createUuid().toString(QUuid::Id128)));
}

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// The same file under two names (a hard link), or two files with the same bytes.
bool sameContent(const QString& a, const QString& b)
{
    struct stat first {};
    struct stat second {};
    if (::stat(QFile::encodeName(a).constData(), &first) != 0 ||
        ::stat(QFile::encodeName(b).constData(), &second) != 0)
        return false;
    if (first.st_dev == second.st_dev && first.st_ino == second.st_ino)
        return true;
    if (first.st_size != second.st_size)
        return false;
    QFile one(a);
    QFile two(b);
    if (!one.open(QIODevice::ReadOnly) || !two.open(QIODevice::ReadOnly))
        return false;
    while (!one.atEnd()) {
        const QByteArray chunk = one.read(1 << 20);
        if (chunk.isEmpty() || chunk != two.read(chunk.size()))
            return false;
    }
    return two.atEnd();
}

// A failed write in a folder whose disk has less room than this most likely met a full disk.
constexpr qint64 kRoomNeeded = 1 << 20;

bool diskIsFull(const QDir& folder)
{
    const QStorageInfo disk(folder.path());
    return disk.isValid() && disk.bytesAvailable() < kRoomNeeded;
}

QString noSpace(const QDir& folder)
{
    return QStringLiteral("The new database cannot be written in %1: there is no space left on "
                          "the disk.")
        .arg(native(folder.path()));
}

// recover(), with the folder's conversion lock held.
Status recoverLocked(const QDir& folder)
{
    const QString target = folder.filePath(Database::kFileName);
    const QString kept = folder.filePath(kKeptName);
    const QStringList scratch =
        folder.entryList(scratchPatterns(), QDir::Files | QDir::Hidden | QDir::System);
    if (QFileInfo::exists(kept)) {
        if (!QFileInfo::exists(target) && !scratch.isEmpty()) {
            // Earlier versions moved the original away before the new file took its name.
            if (!QFile::rename(kept, target))
                return Failure{QStringLiteral("A conversion of %1 was interrupted, and %2 cannot "
                                              "be given its name back: %3")
                                   .arg(native(target), kKeptName, systemReason())};
            ZipArchive::syncFolder(folder.path());
        } else if (Database::hasJetSignature(target) && sameContent(target, kept)) {
            // Interrupted after the original gained its second name, before the new file was
            // renamed over it: Accounts.mdb is still the original, whole.
            if (!QFile::remove(kept))
                return Failure{QStringLiteral("A conversion of %1 was interrupted, and %2 cannot "
                                              "be removed: %3")
                                   .arg(native(target), native(kept), systemReason())};
            ZipArchive::syncFolder(folder.path());
        }
    }
    for (const QString& name : scratch) {
        if (!QFile::remove(folder.filePath(name)))
            return Failure{QStringLiteral("%1, left by an interrupted conversion, cannot be "
                                          "removed: %2")
                               .arg(native(folder.filePath(name)), systemReason())};
    }
    return Done{};
}

// Gives `original` the second name `kept` without ever leaving it without its first: a hard
// link, or, where the file system has none (a FAT stick), a copy renamed into place.
Status keepOriginal(const QDir& folder, const QString& original, const QString& kept)
{
    const QByteArray from = QFile::encodeName(original);
    if (::link(from.constData(), QFile::encodeName(kept).constData()) == 0)
        return Done{};
    const QString copy = scratchName(folder) + QStringLiteral("-original");
    if (!QFile::copy(original, copy) || !ZipArchive::syncFile(copy) || !QFile::rename(copy, kept)) {
        const QString reason = systemReason();
        QFile::remove(copy);
        return Failure{
            QStringLiteral("%1 cannot be kept as %2: %3").arg(native(original), kKeptName, reason)};
    }
    return Done{};
}

Result<JetImportReport> convertLocked(JetSource& source, const QString& jetFile, const QDir& folder,
                                      const JetProgress& progress)
{
    if (const Status recovered = recoverLocked(folder); !recovered)
        return Failure{recovered.error()};
    const QString target = folder.filePath(Database::kFileName);
    const QString kept = folder.filePath(kKeptName);
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
    if (diskIsFull(folder))
        return Failure{noSpace(folder)};

    const QString temporary = scratchName(folder);
    // A failure on a full disk says so, whatever step met it; the disk is looked at before
    // the new file's room is given back.
    const auto fail = [&](const QString& message) -> Result<JetImportReport> {
        const QString said = diskIsFull(folder) ? noSpace(folder) : message;
        removeDatabaseFiles(temporary);
        return Failure{said};
    };
    Result<JetImportReport> copied = Failure{};
    {
        Database db;
        if (!db.open(temporary))
            return fail(db.errorString());
        copied = copyTables(source, db, progress);
        db.close();
    }
    if (!copied)
        return fail(QStringLiteral("%1: %2").arg(native(jet.absoluteFilePath()), copied.error()));
    if (copied->cancelled) {
        removeDatabaseFiles(temporary);
        return copied;
    }
    // The new file takes the old one's name only once it is complete, closed and on the disk;
    // the journal is gone with the connection, so the file alone is the database.
    if (QFileInfo::exists(temporary + QStringLiteral("-wal")))
        return fail(QStringLiteral("The new database could not be completed in %1.")
                        .arg(native(folder.path())));
    if (!ZipArchive::syncFile(temporary))
        return fail(QStringLiteral("The new database cannot be saved in %1: %2")
                        .arg(native(folder.path()), systemReason()));
    // Accounts.mdb is whole at every moment: the original gains its second name first, and
    // the new file then replaces the first in one rename. A crash in between leaves the
    // original under both names, which recover() undoes.
    if (inFolder) {
        if (const Status keptOriginal = keepOriginal(folder, target, kept); !keptOriginal)
            return fail(keptOriginal.error());
        ZipArchive::syncFolder(folder.path());
    }
    if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) !=
        0) {
        const QString reason = systemReason();
        if (inFolder)
            QFile::remove(kept);
        return fail(QStringLiteral("The new database cannot be moved into place as %1: %2")
                        .arg(native(target), reason));
    }
    // Once renamed the books are converted; the flush only hurries what the system does anyway.
    ZipArchive::syncFolder(folder.path());
    return copied;
}

} // namespace

Status recover(const QString& dataFolder)
{
    const QDir folder(QDir(dataFolder).absolutePath());
    if (!QFileInfo(folder.path()).isDir())
        return Done{};
    QLockFile lock(folder.filePath(kLockName));
    lock.setStaleLockTime(0); // a lock is stale only when its process is gone
    // Another Billcraft converting here owns the scratch files; a folder that cannot take
    // the lock file cannot be put right either, and is refused when it is opened.
    if (!lock.tryLock(0))
        return Done{};
    return recoverLocked(folder);
}

Result<JetImportReport> convert(JetSource& source, const QString& jetFile,
                                const QString& dataFolder, const JetProgress& progress)
{
    const QDir folder(QDir(dataFolder).absolutePath());
    const bool folderExisted = QFileInfo(folder.path()).isDir();
    if (const QString problem = DataFolder::prepare(folder.path()); !problem.isEmpty())
        return Failure{problem};
    Result<JetImportReport> converted = Failure{};
    {
        QLockFile lock(folder.filePath(kLockName));
        lock.setStaleLockTime(0);
        if (lock.tryLock(0))
            converted = convertLocked(source, jetFile, folder, progress);
        else if (lock.error() == QLockFile::LockFailedError)
            converted = Failure{QStringLiteral("Another Billcraft is converting the books in %1.")
                                    .arg(native(folder.path()))};
        else
            converted = Failure{QStringLiteral("The data folder %1 cannot be written to.")
                                    .arg(native(folder.path()))};
    }
    // A folder made for a conversion that did not happen goes again.
    if (!folderExisted && (!converted || converted->cancelled))
        QDir().rmdir(folder.path());
    return converted;
}

Result<JetImportReport> convertFile(const QString& jetFile, const QString& dataFolder,
                                    const QString& reader, const JetProgress& progress)
{
    Result<std::unique_ptr<JetSource>> source = JetFile::open(jetFile, reader, tableNames());
    if (!source)
        return Failure{source.error()};
    return convert(**source, jetFile, dataFolder, progress);
}

} // namespace JetImport
