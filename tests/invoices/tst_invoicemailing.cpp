#include "app/MainWindow.h"
#include "core/ui/FlexGrid.h"
#include "invoices/ui/InvoiceListTab.h"
#include "invoices/ui/InvoiceMailing.h"
#include "invoices/ui/InvoicePreview.h"
#include "invoices/ui/MailSettingsDialog.h"
#include "support/MailFixture.h"
#include "support/UiSteps.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// A session whose mail program is a recorder ending with `exit`.
struct Desk {
    explicit Desk(int exit = 0)
        : books(env)
        , recorder(env.folder(), exit)
    {
        env.session->setCurrentIdentity(books.identity);
        env.session->mailLauncher().setPrograms(recorder.mailer, recorder.opener);
    }
    QString outboxFile(const char* number) const
    {
        return env.file(QStringLiteral("Outbox/Invoice %1.pdf").arg(QLatin1String(number)));
    }
    QStringList mailed() const { return MailRecorder::arguments(recorder.mailer); }

    TestEnv env;
    MailBooks books;
    MailRecorder recorder;
};

} // namespace

class TestInvoiceMailing : public QObject {
    Q_OBJECT

private slots:
    void handedToTheMailProgram_data()
    {
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("why"); // the message's first line; empty: none
        QTest::newRow("taken") << 0 << "ap@smith.example"
                               << "";
        QTest::newRow("taken, the address left to type") << 0 << ""
                                                         << "";
        QTest::newRow("no mail program") << 3 << "ap@smith.example"
                                         << "This computer has no mail program set up.";
        QTest::newRow("refused") << 1 << "ap@smith.example"
                                 << "The mail program did not take the message (%1 ended with "
                                    "code 1).";
    }
    // xdg-email is handed exactly the subject, body, attachment and address. Only a message the
    // mail program took marks the invoice sent; otherwise the user is told where the file is,
    // and its folder is opened.
    void handedToTheMailProgram()
    {
        QFETCH(int, exit);
        QFETCH(QString, email);
        QFETCH(QString, why);
        Desk desk(exit);
        desk.env.exec(QStringLiteral("UPDATE TblClients SET Email = ?"), {email});
        const int invoice = desk.books.addInvoice(QStringLiteral("0124"));
        const QString attachment = desk.outboxFile("0124");
        if (!why.isEmpty())
            desk.env.prompter.expectMessage(
                why.replace(QStringLiteral("%1"), desk.recorder.mailer) +
                QStringLiteral("\n\nThe file is saved as ") + attachment +
                QStringLiteral(", so that you can attach it to a "
                               "message yourself."));
        QCOMPARE(InvoiceMailing::send(*desk.env.session, invoice),
                 why.isEmpty() ? MailOutcome::Opened : MailOutcome::SavedInstead);
        QVERIFY(desk.env.prompter.verifyDone());

        QStringList args = desk.mailed();
        QCOMPARE(args.mid(0, 4), (QStringList{"--utf8", "--subject",
                                              "Invoice 0124 from Harbour Joinery", "--body"}));
        QVERIFY2(args.value(4).startsWith(QStringLiteral("Dear Smith & Sons Ltd,\n")),
                 qPrintable(args.value(4)));
        QCOMPARE(args.mid(5),
                 QStringList({"--attach", attachment}) + QStringList(email).filter("@"));
        QVERIFY(QFileInfo(attachment).size() > 0);
        QCOMPARE(desk.books.sentOn(invoice).toDouble(), why.isEmpty() ? 46359.0 : 0.0);
        if (!why.isEmpty())
            QTRY_COMPARE(MailRecorder::arguments(desk.recorder.opener),
                         QStringList{desk.env.file(QStringLiteral("Outbox"))});
    }

