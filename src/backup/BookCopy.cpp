#include "backup/BookCopy.h"

#include "backup/PgCopy.h"
#include "core/SharedFiles.h"
#include "core/SqliteValue.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <memory>
#include <sqlite3.h>

namespace {

// A column name from the catalogue, quoted: a server keeps "Date" and "Value" in mixed case and
// every other name in lower case, and either way a quoted name is taken as it stands. Table
// and key names are the program's own, written unquoted as they were made.
QString quoted(const QString& name)
{
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// An SQLite table filled by one prepared INSERT, run once a row with its values bound.
class SqliteInsert {
public:
    explicit SqliteInsert(sqlite3* db)
        : m_db(db)
    {}
    ~SqliteInsert() { sqlite3_finalize(m_statement); }

    Status start(const QString& table, const QStringList& columns)
    {
        QStringList names;
        for (const QString& c : columns)
            names << quoted(c);
        const QString marks = QStringLiteral("?,").repeated(columns.size()).chopped(1);
        const QByteArray sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                   .arg(quoted(table), names.join(u','), marks)
                                   .toUtf8();
        if (sqlite3_prepare_v2(m_db, sql.constData(), -1, &m_statement, nullptr) != SQLITE_OK)
            return Failure{QString::fromUtf8(sqlite3_errmsg(m_db))};
        return Done{};
    }

    Status add(const QVariantList& row)
    {
        sqlite3_reset(m_statement);
        for (int i = 0; i < int(row.size()); ++i)
            bindSqliteValue(m_statement, i + 1, row[i]);
        if (sqlite3_step(m_statement) != SQLITE_DONE)
            return Failure{QString::fromUtf8(sqlite3_errmsg(m_db))};
        return Done{};
    }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_statement = nullptr;
};

// The columns of `table` on both sides, matched by name with letter case ignored (a server
// folds most names to lower case). A column the destination lacks would lose its values.
Result<QPair<QStringList, QStringList>> matchedColumns(Database& from, Database& to,
                                                       const QString& table)
{
    // Asked in lower case: Qt's server driver looks a table up by the name as given, and the
    // server has folded ours to lower case.
    const QStringList source = from.columns(table.toLower()), dest = to.columns(table.toLower());
    if (source.isEmpty() || dest.isEmpty())
        return Failure{
            QCoreApplication::translate("BookCopy", "the table %1 cannot be read").arg(table)};
    QPair<QStringList, QStringList> matched;
    for (const QString& column : source) {
        qsizetype found = -1;
        for (qsizetype i = 0; i < dest.size() && found < 0; ++i) {
            if (dest[i].compare(column, Qt::CaseInsensitive) == 0)
                found = i;
        }
        if (found < 0)
            return Failure{
                QCoreApplication::translate("BookCopy", "the column %1 of %2 has no place in %3")
                    .arg(column, table, to.path())};
        matched.first << column;
        matched.second << dest[found];
    }
    return matched;
}

// The highest key `db`'s counter for `table` has given: a file's sqlite_sequence, a server's
// identity sequence. 0 when it has given none.
Result<qint64> keyCounter(Database& db, const QString& table)
{
    const Result<QVariant> got =
        db.isServer()
            ? db.value(QStringLiteral("SELECT pg_sequence_last_value(CAST(pg_get_serial_sequence("
                                      "?, ?) AS regclass))"),
                       {table.toLower(), Database::keyColumn(table).toLower()})
            : db.value(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE lower(name) = ?"),
                       {table.toLower()});
    if (!got)
        return Failure{got.error()};
    return got->isNull() ? qint64(0) : got->toLongLong();
}

// Sets `to`'s counter for `table` so that the next new row gets a key above `highest`.
Status setKeyCounter(Database& to, const QString& table, qint64 highest)
{
    const QString key = Database::keyColumn(table);
    Result<qint64> done = qint64(0);
    if (to.isServer()) {
        done = highest > 0
                   ? to.change({}, QStringLiteral("SELECT setval(pg_get_serial_sequence(?, ?), ?)"),
                               {table.toLower(), key.toLower(), highest})
                   : to.change({},
                               QStringLiteral("SELECT setval(pg_get_serial_sequence(?, ?), 1, "
                                              "false)"),
                               {table.toLower(), key.toLower()});
    } else {
        done = to.change({}, QStringLiteral("DELETE FROM sqlite_sequence WHERE name = ?"), {table});
        if (done && highest > 0)
            done = to.change({},
                             QStringLiteral("INSERT INTO sqlite_sequence(name, seq) VALUES (?, ?)"),
                             {table, highest});
    }
    if (!done)
        return Failure{done.error()};
    return Done{};
}

// Every row of `table` in key order, `columns` of it, handed to `take` until it says stop.
// A server's rows come by COPY, which keeps every text exactly and moves them fastest.
Status readRows(Database& from, const QString& table, const QStringList& columns,
                const std::function<bool(const QVariantList&)>& take)
{
    QStringList select;
    for (const QString& c : columns)
        select << quoted(c);
    const QString sql = QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                            .arg(select.join(u','), table, Database::keyColumn(table));
    if (pg_conn* conn = PgCopy::connectionOf(from)) {
        const Result<QList<PgCopy::Out::Kind>> kinds = PgCopy::kindsOf(from, table, columns);
        if (!kinds)
            return Failure{kinds.error()};
        PgCopy::Out out(conn);
        if (const Status started = out.start(sql, *kinds); !started)
            return started;
        QVariantList row;
        for (;;) {
            const Result<bool> more = out.next(row);
            if (!more)
                return Failure{more.error()};
            if (!*more || !take(row))
                return Done{};
        }
    }
    const Result<bool> read = from.query(sql, {}, [&](QSqlQuery& q) {
        QVariantList row(columns.size());
        while (q.next()) {
            for (int i = 0; i < int(columns.size()); ++i)
                row[i] = q.value(i);
            if (!take(row))
                break;
        }
        return true;
    });
    if (!read)
        return Failure{read.error()};
    return Done{};
}

// Drops the secondary indexes of `table` on `db`, returning the statements that make them
// again: building an index once over every row is several times quicker than keeping it up
// to date row by row. Inside the caller's transaction, so a failure brings them back.
Result<QStringList> dropIndexes(Database& db, const QString& table)
{
    const auto indexes =
        db.isServer()
            ? db.all(QStringLiteral("SELECT c.relname, pg_get_indexdef(i.indexrelid) FROM "
                                    "pg_index i JOIN pg_class c ON c.oid = i.indexrelid WHERE "
                                    "i.indrelid = CAST(? AS regclass) AND NOT i.indisprimary"),
                     {table.toLower()},
                     [](const Row& row) { return std::pair(row[0].toString(), row[1].toString()); })
            : db.all(QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type = 'index' AND "
                                    "lower(tbl_name) = ? AND sql IS NOT NULL"),
                     {table.toLower()}, [](const Row& row) {
                         return std::pair(row[0].toString(), row[1].toString());
                     });
    if (!indexes)
        return Failure{indexes.error()};
    QStringList creates;
    for (const auto& [name, create] : *indexes) {
        // The names and statements are the catalogue's own.
        if (!db.exec(QStringLiteral("DROP INDEX %1").arg(quoted(name))))
            return Failure{db.errorString()};
        creates << create;
    }
    return creates;
}

// The rows of one table, `from` to `to`, then its key counter. `step` is told of each row.
Status copyTable(Database& from, Database& to, const QString& table,
                 const std::function<bool()>& step)
{
    const auto columns = matchedColumns(from, to, table);
    if (!columns)
        return Failure{columns.error()};
    const Result<QStringList> indexes = dropIndexes(to, table);
    if (!indexes)
        return Failure{indexes.error()};
    std::unique_ptr<PgCopy::In> copyIn;
    std::unique_ptr<SqliteInsert> insert;
    Status written =
        Failure{QCoreApplication::translate("BookCopy", "%1 is not open").arg(to.path())};
    if (pg_conn* conn = PgCopy::connectionOf(to)) {
        copyIn = std::make_unique<PgCopy::In>(conn);
        written = copyIn->start(table, columns->second);
    } else if (sqlite3* handle = to.sqliteHandle()) {
        insert = std::make_unique<SqliteInsert>(handle);
        written = insert->start(table, columns->second);
    }
    if (!written)
        return written;
    const auto write = [&](const QVariantList& row) {
        written = copyIn ? copyIn->add(row) : insert->add(row);
        if (written && step && !step())
            written = Failure{QCoreApplication::translate("BookCopy", "cancelled")};
        return bool(written);
    };
    const Status read = readRows(from, table, columns->first, write);
    if (read && written && copyIn)
        written = copyIn->finish();
    if (!read)
        return read;
    if (!written)
        return written;
    insert.reset(); // no statement of ours still open on the table
    for (const QString& create : *indexes) {
        if (!to.exec(create))
            return Failure{to.errorString()};
    }
    const QString key = Database::keyColumn(table);
    const Result<qint64> counter = keyCounter(from, table);
    const Result<QVariant> highest =
        to.value(QStringLiteral("SELECT MAX(%1) FROM %2").arg(key, table));
    if (!counter || !highest)
        return Failure{counter.error() + highest.error()};
    return setKeyCounter(to, table, std::max(*counter, highest->toLongLong()));
}

} // namespace

