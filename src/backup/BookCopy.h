#pragma once

#include "core/Database.h"
#include "core/Result.h"
#include "core/ServerAddress.h"
#include "core/ZipArchive.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class SharedFiles;

// Moving books between engines: every row of the five tables with its key, the key counters,
// and the files the books keep beside their tables. One side is an SQLite file, the other
// shared books on a server, either way round. What was copied is counted and summed on both
// sides before anything is committed.
namespace BookCopy {

// The files of a data folder that belong to the books (and live on the server with them):
// the layout records (<n>.dat), Layout.set, Help.set and the logo pictures. Not the database,
// its journals, the lock file or Billcraft's scratch files.
bool isSharedFile(const QString& name);

// What the check compares: each table's rows, and the money of the invoices and expenses in
// ten-thousandths.
struct Tally {
    QList<qint64> rows; // in Database::tableNames() order
    qint64 invoiceTotal = 0;
    qint64 invoiceVat = 0;
    qint64 invoiceValue = 0;
    qint64 expenseValue = 0;
    qint64 expenseVat = 0;
    bool operator==(const Tally&) const = default;
};
Result<Tally> tally(Database& db);
// One line per figure that differs, naming both sides.
QStringList differences(const Tally& from, const Tally& to, const QString& fromName,
                        const QString& toName);

// Invoice numbers given twice within an identity, which a server's books refuse: one line
// each, naming the identity and the number.
Result<QStringList> duplicateNumbers(Database& db);

// Reads a database as of one moment for as long as it lives: a read transaction, which on a
// server sees one snapshot for all its statements (repeatable read) rather than one each.
class Snapshot {
public:
    explicit Snapshot(Database& db);
    // Empty when the snapshot holds.
    QString error() const { return m_error; }

private:
    Transaction m_tx;
    QString m_error;
};

// Copies every row of the five tables of `from` into `to`, keys kept, inside a transaction the
// caller holds on `to`, whose tables must be empty; each key counter is then set so that no
// key is given twice, deleted rows' keys included. The caller reads `from` through a Snapshot.
// Ends by comparing the tallies of both sides: a difference is a Failure, one line per figure.
// `progress` runs 0 to 1 over the rows; returning false stops the copy (a Failure).
Status copyRows(Database& from, Database& to, const ZipArchive::Progress& progress = {});

// Copies every shared file of `from` into `to`, replacing files of the same name.
Status copyFiles(const SharedFiles& from, SharedFiles& to);

// --data-folder D --copy-to URL: the data folder's books into the empty server database at
// `to`, in one transaction. A Failure holds one line per problem.
Status copyToServer(const QString& dataFolder, const ServerAddress& to);

} // namespace BookCopy
