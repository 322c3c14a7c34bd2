#pragma once

#include "core/DatabaseChanges.h"
#include "core/Result.h"
#include "core/ServerAddress.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <optional>
#include <type_traits>

struct sqlite3;

// One row of a result as the row helpers hand it to a reader: its values by column position
// or by name (letter case ignored). Valid only while the reader runs.
class Row {
public:
    explicit Row(const QSqlQuery& query)
        : m_query(query)
    {}
    QVariant operator[](int column) const { return m_query.value(column); }
    QVariant operator[](const QString& column) const { return m_query.value(column); }

private:
    const QSqlQuery& m_query;
};

// The one connection to the books: Accounts.mdb, an SQLite 3 file in the data folder, or shared
// books in a PostgreSQL database that several seats use at once. The stores' SQL is the same on
// both; what differs (column types, the write lock, the schema version, the key of a new row,
// telling other seats of a change) is decided here and in DatabaseServer.cpp.
//
// Opening a file refuses a read-only file or
// folder, and anything that is not a Billcraft database without changing a byte of it (the file
// is judged before anything is written); makes the file and its journals readable by their
// owner alone (0600); creates the five tables on a new or empty file, insists
// on the write-ahead journal with full syncs, and brings an older file up to the current schema
// version (PRAGMA user_version) by numbered steps.
//
// Value forms: dates are day serials (REAL), money is INTEGER ten-thousandths, Yes/No is -1/0.
class Database {
    Q_DECLARE_TR_FUNCTIONS(Database)
public:
    static constexpr int kSchemaVersion = 4;
    // How long a write waits for another connection's write lock before it fails.
    static constexpr int kBusyTimeoutMs = 5000;
    static inline const QString kFileName = QStringLiteral("Accounts.mdb");

    enum class Engine { SQLite, PostgreSQL };

    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    bool open(const QString& path);
    // Shared books on a server: creates the schema in an empty database, or upgrades it, under
    // a lock that makes two seats starting at once make one schema; refuses a database that
    // holds other tables, or a schema newer than this program's, changing nothing.
    bool openServer(const ServerAddress& address);
    Engine engine() const { return m_engine; }
    bool isServer() const { return m_engine == Engine::PostgreSQL; }
    const ServerAddress& server() const { return m_server; }
    // Whether a server connection has been lost (the server stopped, the network went). The
    // next statement outside a transaction connects again on its own.
    bool connectionLost() const;
    // The other connections to the same server database: other seats at work. 0 for a file.
    Result<int> otherSeats();
    // Whether the file carries the signature of a Jet database (Jet 3 or Jet 4): the
    // Accounts.mdb of an installation of the earlier Windows program, which is converted, not
    // opened.
    static bool hasJetSignature(const QString& path);
    void close();
    bool isOpen() const;
    // The file's path, or the server's URL: where the books are, for messages.
    QString path() const { return m_path; }
    QString errorString() const { return m_error; }
    // The engine's code for the last statement that failed (a server's SQLSTATE, "23505"),
    // empty after one that ran.
    QString errorCode() const { return m_errorCode; }

    QSqlDatabase connection() const;
    // SQLite's own connection under the driver, for what Qt's driver has no call for (reading
    // long results without a QVariant per value, bulk inserts, the backup API); null when the
    // connection is closed or not SQLite.
    sqlite3* sqliteHandle() const;

    // --- Row helpers ------------------------------------------------------------------------
    // Each prepares `sql`, binds `values` in order to its '?' placeholders, runs it and reads
    // it. A statement that fails, and a read that breaks off, give a Failure with the driver's
    // text: never fewer rows.

    // `read(query)` over the running query, for a reader that walks the rows itself.
    template <typename Read>
    auto query(const QString& sql, const QVariantList& values, Read read)
        -> Result<std::invoke_result_t<Read, QSqlQuery&>>;
    // Every row, each as `map(row)` makes it.
    template <typename Map>
    auto all(const QString& sql, const QVariantList& values, Map map)
        -> Result<QList<std::invoke_result_t<Map, const Row&>>>;
    // The first row as `map(row)` makes it; nullopt when there is none.
    template <typename Map>
    auto one(const QString& sql, const QVariantList& values, Map map)
        -> Result<std::optional<std::invoke_result_t<Map, const Row&>>>;
    // Whether there is a row.
    Result<bool> exists(const QString& sql, const QVariantList& values);
    // The first column of the first row (an aggregate, say); invalid when there is no row.
    Result<QVariant> value(const QString& sql, const QVariantList& values = {});

    // A statement that changes rows (UPDATE, DELETE): the number of rows it changed. On success
    // `announces` is marked on changes(): the tables whose lists must follow. {} says no list
    // follows this change until its next refill.
    Result<qint64> change(DatabaseChanges::Tables announces, const QString& sql,
                          const QVariantList& values);
    // An INSERT of one row: the new row's key. Announces as change() does.
    Result<qint64> insert(DatabaseChanges::Tables announces, const QString& sql,
                          const QVariantList& values);

    // Changes made through this connection, announced when they are committed.
    DatabaseChanges& changes() { return m_changes; }

    // --- Statements --------------------------------------------------------------------------
    // A statement with its values bound in order to its '?' placeholders. exec() returns false
    // and keeps the driver's error text when the statement fails.
    QSqlQuery prepare(const QString& sql) const;
    bool exec(const QString& sql, const QVariantList& values = {});
    bool exec(QSqlQuery& query);
    // The first column of the first row, or an invalid QVariant when there is no row or the
    // statement fails.
    QVariant scalar(const QString& sql, const QVariantList& values = {});

