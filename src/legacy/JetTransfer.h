#pragma once

#include "legacy/JetSource.h"

#include <QByteArray>
#include <QIODevice>
#include <QStringList>

// The tables of a Jet file as the reader process hands them over: the list of tables, then for
// each table asked for its columns, the rows it records and its rows, ending with the failure
// that stopped the reading, if any. Written row by row, so what a reader killed half-way had
// already read is still told apart from a complete reading.
namespace JetTransfer {

// Reads `path` with libmdb and writes what it finds to `out`: every table when `wanted` is
// empty, else only those (in any letter case). A file that cannot be opened is written as its
// failure.
void write(QIODevice& out, const QString& path, const QStringList& wanted);

// Where bytes that stop before their end broke off: the reader was stopped while reading
// `table` (empty: before any table).
struct Cut {
    bool cut = false;
    QString table;
};

// The source that `bytes`, all a reader wrote, describes, or the reader's failure to open the
// file. Bytes that stop before their end give a Failure and fill `cut`.
Result<std::unique_ptr<JetSource>> read(const QByteArray& bytes, Cut& cut);

} // namespace JetTransfer
