#pragma once

// The ADTG reader's bounded reading of a file's bytes. Internal to src/layout.

#include "layout/AdtgFormat.h"

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <QtEndian>

namespace AdtgFormat {

// Reads the bytes of a file, never past their end nor past the end of the body being read.
// The first failure is kept with its offset; every read after it gives nothing.
class Reader {
public:
    explicit Reader(const QByteArray& bytes)
        : m_data(bytes.constData())
        , m_end(bytes.size())
    {}

    bool failed() const { return !m_error.isEmpty(); }
    const QString& error() const { return m_error; }
    qsizetype position() const { return m_pos; }
    qsizetype remaining() const { return m_end - m_pos; }
    bool atEnd() const { return m_pos >= m_end; }

    bool failAt(qsizetype offset, const QString& what)
    {
        if (m_error.isEmpty())
            m_error = Text::tr("%1 at offset 0x%2").arg(what, QString::number(offset, 16));
        return false;
    }
    bool fail(const QString& what) { return failAt(m_pos, what); }
    // Adds where the failure happened, e.g. " (row 3, column Name)".
    void addContext(const QString& context)
    {
        if (failed())
            m_error += context;
    }

    // Confines the reads to the next `length` bytes (checked by the caller) until endBody.
    qsizetype beginBody(qsizetype length)
    {
        const qsizetype outer = m_end;
        m_end = m_pos + length;
        return outer;
    }
    // Steps over what is left of the body.
    void endBody(qsizetype outer)
    {
        m_pos = m_end;
        m_end = outer;
    }

    const char* take(qsizetype n, const char* what)
    {
        if (failed())
            return nullptr;
        if (n < 0 || n > remaining()) {
            fail(Text::tr("truncated %1").arg(QLatin1String(what)));
            return nullptr;
        }
        const char* at = m_data + m_pos;
        m_pos += n;
        return at;
    }
    template <typename T> T get(const char* what)
    {
        const char* at = take(qsizetype(sizeof(T)), what);
        return at ? qFromLittleEndian<T>(at) : T{};
    }
    QByteArray bytes(qsizetype n, const char* what)
    {
        const char* at = take(n, what);
        return at ? QByteArray(at, n) : QByteArray();
    }
    QString wide(qsizetype units, const char* what)
    {
        const char* at = take(units * 2, what); // checked before anything is allocated
        if (!at || units == 0)
            return at ? QStringLiteral("") : QString(); // empty, not NULL
        QString s(units, Qt::Uninitialized); // the code units as they are, unpaired or not
        qFromLittleEndian<quint16>(at, units, s.data());
        return s;
    }
    QString lps(const char* what) { return wide(get<quint16>(what), what); }
    quint8 peek() const { return quint8(m_data[m_pos]); }

private:
    const char* m_data;
    qsizetype m_pos = 0;
    qsizetype m_end;
    QString m_error;
};

// The value of column `c` at the reader's position.
QVariant readValue(Reader& in, const AdtgColumn& c);
// The fewest bytes a present value of the column takes.
quint64 minValueBytes(const AdtgColumn& c);

} // namespace AdtgFormat
