#pragma once

#include "appointments/AppointmentStore.h"

#include <QDialog>

class QListWidget;
class QListWidgetItem;
class QRadioButton;
class Session;

// frmAlerts: a list of alerts, each dated and described. "Cancel Alert" takes the selected one
// off the list, for this time only ("Remind Me Next Time") or for good ("Never Show This Alert
// Again", which clears its flag); the window closes with its last item. A double click asks for
// the alert's day on the calendar and closes the window.
class AlertsWindow : public QDialog {
    Q_OBJECT
public:
    AlertsWindow(Session& session, const QList<Appointment>& alerts, QWidget* parent = nullptr);

    // The AppointmentId of the item clicked last; 0 before any.
    int selectedAlertId() const { return m_selectedAlertId; }

signals:
    void dayChosen(QDate day);

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
