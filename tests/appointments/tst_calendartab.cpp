#include "app/MainWindow.h"
#include "appointments/ui/AlertsWindow.h"
#include "appointments/ui/AppointmentDialog.h"
#include "appointments/ui/CalendarTab.h"
#include "support/TestEnv.h"

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

void clickCell(QTableWidget* table, int row, int column, Qt::MouseButton button = Qt::LeftButton)
{
    const QRect cell = table->visualRect(table->model()->index(row, column));
    QTest::mouseClick(table->viewport(), button, {}, cell.center());
}

// The text of the marked day, which must also be the current cell.
QString markedDay(QTableWidget* calendar)
{
    QStringList marked;
    for (int r = 0; r < calendar->rowCount(); ++r) {
        for (int c = 0; c < calendar->columnCount(); ++c) {
            const QTableWidgetItem* item = calendar->item(r, c);
            if (item && item->background().color() == MonthGrid::kHighlight &&
                calendar->currentItem() == item)
                marked << item->text();
        }
    }
    return marked.join(u',');
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

template <typename T> T* shown(const QObject* parent)
{
    for (T* w : parent->findChildren<T*>()) {
        if (w->isVisible())
            return w;
    }
    return nullptr;
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
    void menu(int row, const char* action)
    {
        clickCell(list(), row, 2, Qt::RightButton);
        auto* popup = child<QMenu>("PopAppsMenu");
        QTRY_VERIFY(popup->isVisible());
        popup->findChild<QAction*>(QLatin1String(action))->trigger();
        popup->hide();
    }

private slots:
    void init()
    {
        m_env = new TestEnv;
        m_env->session->setCurrentIdentity(m_env->addIdentity(QStringLiteral("Main")));
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
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<QPoint>("cell"); // column, row of the widget
        QTest::addColumn<QDate>("expected");
        const QPoint none(-1, -1);
        const QDate march31(2008, 3, 31), leapDay(2008, 2, 29);
        QTest::newRow("<< from 31 March") << march31 << "CmdMinusAMonth" << 0 << none << leapDay;
        QTest::newRow(">> from 31 January")
            << QDate(2008, 1, 31) << "CmdPlusAMonth" << 0 << none << leapDay;
        QTest::newRow("click on the 14th")
            << march31 << "" << 0 << QPoint(5, 2) << QDate(2008, 3, 14);
        QTest::newRow("click on a blank cell") << march31 << "" << 0 << QPoint(0, 0) << march31;
        QTest::newRow("Left from the 1st")
            << QDate(2008, 3, 1) << "" << int(Qt::Key_Left) << none << leapDay;
        QTest::newRow("Right") << leapDay << "" << int(Qt::Key_Right) << none << QDate(2008, 3, 1);
        QTest::newRow("Down") << QDate(2008, 2, 28) << "" << int(Qt::Key_Down) << none
                              << QDate(2008, 3, 6);
        QTest::newRow("Up") << QDate(2008, 3, 3) << "" << int(Qt::Key_Up) << none
                            << QDate(2008, 2, 25);
        QTest::newRow("Page Up") << march31 << "" << int(Qt::Key_PageUp) << none << leapDay;
        QTest::newRow("Page Down")
            << QDate(2008, 1, 31) << "" << int(Qt::Key_PageDown) << none << leapDay;
    }
    void movingTheSelectedDay()
    {
        QFETCH(QDate, start);
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(QPoint, cell);
        QFETCH(QDate, expected);
        m_tab->showDay(start);
        if (!button.isEmpty())
            child<QPushButton>(qPrintable(button))->click();
        else if (key)
            QTest::keyClick(calendar(), Qt::Key(key));
        else
            clickCell(calendar(), cell.y(), cell.x());
        QCOMPARE(m_env->session->calendarDate(), expected);
        QCOMPARE(child<QLabel>("lblDate")->text(),
                 QStringLiteral("%1  %2")
                     .arg(testLocale().standaloneMonthName(expected.month()))
                     .arg(expected.year()));
        QCOMPARE(markedDay(calendar()), QString::number(expected.day()));
        QCOMPARE(listed(list()), expected.toString("dd/MM/yyyy") + "|No Appointments||");
    }

    // Enter on a day opens the window, modal; bad input is answered and nothing is stored.
    void addingAnAppointment()
    {
        QTest::keyClick(calendar(), Qt::Key_Return);
        auto* dialog = shown<AppointmentDialog>(m_tab);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Add Appointment"));
        QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
        auto* date = ::child<QLineEdit>(dialog, "txtAppDate");
        auto* hours = ::child<QComboBox>(dialog, "cboTimeHours");
        auto* minutes = ::child<QComboBox>(dialog, "cboTimeMins");
        auto* details = ::child<QPlainTextEdit>(dialog, "txtAddAppointmentDetails");
        auto* save = ::child<QPushButton>(dialog, "CmdSaveAppointment");
        QCOMPARE(date->text(), QStringLiteral("03/12/2026"));
        QCOMPARE(hours->count(), 24);
        QCOMPARE(hours->currentText(), QStringLiteral("00"));
        QCOMPARE(minutes->itemText(11), QStringLiteral("55"));
        QVERIFY(!::child<QPushButton>(dialog, "CmdUpDateAppointment")->isVisible());

        details->setPlainText(QStringLiteral(" \n "));
        m_env->prompter.expectMessage(QStringLiteral("You have not added any details"));
        save->click();
        date->setText(QStringLiteral("31/02/2026"));
        details->setPlainText(QStringLiteral("x"));
        m_env->prompter.expectMessage(QStringLiteral("There is an error with your date"));
        save->click();
        date->setText(QStringLiteral("3 Dec 2026"));
        details->setPlainText(QString(AppointmentStore::kMaxDetails + 1, u'a'));
        m_env->prompter.expectMessage(QStringLiteral("The details can be at most 65,535 "
                                                     "characters long; these are 65,536. Please "
                                                     "shorten them."));
        save->click();
        QCOMPARE(stored(), 0);
        QVERIFY(dialog->isVisible());

        const QString text = QStringLiteral("O'Brien's visit\nbring plans");
        details->setPlainText(text);
        hours->setCurrentText(QStringLiteral("10"));
        minutes->setCurrentText(QStringLiteral("30"));
        ::child<QCheckBox>(dialog, "chkSetAlert")->setChecked(true);
        save->click();
        QTRY_VERIFY(!shown<AppointmentDialog>(m_tab));
        QCOMPARE(listed(list()), "03/12/2026|" + text + "|10:30:00|True");

        m_tab->findChild<QPushButton*>("cmdAddAppointment")->click();
        dialog = shown<AppointmentDialog>(m_tab);
        ::child<QPlainTextEdit>(dialog, "txtAddAppointmentDetails")->setPlainText("again");
        ::child<QComboBox>(dialog, "cboTimeHours")->setCurrentText(QStringLiteral("10"));
        ::child<QComboBox>(dialog, "cboTimeMins")->setCurrentText(QStringLiteral("30"));
        m_env->prompter.expectMessage(
            QStringLiteral("You already have An Appointment\nFor the selected Date and Time"));
        ::child<QPushButton>(dialog, "CmdSaveAppointment")->click();
        QVERIFY(dialog->isVisible());
        QCOMPARE(stored(), 1);
        dialog->close();
    }

    // The edit window is modeless and one at a time; it refuses a clash and an appointment
    // deleted meanwhile. Delete asks first.
    void editingAndDeletingFromTheMenu()
    {
        add(kToday, 14, 30, QStringLiteral("Site visit"), true);
        add(kToday, 9, 0, QStringLiteral("Dentist"), false);
        m_tab->showDay(kToday.addDays(1));
        clickCell(list(), 0, 2, Qt::RightButton); // "No Appointments" has no menu
        QVERIFY(!child<QMenu>("PopAppsMenu")->isVisible());
        m_tab->showDay(kToday);
        QCOMPARE(listed(list()), QStringLiteral("03/12/2026|Dentist|09:00:00|False;"
                                                "03/12/2026|Site visit|14:30:00|True"));

        menu(1, "EditApp");
        AppointmentDialog* edit = m_tab->editWindow();
        QVERIFY(edit && edit->isVisible());
        QCOMPARE(edit->windowTitle(), QStringLiteral("Edit Appointment"));
        QCOMPARE(edit->windowModality(), Qt::NonModal);
        QVERIFY(!::child<QPushButton>(edit, "CmdSaveAppointment")->isVisible());
        auto* hours = ::child<QComboBox>(edit, "cboTimeHours");
        QCOMPARE(hours->currentText() + ::child<QComboBox>(edit, "cboTimeMins")->currentText(),
                 QStringLiteral("1430"));
        QVERIFY(::child<QCheckBox>(edit, "chkSetAlert")->isChecked());
        auto* update = ::child<QPushButton>(edit, "CmdUpDateAppointment");
        hours->setCurrentText(QStringLiteral("09"));
        ::child<QComboBox>(edit, "cboTimeMins")->setCurrentText(QStringLiteral("00"));
        m_env->prompter.expectMessage(
            QStringLiteral("You already have An Appointment\nFor the selected Date and Time"));
        update->click();
        menu(0, "EditApp"); // the changed window stays as it is
        QCOMPARE(m_tab->editWindow(), edit);
        QCOMPARE(::child<QPlainTextEdit>(edit, "txtAddAppointmentDetails")->toPlainText(),
                 QStringLiteral("Site visit"));
        hours->setCurrentText(QStringLiteral("15"));
        update->click();
        QTRY_VERIFY(!m_tab->editWindow());
        QCOMPARE(listed(list()), QStringLiteral("03/12/2026|Dentist|09:00:00|False;"
                                                "03/12/2026|Site visit|15:00:00|True"));

        menu(0, "EditApp");
        m_env->exec(QStringLiteral("DELETE FROM TblAppointments WHERE Appoint = 'Dentist'"));
        m_env->prompter.expectMessage(QStringLiteral(
            "This appointment has been deleted since this window was opened, so it cannot be "
            "updated."));
        ::child<QPushButton>(m_tab->editWindow(), "CmdUpDateAppointment")->click();
        QCOMPARE(stored(), 1);
        m_tab->editWindow()->close();

        for (const auto answer : {Prompter::Answer::No, Prompter::Answer::Yes}) {
            m_env->prompter.expectExactly({QStringLiteral("This Will Delete Site visit proceed ?"),
                                           QStringLiteral("Delete?"), Prompter::Buttons::YesNo,
                                           Prompter::Icon::Critical, Prompter::Answer::No},
                                          answer);
            menu(listed(list()).startsWith("03/12/2026|Dentist") ? 1 : 0, "DeleteApp");
        }
        QCOMPARE(stored(), 0);
        QCOMPARE(listed(list()), QStringLiteral("03/12/2026|No Appointments||"));
    }

    // The lists on request; cancelling for good clears the flag, the last item closes the window.
    void theAlertWindow()
    {
        add(QDate(2026, 3, 14), 10, 0, QStringLiteral("Renew insurance"), true);
        add(QDate(2026, 12, 1), 9, 0, QStringLiteral("Call accountant"), true);
        add(QDate(2026, 12, 25), 9, 0, QStringLiteral("Christmas"), true);
        add(QDate(2026, 12, 2), 9, 0, QStringLiteral("Other trade"), true, 2);
        auto* view = child<QPushButton>("cmdViewAppointments");
        auto* all = child<QPushButton>("cmdAllAlerts");
        m_env->session->setCurrentIdentity(3);
        m_env->prompter.expectMessage(QStringLiteral("You have no appointments"), QString())
            .expectMessage(QStringLiteral("You have no appointments"));
        view->click();
        all->click();
        m_env->session->setCurrentIdentity(1);

        const auto items = [](QListWidget* l) {
            QStringList texts;
            for (int i = 0; i < l->count(); ++i)
                texts << l->item(i)->text();
            return texts.join(u';');
        };
        all->click();
        auto* window = shown<AlertsWindow>(m_tab);
        QCOMPARE(items(::child<QListWidget>(window, "lstAlerts")),
                 QStringLiteral("14/03/2026 Renew insurance;01/12/2026 Call accountant;"
                                "25/12/2026 Christmas"));
        window->close();
        m_tab->showDay(QDate(2026, 3, 31)); // "View" reaches up to the calendar's day
        view->click();
        window = shown<AlertsWindow>(m_tab);
        QCOMPARE(window->windowModality(), Qt::ApplicationModal);
        auto* alerts = ::child<QListWidget>(window, "lstAlerts");
        QCOMPARE(items(alerts), QStringLiteral("14/03/2026 Renew insurance"));
        window->close();

        m_tab->showDay(kToday);
        view->click();
        window = shown<AlertsWindow>(m_tab);
        alerts = ::child<QListWidget>(window, "lstAlerts");
        QVERIFY(::child<QRadioButton>(window, "optRemindMe")->isChecked());
        auto* cancel = ::child<QPushButton>(window, "cmdCancelAlert");
        m_env->prompter.expectMessage(QStringLiteral("Please Select an Alert to work with"));
        cancel->click();
        alerts->setCurrentRow(1);
        ::child<QRadioButton>(window, "optCancelAlert")->setChecked(true);
        cancel->click();
        QCOMPARE(items(alerts), QStringLiteral("14/03/2026 Renew insurance"));
        alerts->setCurrentRow(0);
        ::child<QRadioButton>(window, "optRemindMe")->setChecked(true);
        cancel->click();
        QVERIFY(!window->isVisible());
        QCOMPARE(m_env->db
                     .scalar("SELECT group_concat(Appoint || ':' || Alert, ',') FROM "
                             "TblAppointments WHERE Identity = 1")
                     .toString(),
                 QStringLiteral("Renew insurance:-1,Call accountant:0,Christmas:-1"));
    }

    // At start-up an alert due yesterday opens the window, once; a switch to an identity with
    // only tomorrow's alert does not; one with a due alert does, and a double click on it
    // shows its day on the Calendar tab.
    void alertsAtStartAndAfterASwitch()
    {
        delete m_tab;
        m_tab = nullptr;
        const int second = m_env->addIdentity(QStringLiteral("Second"));
        const int third = m_env->addIdentity(QStringLiteral("Third"));
        add(kToday.addDays(-1), 8, 0, QStringLiteral("Yesterday"), true);
        add(kToday.addDays(1), 8, 0, QStringLiteral("Tomorrow"), true, second);
        add(QDate(2026, 3, 14), 11, 15, QStringLiteral("Renew insurance"), true, third);
        MainWindow w(*m_env->session);
        w.startUp();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_VERIFY(shown<AlertsWindow>(&w));
        const auto openAlerts = [&] {
            QCoreApplication::processEvents();
            return shown<AlertsWindow>(&w);
        };
        QWidget other;
        const auto roundTrip = [&] {
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            other.close();
            w.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&w));
        };
        QCOMPARE(::child<QListWidget>(openAlerts(), "lstAlerts")->item(0)->text(),
                 QStringLiteral("02/12/2026 Yesterday"));
        openAlerts()->close();
        roundTrip();
        QVERIFY(!openAlerts());
        w.switchIdentity(second);
        roundTrip();
        QVERIFY(!openAlerts());
        w.switchIdentity(third);
        roundTrip();
        QTRY_VERIFY(openAlerts());
        auto* alerts = ::child<QListWidget>(openAlerts(), "lstAlerts");
        emit alerts->itemDoubleClicked(alerts->item(0));
        QTRY_VERIFY(!openAlerts());
        QCOMPARE(::child<QTabWidget>(&w, "SSTab1")->currentIndex(), int(MainWindow::TabCalendar));
        QCOMPARE(m_env->session->calendarDate(), QDate(2026, 3, 14));
        QCOMPARE(::child<QLabel>(&w, "lblDate")->text(), QStringLiteral("March  2026"));
        QCOMPARE(markedDay(::child<QTableWidget>(&w, "flxCalendar")), QStringLiteral("14"));
        QCOMPARE(listed(::child<QTableWidget>(&w, "flxAppointments")),
                 QStringLiteral("14/03/2026|Renew insurance|11:15:00|True"));
        m_env->prompter.expectQuestion(QStringLiteral("Quit Program.. proceed ?"),
                                       Prompter::Answer::Yes);
        w.close();
    }
};

QTEST_MAIN(TestCalendarTab)
#include "tst_calendartab.moc"
