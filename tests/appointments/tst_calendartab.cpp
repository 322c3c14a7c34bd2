#include "app/MainWindow.h"
#include "appointments/ui/AlertsWindow.h"
#include "appointments/ui/AppointmentDialog.h"
#include "appointments/ui/CalendarTab.h"
#include "core/DaySerial.h"
#include "support/CaseFile.h"
#include "support/TestEnv.h"
#include "support/UiSteps.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

namespace {

const QDate kToday = TestEnv::kToday;
const QString kClash = "You already have An Appointment\nFor the selected Date and Time";

// The text of the current cell when it is marked as the selected day.
QString markedDay(QTableWidget* calendar)
{
    const QTableWidgetItem* item = calendar->currentItem();
    return item && item->background().color() == MonthGrid::kHighlight ? item->text() : QString();
}

// Columns 1 to 4 of every row: date, details, time, alert.
QString listed(QTableWidget* list)
{
    QStringList rows;
    for (int r = 0; r < list->rowCount(); ++r) {
        QStringList cells;
        for (int c = 1; c < list->columnCount(); ++c)
            cells << (list->item(r, c) ? list->item(r, c)->text() : QString());
        rows << cells.join(u'|');
    }
    return rows.join(u';');
}

} // namespace

class TestCalendarTab : public QObject {
    Q_OBJECT

    TestEnv* m_env = nullptr;
    CalendarTab* m_tab = nullptr;

    template <typename T> T* child(const char* name) { return ::child<T>(m_tab, name); }
    QTableWidget* calendar() { return child<QTableWidget>("flxCalendar"); }
    QTableWidget* list() { return child<QTableWidget>("flxAppointments"); }
    void add(QDate day, int hour, int minute, const QString& details, bool alert, int identity = 1)
    {
        QVERIFY(
            AppointmentStore(m_env->db).add({day, QTime(hour, minute), details, alert}, identity));
    }
    int stored() { return m_env->db.scalar("SELECT count(*) FROM TblAppointments").toInt(); }
    // The items of the alert window open over `over` (the tab when none).
    QString alertItems(QWidget* over = nullptr)
    {
        QStringList texts;
        auto* alerts = ::child<QListWidget>(shown<AlertsWindow>(over ? over : m_tab), "lstAlerts");
        for (int i = 0; i < alerts->count(); ++i)
            texts << alerts->item(i)->text();
        return texts.join(u';');
    }
    // Types an appointment into the window: date, "HH:mm" and details.
    static void fill(QWidget* dialog, const QString& date, const QString& time,
                     const QString& details, bool alert)
    {
        ::child<QLineEdit>(dialog, "txtAppDate")->setText(date);
        ::child<QComboBox>(dialog, "cboTimeHours")->setCurrentText(time.left(2));
        ::child<QComboBox>(dialog, "cboTimeMins")->setCurrentText(time.right(2));
        ::child<QPlainTextEdit>(dialog, "txtAddAppointmentDetails")->setPlainText(details);
        ::child<QCheckBox>(dialog, "chkSetAlert")->setChecked(alert);
    }
    void menu(int row, const char* action)
    {
        chooseFromMenu(list(), row, 2, child<QMenu>("PopAppsMenu"), action);
    }

private slots:
    void init()
    {
        m_env = new TestEnv;
        m_env->session->setCurrentIdentity(m_env->addIdentity("Main"));
        m_tab = new CalendarTab(*m_env->session);
        m_tab->resize(900, 500);
        m_tab->show();
        QVERIFY(QTest::qWaitForWindowActive(m_tab));
        m_tab->showDay(kToday);
    }
    void cleanup()
    {
        VERIFY_PROMPTS(m_env->prompter);
        delete m_tab;
        delete m_env;
    }

