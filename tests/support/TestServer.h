#pragma once

#include "core/Result.h"
#include "core/ServerAddress.h"

class Database;

// The private PostgreSQL server of a test run, which CTest starts before the first test that
// needs it (scripts/pg-test-cluster) and names in BILLCRAFT_TEST_SERVER_URL_FILE.
namespace TestServer {

// Whether this run of a test keeps its books on the server (BILLCRAFT_TEST_ENGINE=postgresql).
bool wanted();
// The server's own database, for administration.
Result<ServerAddress> admin();
// A new, empty database on the server; each test's books are its own.
Result<ServerAddress> freshDatabase();
// Waits up to 5 s until no other connection works on `db`'s books: a closed connection's server
// process ends a moment after the connection. False when others stay.
bool waitAlone(Database& db);
// Stops the server, or starts it again on the same port: a server that goes away mid-session.
bool pause();
bool resume();

} // namespace TestServer
