#pragma once

#include "update/OnlineUpdate.h"

#include <QObject>
#include <memory>

class QProgressDialog;
class QWidget;
class Session;

// picUpdate's click: asks, checks the server's revision, downloads and installs a newer build
// and tells the user to restart. The transfers run in a local event loop behind a modal
// progress dialog, so the rest of the program waits.
class UpdateCommand : public QObject {
    Q_OBJECT
public:
    UpdateCommand(Session& session, UpdateSettings settings, QWidget* window);
    ~UpdateCommand() override;

    // The settings of the real program: the built-in server and key, the running program file
    // and the data folder's "downloads".
    static UpdateSettings builtInSettings(const Session& session);

    // A click while an update is running does nothing.
    void run();
    bool busy() const { return m_busy; }

private:
    void runSteps(OnlineUpdate& update);
    void startProgress(const QString& label);
    void showProgress(qint64 received, qint64 total);
    void showUnreachable(const OnlineUpdate& update);
    static void logFailure(const OnlineUpdate& update);

    Session& m_session;
    UpdateSettings m_settings;
    QWidget* m_window;
    // While run() runs:
    OnlineUpdate* m_update = nullptr;
    std::unique_ptr<QProgressDialog> m_progress;
    bool m_busy = false;
};
