#pragma once

#include <QFile>
#include <QStringList>
#include <QTest>
#include <array>

// Cases kept as text under tests/data, one a line, so that adding a case is adding a line:
//   name | field | field ...
// Blank lines and lines starting with '#' are skipped. Fields are split at '|' and trimmed; a
// field in double quotes is taken as written, blanks included, with the escapes \n, \r, \t,
// \\, \", \| and \uXXXX. The first field names the Qt Test row.
namespace CaseFile {

inline QString unquote(const QString& field)
{
    const QString inner = field.mid(1, field.size() - 2);
    QString out;
    for (qsizetype i = 0; i < inner.size(); ++i) {
        const QChar c = inner[i];
        if (c != u'\\' || i + 1 == inner.size()) {
            out += c;
            continue;
        }
        const QChar e = inner[++i];
        if (e == u'n')
            out += u'\n';
        else if (e == u'r')
            out += u'\r';
        else if (e == u't')
            out += u'\t';
        else if (e == u'u') {
            out += QChar(char16_t(inner.mid(i + 1, 4).toUShort(nullptr, 16)));
            i += 4;
        } else
            out += e;
    }
    return out;
}

// The cases of `name` (a path below tests/data); stops the test program when it cannot be read.
inline QList<QStringList> read(const QString& name)
{
    QFile file(QStringLiteral(BILLCRAFT_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read the cases %s", qPrintable(file.fileName()));
    QList<QStringList> cases;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(u'#'))
            continue;
        QStringList fields;
        QString field;
        bool quoted = false;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line[i];
            if (c == u'\\' && quoted && i + 1 < line.size()) {
                field += c;
                field += line[++i];
            } else if (c == u'|' && !quoted) {
                fields << field.trimmed();
                field.clear();
            } else {
                quoted = c == u'"' ? !quoted : quoted;
                field += c;
            }
        }
        fields << field.trimmed();
        for (QString& f : fields) {
            if (f.size() >= 2 && f.startsWith(u'"') && f.endsWith(u'"'))
                f = unquote(f);
        }
        cases << fields;
    }
    return cases;
}

// One QString column for each of `columns` (literals: Qt Test keeps the pointers), and a row for
// each case of `name`; a case with too few or too many fields stops the test program.
inline void addRows(const QString& name, const QList<const char*>& columns)
{
    for (const char* column : columns)
        QTest::addColumn<QString>(column);
    for (const QStringList& fields : read(name)) {
        if (fields.size() != columns.size() + 1)
            qFatal("%s: %lld fields where %lld belong: %s", qPrintable(name),
                   qlonglong(fields.size()), qlonglong(columns.size() + 1),
                   qPrintable(fields.join(u'|')));
        QTestData& row = QTest::newRow(fields[0].toUtf8().constData());
        for (qsizetype i = 1; i < fields.size(); ++i)
            row << fields[i];
    }
}

// The current row's QString columns of `columns`, in that order: one line for what would be a
// QFETCH each.
inline QStringList fetch(const QList<const char*>& columns)
{
    QStringList values;
    for (const char* column : columns)
        values << *static_cast<QString*>(QTest::qData(column, QMetaType::QString));
    return values;
}

// The same, to be bound by name: const auto [a, b] = CaseFile::fetchEach({"a", "b"});
template <std::size_t N> std::array<QString, N> fetchEach(const char* const (&columns)[N])
{
    std::array<QString, N> values;
    for (std::size_t i = 0; i < N; ++i)
        values[i] = *static_cast<QString*>(QTest::qData(columns[i], QMetaType::QString));
    return values;
}

} // namespace CaseFile
