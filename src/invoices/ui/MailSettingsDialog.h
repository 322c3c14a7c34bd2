#pragma once

#include "invoices/InvoiceMail.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class Session;

// frmMailSettings, "E-mail settings": the subject and message an identity's invoices are
// e-mailed with, the fields they may use, and whether the invoice goes as Factur-X. The
// program's own wording is shown where the identity keeps none. Saved settings close the
// window; a store failure is shown and the window stays.
class MailSettingsDialog : public QDialog {
    Q_OBJECT
public:
    MailSettingsDialog(Session& session, int identity, const MailSettings& settings,
                       QWidget* parent = nullptr);

    // Reads the identity's settings and opens the window on them, modally; when they cannot be
    // read, says why instead. True when the settings were saved.
    static bool edit(Session& session, int identity, QWidget* parent);

    MailSettings entered() const;

private:
    void showSettings(const MailSettings& settings);
    void onSave();

    Session& m_session;
    int m_identity;
    QLineEdit* m_subject = nullptr;
    QPlainTextEdit* m_body = nullptr;
    QCheckBox* m_facturX = nullptr;
};
