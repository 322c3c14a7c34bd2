#pragma once

#include "update/OnlineUpdate.h"

#include <QObject>
#include <QWidget>
#include <memory>

class Session;

// picUpdate's click: asks, checks the server's revision, downloads and installs a newer build
// and tells the user to restart. Each transfer runs on a worker thread behind LongWork's
// progress window, which keeps the rest of the program waiting; the steps follow one another
// as each hands its outcome to the next.
class UpdateCommand : public QObject {
    Q_OBJECT
public:
    UpdateCommand(Session& session, UpdateSettings settings, QWidget* window);
    ~UpdateCommand() override;

    // The settings of the real program: the built-in server and key, the running program file
    // and the data folder's "downloads".
    static UpdateSettings builtInSettings(const Session& session);

    // Starts the update and returns; finished() follows its last message. A click while an
    // update is running does nothing.
    void run();
    bool busy() const { return m_update != nullptr; }

signals:
    void finished();

private:
    bool mayStart();
    void check();
    void afterCheck(OnlineUpdate::Outcome checked);
    void install();
    void afterInstall(OnlineUpdate::Outcome installed);
    // Runs `step` of the update on a worker behind a progress window labelled `label`.
    void onWorker(
        const QString& label,
        std::function<OnlineUpdate::Outcome(OnlineUpdate&, const UpdateFetcher::Progress&)> step,
        void (UpdateCommand::*then)(OnlineUpdate::Outcome));
    void showUnreachable();
    void end();
    static void logFailure(const OnlineUpdate& update);

    Session& m_session;
    UpdateSettings m_settings;
    QWidget* m_window;
    // While an update runs; shared with the worker of the step under way.
    std::shared_ptr<OnlineUpdate> m_update;
};
