#include "app/MainWindow.h"
#include "core/ui/FlexGrid.h"
#include "core/ui/PictureButton.h"
#include "layout/IdentityLayoutFile.h"
#include "layout/LayoutRecord.h"
#include "support/CaseFile.h"
#include "support/ListItems.h"
#include "support/TestEnv.h"
#include "support/UiSteps.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

namespace {

// The identity's layout file; VAT registered when it names a tax.
void writeLayout(const TestEnv& env, int identity, const QString& name, const QString& tax = {})
{
    LayoutRecord r;
    r.lblTextLogoCaption = name;
    r.VatReg = !tax.isEmpty();
    r.VatRate = 20;
    r.lblVATCaption = tax;
    if (const Status written = IdentityLayoutFile::write(env.session->files(), identity, r);
        !written)
        qFatal("%s", qPrintable(written.error()));
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    static void quit(TestEnv& env, MainWindow& w)
    {
        quitAnsweringYes(env.prompter, w);
        VERIFY_PROMPTS(env.prompter);
    }

private slots:
    // Assistive tools find every picture-button as a push button with its name and can press
    // it; the press returns before the click runs, as a click may open a modal window. First,
    // so that it sees the first picture-button the program builds. The mouse clicks it too.
    void everyPictureButtonIsAPressableButton_data()
    {
        CaseFile::addRows("app/picture-buttons.txt", {"toolTip", "name"});
    }

    void everyPictureButtonIsAPressableButton()
    {
        QFETCH(QString, toolTip);
        QFETCH(QString, name);
        TestEnv env;
        MainWindow w(*env.session);
        w.startUp();
        w.openHelp();
        auto* button = child<PictureButton>(&w, QTest::currentDataTag());
        QCOMPARE(button->toolTip(), toolTip);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
        QCOMPARE(a->role(), QAccessible::PushButton);
        QCOMPARE(a->text(QAccessible::Name), name == u"same" ? toolTip : name);
        QVERIFY(a->actionInterface());
        const QString press = QAccessibleActionInterface::pressAction();
        QVERIFY(a->actionInterface()->actionNames().contains(press));
        // Only the click is looked at, not what the program does with it.
        QObject::disconnect(button, &PictureButton::clicked, nullptr, nullptr);
        QSignalSpy clicks(button, &PictureButton::clicked);
        a->actionInterface()->doAction(press);
        QCOMPARE(clicks.count(), 0);
        QTRY_COMPARE(clicks.count(), 1);

        // The mouse: pressed, it has a border that moves nothing; released on it, a click.
        QLayout* row = button->parentWidget()->layout();
        row->activate();
        const QRect place = button->geometry();
        QTest::mousePress(button, Qt::LeftButton);
        QCOMPARE(button->frameShape(), QFrame::Box);
        row->activate();
        QCOMPARE(button->geometry(), place);
        QTest::mouseRelease(button, Qt::LeftButton);
        QCOMPARE(button->frameShape(), QFrame::NoFrame);
        QCOMPARE(clicks.count(), 2);
        VERIFY_PROMPTS(env.prompter);
    }

    // An empty start comes up with its tabs, buttons and captions; quitting asks, and No keeps
    // everything.
    void emptyStartItsFrameAndQuitting()
    {
        TestEnv env;
        MainWindow w(*env.session);
        w.startUp();
        // The tabs' captions are checked, in English, by tst_english.
        QCOMPARE(env.session->currentIdentity(), 0);
        QCOMPARE(child<QComboBox>(&w, "cmbSelectClient")->count(), 0);

        w.show();
        env.prompter.expectExactly({"Quit Program.. proceed ?", "Quit", Prompter::Buttons::YesNo,
                                    Prompter::Icon::Question, Prompter::Answer::No},
                                   Prompter::Answer::No);
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        QVERIFY(env.db.isOpen());
        QWidget other;
        other.show();
        env.prompter.expectQuestion("Quit Program.. proceed ?", Prompter::Answer::Yes, "Quit");
        QVERIFY(w.close());
        QVERIFY(!other.isVisible());
        QVERIFY(!env.db.isOpen());
        VERIFY_PROMPTS(env.prompter);
    }

    // The lowest identity; an old database gains the notes column, once; what cannot be read
    // or written at start-up is said, and the window still comes up.
    void startUpChoosesTheFirstIdentityAndUpgradesTheDatabase()
    {
        TestEnv env;
        env.exec(QStringLiteral(
            "INSERT INTO TblUserData(Identity, TextLogo) VALUES (7, 'Seven'), (3, 'Three')"));
        env.exec("INSERT INTO TblClients(Company, Identity) VALUES ('Acme', 3)");
        env.exec("ALTER TABLE TblClients DROP COLUMN Notes");
        const auto notesColumns = [&] { return env.db.columns("TblClients").count("Notes"); };

        env.exec("PRAGMA query_only = ON");
        env.prompter.expectMessageStarting(
            QStringLiteral("The database could not be given its column for client notes, so "
                           "notes cannot be kept.\n"));
        MainWindow(*env.session).startUp();
        QCOMPARE(env.session->currentIdentity(), 3);
        QCOMPARE(notesColumns(), 0);
        env.exec("PRAGMA query_only = OFF");

        // A start on a database that has the column is every other start of this program.
        MainWindow w(*env.session);
        w.startUp();
        QCOMPARE(notesColumns(), 1);
        QCOMPARE(env.db
                     .scalar(QStringLiteral("SELECT count(*) FROM TblClients "
                                            "WHERE Notes IS NULL AND Company = 'Acme'"))
                     .toInt(),
                 1);
        QCOMPARE(openedItems(child<QComboBox>(&w, "cmbSelectClient")).value(0), "Acme");

        env.exec("ALTER TABLE TblUserData RENAME TO TblAside");
        env.prompter.expectMessageStarting(
            "The trading identities could not be read.\nno such table");
        MainWindow(*env.session).startUp();
        QCOMPARE(env.session->currentIdentity(), 0);
        VERIFY_PROMPTS(env.prompter);
    }

    // The program builds the tabs nobody sees yet after its first paint, or when one of them is
    // selected first; either way they come up whole, filled and visible.
    void hiddenTabsAreBuiltAfterTheFirstPaint_data()
    {
        QTest::addColumn<bool>("selectFirst");
        QTest::newRow("painted first") << false;
        QTest::newRow("a tab selected first") << true;
    }

    void hiddenTabsAreBuiltAfterTheFirstPaint()
    {
        QFETCH(bool, selectFirst);
        TestEnv env;
        env.addIdentity("Alpha");
        MainWindow w(*env.session);
        w.startUp(MainWindow::HiddenTabs::BuildAfterFirstPaint);
        QVERIFY(!w.findChild<QComboBox*>("cboInvoiceClients"));
        w.show();
        if (selectFirst)
            w.tabs()->setCurrentIndex(MainWindow::TabFindInvoices);
        else
            QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTRY_VERIFY(w.findChild<QComboBox*>("cboInvoiceClients"));
        w.tabs()->setCurrentIndex(MainWindow::TabFindInvoices);
        QVERIFY(child<QComboBox>(&w, "cboInvoiceClients")->isVisible());
        QVERIFY(child<QWidget>(&w, "picCSV")->isVisible());
        quit(env, w);
    }

    void switchingIdentityReloadsItsSettingsAndLists()
    {
        TestEnv env;
        const int alpha = env.addIdentity("Alpha Trading");
        const int beta = env.addIdentity("Beta Works");
        writeLayout(env, alpha, "Alpha Trading");
        writeLayout(env, beta, "Beta Works", "GST");
        env.exec(QStringLiteral("INSERT INTO TblClients(Company, Identity) VALUES "
                                "('Acme', ?), ('Bolt', ?)"),
                 {alpha, beta});
        MainWindow w(*env.session);
        w.startUp();
        QVERIFY(showActive(w));
        QCOMPARE(env.session->currentIdentity(), alpha);
        QCOMPARE(w.windowTitle(), "Billcraft version 1.0.174 Alpha Trading");
        auto* vat = child<QCheckBox>(&w, "ChkVAT");
        QVERIFY(!vat->isChecked());
        QCOMPARE(vat->text(), "Add VAT"); // no tax name keeps the caption
        auto* clients = child<QComboBox>(&w, "cmbSelectClient");
        QCOMPARE(openedItems(clients).value(0), "Acme");
        w.tabs()->setCurrentIndex(MainWindow::TabFindInvoices);

        // Closing the chooser without a choice keeps everything.
        whenModal([](QWidget* dialog) { dialog->close(); });
        emit child<PictureButton>(&w, "picIdentities")->clicked();
        QCOMPARE(env.session->currentIdentity(), alpha);

        env.prompter.expectMessage("Please select Identity");
        whenModal([](QWidget* dialog) {
            auto* list = child<QComboBox>(dialog, "cboIdentity");
            QCOMPARE(list->placeholderText(), "Choose Identity");
            QCOMPARE(list->count(), 2);
            child<QPushButton>(dialog, "cmdOK")->click(); // nothing chosen yet
            list->setCurrentIndex(1);
            child<QPushButton>(dialog, "cmdOK")->click();
        });
        emit child<PictureButton>(&w, "picIdentities")->clicked();
        QCOMPARE(env.session->currentIdentity(), beta);
        QCOMPARE(w.windowTitle(), "Billcraft version 1.0.174 Beta Works");
        QVERIFY(vat->isChecked());
        QCOMPARE(vat->text(), "Add GST");
        QCOMPARE(openedItems(clients), QStringList{"Bolt"});
        QCOMPARE(w.tabs()->currentIndex(), int(MainWindow::TabClients));
        w.tabs()->setCurrentIndex(MainWindow::TabMakeInvoice);
        QCOMPARE(child<QComboBox>(&w, "cmbSelectClient2")->itemText(0), "Bolt");

        // A damaged layout file is reported and left alone; the identity gets the default
        // settings, not Beta's.
        const int gamma = env.addIdentity("Gamma");
        const QString damaged = env.file(QStringLiteral("%1.dat").arg(gamma));
        writeAll(damaged, QByteArray("\x01\x00", 2));
        const QString error = IdentityLayoutFile::read(env.session->files(), gamma).error();
        QVERIFY(!error.isEmpty());
        env.prompter.expectExactly({error, QString(), Prompter::Buttons::Ok,
                                    Prompter::Icon::Warning, Prompter::Answer::Ok},
                                   Prompter::Answer::Ok);
        w.switchIdentity(gamma);
        QVERIFY(!vat->isChecked());
        QCOMPARE(vat->text(), "Add VAT");
        QCOMPARE(env.session->pageSettings().vatRate, 0.0);
        QCOMPARE(readAll(damaged), QByteArray("\x01\x00", 2));
        quit(env, w);
    }

    // A new client reaches the other client lists; an invoice made for it is listed, and the
    // list's menu brings it back into the entry.
    void aClientAndItsInvoiceFromEntryToListAndBack()
    {
        TestEnv env;
        env.addIdentity("Main");
        MainWindow w(*env.session);
        w.startUp();
        QVERIFY(showActive(w));
        child<QPushButton>(&w, "CmdAddNew")->click();
        QTest::keyClicks(child<QLineEdit>(&w, "txtCompany"), "O'Brien Builders");
        env.prompter.expectMessage("New Client Saved");
        child<QPushButton>(&w, "cmdSaveNew")->click();
        const QString company = "OBrien Builders";
        QCOMPARE(openedItems(child<QComboBox>(&w, "cmbSelectClient")).value(0), company);
        QCOMPARE(child<QComboBox>(&w, "cboInvoiceClients")->count(), 0); // no invoice yet

        auto* tabs = child<QTabWidget>(&w, "SSTab1");
        tabs->setCurrentIndex(MainWindow::TabMakeInvoice);
        auto* clients = child<QComboBox>(&w, "cmbSelectClient2");
        QCOMPARE(clients->itemText(0), company);
        clients->setCurrentIndex(0);
        emit clients->activated(0);
        child<QPlainTextEdit>(&w, "txtInvoiceContent")->setPlainText("Fitting");
        auto* value = child<QLineEdit>(&w, "txtInvoiceValue");
        value->setFocus();
        QTest::keyClicks(value, "100");
        env.prompter.expectInput(
            QStringLiteral("What Starting Invoice Number would You like to use?\n"
                           "Billcraft adds a leading zero to all invoice numbers"),
            "100");
        child<QPushButton>(&w, "CmdMakeInvoice")->click();

        QCOMPARE(tabs->currentIndex(), int(MainWindow::TabFindInvoices));
        QVERIFY(child<QRadioButton>(&w, "optShowUnPaid")->isChecked());
        auto* grid = child<FlexGrid>(&w, "MSFlexGrid1");
        QCOMPARE(grid->gridData().rowCount(), 1);
        QCOMPARE(grid->gridData().text(0, 2), "0100");
        QCOMPARE(child<QComboBox>(&w, "cboInvoiceClients")->itemText(0), company);

        chooseFromMenu(grid, 0, 2, child<QMenu>(&w, "AcctPopmenu"), "InvoiceEdit");
        QCOMPARE(tabs->currentIndex(), int(MainWindow::TabMakeInvoice));
        QCOMPARE(child<QPlainTextEdit>(&w, "txtInvoiceContent")->toPlainText(), "Fitting");
        QVERIFY(child<QPushButton>(&w, "CmdSaveInvoice")->isVisibleTo(&w));

        // Any change of tab leaves editing.
        tabs->setCurrentIndex(MainWindow::TabClients);
        QVERIFY(!child<QPushButton>(&w, "CmdSaveInvoice")->isVisibleTo(&w));
        QVERIFY(child<QPlainTextEdit>(&w, "txtInvoiceContent")->toPlainText().isEmpty());
        quit(env, w);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
