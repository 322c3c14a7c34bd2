#pragma once

#include "core/Money.h"
#include "invoices/ReminderLetter.h"
#include "invoices/Reminders.h"
#include "layout/LayoutRecord.h"

#include <QWidget>
#include <functional>
#include <optional>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class Session;

// frmReminder: a reminder of one overdue invoice. The level (the one after the invoice's last),
// its text (the identity's, editable for this reminder alone) and its fee; previewed, printed,
// saved as PDF or handed to the mail program. The invoice records the reminder once it has
// been printed, saved, or opened in the mail program.
class ReminderWindow : public QWidget {
    Q_OBJECT
public:
    using PrintDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;

    ReminderWindow(Session& session, QWidget* parent = nullptr);

    // Shows the window for the invoice; false, with the reason told, when it cannot be read.
    bool showInvoice(int invoiceId);

    // The letter as the window's fields make it; a reason is told when they do not.
    std::optional<ReminderLetter::Letter> letter();
    // The letter on the identity's page, on paper of `pageSize` twips.
    InvoicePage::Layout layout(const ReminderLetter::Letter& letter,
                               QSize pageSize = InvoicePage::kA4) const;

    void preview();
    void print();
    void saveAsPdf();
    void sendByMail();

    // Tests answer the print dialog themselves.
    void setPrintDialog(PrintDialog dialog) { m_printDialog = std::move(dialog); }

private:
    void buildControls();
    void onLevelChosen();
    void recordSent(const ReminderLetter::Letter& letter);
    void warn(const QString& text);

    Session& m_session;
    PrintDialog m_printDialog;
    Reminders::DueInvoice m_due;
    Reminders::Settings m_settings;
    InvoiceSheet m_sheet;
    LayoutRecord m_record;
    QString m_tradingName;

    QComboBox* m_level = nullptr;
    QPlainTextEdit* m_text = nullptr;
    QLineEdit* m_fee = nullptr;
};