    void movingTheSelectedDay_data()
    {
        CaseFile::addRows("appointments/moving-the-day.txt", {"start", "action", "expected"});
    }
    void movingTheSelectedDay()
    {
        QFETCH(QString, start);
        QFETCH(QString, action);
        QFETCH(QString, expected);
        const QDate day = QDate::fromString(expected, Qt::ISODate);
        m_tab->showDay(QDate::fromString(start, Qt::ISODate));
        const QStringList how = action.split(u' ');
        if (how[0] == u"button")
            child<QPushButton>(qPrintable(how[1]))->click();
        else if (how[0] == u"key")
            QTest::keyClick(calendar(), QKeySequence(how[1])[0].key());
        else
            clickCell(calendar(), how[1].toInt(), how[2].toInt());
        QCOMPARE(m_env->session->calendarDate(), day);
        QCOMPARE(child<QLabel>("lblDate")->text(), testLocale().toString(day, "MMMM  yyyy"));
        QCOMPARE(markedDay(calendar()), QString::number(day.day()));
        QCOMPARE(listed(list()), day.toString("dd/MM/yyyy") + "|No Appointments||");
    }

    void addingAnAppointment_data()
    {
        CaseFile::addRows("appointments/adding.txt", {"date", "time", "details", "message"});
        QTest::newRow("too long") << "03/12/2026"
                                  << "11:45" << QString(AppointmentStore::kMaxDetails + 1, u'a')
                                  << "The details can be at most 65,535 characters long; these "
                                     "are 65,536. Please shorten them.";
    }
    // Enter on a day opens the window, modal; bad input is answered, the window stays open and
    // nothing is stored.
    void addingAnAppointment()
    {
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(QString, details);
        QFETCH(QString, message);
        add(kToday, 10, 30, "Taken", false);
        QTest::keyClick(calendar(), Qt::Key_Return);
        auto* dialog = shown<AppointmentDialog>(m_tab);
        QCOMPARE(dialog->windowTitle() + ::child<QLineEdit>(dialog, "txtAppDate")->text(),
                 "Add Appointment03/12/2026");
        QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
        fill(dialog, date, time, details, true);
        if (!message.isEmpty())
            m_env->prompter.expectMessage(message);
        ::child<QPushButton>(dialog, "CmdSaveAppointment")->click();
        QTRY_COMPARE(dialog->isVisible(), !message.isEmpty());
        QCOMPARE(stored(), message.isEmpty() ? 2 : 1);
        if (message.isEmpty())
            QCOMPARE(listed(list()), QStringLiteral("03/12/2026|Taken|10:30:00|False;03/12/2026|"
                                                    "O'Brien's visit\nbring plans|11:45:00|True"));
    }

    // The edit window is modeless and one at a time; it refuses a clash and an appointment
    // deleted meanwhile. Delete asks first.
    void editingAndDeletingFromTheMenu()
    {
        add(kToday, 14, 32, "Site visit", true); // off the five-minute steps
        add(kToday, 9, 0, "Dentist", false);
        m_tab->showDay(kToday.addDays(1));
        clickCell(list(), 0, 2, Qt::RightButton); // "No Appointments" has no menu
        QVERIFY(!child<QMenu>("PopAppsMenu")->isVisible());
        m_tab->showDay(kToday);

        menu(1, "EditApp");
        AppointmentDialog* edit = m_tab->editWindow();
        QCOMPARE(edit->windowTitle(), "Edit Appointment");
        QCOMPARE(edit->windowModality(), Qt::NonModal);
        QCOMPARE(::child<QComboBox>(edit, "cboTimeHours")->currentText() +
                     ::child<QComboBox>(edit, "cboTimeMins")->currentText(),
                 "1432");
        QVERIFY(::child<QCheckBox>(edit, "chkSetAlert")->isChecked());
        auto* update = ::child<QPushButton>(edit, "CmdUpDateAppointment");
        fill(edit, "03/12/2026", "09:00", "Site visit", true);
        m_env->prompter.expectMessage(kClash);
        update->click();
        menu(0, "EditApp"); // the changed window stays as it is
        QCOMPARE(m_tab->editWindow(), edit);
        QCOMPARE(edit->editAppointId(), 1);
        fill(edit, "03/12/2026", "15:00", "Site visit", true);
        update->click();
        QTRY_VERIFY(!m_tab->editWindow());
        QCOMPARE(listed(list()), QStringLiteral("03/12/2026|Dentist|09:00:00|False;"
                                                "03/12/2026|Site visit|15:00:00|True"));

        menu(0, "EditApp");
        m_env->exec("DELETE FROM TblAppointments WHERE Appoint = 'Dentist'");
        m_env->prompter.expectMessage(
            QStringLiteral("This appointment has been deleted since this window was opened, so "
                           "it cannot be updated."));
        ::child<QPushButton>(m_tab->editWindow(), "CmdUpDateAppointment")->click();
        QCOMPARE(stored(), 1);
        m_tab->editWindow()->close();

        for (const auto answer : {Prompter::Answer::No, Prompter::Answer::Yes}) {
            m_env->prompter.expectExactly({"This Will Delete Site visit proceed ?", "Delete?",
                                           Prompter::Buttons::YesNo, Prompter::Icon::Critical,
                                           Prompter::Answer::No},
                                          answer);
            menu(listed(list()).startsWith("03/12/2026|Dentist") ? 1 : 0, "DeleteApp");
        }
        QCOMPARE(listed(list()), "03/12/2026|No Appointments||");
    }

