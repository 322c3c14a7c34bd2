#pragma once

#include "core/Result.h"
#include "core/ServerAddress.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

class Database;

// Which engine a benchmark's books are on. SQLite, an Accounts.mdb in a data folder, unless
//   --engine=postgresql           (or BILLCRAFT_BENCH_ENGINE=postgresql)
// asks for a PostgreSQL server, which
//   --server=postgresql://user@host:port/db   (or BILLCRAFT_BENCH_SERVER)
// names; its database is used only to make the books' own databases beside it, one per kind and
// size of books (billcraft_bench_books_1000000), written once and kept for later runs. Without a
// server a private one is started for the run (scripts/pg-test-cluster) and stopped at its end.
// The choice travels in the environment, so a child the benchmark starts sees it too.
namespace BenchEngine {

bool onServer();
// "SQLite" or "PostgreSQL", for the reports.
QString name();

// The private server of one run: started by configure() when wanted, stopped when this goes.
class PrivateServer {
public:
    PrivateServer() = default;
    explicit PrivateServer(const QString& stateFolder)
        : m_state(stateFolder)
    {}
    ~PrivateServer();
    PrivateServer(const PrivateServer&) = delete;
    PrivateServer& operator=(const PrivateServer&) = delete;
    PrivateServer(PrivateServer&& other) noexcept
        : m_state(std::exchange(other.m_state, QString()))
    {}

private:
    QString m_state;
};

// Takes this file's flags out of argv, before Google Benchmark reads the rest, and starts a
// private server when one is wanted and none is named. Stops the program with the reason when
// that fails. Call once the application object exists.
PrivateServer configure(int& argc, char** argv);

// Where one set of books is: Accounts.mdb in `folder`, or a database on the server (the folder
// then holds only what a data folder keeps beside shared books: scratch files).
struct Place {
    QString folder;
    std::optional<ServerAddress> server;

    bool open(Database& db) const;
    // How a child program is told of it: the folder, then the server's URL when there is one.
    QStringList arguments() const;
    static Place fromArguments(const QStringList& arguments);
};

// The books called `name` (letters, digits and '_') on the chosen engine: the file in `folder`,
// or the server database billcraft_bench_<name>, made empty when it is missing.
Result<Place> place(const QString& folder, const QString& name);

// The CPU time the server has spent for this connection, in seconds, when the server runs on
// this machine (its process is readable here); nullopt for a file or a remote server.
std::optional<double> serverCpuSeconds(Database& db);

} // namespace BenchEngine
