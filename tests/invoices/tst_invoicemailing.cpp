#include "app/MainWindow.h"
#include "core/ui/FlexGrid.h"
#include "invoices/InvoiceList.h"
#include "invoices/InvoiceMail.h"
#include "invoices/ui/InvoiceListTab.h"
#include "invoices/ui/InvoiceMailing.h"
#include "invoices/ui/InvoicePreview.h"
#include "invoices/ui/MailSettingsDialog.h"
#include "support/MailFixture.h"
#include "support/TestEnv.h"
#include "support/UiSteps.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

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
    QString outboxFile(const QString& number) const
    {
        return env.file(QStringLiteral("Outbox/Invoice %1.pdf").arg(number));
    }

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
        QTest::addColumn<QString>("why"); // the message's first line; empty: no message
        QTest::newRow("the mail program takes it") << 0 << "";
        QTest::newRow("no mail program") << 3 << "This computer has no mail program set up.";
        QTest::newRow("the mail program refuses it")
            << 1 << "The mail program did not take the message (%1 ended with code 1).";
    }
    // xdg-email is handed exactly the subject, body, attachment and address. Only a message the
    // mail program took marks the invoice sent; otherwise the user is told where the file is,
    // and its folder is opened.
    void handedToTheMailProgram()
    {
        QFETCH(int, exit);
        QFETCH(QString, why);
        Desk desk(exit);
        const int invoice = desk.books.addInvoice(QStringLiteral("0124"));
        const QString attachment = desk.outboxFile(QStringLiteral("0124"));
        if (!why.isEmpty())
            desk.env.prompter.expectMessage(
                QString(why).replace(QStringLiteral("%1"), desk.recorder.mailer) +
                QStringLiteral("\n\nThe file is saved as ") + attachment +
                QStringLiteral(", so that you can attach it to a message yourself."));

        const std::optional<MailOutcome> outcome = InvoiceMailing::send(*desk.env.session, invoice);
        QCOMPARE(outcome, why.isEmpty() ? MailOutcome::Opened : MailOutcome::SavedInstead);
        QVERIFY(desk.env.prompter.verifyDone());
        const QStringList args = desk.recorder.mailerArguments();
        QCOMPARE(args.size(), 8);
        QCOMPARE(args.mid(0, 3),
                 (QStringList{"--utf8", "--subject", "Invoice 0124 from Harbour Joinery"}));
        QCOMPARE(args[3], QStringLiteral("--body"));
        QVERIFY2(args[4].startsWith(QStringLiteral("Dear Smith & Sons Ltd,\n\n")),
                 qPrintable(args[4]));
        QCOMPARE(args.mid(5), (QStringList{"--attach", attachment, "ap@smith.example"}));
        QVERIFY(QFileInfo(attachment).size() > 0);
        if (why.isEmpty()) {
            QCOMPARE(desk.books.sentOn(invoice).toDouble(), 46359.0);
            QVERIFY(!desk.recorder.openerRan());
        } else {
            QVERIFY(desk.books.sentOn(invoice).isNull());
            QTRY_COMPARE(desk.recorder.openerArguments(),
                         QStringList{desk.env.file(QStringLiteral("Outbox"))});
        }
    }

    // Without an address the message still opens, for the user to type one; a message that
    // cannot be made (the e-invoice lacks a term) is shown and nothing reaches the mail program.
    void addressMissingOrMessageRefused()
    {
        Desk desk;
        const int invoice = desk.books.addInvoice(QStringLiteral("0124"));
        desk.env.exec(QStringLiteral("UPDATE TblClients SET Email = NULL"));
        QCOMPARE(InvoiceMailing::send(*desk.env.session, invoice), MailOutcome::Opened);
        QCOMPARE(desk.recorder.mailerArguments().last(), desk.outboxFile(QStringLiteral("0124")));
        QCOMPARE(desk.books.sentOn(invoice).toDouble(), 46359.0);

        Desk refused;
        const int other = refused.books.addInvoice(QStringLiteral("0125"));
        QVERIFY(InvoiceMail::saveSettings(refused.env.db, refused.books.identity, {{}, {}, true}));
        refused.env.prompter.expectMessageStarting(QStringLiteral("The e-invoice needs"));
        QCOMPARE(InvoiceMailing::send(*refused.env.session, other), std::nullopt);
        QVERIFY(refused.env.prompter.verifyDone());
        QVERIFY(!refused.recorder.mailerRan());
        QVERIFY(refused.books.sentOn(other).isNull());
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
        QVERIFY(desk.recorder.mailerArguments().contains(desk.outboxFile(QStringLiteral("0125"))));
        QCOMPARE(desk.books.sentOn(second).toDouble(), 46359.0);
        QVERIFY(desk.books.sentOn(first).isNull());
        preview.close();

        InvoiceListTab tab(*desk.env.session);
        tab.resize(900, 500);
        tab.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tab));
        tab.showUnpaid();
        const PagedGrid& rows = tab.grid()->rows();
        int row = 0;
        while (row < rows.rowCount() &&
               rows.text(row, InvoiceList::ColInvoiceNumber) != QStringLiteral("0124"))
            ++row;
        QVERIFY(row < rows.rowCount());
        auto* menu = child<QMenu>(&tab, "AcctPopmenu");
        QCOMPARE(child<QAction>(menu, "mnuSendEmail")->text(), QStringLiteral("Send by E-mail..."));
        chooseFromMenu(tab.grid(), row, InvoiceList::ColInvoiceNumber, menu, "mnuSendEmail");
        QVERIFY(desk.recorder.mailerArguments().contains(desk.outboxFile(QStringLiteral("0124"))));
        QCOMPARE(desk.books.sentOn(first).toDouble(), 46359.0);
        QVERIFY(desk.env.prompter.verifyDone());
    }

    // The settings window opens from beside the trading details, shows the default wording
    // where none is kept, names its fields by their labels, and stores what is entered.
    void settingsWindow()
    {
        Desk desk;
        MainWindow w(*desk.env.session);
        bool opened = false;
        whenModal([&](QWidget* dialog) {
            opened = dialog->objectName() == QStringLiteral("frmMailSettings");
            dialog->close();
        });
        QTest::mouseClick(child<QPushButton>(&w, "cmdMailSettings"), Qt::LeftButton);
        QVERIFY(opened);

        const Result<MailSettings> kept =
            InvoiceMail::loadSettings(desk.env.db, desk.books.identity);
        QVERIFY(kept);
        MailSettingsDialog dialog(*desk.env.session, desk.books.identity, *kept);
        auto* subject = child<QLineEdit>(&dialog, "txtMailSubject");
        auto* body = child<QPlainTextEdit>(&dialog, "txtMailBody");
        auto* facturX = child<QCheckBox>(&dialog, "chkMailFacturX");
        QCOMPARE(subject->text(), QStringLiteral("Invoice {number} from {trading name}"));
        QCOMPARE(body->toPlainText(), InvoiceMail::defaultBody());
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            if (label->buddy())
                QCOMPARE(label->buddy()->accessibleName(), label->text());
        }
        QCOMPARE(facturX->accessibleName(), QStringLiteral("Attach e-invoice (Factur-X)"));
        QVERIFY(
            child<QLabel>(&dialog, "lblMailFields")->text().contains(QStringLiteral("{due date}")));

        subject->setText(QStringLiteral("Our invoice {number}"));
        facturX->setChecked(true);
        QTest::mouseClick(child<QPushButton>(&dialog, "cmdSave"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const Result<MailSettings> saved =
            InvoiceMail::loadSettings(desk.env.db, desk.books.identity);
        QCOMPARE(saved->subject, QStringLiteral("Our invoice {number}"));
        QVERIFY(saved->body.isEmpty()); // still the default wording
        QVERIFY(saved->facturX);
    }
};

QTEST_MAIN(TestInvoiceMailing)
#include "tst_invoicemailing.moc"
