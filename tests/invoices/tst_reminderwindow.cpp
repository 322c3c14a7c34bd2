#include "core/DaySerial.h"
#include "core/ui/FlexGrid.h"
#include "core/ui/Session.h"
#include "invoices/InvoiceList.h"
#include "invoices/Reminders.h"
#include "invoices/ui/InvoiceListTab.h"
#include "invoices/ui/ReminderSettingsDialog.h"
#include "invoices/ui/ReminderWindow.h"
#include "mail/MailMessage.h"
#include "support/PdfText.h"
#include "support/TestEnv.h"
#include "support/UiSteps.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// A stand-in for xdg-email: keeps its arguments, one a line, and a copy of the file given to
// --attach, then ends with the code it was made with.
QString writeRecorder(const QString& folder, int exitCode)
{
    const QString script = folder + QStringLiteral("/mailer");
    writeAll(script,
             QStringLiteral("#!/bin/sh\n"
                            "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > '%1/args'\n"
                            "while [ $# -gt 0 ]; do\n"
                            "  if [ \"$1\" = --attach ]; then cp \"$2\" '%1/attached.pdf'; fi\n"
                            "  shift\n"
                            "done\n"
                            "exit %2\n")
                 .arg(folder)
                 .arg(exitCode)
                 .toUtf8());
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return script;
}

} // namespace

class TestReminderWindow : public QObject {
    Q_OBJECT

    TestEnv* m_env = nullptr;
    int m_identity = 0;

    // An invoice of 117.50 to Doe Plumbing dated `daysAgo` before today (payment days: 30).
    int addInvoice(const QString& number, int daysAgo, bool paid = false, int level = 0)
    {
        const Result<qint64> id = m_env->db.insert(
            {},
            QStringLiteral("INSERT INTO TblInvoices(ClientID, InvoiceNumber, Content, \"Date\", "
                           "Paid, BadDebt, Identity, \"Value\", VAT, Total, ReminderLevel) "
                           "VALUES (?, ?, ?, ?, ?, 0, ?, 1000000, 175000, 1175000, ?)"),
            {m_env->db.scalar(QStringLiteral("SELECT max(ClientID) FROM TblClients")), number,
             QStringLiteral("Work for ") + number,
             DaySerial::fromDate(TestEnv::kToday.addDays(-daysAgo)), paid ? -1 : 0, m_identity,
             level});
        return id ? int(*id) : 0;
    }
    QVariant stored(const char* column, int invoiceId) const
    {
        return m_env->db.scalar(QStringLiteral("SELECT %1 FROM TblInvoices WHERE InvoiceID = ?")
                                    .arg(QLatin1String(column)),
                                {invoiceId});
    }
    // The window of an invoice, owned by the test.
    std::unique_ptr<ReminderWindow> windowFor(int invoiceId)
    {
        auto window = std::make_unique<ReminderWindow>(*m_env->session);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        if (!window->showInvoice(invoiceId))
            qFatal("no reminder window");
        return window;
    }

private slots:
    void init()
    {
        m_env = new TestEnv;
        m_identity = m_env->addIdentity(QStringLiteral("Harbour Joinery"));
        m_env->session->setCurrentIdentity(m_identity);
        m_env->addClient(QStringLiteral("Doe Plumbing"), m_identity);
        m_env->exec(QStringLiteral("UPDATE TblClients SET Email = ?"),
                    {QStringLiteral("accounts@doe.example")});
        Reminders::Settings settings;
        settings.texts[1] = QStringLiteral("{client}: pay {amount due} for {number} now.");
        settings.fees = {Money(), Money::fromUnits(5'0000), Money::fromUnits(20'0000)};
        QVERIFY(Reminders::saveSettings(m_env->db, m_identity, settings));
    }
    void cleanup()
    {
        VERIFY_PROMPTS(m_env->prompter);
        delete m_env;
    }

