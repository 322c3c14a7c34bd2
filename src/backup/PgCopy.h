#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class Database;
struct pg_conn;

// A server's COPY, which moves a table's rows in bulk over the books' own connection (and
// inside its transaction), in PostgreSQL's text format. The statements name tables and columns
// only, from the program and the catalogue; every value travels as data.
namespace PgCopy {

// libpq's connection under the server's driver; null for a file or a closed connection.
pg_conn* connectionOf(const Database& db);

// Fills the columns `columns` of `table` with rows.
class In {
public:
    explicit In(pg_conn* conn);
    ~In(); // a copy not finished is broken off: the server keeps none of its rows
    In(const In&) = delete;
    In& operator=(const In&) = delete;

    Status start(const QString& table, const QStringList& columns);
    // One row, values in the columns' order: Null, an integer, a double or a text. A value the
    // server cannot hold is refused here or, with the row and column named, by finish().
    Status add(const QVariantList& row);
    Status finish();

private:
    Status end(const char* abort);
    Status flush();
    Status append(const QVariant& value);

    pg_conn* m_conn;
    QByteArray m_buffer;
    bool m_open = false;
};

// Reads the rows of a query, each value as the type of its column: Null, qlonglong for the
// integer types, double for the floating ones, else the text exactly as stored (a first
// U+FEFF included, which Qt's driver drops).
class Out {
public:
    enum class Kind { Integer, Real, Text };

    explicit Out(pg_conn* conn);
    ~Out(); // what is left unread is read and dropped, so the connection can go on
    Out(const Out&) = delete;
    Out& operator=(const Out&) = delete;

    // `kinds` gives each selected column's kind, in order.
    Status start(const QString& select, QList<Kind> kinds);
    // The next row into `row`; false after the last one.
    Result<bool> next(QVariantList& row);

private:
    Status drain();

    pg_conn* m_conn;
    QList<Kind> m_kinds;
    bool m_open = false;
};

// The kind of each of `columns` of `table` on the server `db`, by its type in the catalogue.
Result<QList<Out::Kind>> kindsOf(Database& db, const QString& table, const QStringList& columns);

} // namespace PgCopy
