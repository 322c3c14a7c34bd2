#pragma once

#include "appointments/AppointmentStore.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class Session;

// FrmAddAppointment: a date, a time in 24-hour hours and five-minute steps, the details and
// whether to be alerted. "Add Appointment" saves a new one for the current identity; "Edit
// Appointment" updates the one it was loaded with. Bad input is answered with a message and
// the window stays open with everything typed; after a save it emits saved() and closes.
class AppointmentDialog : public QDialog {
    Q_OBJECT
public:
    // A new appointment, dated `day` at 00:00.
    AppointmentDialog(Session& session, QDate day, QWidget* parent = nullptr);

    // Switches to editing `appointment`: caption "Edit Appointment", Update instead of Save.
    void edit(const Appointment& appointment);
    // The AppointId being edited, 0 when adding.
    int editAppointId() const { return m_editAppointId; }
    // Whether anything shown differs from what was loaded or offered at first.
    bool isModified() const;

signals:
    void saved();

private:
    void onSave();
    void load(const AppointmentFields& fields);
    AppointmentFields shownFields() const;
    void setTime(QTime time);
    void fail(const QString& message, QWidget* focus);

    Session& m_session;
    int m_editAppointId = 0;
    std::optional<AppointmentFields> m_loaded; // as last loaded, to tell a changed window

    QLineEdit* m_date;
    QComboBox* m_hours;
    QComboBox* m_minutes;
    QPlainTextEdit* m_details;
    QCheckBox* m_alert;
    QPushButton* m_save;
    QPushButton* m_update;
};
