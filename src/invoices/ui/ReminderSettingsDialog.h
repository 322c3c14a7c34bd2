#pragma once

#include "invoices/Reminders.h"

#include <QDialog>
#include <array>

class QLineEdit;
class QPlainTextEdit;
class Session;

// frmReminderSettings: an identity's wording and fee for each reminder level. The program's own
// wording stands in a text the identity has not written; saving it unchanged keeps it the
// program's (so it follows the user's language).
class ReminderSettingsDialog : public QDialog {
    Q_OBJECT
public:
    ReminderSettingsDialog(Session& session, int identity, QWidget* parent = nullptr);

    // Reads the identity's settings into the fields; false, with the reason told, when they
    // cannot be read.
    bool load();
    void onSave();

private:
    Session& m_session;
    int m_identity;
    std::array<QPlainTextEdit*, Reminders::kLevels> m_texts{};
    std::array<QLineEdit*, Reminders::kLevels> m_fees{};
};