namespace BookCopy {

bool isSharedFile(const QString& name)
{
    if (name.startsWith(u'.') || name.contains(u'/') || name.contains(u'\\'))
        return false;
    static const QStringList kinds = {QStringLiteral("dat"),  QStringLiteral("set"),
                                      QStringLiteral("bmp"),  QStringLiteral("jpg"),
                                      QStringLiteral("jpeg"), QStringLiteral("gif"),
                                      QStringLiteral("png"),  QStringLiteral("pcx")};
    return kinds.contains(QFileInfo(name).suffix(), Qt::CaseInsensitive);
}

Snapshot::Snapshot(Database& db)
    : m_tx(db, Transaction::Mode::Deferred)
{
    if (!m_tx.isActive())
        m_error = db.errorString();
    else if (db.isServer() &&
             !db.exec(QStringLiteral("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ, READ ONLY")))
        m_error = db.errorString();
}

Result<Tally> tally(Database& db)
{
    Tally out;
    for (const QString& table : Database::tableNames()) {
        const Result<QVariant> n = db.value(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table));
        if (!n)
            return Failure{n.error()};
        out.rows << n->toLongLong();
    }
    // A server sums 64-bit integers as NUMERIC; cast back, every figure is exact.
    const auto sums = db.one(
        QStringLiteral("SELECT CAST(COALESCE(SUM(Total), 0) AS BIGINT), CAST(COALESCE(SUM(VAT), "
                       "0) AS BIGINT), CAST(COALESCE(SUM(\"Value\"), 0) AS BIGINT), (SELECT "
                       "CAST(COALESCE(SUM(\"Value\"), 0) AS BIGINT) FROM TblExpenses), (SELECT "
                       "CAST(COALESCE(SUM(VAT), 0) AS BIGINT) FROM TblExpenses) FROM TblInvoices"),
        {}, [](const Row& row) {
            return QList<qint64>{row[0].toLongLong(), row[1].toLongLong(), row[2].toLongLong(),
                                 row[3].toLongLong(), row[4].toLongLong()};
        });
    if (!sums)
        return Failure{sums.error()};
    if (const QList<qint64> s = sums->value_or(QList<qint64>(5)); s.size() == 5) {
        out.invoiceTotal = s[0];
        out.invoiceVat = s[1];
        out.invoiceValue = s[2];
        out.expenseValue = s[3];
        out.expenseVat = s[4];
    }
    return out;
}

