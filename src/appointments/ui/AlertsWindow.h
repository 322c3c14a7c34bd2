#pragma once

#include "appointments/AppointmentStore.h"
#include "invoices/Reminders.h"

#include <QDialog>

class QListWidget;
class QListWidgetItem;
class QRadioButton;
class Session;

// frmAlerts: a list of alerts, each dated and described. "Cancel Alert" takes the selected one
// off the list, for this time only ("Remind Me Next Time") or for good ("Never Show This Alert
// Again", which clears its flag); the window closes with its last item. A double click asks for
// the alert's day on the calendar and closes the window.
//
// Invoices that became overdue since the last start follow the appointments, each listed once:
// cancelling one only takes it off the list, and a double click asks for the invoice.
class AlertsWindow : public QDialog {
    Q_OBJECT
public:
    AlertsWindow(Session& session, const QList<Appointment>& alerts,
                 const QList<Reminders::DueInvoice>& overdue = {}, QWidget* parent = nullptr);

    // The AppointmentId of the item clicked last; 0 before any.
    int selectedAlertId() const { return m_selectedAlertId; }

signals:
    void dayChosen(QDate day);
    void invoiceChosen(int invoiceId);

private:
    void onCancelAlert();
    void onOpen(QListWidgetItem* item);
    void reportFailure(const QString& error);

    Session& m_session;
    QListWidget* m_list;
    QRadioButton* m_never;
    QRadioButton* m_remind;
    int m_selectedAlertId = 0;
};
