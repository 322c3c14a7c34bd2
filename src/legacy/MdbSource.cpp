#include "legacy/MdbSource.h"

#include "layout/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QUuid>
#include <algorithm>
#include <cstring>
#include <mdbtools.h>
#include <sys/stat.h>
#include <vector>

namespace {

// The first page: the format's signature at byte 4, its version at byte 0x14.
constexpr int kVersionOffset = 0x14;
constexpr int kJet3PageSize = 2048;
constexpr int kJet4PageSize = 4096;
// A long value (Memo, OLE) keeps its length and two flags in a 12-byte header in the row.
constexpr quint32 kLongValueInline = 0x80000000u;
constexpr quint32 kLongValueOnePage = 0x40000000u;
constexpr quint32 kLongValueLengthMask = 0x3fffffffu;
constexpr int kRowOffsetMask = 0x1fff;

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

quint32 u32(const unsigned char* p)
{
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint64 u64(const unsigned char* p)
{
    return quint64(u32(p)) | quint64(u32(p + 4)) << 32;
}

JetKind kindOf(int type)
{
    switch (type) {
    case MDB_BOOL:
        return JetKind::YesNo;
    case MDB_BYTE:
        return JetKind::Byte;
    case MDB_INT:
        return JetKind::Integer;
    case MDB_LONGINT:
        return JetKind::Long;
    case MDB_MONEY:
        return JetKind::Currency;
    case MDB_FLOAT:
        return JetKind::Single;
    case MDB_DOUBLE:
        return JetKind::Double;
    case MDB_DATETIME:
        return JetKind::DateTime;
    case MDB_BINARY:
        return JetKind::Binary;
    case MDB_TEXT:
        return JetKind::Text;
    case MDB_OLE:
        return JetKind::Ole;
    case MDB_MEMO:
        return JetKind::Memo;
    case MDB_REPID:
        return JetKind::Guid;
    case MDB_NUMERIC:
        return JetKind::Decimal;
    default:
        return JetKind::Other;
    }
}

// The bytes a fixed-size kind occupies in a row; 0 for the variable-size kinds.
int fixedSize(JetKind kind)
{
    switch (kind) {
    case JetKind::Byte:
        return 1;
    case JetKind::Integer:
        return 2;
    case JetKind::Long:
    case JetKind::Single:
        return 4;
    case JetKind::Currency:
    case JetKind::Double:
    case JetKind::DateTime:
        return 8;
    case JetKind::Guid:
        return 16;
    case JetKind::Decimal:
        return 17;
    default:
        return 0;
    }
}

// Jet 4 text is UTF-16LE, or, when it starts with FF FE, "compressed": one byte per character
// of U+0001..U+00FF, with each 00 byte switching between that and two-byte characters (read as
// libmdb and mdb-export read it: a 00 where a two-byte character would start switches too).
// Nullopt when the bytes are no valid UTF-16: an odd byte left over, a surrogate without its
// partner.
std::optional<QString> decodeJet4(const unsigned char* p, qsizetype n)
{
    QString text;
    text.reserve(n / 2 + 1);
    if (n >= 2 && p[0] == 0xff && p[1] == 0xfe) {
        bool compressed = true;
        for (qsizetype i = 2; i < n;) {
            if (p[i] == 0) {
                compressed = !compressed;
                ++i;
            } else if (compressed) {
                text.append(QChar(char16_t(p[i++])));
            } else if (i + 1 < n) {
                text.append(QChar(char16_t(p[i] | p[i + 1] << 8)));
                i += 2;
            } else {
                return std::nullopt;
            }
        }
    } else {
        if (n % 2 != 0)
            return std::nullopt;
        for (qsizetype i = 0; i < n; i += 2)
            text.append(QChar(char16_t(p[i] | p[i + 1] << 8)));
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return std::nullopt;
    }
    return text;
}

const char* kindName(JetKind kind)
{
    switch (kind) {
    case JetKind::Memo:
        return "memo";
    case JetKind::Ole:
        return "OLE object";
    default:
        return "value";
    }
}

class MdbTableReader final : public JetTable {
public:
    MdbTableReader(MdbHandle* mdb, MdbTableDef* table, const QString& name)
        : m_mdb(mdb)
        , m_table(table)
        , m_name(name)
        , m_fields(table->num_cols)
    {
        for (unsigned i = 0; i < table->num_cols; ++i) {
            auto* col = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
            m_columns.append({QString::fromUtf8(col->name), kindOf(col->col_type)});
        }
        mdb_rewind_table(table);
    }
    ~MdbTableReader() override { mdb_free_tabledef(m_table); }
    MdbTableReader(const MdbTableReader&) = delete;
    MdbTableReader& operator=(const MdbTableReader&) = delete;

    QString name() const override { return m_name; }
    const QList<JetColumn>& columns() const override { return m_columns; }
    qint64 recordedRows() const override { return m_table->num_rows; }

    Result<bool> next(QVariantList& row) override
    {
        if (m_ended)
            return false;
        // A damaged page can make libmdb find rows without end; the file says how many there are.
        if (m_row >= recordedRows()) {
            m_ended = true;
            if (mdb_fetch_row(m_table))
                return Failure{QStringLiteral("%1: the file records %2 rows, but more were "
                                              "found; the file is damaged.")
                                   .arg(m_name)
                                   .arg(recordedRows())};
            return false;
        }
        if (!mdb_fetch_row(m_table)) {
            m_ended = true;
            // Rows on pages the file no longer has are not found, so the count is what tells.
            if (m_row != recordedRows())
                return Failure{QStringLiteral("%1: the file records %2 rows, but %3 could be "
                                              "read; the file is damaged or incomplete.")
                                   .arg(m_name)
                                   .arg(recordedRows())
                                   .arg(m_row)};
            return false;
        }
        ++m_row;
        // mdb_fetch_row leaves the row's page in pg_buf and its number one behind cur_row; the
        // row is taken apart again here because libmdb's bound values lose what is needed
        // (Null against empty text, the exact bytes of numbers).
        int start = 0;
        size_t size = 0;
        if (m_table->cur_row == 0 || mdb_find_row(m_mdb, int(m_table->cur_row - 1), &start, &size))
            return damaged(QStringLiteral("its place on the page"));
        start &= kRowOffsetMask;
        if (mdb_crack_row(m_table, start, size, m_fields.data()) < 0)
            return damaged(QStringLiteral("its columns"));

        row.resize(m_columns.size());
        for (qsizetype i = 0; i < m_columns.size(); ++i)
            row[i] = QVariant();
        for (qsizetype i = 0; i < m_columns.size(); ++i) {
            const MdbField& field = m_fields[size_t(i)];
            if (field.colnum < 0 || field.colnum >= int(m_columns.size()))
                return damaged(QStringLiteral("its columns"));
            const JetColumn& column = m_columns[field.colnum];
            Result<QVariant> value = read(column.kind, field);
            if (!value)
                return damaged(
                    QStringLiteral("the column %1 (%2)").arg(column.name, value.error()));
            row[field.colnum] = *value;
        }
        return true;
    }

private:
    Failure damaged(const QString& what) const
    {
        return Failure{QStringLiteral("%1, row %2: %3 could not be read; the file is damaged.")
                           .arg(m_name)
                           .arg(m_row)
                           .arg(what)};
    }

    const unsigned char* page() const { return m_mdb->pg_buf; }
    qsizetype pageSize() const { return qsizetype(m_mdb->fmt->pg_size); }
    bool onPage(int start, qsizetype size) const
    {
        return start >= 0 && size >= 0 && start + size <= pageSize();
    }

    Result<QVariant> read(JetKind kind, const MdbField& field)
    {
        // A Yes/No keeps its value in the row's null mask: a set bit is Yes.
        if (kind == JetKind::YesNo)
            return QVariant(qint64(field.is_null ? 0 : -1));
        if (field.is_null)
            return QVariant();
        const int size = fixedSize(kind);
        if (size > 0 && (field.siz < size || !onPage(field.start, size)))
            return Failure{QStringLiteral("its bytes lie outside its row")};
        if (size == 0 && !onPage(field.start, field.siz))
            return Failure{QStringLiteral("its bytes lie outside its page")};
        const unsigned char* p = page() + field.start;
        switch (kind) {
        case JetKind::Byte:
            return QVariant(qint64(p[0]));
        case JetKind::Integer:
            return QVariant(qint64(qint16(quint16(p[0] | p[1] << 8))));
        case JetKind::Long:
            return QVariant(qint64(qint32(u32(p))));
        case JetKind::Currency:
            return QVariant(qint64(u64(p)));
        case JetKind::Single: {
            const quint32 bits = u32(p);
            float f = 0;
            std::memcpy(&f, &bits, sizeof f);
            return QVariant(double(f));
        }
        case JetKind::Double:
        case JetKind::DateTime: {
            const quint64 bits = u64(p);
            double d = 0;
            std::memcpy(&d, &bits, sizeof d);
            return QVariant(d);
        }
        case JetKind::Guid:
            return QVariant(QUuid(u32(p), quint16(p[4] | p[5] << 8), quint16(p[6] | p[7] << 8),
                                  p[8], p[9], p[10], p[11], p[12], p[13], p[14], p[15])
                                .toString(QUuid::WithBraces)
                                .toUpper());
        case JetKind::Decimal: {
            auto* col = static_cast<MdbColumn*>(g_ptr_array_index(m_table->columns, field.colnum));
            char* text = mdb_numeric_to_string(m_mdb, field.start, col->col_scale, col->col_prec);
            const QString decimal = QString::fromUtf8(text);
            g_free(text);
            return QVariant(decimal);
        }
        case JetKind::Text:
            return text(p, field.siz);
        case JetKind::Binary:
        case JetKind::Other:
            return QVariant(QByteArray(reinterpret_cast<const char*>(p), field.siz));
        case JetKind::Memo:
        case JetKind::Ole: {
            Result<QByteArray> bytes = longValue(kind, field.start, field.siz);
            if (!bytes)
                return Failure{bytes.error()};
            if (kind == JetKind::Ole)
                return QVariant(*bytes);
            return text(reinterpret_cast<const unsigned char*>(bytes->constData()), bytes->size());
        }
        case JetKind::YesNo:
            break;
        }
        return QVariant();
    }

    Result<QVariant> text(const unsigned char* p, qsizetype n) const
    {
        if (IS_JET3(m_mdb))
            return QVariant(Windows1252::decode(QByteArray(reinterpret_cast<const char*>(p), n)));
        std::optional<QString> decoded = decodeJet4(p, n);
        if (!decoded)
            return Failure{QStringLiteral("its text holds invalid characters")};
        return QVariant(*decoded);
    }

    // A Memo's or OLE object's bytes: kept in the row when short, else in one row of another
    // page, or in a chain of rows over several pages.
    Result<QByteArray> longValue(JetKind kind, int start, int size)
    {
        if (size == 0)
            return QByteArray();
        if (size < MDB_MEMO_OVERHEAD)
            return Failure{QStringLiteral("its %1 header is cut short").arg(kindName(kind))};
        const unsigned char* header = page() + start;
        const quint32 length = u32(header);
        if (length & kLongValueInline)
            return QByteArray(reinterpret_cast<const char*>(header) + MDB_MEMO_OVERHEAD,
                              size - MDB_MEMO_OVERHEAD);
        const Failure lost{QStringLiteral("a page of its %1 is missing").arg(kindName(kind))};
        int pageRow = int(u32(header + 4));
        void* buf = nullptr;
        int offset = 0;
        size_t rowSize = 0;
        if (length & kLongValueOnePage) {
            if (mdb_find_pg_row(m_mdb, pageRow, &buf, &offset, &rowSize))
                return lost;
            return QByteArray(static_cast<const char*>(buf) + offset, qsizetype(rowSize));
        }
        if (length & ~kLongValueLengthMask)
            return Failure{QStringLiteral("its %1 header is unknown").arg(kindName(kind))};
        // Each row of the chain starts with the page and row of the next; 0 ends the chain. A
        // damaged chain can lead back to a row it has passed, so each row is taken once.
        QByteArray bytes;
        QSet<int> passed;
        while (pageRow != 0) {
            if (passed.contains(pageRow))
                return Failure{QStringLiteral("its %1 leads back to a page it has passed")
                                   .arg(kindName(kind))};
            passed.insert(pageRow);
            if (mdb_find_pg_row(m_mdb, pageRow, &buf, &offset, &rowSize) || rowSize < 4)
                return lost;
            const auto* chunk = static_cast<const unsigned char*>(buf) + offset;
            if (quint64(bytes.size()) + rowSize - 4 > length)
                return Failure{QStringLiteral("its %1 is longer than it says").arg(kindName(kind))};
            bytes.append(reinterpret_cast<const char*>(chunk) + 4, qsizetype(rowSize - 4));
            pageRow = int(u32(chunk));
        }
        return bytes;
    }

    MdbHandle* m_mdb;
    MdbTableDef* m_table;
    QString m_name;
    QList<JetColumn> m_columns;
    std::vector<MdbField> m_fields;
    qint64 m_row = 0;
    bool m_ended = false;
};

} // namespace

MdbSource::MdbSource(void* mdb)
    : m_mdb(mdb)
{}

MdbSource::~MdbSource()
{
    mdb_close(static_cast<MdbHandle*>(m_mdb));
}

Status MdbSource::check(const QString& path)
{
    // Opening a named pipe would wait for a writer, and a device has no pages.
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) == 0 && !S_ISREG(status.st_mode))
        return Failure{QStringLiteral("%1 is not a file of its own (it is a folder, a named pipe "
                                      "or a device), so it is no database of the earlier Windows "
                                      "program.")
                           .arg(native(path))};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{
            QStringLiteral("%1 cannot be read: %2").arg(native(path), file.errorString())};
    const QByteArray head = file.read(kVersionOffset + 1);
    const qint64 fileSize = file.size();
    file.close();
    if (head.size() > kVersionOffset && head.mid(4, 16) == QByteArray("Standard ACE DB\0", 16))
        return Failure{QStringLiteral("%1 is an Access database of a later format (.accdb), "
                                      "not one of the earlier Windows program.")
                           .arg(native(path))};
    if (head.mid(4, 15) != QByteArray("Standard Jet DB"))
        return Failure{QStringLiteral("%1 is not a database of the earlier Windows program.")
                           .arg(native(path))};
    // The smallest Jet file is its header page and the page of its list of tables.
    const Failure tooShort{QStringLiteral("%1 is too short (%2 bytes) to be a database of the "
                                          "earlier Windows program, which needs at least two "
                                          "pages. Copy it again from the old computer.")
                               .arg(native(path))
                               .arg(fileSize)};
    if (fileSize < 2 * kJet3PageSize || head.size() <= kVersionOffset)
        return tooShort;
    const int version = head.at(kVersionOffset);
    if (version != MDB_VER_JET3 && version != MDB_VER_JET4)
        return Failure{QStringLiteral("%1 is an Access database of a later format (version %2), "
                                      "not one of the earlier Windows program.")
                           .arg(native(path))
                           .arg(version)};
    // A Jet file is whole pages; anything else was cut short (a copy broken off, a full disk).
    const int pageSize = version == MDB_VER_JET3 ? kJet3PageSize : kJet4PageSize;
    if (fileSize < 2 * pageSize)
        return tooShort;
    if (fileSize % pageSize != 0)
        return Failure{QStringLiteral("%1 is incomplete: its size (%2 bytes) is not a whole number "
                                      "of %3-byte pages. Copy it again from the old computer.")
                           .arg(native(path))
                           .arg(fileSize)
                           .arg(pageSize)};
    return Done{};
}