QStringList differences(const Tally& from, const Tally& to, const QString& fromName,
                        const QString& toName)
{
    QStringList lines;
    const auto differ = [&](const QString& what, qint64 a, qint64 b) {
        if (a != b)
            lines << QCoreApplication::translate("BookCopy", "%1: %2 in %3 but %4 in %5")
                         .arg(what)
                         .arg(a)
                         .arg(fromName)
                         .arg(b)
                         .arg(toName);
    };
    const QStringList tables = Database::tableNames();
    for (qsizetype i = 0; i < tables.size(); ++i)
        differ(QCoreApplication::translate("BookCopy", "rows of %1").arg(tables[i]),
               from.rows.value(i), to.rows.value(i));
    differ(QCoreApplication::translate("BookCopy", "sum of the invoices' Total"), from.invoiceTotal,
           to.invoiceTotal);
    differ(QCoreApplication::translate("BookCopy", "sum of the invoices' VAT"), from.invoiceVat,
           to.invoiceVat);
    differ(QCoreApplication::translate("BookCopy", "sum of the invoices' Value"), from.invoiceValue,
           to.invoiceValue);
    differ(QCoreApplication::translate("BookCopy", "sum of the expenses' Value"), from.expenseValue,
           to.expenseValue);
    differ(QCoreApplication::translate("BookCopy", "sum of the expenses' VAT"), from.expenseVat,
           to.expenseVat);
    return lines;
}

Result<QStringList> duplicateNumbers(Database& db)
{
    return db.all(
        QStringLiteral("SELECT i.Identity, MAX(u.TextLogo), i.InvoiceNumber, COUNT(*) FROM "
                       "TblInvoices i LEFT JOIN TblUserData u ON u.Identity = i.Identity WHERE "
                       "i.Identity IS NOT NULL AND i.InvoiceNumber IS NOT NULL GROUP BY "
                       "i.Identity, i.InvoiceNumber HAVING COUNT(*) > 1 ORDER BY i.Identity, "
                       "i.InvoiceNumber"),
        {}, [](const Row& row) {
            return QCoreApplication::translate(
                       "BookCopy",
                       "Identity %1 (%2) has %3 invoices numbered \"%4\"; shared books allow "
                       "one. Renumber all but one of them, then copy again.")
                .arg(row[0].toString(), row[1].toString(), row[3].toString(), row[2].toString());
        });
}

