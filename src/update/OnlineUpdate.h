#pragma once

#include "update/UpdateFetcher.h"
#include "update/UpdateInstaller.h"
#include "update/UpdateSource.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <optional>

struct UpdateSettings {
    QString address;         // the update server, see UpdateSource
    QByteArray publicKey;    // Ed25519, 32 bytes
    QString programPath;     // the program file an update replaces
    QString downloadsFolder; // where the package is kept, <data folder>/downloads
    int runningRevision = 0; // the revision of the running build
    std::chrono::milliseconds timeout = UpdateFetcher::kDefaultTimeout; // with no data
    std::chrono::milliseconds smallFileDeadline{30000}; // Revision.txt and the signature, each
    QStringList packageLists{}; // dpkg's file lists of the billcraft package, where it is installed
    // Called once the package is kept in downloads, before the program is unpacked: the moment
    // another process could change that copy. Tests do so here.
    std::function<void()> packageKept{};
};

// The update check and install, as two steps the window runs one after the other with its
// messages in between. Nothing is kept between checks.
class OnlineUpdate {
    Q_DECLARE_TR_FUNCTIONS(OnlineUpdate)
public:
    enum class Outcome {
        UpToDate,    // the server's revision is not newer than ours
        Available,   // a newer revision is on the server
        Installed,   // the new program file is in place, the old one kept as .bak
        Unreachable, // no usable answer: no network, a time-out, a status other than 200, a
                     // revision that is not a number, a package whose signature fails or
                     // whose own revision is not the one announced
        Cancelled,   // the user stopped the download
        NotInstalled // not put in place, error() says why: a program file that is not the
                     // user's, a downloads folder that must not be written, a failed step
    };

    explicit OnlineUpdate(UpdateSettings settings);

    // The third number of the build's version (1.0.174 -> 174).
    static int builtInRevision();
    // "175" with blanks around it; nullopt for anything else.
    static std::optional<int> parseRevision(const QByteArray& text);

    // Empty when the configured address is usable, else why not.
    QString addressError() const { return m_source.error(); }
    QString hostName() const;
    // Only the program file's owner may update it: see UpdateInstaller::owner.
    UpdateInstaller::Owner programOwner() const
    {
        return UpdateInstaller::owner(m_settings.programPath, m_settings.packageLists);
    }
    QString programPath() const { return m_settings.programPath; }
    // The revision of the installed program file: the running one until install() succeeds.
    int runningRevision() const { return m_settings.runningRevision; }
    // Why the last step did not succeed.
    QString error() const { return m_error; }

    Outcome checkRevision(const UpdateFetcher::Progress& progress = {});
    // After checkRevision() found a newer revision: fetches the signature and the package,
    // verifies both the signature and the revision the package holds, then installs it.
    Outcome install(const UpdateFetcher::Progress& progress = {});
    // From a Cancel button while a step waits for the server: that step ends Cancelled.
    void cancel() { m_fetcher.cancel(); }

private:
    Outcome fetch(const QUrl& url, const UpdateFetcher::Limits& limits,
                  const UpdateFetcher::Progress& progress, QByteArray* body);

    UpdateSettings m_settings;
    Result<UpdateSource> m_source;
    UpdateFetcher m_fetcher;
    QString m_error;
    std::optional<int> m_latest; // the revision the server announced in this run
};