Result<std::unique_ptr<MdbSource>> MdbSource::open(const QString& path)
{
    if (const Status checked = check(path); !checked)
        return Failure{checked.error()};
    MdbHandle* mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!mdb)
        return Failure{QStringLiteral("%1 cannot be opened as a Jet database.").arg(native(path))};
    std::unique_ptr<MdbSource> source(new MdbSource(mdb));
    GPtrArray* catalog = mdb_read_catalog(mdb, MDB_TABLE);
    if (!catalog)
        return Failure{QStringLiteral("%1: its list of tables cannot be read; the file is damaged.")
                           .arg(native(path))};
    MdbCatalogEntry* objects = nullptr;
    for (guint i = 0; i < catalog->len; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(catalog, i));
        if (entry->object_type == MDB_TABLE && mdb_is_user_table(entry))
            source->m_tables << QString::fromUtf8(entry->object_name);
        if (qstricmp(entry->object_name, "MSysObjects") == 0)
            objects = entry;
    }
    // The list of tables is itself a table, whose rows may lie on pages the file has lost: a
    // table missing from it would go unnoticed.
    MdbTableDef* list = objects ? mdb_read_table(objects) : nullptr;
    bool complete = list && mdb_read_columns(list);
    if (complete) {
        mdb_rewind_table(list);
        unsigned rows = 0;
        while (mdb_fetch_row(list))
            ++rows;
        complete = rows == list->num_rows;
    }
    if (list)
        mdb_free_tabledef(list);
    if (!complete)
        return Failure{QStringLiteral("%1: its list of tables cannot be read in full; the file "
                                      "is damaged or incomplete.")
                           .arg(native(path))};
    return source;
}

Result<std::unique_ptr<JetTable>> MdbSource::table(const QString& name)
{
    auto* mdb = static_cast<MdbHandle*>(m_mdb);
    const auto found = std::find_if(m_tables.begin(), m_tables.end(), [&](const QString& t) {
        return t.compare(name, Qt::CaseInsensitive) == 0;
    });
    if (found == m_tables.end())
        return Failure{QStringLiteral("there is no table %1.").arg(name)};
    const QString stored = *found;
    QByteArray utf8 = stored.toUtf8();
    MdbTableDef* table = mdb_read_table_by_name(mdb, utf8.data(), MDB_TABLE);
    if (!table)
        return Failure{
            QStringLiteral("the table %1 cannot be read; the file is damaged.").arg(stored)};
    if (!mdb_read_columns(table) || table->columns->len != table->num_cols) {
        mdb_free_tabledef(table);
        return Failure{QStringLiteral("the columns of the table %1 cannot be read; the file is "
                                      "damaged.")
                           .arg(stored)};
    }
    return std::unique_ptr<JetTable>(new MdbTableReader(mdb, table, stored));
}
