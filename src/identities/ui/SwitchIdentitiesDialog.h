#pragma once

#include "identities/IdentityStore.h"

#include <QDialog>

class QComboBox;
class Session;

// frmSwitchIdentities: lists the identities by name. OK with a choice accepts the dialog and
// chosenIdentity() names it; the caller makes it current. Closing without OK changes nothing.
class SwitchIdentitiesDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kNoChoice = QT_TR_NOOP("Choose Identity");

    // `identities` as IdentityStore::list gives them; the caller reports a list that failed.
    SwitchIdentitiesDialog(Session& session, const QList<IdentityEntry>& identities,
                           QWidget* parent = nullptr);

    int chosenIdentity() const { return m_chosen; }

private:
    void onOk();

    Session& m_session;
    QComboBox* m_identities;
    int m_chosen = 0;
};