    // A message that cannot be made is shown, and nothing reaches the mail program.
    void refusedMessageIsNotSent()
    {
        Desk desk;
        const int invoice = desk.books.addInvoice(QStringLiteral("0124"));
        desk.env.exec(QStringLiteral("UPDATE TblUserData SET MailFacturX = -1"));
        desk.env.prompter.expectMessageStarting(QStringLiteral("The e-invoice needs"));
        QCOMPARE(InvoiceMailing::send(*desk.env.session, invoice), std::nullopt);
        QVERIFY(desk.env.prompter.verifyDone());
        QVERIFY(desk.mailed().isEmpty());
        QVERIFY(desk.books.sentOn(invoice).isNull());
    }

    // The preview's button sends the invoice it shows; the list's menu item the row's invoice.
    void previewAndListSendTheirInvoice()
    {
        Desk desk;
        const int first = desk.books.addInvoice(QStringLiteral("0124"));
        const int second = desk.books.addInvoice(QStringLiteral("0125"));
        InvoicePreview preview(*desk.env.session);
        QVERIFY(preview.showInvoice(second));
        auto* button = child<QPushButton>(&preview, "cmdSendEmail");
        QCOMPARE(button->accessibleName(), QStringLiteral("Send by E-mail..."));
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(desk.mailed().contains(desk.outboxFile("0125")));
        QVERIFY(desk.books.sentOn(first).isNull() && !desk.books.sentOn(second).isNull());
        preview.close();

        InvoiceListTab tab(*desk.env.session);
        tab.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tab));
        tab.showUnpaid();
        const int row =
            tab.grid()->rows().text(0, InvoiceList::ColInvoiceNumber) == u"0124" ? 0 : 1;
        auto* menu = child<QMenu>(&tab, "AcctPopmenu");
        QCOMPARE(child<QAction>(menu, "mnuSendEmail")->text(), QStringLiteral("Send by E-mail..."));
        chooseFromMenu(tab.grid(), row, InvoiceList::ColInvoiceNumber, menu, "mnuSendEmail");
        QVERIFY(desk.mailed().contains(desk.outboxFile("0124")));
        QCOMPARE(desk.books.sentOn(first).toDouble(), 46359.0);
    }

    // The settings window opens from beside the trading details, shows the default wording
    // where none is kept, names its fields by their labels, and stores what is entered.
    void settingsWindow()
    {
        Desk desk;
        MainWindow w(*desk.env.session);
        QString opened;
        whenModal([&](QWidget* dialog) {
            opened = dialog->objectName();
            dialog->close();
        });
        QTest::mouseClick(child<QPushButton>(&w, "cmdMailSettings"), Qt::LeftButton);
        QCOMPARE(opened, QStringLiteral("frmMailSettings"));

        MailSettingsDialog dialog(*desk.env.session, desk.books.identity, {});
        auto* subject = child<QLineEdit>(&dialog, "txtMailSubject");
        auto* facturX = child<QCheckBox>(&dialog, "chkMailFacturX");
        QCOMPARE(subject->text(), QStringLiteral("Invoice {number} from {trading name}"));
        QCOMPARE(child<QPlainTextEdit>(&dialog, "txtMailBody")->toPlainText(),
                 InvoiceMail::defaultBody());
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            QVERIFY(!label->buddy() || label->buddy()->accessibleName() == label->text());
        QCOMPARE(facturX->accessibleName(), QStringLiteral("Attach e-invoice (Factur-X)"));
        subject->setText(QStringLiteral("Our invoice {number}"));
        facturX->setChecked(true);
        QTest::mouseClick(child<QPushButton>(&dialog, "cmdSave"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const Result<MailSettings> saved =
            InvoiceMail::loadSettings(desk.env.db, desk.books.identity);
        QCOMPARE(saved->subject, QStringLiteral("Our invoice {number}"));
        QVERIFY(saved->body.isEmpty() && saved->facturX); // the body still the default wording
    }
};

QTEST_MAIN(TestInvoiceMailing)
#include "tst_invoicemailing.moc"
