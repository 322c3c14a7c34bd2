#pragma once

#include "core/ServerAddress.h"

#include <QDialog>
#include <optional>

class QLineEdit;
class Session;

// frmSharedBooks, "Connect to shared books...": the URL of shared books on a PostgreSQL server,
// a test that opens them, and the choice the next start follows: these books, or this
// computer's data folder again. Opening them makes their tables in an empty database, so a
// test of new books leaves them ready for every seat.
class SharedBooksDialog : public QDialog {
    Q_OBJECT
public:
    explicit SharedBooksDialog(Session& session, QWidget* parent = nullptr);

private:
    // The address typed, or nullopt once the user has been told what is wrong with it.
    std::optional<ServerAddress> typedAddress();
    // Whether the books at `address` open; the user has been told why not.
    bool opens(const ServerAddress& address);
    void test();
    void connectToServer();
    void useDataFolder();
    bool remember(const std::optional<ServerAddress>& server);

    Session& m_session;
    QLineEdit* m_url = nullptr;
};
