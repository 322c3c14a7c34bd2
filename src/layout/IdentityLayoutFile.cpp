#include "layout/IdentityLayoutFile.h"

#include "core/SharedFiles.h"
#include "layout/Windows1252.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QtEndian>

namespace IdentityLayoutFile {

namespace {

constexpr qsizetype kMaxTextBytes = 0xFFFF; // the length prefix is 16 bits
// No record is longer than this; a reader takes no more, however large the file.
constexpr qint64 kMaxRecordBytes = LayoutFields::kCount * (2 + kMaxTextBytes);

void put16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

QString decodeText(const QByteArray& bytes)
{
    // A leading U+FEFF is part of the text, as it was when written.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                    QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? Windows1252::decode(bytes) : text;
}

class Reader {
public:
    explicit Reader(const QByteArray& bytes)
        : m_bytes(bytes)
    {}
    bool take(qsizetype n, const char** at)
    {
        if (n > m_bytes.size() - m_pos)
            return false;
        *at = m_bytes.constData() + m_pos;
        m_pos += n;
        return true;
    }
    qsizetype position() const { return m_pos; }

private:
    const QByteArray& m_bytes;
    qsizetype m_pos = 0;
};

} // namespace

QString fileName(int identity)
{
    return QStringLiteral("%1.dat").arg(identity);
}

QByteArray encode(const LayoutRecord& r)
{
    QByteArray out;
    out.reserve(1024);
    for (const LayoutField& f : LayoutFields::all()) {
        switch (f.type) {
        case LayoutField::Type::Int:
            put16(out, quint16(r.*f.intMember));
            break;
        case LayoutField::Type::Bool:
            put16(out, r.*f.boolMember ? 0xFFFF : 0x0000);
            break;
        case LayoutField::Type::Real: {
            char b[8];
            qToLittleEndian(r.*f.realMember, b);
            out.append(b, 8);
            break;
        }
        case LayoutField::Type::Text: {
            QByteArray text = (r.*f.textMember).toUtf8();
            if (text.size() > kMaxTextBytes) {
                // Cut before the character that straddles the limit, never inside one.
                qsizetype cut = kMaxTextBytes;
                while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
                    --cut;
                text.truncate(cut);
            }
            put16(out, quint16(text.size()));
            out.append(text);
            break;
        }
        }
    }
    return out;
}

std::optional<LayoutRecord> decode(const QByteArray& bytes, QString* error)
{
    LayoutRecord r;
    Reader in(bytes);
    for (const LayoutField& f : LayoutFields::all()) {
        const char* at = nullptr;
        const qsizetype fieldStart = in.position();
        bool ok = false;
        switch (f.type) {
        case LayoutField::Type::Int:
            if ((ok = in.take(2, &at)))
                r.*f.intMember = qFromLittleEndian<qint16>(at);
            break;
        case LayoutField::Type::Bool:
            if ((ok = in.take(2, &at)))
                r.*f.boolMember = qFromLittleEndian<quint16>(at) != 0;
            break;
        case LayoutField::Type::Real:
            if ((ok = in.take(8, &at)))
                r.*f.realMember = qFromLittleEndian<double>(at);
            break;
        case LayoutField::Type::Text:
            if (in.take(2, &at)) {
                const qsizetype length = qFromLittleEndian<quint16>(at);
                if ((ok = in.take(length, &at)))
                    r.*f.textMember = decodeText(QByteArray(at, length));
            }
            break;
        }
        if (!ok) {
            if (error)
                *error = QCoreApplication::translate(
                             "IdentityLayoutFile",
                             "The layout file ends inside the field %1 (at byte %2 of "
                             "%3).")
                             .arg(QLatin1String(f.name))
                             .arg(fieldStart)
                             .arg(bytes.size());
            return std::nullopt;
        }
    }
    if (const QString why = r.damage(); !why.isEmpty()) {
        if (error)
            *error = why;
        return std::nullopt;
    }
    return r;
}

Result<std::optional<LayoutRecord>> read(const SharedFiles& files, int identity)
{
    const QString name = fileName(identity);
    const Result<std::optional<QByteArray>> bytes = files.read(name);
    if (!bytes)
        return Failure{bytes.error()};
    if (!*bytes)
        return std::optional<LayoutRecord>();
    QString why;
    // Bytes after the longest record are never looked at.
    std::optional<LayoutRecord> record = decode((*bytes)->left(kMaxRecordBytes), &why);
    if (!record)
        return Failure{
            QCoreApplication::translate("IdentityLayoutFile", "%1 is not a usable layout file. %2")
                .arg(files.describe(name), why)};
    return record;
}

Status write(SharedFiles& files, int identity, const LayoutRecord& record)
{
    const QString name = fileName(identity);
    if (const QString why = record.damage(); !why.isEmpty())
        return Failure{
            QCoreApplication::translate("IdentityLayoutFile", "The layout is not written to %1. %2")
                .arg(files.describe(name), why)};
    QByteArray bytes = encode(record);
    const Result<std::optional<QByteArray>> old = files.read(name);
    if (!old)
        return Failure{old.error()};
    if (*old && (*old)->size() > bytes.size())
        bytes.append((*old)->mid(bytes.size()));
    return files.write(name, bytes);
}

} // namespace IdentityLayoutFile
