#pragma once

#include "core/Result.h"
#include "core/ServerAddress.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

class Database;
class Preferences;
class Prompter;

// Which books the window opens: the data folder's Accounts.mdb, or shared books on a PostgreSQL
// server, named on the command line for one run or chosen in the "Connect to shared books..."
// window and remembered for the user's next starts. Only the URL is remembered: a password
// comes from libpq's ~/.pgpass, service file or environment, never from Billcraft.
class SharedBooks {
    Q_DECLARE_TR_FUNCTIONS(SharedBooks)
public:
    // The remembered choice's key in the user's preferences; empty or absent: the data folder.
    static inline const QString kPreferenceKey = QStringLiteral("sharedBooks");
    // How long opening waits for a server that does not answer, unless the URL says
    // (connect_timeout); libpq alone would wait for the system's TCP timeout, minutes.
    static constexpr int kConnectTimeoutSeconds = 10;

    // The server a --database URL names.
    static Result<ServerAddress> fromCommandLine(const QString& url);
    // The remembered server; nullopt for the data folder. A Failure: a remembered URL that
    // cannot be used (the preferences file was edited by hand), with why.
    static Result<std::optional<ServerAddress>> remembered(const Preferences& preferences);
    // Remembers the server, or the data folder for nullopt, for the next start.
    static Status remember(Preferences& preferences, const std::optional<ServerAddress>& server);

    // Where the books are, as the title bar and messages name them: "books on host:5432".
    static QString place(const ServerAddress& server);

    // Opens `server`'s books into `db`, waiting at most kConnectTimeoutSeconds for an answer
    // unless the URL gives its own limit.
    static bool open(Database& db, const ServerAddress& server);

    enum class Opened { Books, Quit };
    // The books the window starts on: the server's when one is chosen, else the data folder's.
    // A server that cannot be opened leaves the user to try again, use the data folder's books
    // instead, or quit. Quit also when the data folder's books are refused; the user has been
    // told why.
    static Opened openAtStart(Database& db, Prompter& prompter,
                              const std::optional<ServerAddress>& server, const QString& folder);
};