    // The lists on request; cancelling for good clears the flag, the last item closes the window.
    void theAlertWindow()
    {
        add(QDate(2026, 3, 14), 10, 0, "Renew insurance", true);
        add(QDate(2026, 12, 1), 9, 0, "Call accountant", true);
        add(QDate(2026, 12, 25), 9, 0, "Christmas", true);
        add(QDate(2026, 12, 2), 9, 0, "Other trade", true, 2);
        auto* view = child<QPushButton>("cmdViewAppointments");
        auto* all = child<QPushButton>("cmdAllAlerts");
        m_env->session->setCurrentIdentity(3);
        m_env->prompter.expectMessage("You have no appointments", QString())
            .expectMessage("You have no appointments");
        view->click();
        all->click();
        m_env->session->setCurrentIdentity(1);

        all->click();
        QCOMPARE(alertItems(), QStringLiteral("14/03/2026 Renew insurance;01/12/2026 Call "
                                              "accountant;25/12/2026 Christmas"));
        shown<AlertsWindow>(m_tab)->close();
        m_tab->showDay(QDate(2026, 3, 31)); // "View" reaches up to the calendar's day
        view->click();
        QCOMPARE(alertItems(), "14/03/2026 Renew insurance");
        shown<AlertsWindow>(m_tab)->close();

        m_tab->showDay(kToday);
        view->click();
        auto* window = shown<AlertsWindow>(m_tab);
        auto* alerts = ::child<QListWidget>(window, "lstAlerts");
        QCOMPARE(window->windowModality(), Qt::ApplicationModal);
        QVERIFY(::child<QRadioButton>(window, "optRemindMe")->isChecked());
        auto* cancel = ::child<QPushButton>(window, "cmdCancelAlert");
        m_env->prompter.expectMessage("Please Select an Alert to work with");
        cancel->click();
        alerts->setCurrentRow(1);
        ::child<QRadioButton>(window, "optCancelAlert")->setChecked(true);
        cancel->click();
        QCOMPARE(alertItems(), "14/03/2026 Renew insurance");
        alerts->setCurrentRow(0);
        ::child<QRadioButton>(window, "optRemindMe")->setChecked(true);
        cancel->click();
        QVERIFY(!window->isVisible());
        QCOMPARE(m_env->db
                     .scalar("SELECT group_concat(Appoint || ':' || Alert, ',') FROM "
                             "TblAppointments WHERE Identity = 1")
                     .toString(),
                 "Renew insurance:-1,Call accountant:0,Christmas:-1");
    }

