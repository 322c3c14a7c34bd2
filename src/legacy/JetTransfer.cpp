#include "legacy/JetTransfer.h"

#include "legacy/MdbSource.h"

#include <QDataStream>
#include <QHash>
#include <algorithm>

namespace {

constexpr quint32 kMagic = 0x4a455431; // "JET1"
constexpr auto kVersion = QDataStream::Qt_6_4;

// What follows each tag byte.
enum Tag : quint8 {
    OpenFailed = 'X', // the message; nothing follows
    Table = 'T',      // name, then quint8 ok: columns and recorded rows, or the message
    Row = 'R',        // the row's values
    RowFailure = 'F', // the message that stopped the table's rows
    TableEnd = 'E',
    End = 'Z',
};

// One table as the reader read it: its rows, then what stopped them, if anything.
struct TableData {
    QString name;
    QString openFailure; // the table itself could not be read
    QList<JetColumn> columns;
    qint64 recorded = 0;
    QList<QVariantList> rows;
    QString rowFailure;
};

class TransferredTable final : public JetTable {
public:
    explicit TransferredTable(TableData data)
        : m_data(std::move(data))
    {}
    QString name() const override { return m_data.name; }
    const QList<JetColumn>& columns() const override { return m_data.columns; }
    qint64 recordedRows() const override { return m_data.recorded; }
    Result<bool> next(QVariantList& row) override
    {
        if (m_next < m_data.rows.size()) {
            row = m_data.rows[m_next++];
            return true;
        }
        if (!m_data.rowFailure.isEmpty())
            return Failure{m_data.rowFailure};
        return false;
    }

private:
    TableData m_data;
    qsizetype m_next = 0;
};

class TransferredSource final : public JetSource {
public:
    QStringList names;
    QHash<QString, TableData> read; // by lower-case name

    QStringList tables() const override { return names; }
    Result<std::unique_ptr<JetTable>> table(const QString& name) override
    {
        const auto found = read.find(name.toLower());
        if (found == read.end())
            return Failure{QStringLiteral("there is no table %1.").arg(name)};
        if (!found->openFailure.isEmpty())
            return Failure{found->openFailure};
        // A copy that shares the rows until it is read: a table may be opened more than once.
        return std::unique_ptr<JetTable>(new TransferredTable(*found));
    }
};

} // namespace

namespace JetTransfer {

void write(QIODevice& device, const QString& path, const QStringList& wanted)
{
    QDataStream out(&device);
    out.setVersion(kVersion);
    out << kMagic;
    Result<std::unique_ptr<MdbSource>> source = MdbSource::open(path);
    if (!source) {
        out << quint8(OpenFailed) << source.error();
        return;
    }
    const QStringList names = (*source)->tables();
    out << quint8(Table) << names;
    for (const QString& name : names) {
        if (!wanted.isEmpty() && !wanted.contains(name, Qt::CaseInsensitive))
            continue;
        out << quint8(Table) << name;
        Result<std::unique_ptr<JetTable>> table = (*source)->table(name);
        if (!table) {
            out << quint8(0) << table.error();
            continue;
        }
        out << quint8(1) << qint32((*table)->columns().size());
        for (const JetColumn& column : (*table)->columns())
            out << column.name << qint32(column.kind);
        out << qint64((*table)->recordedRows());
        QVariantList row;
        for (;;) {
            const Result<bool> more = (*table)->next(row);
            if (!more) {
                out << quint8(RowFailure) << more.error();
                break;
            }
            if (!*more) {
                out << quint8(TableEnd);
                break;
            }
            out << quint8(Row) << row;
        }
    }
    out << quint8(End);
}

Result<std::unique_ptr<JetSource>> read(const QByteArray& bytes, Cut& cut)
{
    QDataStream in(bytes);
    in.setVersion(kVersion);
    const Failure stopped{QStringLiteral("the reading stopped before its end")};
    cut = Cut{true, {}};
    quint32 magic = 0;
    quint8 tag = 0;
    in >> magic >> tag;
    if (in.status() != QDataStream::Ok || magic != kMagic)
        return stopped;
    if (tag == OpenFailed) {
        QString message;
        in >> message;
        if (in.status() != QDataStream::Ok)
            return stopped;
        cut.cut = false;
        return Failure{message};
    }
    if (tag != Table)
        return stopped;
    auto source = std::make_unique<TransferredSource>();
    in >> source->names;
    for (;;) {
        in >> tag;
        if (in.status() != QDataStream::Ok)
            return stopped;
        if (tag == End)
            break;
        if (tag != Table)
            return stopped;
        TableData data;
        quint8 ok = 0;
        in >> data.name >> ok;
        cut.table = data.name;
        if (!ok) {
            in >> data.openFailure;
        } else {
            qint32 count = 0;
            in >> count;
            for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
                JetColumn column;
                qint32 kind = 0;
                in >> column.name >> kind;
                column.kind =
                    JetKind(std::clamp(kind, qint32(JetKind::YesNo), qint32(JetKind::Other)));
                data.columns << column;
            }
            in >> data.recorded;
            for (;;) {
                in >> tag;
                if (in.status() != QDataStream::Ok)
                    return stopped;
                if (tag == TableEnd)
                    break;
                if (tag == RowFailure) {
                    in >> data.rowFailure;
                    break;
                }
                if (tag != Row)
                    return stopped;
                QVariantList row;
                in >> row;
                // Each row has one value per column, whatever the bytes claim.
                row.resize(data.columns.size());
                data.rows << std::move(row);
            }
        }
        if (in.status() != QDataStream::Ok)
            return stopped;
        source->read.insert(data.name.toLower(), std::move(data));
    }
    cut = Cut{};
    return std::unique_ptr<JetSource>(std::move(source));
}

} // namespace JetTransfer