Status copyRows(Database& from, Database& to, const ZipArchive::Progress& progress)
{
    const Result<Tally> before = tally(from);
    if (!before)
        return Failure{QCoreApplication::translate("BookCopy", "%1 cannot be read: %2")
                           .arg(from.path(), before.error())};
    qint64 total = 0, done = 0;
    for (const qint64 n : before->rows)
        total += n;
    const std::function<bool()> step = [&] {
        ++done;
        return !progress || done % 4096 != 0 || progress(double(done) / double(total));
    };
    for (const QString& table : Database::tableNames()) {
        if (const Status copied = copyTable(from, to, table, step); !copied)
            return Failure{QCoreApplication::translate("BookCopy", "%1 cannot be copied to %2: %3")
                               .arg(table, to.path(), copied.error())};
    }
    const Result<Tally> after = tally(to);
    if (!after)
        return Failure{QCoreApplication::translate("BookCopy", "%1 cannot be read: %2")
                           .arg(to.path(), after.error())};
    if (const QStringList lines = differences(*before, *after, from.path(), to.path());
        !lines.isEmpty())
        return Failure{
            QCoreApplication::translate(
                "BookCopy", "The copy does not match its source, so nothing has been copied:\n%1")
                .arg(lines.join(u'\n'))};
    return Done{};
}

Status copyFiles(const SharedFiles& from, SharedFiles& to)
{
    const Result<QStringList> names = from.names();
    if (!names)
        return Failure{names.error()};
    for (const QString& name : *names) {
        if (!isSharedFile(name))
            continue;
        const Result<std::optional<QByteArray>> bytes = from.read(name);
        if (!bytes)
            return Failure{bytes.error()};
        if (!*bytes)
            continue; // gone meanwhile
        if (const Status written = to.write(name, **bytes); !written)
            return written;
    }
    return Done{};
}

Status copyToServer(const QString& dataFolder, const ServerAddress& address)
{
    const QString path = QDir(dataFolder).filePath(Database::kFileName);
    // Opening a missing file would make one.
    if (!QFileInfo(path).isFile())
        return Failure{
            QCoreApplication::translate("BookCopy", "There is no Billcraft database (%1) in %2.")
                .arg(Database::kFileName, QDir::toNativeSeparators(dataFolder))};
    Database file;
    if (!file.open(path))
        return Failure{file.errorString()};
    Snapshot reading(file);
    if (!reading.error().isEmpty())
        return Failure{QCoreApplication::translate("BookCopy", "%1 cannot be read: %2")
                           .arg(path, reading.error())};
    const Result<QStringList> duplicates = duplicateNumbers(file);
    if (!duplicates)
        return Failure{QCoreApplication::translate("BookCopy", "%1 cannot be read: %2")
                           .arg(path, duplicates.error())};
    if (!duplicates->isEmpty())
        return Failure{duplicates->join(u'\n')};

    Database server;
    if (!server.openServer(address))
        return Failure{server.errorString()};
    Transaction tx(server);
    if (!tx.isActive())
        return Failure{QCoreApplication::translate("BookCopy", "%1 cannot be written: %2")
                           .arg(server.path(), server.errorString())};
    QStringList holding;
    for (const QString& table : Database::tableNames()) {
        const Result<bool> any =
            server.exists(QStringLiteral("SELECT 1 FROM %1 LIMIT 1").arg(table), {});
        if (!any)
            return Failure{QCoreApplication::translate("BookCopy", "%1 cannot be read: %2")
                               .arg(server.path(), any.error())};
        if (*any)
            holding << table;
    }
    if (!holding.isEmpty())
        return Failure{QCoreApplication::translate(
                           "BookCopy",
                           "The database %1 already holds books (rows in %2); a copy needs an "
                           "empty database. Nothing has been changed.")
                           .arg(server.path(), holding.join(QStringLiteral(", ")))};
    if (const Status copied = copyRows(file, server); !copied)
        return copied;
    SharedFiles files(file, dataFolder);
    SharedFiles shared(server, {});
    if (const Status copied = copyFiles(files, shared); !copied)
        return Failure{QCoreApplication::translate("BookCopy", "Nothing has been copied: %1")
                           .arg(copied.error())};
    if (!tx.commit())
        return Failure{QCoreApplication::translate("BookCopy", "%1 cannot be written: %2")
                           .arg(server.path(), server.errorString())};
    return Done{};
}

} // namespace BookCopy