    // Invoices overdue since the last check follow the appointments, once each; cancelling one
    // stores nothing, and a double click asks for the invoice.
    void overdueInvoicesJoinTheAlertsOnce()
    {
        const int acme = m_env->addClient("Acme");
        m_env->exec("INSERT INTO TblInvoices(ClientID, InvoiceNumber, \"Date\", Paid, BadDebt, "
                    "Identity, Total) VALUES (?, ?, ?, 0, 0, 1, 1175000)",
                    {acme, "0100", DaySerial::fromDate(kToday.addDays(-31))});
        m_env->exec("INSERT INTO TblInvoices(ClientID, InvoiceNumber, \"Date\", Paid, BadDebt, "
                    "Identity, Total) VALUES (?, ?, ?, 0, 0, 1, 2000000)",
                    {acme, "0101", DaySerial::fromDate(kToday.addDays(-32))});
        add(kToday.addDays(-1), 8, 0, "Yesterday", true);
        QSignalSpy wanted(m_tab, &CalendarTab::invoiceWanted);
        m_tab->runAlertCheck();
        QCOMPARE(alertItems(), "02/12/2026 Yesterday;01/12/2026 Invoice 0101 to Acme for "
                               "£200.00 is overdue;02/12/2026 Invoice 0100 to Acme for £117.50 "
                               "is overdue");
        auto* window = shown<AlertsWindow>(m_tab);
        auto* alerts = ::child<QListWidget>(window, "lstAlerts");
        alerts->setCurrentRow(1);
        ::child<QRadioButton>(window, "optCancelAlert")->setChecked(true);
        ::child<QPushButton>(window, "cmdCancelAlert")->click();
        emit alerts->itemDoubleClicked(alerts->item(1));
        QCOMPARE(wanted.count(), 1);
        QCOMPARE(wanted.at(0).at(0).toInt(),
                 m_env->db.scalar("SELECT InvoiceID FROM TblInvoices WHERE InvoiceNumber = '0100'")
                     .toInt());
        QVERIFY(!shown<AlertsWindow>(m_tab));
        m_tab->runAlertCheck(); // the next start: the invoices are not listed again
        QCOMPARE(alertItems(), "02/12/2026 Yesterday");
        shown<AlertsWindow>(m_tab)->close();
    }

    // At start-up an alert due yesterday opens the window, once; a switch to an identity with
    // only tomorrow's alert does not; one with a due alert does, and a double click on it
    // shows its day on the Calendar tab.
    void alertsAtStartAndAfterASwitch()
    {
        delete m_tab;
        m_tab = nullptr;
        const int second = m_env->addIdentity("Second");
        const int third = m_env->addIdentity("Third");
        add(kToday.addDays(-1), 8, 0, "Yesterday", true);
        add(kToday.addDays(1), 8, 0, "Tomorrow", true, second);
        add(QDate(2026, 3, 14), 11, 15, "Renew insurance", true, third);
        MainWindow w(*m_env->session);
        w.startUp();
        QVERIFY(showActive(w));
        QTRY_VERIFY(shown<AlertsWindow>(&w));
        const auto openAlerts = [&] {
            QCoreApplication::processEvents();
            return shown<AlertsWindow>(&w);
        };
        QCOMPARE(alertItems(&w), "02/12/2026 Yesterday");
        openAlerts()->close();
        focusAwayAndBack(w);
        QVERIFY(!openAlerts());
        w.switchIdentity(second);
        focusAwayAndBack(w);
        QVERIFY(!openAlerts());
        w.switchIdentity(third);
        focusAwayAndBack(w);
        QTRY_VERIFY(openAlerts());
        auto* alerts = ::child<QListWidget>(openAlerts(), "lstAlerts");
        emit alerts->itemDoubleClicked(alerts->item(0));
        QTRY_VERIFY(!openAlerts());
        QCOMPARE(::child<QTabWidget>(&w, "SSTab1")->currentIndex(), int(MainWindow::TabCalendar));
        // The tab shows the day as any move of the day does (label and mark checked there).
        QCOMPARE(m_env->session->calendarDate(), QDate(2026, 3, 14));
        QCOMPARE(listed(::child<QTableWidget>(&w, "flxAppointments")),
                 "14/03/2026|Renew insurance|11:15:00|True");
        quitAnsweringYes(m_env->prompter, w);
    }
};

QTEST_MAIN(TestCalendarTab)
#include "tst_calendartab.moc"
