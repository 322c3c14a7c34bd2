#pragma once

#include "core/Money.h"
#include "core/Result.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class Database;
class JetSource;

// Where a conversion has got to: the table being read and the rows copied so far out of the
// rows the five tables record.
struct JetImportProgress {
    QString table;
    qint64 rowsDone = 0;
    qint64 rowsTotal = 0;
};
// Called at the start of each table and every few hundred rows; returning false cancels.
using JetProgress = std::function<bool(const JetImportProgress&)>;

struct JetTableSummary {
    QString table;
    qint64 rows = 0;
    QStringList absentColumns;  // columns the file lacks; they are Null in every row
    std::optional<Money> total; // TblInvoices only: the sums of Total and VAT
    std::optional<Money> vat;

    // "TblInvoices: 877 rows, Total 12345.67, VAT 2057.61" or "TblClients: 12 rows (no Notes)".
    QString line() const;
};

struct JetImportReport {
    QList<JetTableSummary> tables;
    bool cancelled = false; // then nothing has been written
};

namespace JetImport {

// The five tables, in the order they are copied.
const QStringList& tableNames();

// Copies the five tables of `source` into `db`, a Billcraft database without rows, in one
// transaction, keeping every key (Identity, ClientID, InvoiceID, ExpenseID, AppointId) and
// converting values exactly: Currency counts stay ten-thousandths, day serials stay the same
// number, Yes/No stays -1/0, text stays as stored (quotes included), Null stays Null. A column
// the file lacks is Null throughout; a table or key column it lacks is a Failure. The copy is
// checked before it is committed: the rows of each table against the rows the file records,
// and the sums of Total and VAT against those read. Nothing is written unless all of it is.
Result<JetImportReport> copyTables(JetSource& source, Database& db, const JetProgress& progress);

// Converts the Jet database `jetFile` into dataFolder/Accounts.mdb: the new database is written
// under a temporary name and checked; then, when `jetFile` is the folder's own Accounts.mdb, the
// original gains the second name Accounts.jet.mdb, and the new file is renamed over
// Accounts.mdb, so that the folder holds a whole Accounts.mdb at every moment. The folder must
// not already hold another Accounts.mdb, nor an Accounts.jet.mdb. Any failure, and cancelling,
// leave the folder as it was (a folder the conversion made is removed again); a Failure says
// which table and row could not be read or written, or that the disk is full. While it runs,
// the conversion holds the folder's conversion lock.
Result<JetImportReport> convert(JetSource& source, const QString& jetFile,
                                const QString& dataFolder, const JetProgress& progress);
// The same, reading `jetFile` with the reader program `reader` (JetFile).
Result<JetImportReport> convertFile(const QString& jetFile, const QString& dataFolder,
                                    const QString& reader, const JetProgress& progress);

// Finishes what a conversion stopped half-way (a crash, a power cut, a kill) left in
// dataFolder, unless another Billcraft is converting there: an original that has both names
// loses the second, an original left only as Accounts.jet.mdb (by earlier versions) gets its
// name back, and the scratch files of the new database are removed. A Failure says what could
// not be put right; the folder must then not be opened.
Status recover(const QString& dataFolder);

inline const QString kKeptName = QStringLiteral("Accounts.jet.mdb");
// Held in the data folder by the conversion and by recover(): one Billcraft at a time.
inline const QString kLockName = QStringLiteral(".Accounts.converting.lock");

} // namespace JetImport
