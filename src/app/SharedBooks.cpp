#include "app/SharedBooks.h"

#include "core/Database.h"
#include "core/Preferences.h"
#include "core/Prompter.h"

#include <QDir>

namespace {

constexpr const char* kCannotOpen = QT_TRANSLATE_NOOP(
    "SharedBooks", "%1\n\nTry again, use this computer's data folder instead, or quit?");
constexpr const char* kTryAgain = QT_TRANSLATE_NOOP("SharedBooks", "Try Again");
constexpr const char* kUseDataFolder = QT_TRANSLATE_NOOP("SharedBooks", "Use Data Folder");
constexpr const char* kQuit = QT_TRANSLATE_NOOP("SharedBooks", "Quit");

} // namespace

Result<ServerAddress> SharedBooks::fromCommandLine(const QString& url)
{
    Result<ServerAddress> address = ServerAddress::fromUrl(url.trimmed());
    if (!address)
        return Failure{tr("--database %1: %2").arg(url, address.error())};
    return address;
}

Result<std::optional<ServerAddress>> SharedBooks::remembered(const Preferences& preferences)
{
    const QString url = preferences.value(kPreferenceKey).trimmed();
    if (url.isEmpty())
        return std::optional<ServerAddress>();
    const Result<ServerAddress> address = ServerAddress::fromUrl(url);
    if (!address)
        return Failure{tr("The shared books remembered for this user (%1) cannot be used: %2")
                           .arg(url, address.error())};
    return std::optional<ServerAddress>(*address);
}

Status SharedBooks::remember(Preferences& preferences, const std::optional<ServerAddress>& server)
{
    return preferences.setValue(kPreferenceKey, server ? server->url() : QString());
}

QString SharedBooks::place(const ServerAddress& server)
{
    QString host = server.host.isEmpty() ? tr("this computer") : server.host;
    if (server.port > 0)
        host += u':' + QString::number(server.port);
    return tr("%1 on %2").arg(server.database.isEmpty() ? server.user : server.database, host);
}

bool SharedBooks::open(Database& db, const ServerAddress& server)
{
    ServerAddress address = server;
    if (address.option(QStringLiteral("connect_timeout")).isEmpty())
        address.options.append(
            {QStringLiteral("connect_timeout"), QString::number(kConnectTimeoutSeconds)});
    return db.openServer(address);
}

SharedBooks::Opened SharedBooks::openAtStart(Database& db, Prompter& prompter,
                                             const std::optional<ServerAddress>& server,
                                             const QString& folder)
{
    if (server) {
        while (!open(db, *server)) {
            const Prompter::Answer answer =
                prompter.ask({tr(kCannotOpen).arg(db.errorString()),
                              {},
                              Prompter::Buttons::YesNoCancel,
                              Prompter::Icon::Warning,
                              Prompter::Answer::Yes,
                              {tr(kTryAgain), tr(kUseDataFolder), tr(kQuit)}});
            if (answer == Prompter::Answer::No)
                break;
            if (answer != Prompter::Answer::Yes)
                return Opened::Quit;
        }
        if (db.isOpen())
            return Opened::Books;
    }
    if (db.open(QDir(folder).filePath(Database::kFileName)))
        return Opened::Books;
    prompter.inform(db.errorString(), {}, Prompter::Icon::Critical);
    return Opened::Quit;
}
