#pragma once

#include "core/Result.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

// What a column of a Jet table holds, and the form its values take in a row. Numbers come out
// exactly as the file stores them: no value passes through a conversion to text and back.
enum class JetKind {
    YesNo,    // qint64 -1 (Yes) or 0 (No); a Jet Yes/No is never Null
    Byte,     // qint64
    Integer,  // qint64, 16-bit in the file
    Long,     // qint64, 32-bit in the file (AutoNumber keys too)
    Currency, // qint64 ten-thousandths, the file's own 64-bit count
    Single,   // double
    Double,   // double
    DateTime, // double: the day serial as stored (days since 30 December 1899, time as fraction)
    Text,     // QString
    Memo,     // QString
    Binary,   // QByteArray
    Ole,      // QByteArray
    Guid,     // QString, "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}"
    Decimal,  // QString, the decimal's plain text
    Other,    // QByteArray, the raw bytes of a kind this reader does not know
};

struct JetColumn {
    QString name;
    JetKind kind = JetKind::Text;
};

// The rows of one table, read forwards once.
class JetTable {
public:
    virtual ~JetTable() = default;

    virtual QString name() const = 0;
    virtual const QList<JetColumn>& columns() const = 0;
    // The number of rows the table's definition records; a complete read yields exactly these.
    virtual qint64 recordedRows() const = 0;
    // Fills `row` with the next row, one value per column (a null QVariant for Null), and gives
    // true, or false after the last row. A Failure names the table, the row (counted from 1)
    // and what could not be read; reading stops there.
    virtual Result<bool> next(QVariantList& row) = 0;
};

// The tables and typed rows of a Jet database.
class JetSource {
public:
    virtual ~JetSource() = default;

    // The user tables, as the file names them.
    virtual QStringList tables() const = 0;
    // A table by name, in any letter case (Jet names are not case-sensitive).
    virtual Result<std::unique_ptr<JetTable>> table(const QString& name) = 0;
};