    // "Reminder..." is offered for overdue invoices only, and opens at the next level with
    // that level's wording and fee.
    void menuOffersOverdueInvoices_data()
    {
        QTest::addColumn<int>("daysAgo");
        QTest::addColumn<bool>("paid");
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("opensAt");
        QTest::addColumn<QString>("fee");
        QTest::newRow("overdue, never reminded") << 45 << false << 0 << true << "Reminder"
                                                 << "0";
        QTest::newRow("reminded once") << 45 << false << 1 << true << "Second Reminder"
                                       << "5";
        QTest::newRow("after the final one") << 90 << false << 3 << true << "Final Reminder"
                                             << "20";
        QTest::newRow("due today") << 30 << false << 0 << false << ""
                                   << "";
        QTest::newRow("paid") << 90 << true << 0 << false << ""
                              << "";
    }
    void menuOffersOverdueInvoices()
    {
        QFETCH(int, daysAgo);
        QFETCH(bool, paid);
        QFETCH(int, level);
        QFETCH(bool, enabled);
        QFETCH(QString, opensAt);
        QFETCH(QString, fee);
        addInvoice(QStringLiteral("0101"), daysAgo, paid, level);
        InvoiceListTab tab(*m_env->session);
        tab.resize(900, 500);
        tab.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tab));
        child<QRadioButton>(&tab, "optShowAll")->click();
        QCOMPARE(tab.grid()->rows().rowCount(), 1);
        auto* menu = child<QMenu>(&tab, "AcctPopmenu");
        clickCell(tab.grid(), 0, InvoiceList::ColInvoiceNumber, Qt::RightButton);
        QTRY_VERIFY(menu->isVisible());
        QAction* reminder = child<QAction>(menu, "mnuReminder");
        QCOMPARE(reminder->isEnabled(), enabled);
        if (enabled) {
            reminder->trigger();
            auto* window = child<ReminderWindow>(&tab, "frmReminder");
            QCOMPARE(child<QComboBox>(window, "cboLevel")->currentText(), opensAt);
            QCOMPARE(child<QLineEdit>(window, "txtFee")->text(), fee);
            QVERIFY(!child<QPlainTextEdit>(window, "txtReminderText")->toPlainText().isEmpty());
            child<QPushButton>(window, "cmdPreview")->click();
            auto* preview = child<QDialog>(window, "frmReminderPreview");
            QCOMPARE(preview->windowTitle(), opensAt + QStringLiteral(" 0101"));
            QVERIFY(!child<QLabel>(preview, "lblPage1")->pixmap().isNull());
        }
        menu->hide();
    }

    // The mail program gets the client's address, the reminder's subject and text, and the
    // reminder of this invoice as PDF; only a message it took counts as a reminder given.
    void mailHandsOverTheReminder_data()
    {
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("recorded");
        QTest::newRow("taken") << 0 << true;
        QTest::newRow("no mail program") << 3 << false;
    }
    void mailHandsOverTheReminder()
    {
        QFETCH(int, exitCode);
        QFETCH(bool, recorded);
        addInvoice(QStringLiteral("0100"), 90, false, 1); // another invoice, listed first
        const int id = addInvoice(QStringLiteral("0101"), 45, false, 1);
        m_env->session->mailLauncher().setPrograms(writeRecorder(m_env->folder(), exitCode),
                                                   QStringLiteral("true"));
        auto window = windowFor(id);
        if (!recorded)
            m_env->prompter.expectMessageStarting(
                QStringLiteral("This computer has no mail program set up."));
        child<QPushButton>(window.get(), "cmdSendMail")->click();

        const QString pdf =
            QDir(m_env->file(QStringLiteral("Outbox"))).filePath("Second Reminder 0101.pdf");
        QVERIFY(QFile::exists(pdf));
        const QStringList args = QString::fromUtf8(readAll(m_env->file(QStringLiteral("args"))))
                                     .split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(args.mid(0, 3),
                 QStringList({"--utf8", "--subject",
                              "Second Reminder: invoice 0101 from Harbour Joinery"}));
        QCOMPARE(args.mid(3, 2),
                 QStringList({"--body", "Doe Plumbing: pay £122.50 for 0101 now."}));
        QCOMPARE(args.mid(5), QStringList({"--attach", pdf, "accounts@doe.example"}));
        const QString text = pdfText(m_env->file(QStringLiteral("attached.pdf"))).simplified();
        if (!text.isNull()) {
            QVERIFY2(text.contains(QStringLiteral("Second Reminder 0101")), qPrintable(text));
            QVERIFY(text.contains(QStringLiteral("£122.50")) && !text.contains("0100"));
        }
        QCOMPARE(stored("ReminderLevel", id).toInt(), recorded ? 2 : 1);
        QCOMPARE(stored("RemindedOn", id).isNull(), !recorded);
    }

    // Printing or saving records the reminder at the level shown; cancelling, or a fee that is
    // no amount, records nothing.
    void printAndSaveRecord_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("fee");
        QTest::addColumn<bool>("recorded");
        QTest::newRow("saved") << "save"
                               << "7.50" << true;
        QTest::newRow("save cancelled") << "save-cancel"
                                        << "7.50" << false;
        QTest::newRow("printed") << "print"
                                 << "" << true;
        QTest::newRow("print cancelled") << "print-cancel"
                                         << "0" << false;
        QTest::newRow("fee no amount") << "save"
                                       << "7,5x" << false;
    }
    void printAndSaveRecord()
    {
        QFETCH(QString, how);
        QFETCH(QString, fee);
        QFETCH(bool, recorded);
        const int id = addInvoice(QStringLiteral("0101"), 45);
        auto window = windowFor(id);
        auto* level = child<QComboBox>(window.get(), "cboLevel");
        level->setCurrentIndex(2);
        QCOMPARE(child<QLineEdit>(window.get(), "txtFee")->text(), QStringLiteral("20"));
        child<QLineEdit>(window.get(), "txtFee")->setText(fee);
        const QString out = m_env->file(QStringLiteral("out.pdf"));
        window->setPrintDialog([&](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(out);
            return how == QLatin1String("print");
        });
        if (fee.endsWith(u'x'))
            m_env->prompter.expectMessageStarting(QStringLiteral("The fee is not an amount"));
        else if (how.startsWith(QLatin1String("save")))
            m_env->prompter.expectSaveFile(how == QLatin1String("save") ? std::optional(out)
                                                                        : std::nullopt);
        child<QPushButton>(window.get(),
                           how.startsWith(QLatin1String("print")) ? "cmdPrint" : "cmdSavePdf")
            ->click();
        QCOMPARE(QFile::exists(out), recorded);
        QCOMPARE(stored("ReminderLevel", id).toInt(), recorded ? 3 : 0);
        if (recorded)
            QCOMPARE(stored("RemindedOn", id).toDouble(), DaySerial::fromDate(TestEnv::kToday));
    }

    // The settings show the program's wording where the identity has none, and keep what is
    // changed; a fee that is no amount keeps everything as it was.
    void settingsDialogKeepsChanges()
    {
        ReminderSettingsDialog dialog(*m_env->session, m_identity);
        QVERIFY(dialog.load());
        auto* first = child<QPlainTextEdit>(&dialog, "txtReminderText1");
        QVERIFY(first->toPlainText().startsWith(QStringLiteral("Dear {client}")));
        QCOMPARE(child<QLineEdit>(&dialog, "txtReminderFee2")->text(), QStringLiteral("5"));
        child<QLineEdit>(&dialog, "txtReminderFee3")->setText(QStringLiteral("abc"));
        first->setPlainText(QStringLiteral("Please pay {total}."));
        m_env->prompter.expectMessageStarting(QStringLiteral("The fee of the Final Reminder"));
        child<QPushButton>(&dialog, "cmdSave")->click();
        QCOMPARE(Reminders::loadSettings(m_env->db, m_identity)->texts[0], QString());

        child<QLineEdit>(&dialog, "txtReminderFee3")->setText(QStringLiteral("12.5"));
        child<QPushButton>(&dialog, "cmdSave")->click();
        const Result<Reminders::Settings> saved = Reminders::loadSettings(m_env->db, m_identity);
        QCOMPARE(saved->texts[0], QStringLiteral("Please pay {total}."));
        QCOMPARE(saved->fees[2], Money::fromUnits(12'5000));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestReminderWindow)
#include "tst_reminderwindow.moc"
