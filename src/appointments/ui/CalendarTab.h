#pragma once

#include "appointments/AppointmentStore.h"
#include "appointments/MonthGrid.h"
#include "appointments/ui/AppointmentDialog.h"

#include <QGroupBox>
#include <QPointer>

class QLabel;
class QMenu;
class QTableWidget;
class Session;

// FraCalendar, the page of the Calendar tab: a month calendar (flxCalendar) with the selected
// day, CalendarDate, marked, and the current identity's appointments of that day
// (flxAppointments), added, edited and deleted from here. It also lists alerts, by itself when
// the main window asks (runAlertCheck) and on request.
//
// Keys on the calendar: the arrows move the selected day, Page Up and Page Down a month, Enter
// adds an appointment on the selected day.
class CalendarTab : public QGroupBox {
    Q_OBJECT
public:
    explicit CalendarTab(Session& session, QWidget* parent = nullptr);

    // CalendarDate becomes `day`: its month is drawn, the day marked and its appointments listed
    // (once the tab is on screen).
    void showDay(QDate day);
    void showToday();
    // The alerts due up to CalendarDate, in the alert window; nothing when there are none.
    void runAlertCheck();

    const MonthGrid& monthGrid() const { return m_grid; }
    // The open edit window, if any.
    AppointmentDialog* editWindow() const { return m_editWindow; }

signals:
    // The alert window asked for a day: the Calendar tab should be the one shown.
    void calendarWanted();
    // An overdue invoice was chosen in the alert window.
    void invoiceWanted(int invoiceId);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    enum class AlertList { Due, DueOnRequest, All };

    void buildControls();
    void buildAppointmentList();
    void buildMenu();
    void drawCalendar();
    void fillAppointments();
    void refreshList(); // at once while on screen, else when next shown
    void onDayClicked(int row, int column);
    bool onCalendarKey(int key);
    void onAppointmentMenu(int row, const QPoint& globalPos);
    void addAppointment();
    void editAppointment();
    void deleteAppointment();
    void showAlerts(AlertList which);
    void reportFailure(const QString& error);
    int twipsToPixels(int twips) const;

    Session& m_session;
    AppointmentStore m_store;
    MonthGrid m_grid;
    bool m_listStale = true; // the day's list waits for the tab to be shown

    QLabel* m_month;
    QTableWidget* m_calendar;
    QTableWidget* m_appointments;
    QMenu* m_menu;
    int m_menuAppointment = 0; // the appointment whose row opened the menu
    QString m_menuDetails;     // and its details, for the delete question
    QPointer<AppointmentDialog> m_editWindow;
};
