#include "backup/PgCopy.h"

#include "core/Database.h"
#include "core/StoredText.h"

#include <QCoreApplication>
#include <QSqlDriver>
#include <QStringDecoder>
#include <cmath>
#include <libpq-fe.h>
#include <memory>

namespace {

// Bytes handed to the server at a time.
constexpr qsizetype kChunk = 1 << 20;

using ResultPtr = std::unique_ptr<PGresult, void (*)(PGresult*)>;

// A column name from the catalogue, quoted: a server keeps "Date" and "Value" in mixed case and
// every other name in lower case, and either way a quoted name is taken as it stands.
QString quoted(const QString& name)
{
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// The server's reason, with the row and column a COPY was at when it refused a value.
QString serverReason(const PGresult* result, PGconn* conn)
{
    if (!result)
        return QString::fromUtf8(PQerrorMessage(conn)).trimmed();
    QString reason = QString::fromUtf8(PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY));
    if (reason.isEmpty())
        reason = QString::fromUtf8(PQresultErrorMessage(result)).trimmed();
    if (const char* detail = PQresultErrorField(result, PG_DIAG_MESSAGE_DETAIL))
        reason += QStringLiteral(" (%1)").arg(QString::fromUtf8(detail));
    if (const char* context = PQresultErrorField(result, PG_DIAG_CONTEXT))
        reason += QStringLiteral("; ") + QString::fromUtf8(context).section(u'\n', 0, 0);
    return reason;
}

// A field of the text format with its escapes undone. The server writes a backslash, and the
// control characters among b f n r t v, as escapes; the rest as they are.
QByteArray unescaped(const char* from, const char* to)
{
    QByteArray out;
    out.reserve(to - from);
    for (const char* p = from; p < to; ++p) {
        if (*p != '\\' || p + 1 == to) {
            out += *p;
            continue;
        }
        switch (*++p) {
        case 'b':
            out += '\b';
            break;
        case 'f':
            out += '\f';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case 'v':
            out += '\v';
            break;
        default:
            out += *p;
        }
    }
    return out;
}

// UTF-8 as it stands: a first U+FEFF is a character of the text, not a mark to drop.
QString fromUtf8(const QByteArray& bytes)
{
    QStringDecoder decode(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decode(bytes);
}

} // namespace

namespace PgCopy {

pg_conn* connectionOf(const Database& db)
{
    const QSqlDatabase connection = db.connection();
    const QVariant handle = connection.driver() ? connection.driver()->handle() : QVariant();
    if (qstrcmp(handle.typeName(), "pg_conn*") != 0) // the driver names the struct
        return nullptr;
    return *static_cast<PGconn* const*>(handle.constData());
}

In::In(pg_conn* conn)
    : m_conn(conn)
{}

In::~In()
{
    if (m_open)
        end("cancelled");
}

Status In::start(const QString& table, const QStringList& columns)
{
    QStringList names;
    for (const QString& c : columns)
        names << quoted(c);
    const QByteArray sql =
        QStringLiteral("COPY %1 (%2) FROM STDIN").arg(table, names.join(u',')).toUtf8();
    const ResultPtr result(PQexec(m_conn, sql.constData()), PQclear);
    if (PQresultStatus(result.get()) != PGRES_COPY_IN)
        return Failure{serverReason(result.get(), m_conn)};
    m_open = true;
    return Done{};
}

Status In::add(const QVariantList& row)
{
    for (qsizetype i = 0; i < row.size(); ++i) {
        if (i > 0)
            m_buffer += '\t';
        if (const Status done = append(row[i]); !done)
            return done;
    }
    m_buffer += '\n';
    return m_buffer.size() >= kChunk ? flush() : Status{Done{}};
}

Status In::finish()
{
    return end(nullptr);
}

Status In::end(const char* abort)
{
    Status done = abort ? Status{Failure{}} : flush();
    m_open = false;
    if (PQputCopyEnd(m_conn, done ? nullptr : (abort ? abort : "refused")) != 1)
        return Failure{serverReason(nullptr, m_conn)};
    while (PGresult* result = PQgetResult(m_conn)) {
        if (done && PQresultStatus(result) != PGRES_COMMAND_OK)
            done = Failure{serverReason(result, m_conn)};
        PQclear(result);
    }
    return done;
}

Status In::flush()
{
    if (!m_buffer.isEmpty() &&
        PQputCopyData(m_conn, m_buffer.constData(), int(m_buffer.size())) != 1)
        return Failure{serverReason(nullptr, m_conn)};
    m_buffer.clear();
    return Done{};
}

Status In::append(const QVariant& value)
{
    if (value.isNull()) {
        m_buffer += "\\N";
        return Done{};
    }
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::Bool:
        m_buffer += QByteArray::number(value.toLongLong());
        return Done{};
    case QMetaType::Double: {
        const double d = value.toDouble();
        // Enough digits to give back the same double.
        m_buffer += std::isnan(d)   ? QByteArray("NaN")
                    : std::isinf(d) ? QByteArray(d < 0 ? "-Infinity" : "Infinity")
                                    : QByteArray::number(d, 'g', 17);
        return Done{};
    }
    case QMetaType::QString:
        break;
    default:
        return Failure{QCoreApplication::translate(
            "BookCopy", "a value is stored as bytes, not as text or a number")};
    }
    const QString text = value.toString();
    if (text.contains(QChar(0)))
        return Failure{QCoreApplication::translate(
            "BookCopy", "a text holds the character U+0000, which the server cannot keep")};
    for (const char c : storableText(text).toUtf8()) {
        switch (c) {
        case '\\':
            m_buffer += "\\\\";
            break;
        case '\n':
            m_buffer += "\\n";
            break;
        case '\r':
            m_buffer += "\\r";
            break;
        case '\t':
            m_buffer += "\\t";
            break;
        default:
            m_buffer += c;
        }
    }
    return Done{};
}

Out::Out(pg_conn* conn)
    : m_conn(conn)
{}

Out::~Out()
{
    if (m_open)
        drain();
}

Status Out::start(const QString& select, QList<Kind> kinds)
{
    m_kinds = std::move(kinds);
    const QByteArray sql = QStringLiteral("COPY (%1) TO STDOUT").arg(select).toUtf8();
    const ResultPtr result(PQexec(m_conn, sql.constData()), PQclear);
    if (PQresultStatus(result.get()) != PGRES_COPY_OUT)
        return Failure{serverReason(result.get(), m_conn)};
    m_open = true;
    return Done{};
}

Result<bool> Out::next(QVariantList& row)
{
    char* raw = nullptr;
    const int n = PQgetCopyData(m_conn, &raw, 0);
    if (n == -1) {
        const Status done = drain();
        if (!done)
            return Failure{done.error()};
        return false;
    }
    if (n < 0) {
        m_open = false;
        return Failure{serverReason(nullptr, m_conn)};
    }
    const std::unique_ptr<char, void (*)(void*)> line(raw, PQfreemem);
    const char* end = raw + n;
    if (end > raw && end[-1] == '\n')
        --end;
    row.resize(m_kinds.size());
    const char* field = raw;
    const QString damaged =
        QCoreApplication::translate("BookCopy", "the server sent a row that cannot be read");
    for (qsizetype i = 0; i < m_kinds.size(); ++i) {
        const char* stop = field;
        while (stop < end && *stop != '\t')
            ++stop;
        if (stop == field + 2 && field[0] == '\\' && field[1] == 'N') {
            row[i] = QVariant();
        } else {
            const QByteArray value = unescaped(field, stop);
            bool ok = true;
            switch (m_kinds[i]) {
            case Kind::Integer:
                row[i] = value.toLongLong(&ok);
                break;
            case Kind::Real:
                row[i] = value == "NaN"         ? std::nan("")
                         : value == "Infinity"  ? HUGE_VAL
                         : value == "-Infinity" ? -HUGE_VAL
                                                : value.toDouble(&ok);
                break;
            case Kind::Text:
                row[i] = fromUtf8(value);
                break;
            }
            if (!ok)
                return Failure{damaged};
        }
        if ((stop == end) != (i + 1 == m_kinds.size()))
            return Failure{damaged};
        field = stop + 1;
    }
    return true;
}

Status Out::drain()
{
    m_open = false;
    char* raw = nullptr;
    int n = 0;
    while ((n = PQgetCopyData(m_conn, &raw, 0)) >= 0)
        PQfreemem(raw);
    Status done = Done{};
    while (PGresult* result = PQgetResult(m_conn)) {
        if (done && PQresultStatus(result) != PGRES_COMMAND_OK)
            done = Failure{serverReason(result, m_conn)};
        PQclear(result);
    }
    return done;
}

Result<QList<Out::Kind>> kindsOf(Database& db, const QString& table, const QStringList& columns)
{
    const auto types =
        db.all(QStringLiteral("SELECT attname, format_type(atttypid, atttypmod) FROM pg_attribute "
                              "WHERE attrelid = CAST(? AS regclass) AND attnum > 0 AND NOT "
                              "attisdropped"),
               {table.toLower()},
               [](const Row& row) { return std::pair(row[0].toString(), row[1].toString()); });
    if (!types)
        return Failure{types.error()};
    QList<Out::Kind> kinds;
    for (const QString& column : columns) {
        Out::Kind kind = Out::Kind::Text;
        for (const auto& [name, type] : *types) {
            if (name != column)
                continue;
            if (type == u"bigint" || type == u"integer" || type == u"smallint")
                kind = Out::Kind::Integer;
            else if (type == u"double precision" || type == u"real")
                kind = Out::Kind::Real;
        }
        kinds << kind;
    }
    return kinds;
}

} // namespace PgCopy
