#pragma once

#include <QDate>
#include <QString>

class Database;
namespace BenchEngine {
struct Place;
}

// Deterministic books for the benchmarks: two identities of 1,000 clients each and `invoices`
// invoices shared between them, raised one after another over the ten years before `today`.
// 3.5% are unpaid (one in eight of those a bad debt); the others were paid 10 to 69 days after
// their date. The same count always gives the same file contents, and the same rows on a server.
namespace BookMaker {

constexpr int kIdentities = 2;
constexpr int kClientsPerIdentity = 1000;
constexpr int kUnpaidPerThousand = 35;

// Writes into an open database, a file or a server's, that holds no identities yet: in one
// transaction, the invoices by the engine's bulk path (a prepared statement stepped in SQLite,
// COPY on a server). Returns an empty string on success, else what went wrong.
QString make(Database& db, qint64 invoices, QDate today);

// Opens the books at `place` and writes them there unless an earlier run has (they hold an
// identity); stops the benchmark with the reason when either fails.
void openAndMake(Database& db, const BenchEngine::Place& place, qint64 invoices, QDate today);

} // namespace BookMaker
