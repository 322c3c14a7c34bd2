// Running statements on the open connection: binding, the row helpers, and transactions.

#include "core/Database.h"
#include "core/StoredText.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

bool Database::isOpen() const
{
    return QSqlDatabase::contains(m_connectionName) && connection().isOpen();
}

QSqlDatabase Database::connection() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

QStringList Database::columns(const QString& table) const
{
    QStringList names;
    // The driver looks a server's table up by the name as given, which the server folded.
    const QSqlRecord record = connection().record(isServer() ? table.toLower() : table);
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i);
    return names;
}

QSqlQuery Database::prepare(const QString& sql) const
{
    QSqlQuery q(connection());
    q.setForwardOnly(true);
    q.prepare(sql);
    return q;
}

bool Database::exec(QSqlQuery& query)
{
    // A statement that could not be prepared (its table missing, say) still holds the reason;
    // running it anyway would only report "Parameter count mismatch".
    if (!query.isActive() && query.lastError().isValid()) {
        m_error = query.lastError().text();
        return false;
    }
    // Every text any store binds passes here on its way to SQLite, which then keeps exactly its
    // characters, a first U+FEFF included (see boundText). So a statement run again needs its
    // texts bound again, as every caller does.
    const QVariantList values = query.boundValues();
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (values[i].typeId() == QMetaType::QString && !values[i].toString().isNull())
            query.bindValue(int(i), boundText(values[i].toString()));
    }
    m_errorCode.clear();
    if (query.exec())
        return true;
    m_error = reasonFor(query.lastError());
    m_errorCode = query.lastError().nativeErrorCode();
    return false;
}

bool Database::exec(const QString& sql, const QVariantList& values)
{
    if (!reconnectIfLost())
        return false;
    QSqlQuery q(connection());
    if (values.isEmpty()) {
        m_errorCode.clear();
        if (q.exec(sql))
            return true;
        m_error = reasonFor(q.lastError());
        m_errorCode = q.lastError().nativeErrorCode();
        return false;
    }
    q.prepare(sql);
    for (const QVariant& v : values)
        q.addBindValue(v);
    return exec(q);
}

QVariant Database::scalar(const QString& sql, const QVariantList& values)
{
    const Result<QVariant> first = value(sql, values);
    return first ? *first : QVariant();
}

bool Database::run(QSqlQuery& query, const QString& sql, const QVariantList& values)
{
    // The action that met a lost connection has reported it; the next one connects again.
    if (!reconnectIfLost())
        return false;
    // A server prepares a statement in a round trip of its own and forgets it in another when
    // the query goes: statements already prepared on this connection are used again, so most
    // cost one round trip. Taken out while in use, so that a reader running the same statement
    // again meanwhile prepares its own.
    if (const auto kept = m_prepared.find(sql); kept != m_prepared.end()) {
        query = std::move(kept.value());
        m_prepared.erase(kept);
    } else {
        query = QSqlQuery(connection());
        query.setForwardOnly(true);
        query.prepare(sql);
    }
    for (qsizetype i = 0; i < values.size(); ++i)
        query.bindValue(int(i), values[i]);
    return exec(query);
}

void Database::keepPrepared(const QString& sql, QSqlQuery& query)
{
    if (!isServer() || query.lastError().isValid())
        return;
    query.finish();
    if (m_prepared.size() >= kPreparedLimit)
        forgetPrepared();
    m_prepared.insert(sql, std::move(query));
}

void Database::forgetPrepared()
{
    m_prepared.clear();
}

Result<bool> Database::exists(const QString& sql, const QVariantList& values)
{
    return query(sql, values, [](QSqlQuery& q) { return q.next(); });
}

Result<QVariant> Database::value(const QString& sql, const QVariantList& values)
{
    return query(sql, values, [](QSqlQuery& q) { return q.next() ? q.value(0) : QVariant(); });
}

// A statement that ran changed what it says, even no row at all (an invoice deleted
// meanwhile): lists follow as they did after every such write.
Result<qint64> Database::change(DatabaseChanges::Tables announces, const QString& sql,
                                const QVariantList& values)
{
    QSqlQuery q;
    if (!run(q, sql, values))
        return Failure{m_error};
    marked(announces);
    const qint64 rows = q.numRowsAffected();
    keepPrepared(sql, q);
    return rows;
}

void Database::marked(DatabaseChanges::Tables tables)
{
    if (!m_changes.inTransaction())
        notifyOthers(tables); // a transaction's go at its commit
    m_changes.mark(tables);
}

Result<qint64> Database::insert(DatabaseChanges::Tables announces, const QString& sql,
                                const QVariantList& values)
{
    // A server gives no last row's key: the statement returns it.
    static const QRegularExpression into(QStringLiteral("^\\s*INSERT\\s+INTO\\s+(\\w+)"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QString key = isServer() ? keyColumn(into.match(sql).captured(1)) : QString();
    QSqlQuery q;
    const QString statement = key.isEmpty() ? sql : sql + QStringLiteral(" RETURNING ") + key;
    if (!run(q, statement, values))
        return Failure{m_error};
    marked(announces);
    if (key.isEmpty())
        return q.lastInsertId().toLongLong();
    const qint64 made = q.next() ? q.value(0).toLongLong() : qint64(0);
    keepPrepared(statement, q);
    return made;
}

// The driver's own transaction calls are not used: its transaction() only issues a deferred
// BEGIN, and its error texts carry no SQLite code, so a full disk could not be told apart.
Transaction::Transaction(Database& db, Mode mode)
    : m_db(db)
{
    if (db.isServer()) {
        // The books' write lock, held to the end of the transaction; the key is arbitrary but
        // fixed, shared by every seat.
        m_active = db.exec(QStringLiteral("BEGIN"));
        if (m_active && mode == Mode::Immediate &&
            !db.exec(QStringLiteral("SELECT pg_advisory_xact_lock(7165484)"))) {
            QSqlQuery(db.connection()).exec(QStringLiteral("ROLLBACK"));
            m_active = false;
        }
    } else {
        m_active = db.exec(mode == Mode::Deferred ? QStringLiteral("BEGIN")
                                                  : QStringLiteral("BEGIN IMMEDIATE"));
    }
    if (m_active)
        db.changes().transactionBegan();
}

Transaction::~Transaction()
{
    if (m_active)
        rollback();
}

void Transaction::rollback()
{
    // Not through Database::exec, which would replace the reason the caller is about to read.
    // A ROLLBACK that finds the transaction already ended by SQLite (after an I/O error, say)
    // fails harmlessly.
    QSqlQuery(m_db.connection()).exec(QStringLiteral("ROLLBACK"));
    m_active = false;
    m_db.changes().transactionEnded(false);
}

bool Transaction::commit()
{
    if (!m_active)
        return false;
    m_db.notifyOthers(m_db.changes().pending());
    if (!m_db.exec(QStringLiteral("COMMIT"))) {
        // SQLite keeps the transaction open after a failed COMMIT; left so, every later write
        // would join it and vanish with it.
        rollback();
        return false;
    }
    m_active = false;
    m_db.changes().transactionEnded(true);
    return true;
}
