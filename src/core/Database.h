#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

struct sqlite3;

// The one connection to Accounts.mdb, an SQLite 3 file. Opening it refuses a read-only file or
// folder, and anything that is not a Billcraft database without changing a byte of it (the file
// is judged before anything is written); creates the five tables on a new or empty file, insists
// on the write-ahead journal with full syncs, and brings an older file up to the current schema
// version (PRAGMA user_version) by numbered steps.
//
// Value forms: dates are day serials (REAL), money is INTEGER ten-thousandths, Yes/No is -1/0.
class Database {
public:
    static constexpr int kSchemaVersion = 2;
    static inline const QString kFileName = QStringLiteral("Accounts.mdb");

    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    bool open(const QString& path);
    // Whether the file carries the signature of a Jet database (Jet 3 or Jet 4): the
    // Accounts.mdb of an installation of the earlier Windows program, which is converted, not
    // opened.
    static bool hasJetSignature(const QString& path);
    void close();
    bool isOpen() const;
    QString path() const { return m_path; }
    QString errorString() const { return m_error; }

    QSqlDatabase connection() const;
    // SQLite's own connection under the driver, for what Qt's driver has no call for (reading
    // long results without a QVariant per value, bulk inserts, the backup API); null when the
    // connection is closed or not SQLite.
    sqlite3* sqliteHandle() const;

    // A statement with its values bound in order to its '?' placeholders. exec() returns false
    // and keeps the driver's error text when the statement fails.
    QSqlQuery prepare(const QString& sql) const;
    bool exec(const QString& sql, const QVariantList& values = {});
    bool exec(QSqlQuery& query);
    // The first column of the first row, or an invalid QVariant when there is no row.
    QVariant scalar(const QString& sql, const QVariantList& values = {});

    // Column names of a table, in their stored letter case.
    QStringList columns(const QString& table) const;
    int schemaVersion() const;

    // Adds a column unless one of exactly that name (letter case included) exists. The column
    // is Null in every existing row. columnType is a Jet type name ("Memo", "Text", "Long",
    // "YesNo", "Currency", "Date"), mapped to its SQLite storage.
    enum class AddColumn { Added, Present, Failed };
    AddColumn addColumnIfMissing(const QString& table, const QString& column,
                                 const QString& columnType);

private:
    bool fail(const QString& message); // sets the error and closes
    bool setError(const QString& message);
    bool checkWritable(const QString& path);
    bool inspect(const QString& path, bool* isNew);
    bool createTables();
    bool migrate();

    QString m_connectionName;
    QString m_path;
    QString m_error;
};

// Runs a multi-statement change as one unit: rolled back unless commit() succeeds.
// Immediate takes the write lock at once (BEGIN IMMEDIATE), so a read followed by a write, such
// as taking the next invoice number and inserting it, cannot interleave with another process
// doing the same; a second writer waits for the lock (the driver's busy timeout).
class Transaction {
public:
    enum class Mode { Deferred, Immediate };
    explicit Transaction(Database& db, Mode mode = Mode::Deferred);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    bool isActive() const { return m_active; }
    bool commit();

private:
    Database& m_db;
    bool m_active = false;
};