    // Column names of a table, in their stored letter case.
    QStringList columns(const QString& table) const;
    int schemaVersion() const;
    // A table's key column (InvoiceID of TblInvoices), empty for a table without one.
    static QString keyColumn(const QString& table);
    // The tables of the books, in the order a copy fills them.
    static QStringList tableNames();
    // Every column of the books' tables, spelt as the program spells it.
    static QStringList columnNames();

    // Adds a column unless one of exactly that name (letter case included) exists. The column
    // is Null in every existing row. columnType is a Jet type name ("Memo", "Text", "Long",
    // "YesNo", "Currency", "Date"), mapped to its SQLite storage.
    // Gives each client without a country code the code its Country text clearly names
    // (Countries::codeFromName); false with the error kept when a statement fails.
    bool fillCountryCodes();

    enum class AddColumn { Added, Present, Failed };
    AddColumn addColumnIfMissing(const QString& table, const QString& column,
                                 const QString& columnType);

private:
    // Prepares, binds and runs; false with errorString() set when that fails.
    bool run(QSqlQuery& query, const QString& sql, const QVariantList& values);
    // Keeps a server's statement prepared for the next run of the same text (see run()).
    void keepPrepared(const QString& sql, QSqlQuery& query);
    // Before the connection goes: its statements go with it.
    void forgetPrepared();
    static constexpr qsizetype kPreparedLimit = 256;
    // Why a call failed, for the user: a full disk or the system's reason where the disk or the
    // file system refused, else the driver's own text.
    QString reasonFor(const QSqlError& error) const;
    bool fail(const QString& message); // sets the error and closes
    bool setError(const QString& message);
    bool checkWritable(const QString& path);
    bool inspect(const QString& path, bool* isNew);
    bool createTables();
    bool makeTables(); // inside the caller's transaction
    bool migrate();
    // The numbered steps after `from`, inside the caller's transaction.
    bool runSteps(int from);
    bool addColumns(int version);
    // The five tables every Billcraft file has had; later ones are made by the upgrade steps.
    static QStringList originalTableNames();
    // Server side (DatabaseServer.cpp).
    bool connectServer();
    bool prepareServerSchema();
    bool writeSchemaVersion(int version);
    // A table's statement as this engine takes it.
    QString tableDdl(const QString& sqliteDdl) const;
    QString columnDdl(const QString& sqliteType) const;
    QString indexDdl(const QString& sqliteDdl) const; // other statements as they are
    // Sends the marked tables to the other seats (at commit, or at once outside a transaction).
    void notifyOthers(DatabaseChanges::Tables tables);
    // A write helper's change done: told to other seats and marked for this one's lists.
    void marked(DatabaseChanges::Tables tables);
    void listenToOthers();
    bool reconnectIfLost();
    friend class Transaction;

    QString m_connectionName;
    Engine m_engine = Engine::SQLite;
    ServerAddress m_server;
    bool m_connecting = false;
    QString m_path;
    QString m_error;
    QString m_errorCode;
    QElapsedTimer m_busySince; // since the current wait for a lock began
    DatabaseChanges m_changes;
    QHash<QString, QSqlQuery> m_prepared; // a server's prepared statements, by their text
};

template <typename Read>
auto Database::query(const QString& sql, const QVariantList& values, Read read)
    -> Result<std::invoke_result_t<Read, QSqlQuery&>>
{
    QSqlQuery q;
    if (!run(q, sql, values))
        return Failure{m_error};
    auto out = read(q);
    if (q.lastError().isValid()) // a read that broke off is not the whole result
        return Failure{q.lastError().text()};
    keepPrepared(sql, q);
    return out;
}

template <typename Map>
auto Database::all(const QString& sql, const QVariantList& values, Map map)
    -> Result<QList<std::invoke_result_t<Map, const Row&>>>
{
    return query(sql, values, [&map](QSqlQuery& q) {
        QList<std::invoke_result_t<Map, const Row&>> rows;
        while (q.next())
            rows.append(map(Row(q)));
        return rows;
    });
}

template <typename Map>
auto Database::one(const QString& sql, const QVariantList& values, Map map)
    -> Result<std::optional<std::invoke_result_t<Map, const Row&>>>
{
    return query(sql, values, [&map](QSqlQuery& q) {
        using T = std::invoke_result_t<Map, const Row&>;
        return q.next() ? std::optional<T>(map(Row(q))) : std::optional<T>();
    });
}

// Runs a multi-statement change as one unit: rolled back unless commit() succeeds.
// On a server, Immediate takes the books' write lock (a transaction-scoped advisory lock)
// before anything is read, which gives every seat's read-then-write the same one-writer order a
// file has: two seats raising invoices at once take numbers one after the other, never the same
// one. Readers are never blocked.
// Immediate, the default, takes the write lock at once (BEGIN IMMEDIATE), waiting for another
// writer within the busy timeout, so a read followed by a write, such as taking the next
// invoice number and inserting it, cannot interleave with another process doing the same.
// Deferred takes it only at the first write, and a write after a read then fails at once
// ("database is locked") when another connection has written in between: for reading alone.
//
// A commit that fails (a deferred constraint, a disk that is full) rolls the whole transaction
// back: the Transaction is inactive after commit() either way, and a later write never joins a
// transaction that was meant to be over. Changes marked inside it are announced after a
// successful commit alone.
class Transaction {
public:
    enum class Mode { Deferred, Immediate };
    explicit Transaction(Database& db, Mode mode = Mode::Immediate);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    bool isActive() const { return m_active; }
    // False, with the database's errorString(), when the change was not made.
    bool commit();

private:
    void rollback();

    Database& m_db;
    bool m_active = false;
};
