#pragma once

#include <QDialog>

class QLineEdit;
class Session;

// frmAddIdentity, "Add Identity": a new trading identity's name and the number its first invoice
// is to have. Save stores it (NewIdentity::create) and accepts the dialog; createdIdentity() then
// names it, and the caller makes it current. Closing before that stores nothing.
class AddIdentityDialog : public QDialog {
    Q_OBJECT
public:
    explicit AddIdentityDialog(Session& session, QWidget* parent = nullptr);

    int createdIdentity() const { return m_created; }

private:
    void onSave();

    Session& m_session;
    QLineEdit* m_name;
    QLineEdit* m_startNumber;
    int m_created = 0;
};
