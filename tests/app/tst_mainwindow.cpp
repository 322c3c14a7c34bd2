#include "app/MainWindow.h"
#include "core/ui/FlexGrid.h"
#include "core/ui/PictureButton.h"
#include "identities/ui/SwitchIdentitiesDialog.h"
#include "layout/IdentityLayoutFile.h"
#include "layout/LayoutRecord.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

template <typename T> T* find(QWidget* w, const char* name)
{
    T* child = w->findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("no control %s", name);
    return child;
}

// Answers the next modal dialog the program opens; fails rather than hangs when none comes.
void whenModal(std::function<void(QWidget*)> answer)
{
    QTimer::singleShot(0, [answer] {
        QWidget* modal = nullptr;
        for (int i = 0; i < 200 && !(modal = QApplication::activeModalWidget()); ++i)
            QTest::qWait(10);
        if (!modal)
            qFatal("no modal dialog appeared");
        answer(modal);
    });
}

// Receives the web address the maker's label asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

void writeLayout(const QString& path, const QString& name, bool vatRegistered, const QString& tax)
{
    LayoutRecord r;
    r.lblTextLogoCaption = name;
    r.VatReg = vatRegistered;
    r.VatRate = 20;
    r.lblVATCaption = tax;
    QString error;
    if (!IdentityLayoutFile::write(path, r, &error))
        qFatal("%s", qPrintable(error));
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    static void quit(TestEnv& env, MainWindow& w)
    {
        env.prompter.expectQuestion(QStringLiteral("Quit Program.. proceed ?"),
                                    Prompter::Answer::Yes);
        w.close();
    }

private slots:
    void tabsInOrderWithTheirCaptions()
    {
        TestEnv env;
        MainWindow w(*env.session);
        w.startUp();
        QCOMPARE(w.objectName(), QStringLiteral("frmFront"));
        auto* tabs = find<QTabWidget>(&w, "SSTab1");
        QStringList captions;
        for (int i = 0; i < tabs->count(); ++i)
            captions << tabs->tabText(i);
        QCOMPARE(captions, QStringList({"Clients", "Make Invoice", "Find Invoices", "Expenses",
                                        "Invoice Layout", "Calendar", "Reports"}));
        QCOMPARE(tabs->currentIndex(), int(MainWindow::TabClients));
        QCOMPARE(find<QComboBox>(&w, "cboPrinters")->currentText(),
                 QStringLiteral("Select Printer"));
        QCOMPARE(find<QComboBox>(&w, "cboPrinterTrays")->currentText(), QString());
        // No identity yet: an empty start still comes up, with the defaults' caption.
        QCOMPARE(env.session->currentIdentity(), 0);
        QCOMPARE(find<QComboBox>(&w, "cmbSelectClient")->count(), 0);
        VERIFY_PROMPTS(env.prompter);
    }

    // The lowest identity; an old database gains the notes column, once; what cannot be read
    // or written at start-up is said, and the window still comes up.
    void startUpChoosesTheFirstIdentityAndUpgradesTheDatabase()
    {
        TestEnv env;
        env.exec(QStringLiteral(
            "INSERT INTO TblUserData(Identity, TextLogo) VALUES (7, 'Seven'), (3, 'Three')"));
        env.exec(QStringLiteral("INSERT INTO TblClients(Company, Identity) VALUES ('Acme', 3)"));
        env.exec(QStringLiteral("ALTER TABLE TblClients DROP COLUMN Notes"));
        const auto notesColumns = [&] {
            return env.db.columns(QStringLiteral("TblClients")).count(QStringLiteral("Notes"));
        };

        env.exec(QStringLiteral("PRAGMA query_only = ON"));
        env.prompter.expectMessageStarting(
            QStringLiteral("The database could not be given its column for client notes, so "
                           "notes cannot be kept.\n"));
        MainWindow(*env.session).startUp();
        QCOMPARE(env.session->currentIdentity(), 3);
        QCOMPARE(notesColumns(), 0);
        env.exec(QStringLiteral("PRAGMA query_only = OFF"));

        for (int start = 0; start < 2; ++start) {
            MainWindow w(*env.session);
            w.startUp();
            QCOMPARE(notesColumns(), 1);
            QCOMPARE(env.db
                         .scalar(QStringLiteral("SELECT count(*) FROM TblClients "
                                                "WHERE Notes IS NULL AND Company = 'Acme'"))
                         .toInt(),
                     1);
            QCOMPARE(find<QComboBox>(&w, "cmbSelectClient")->itemText(0), QStringLiteral("Acme"));
        }

        env.exec(QStringLiteral("ALTER TABLE TblUserData RENAME TO TblAside"));
        env.prompter.expectMessageStarting(
            QStringLiteral("The trading identities could not be read.\nno such table"));
        MainWindow(*env.session).startUp();
        QCOMPARE(env.session->currentIdentity(), 0);
        VERIFY_PROMPTS(env.prompter);
    }

    void pictureButtonsAndTheMakersLabel()
    {
        TestEnv env;
        MainWindow w(*env.session);
        const QList<QPair<QString, QString>> tips = {{"picHelp", ""},
                                                     {"picUpdate", "Check For Web Updates"},
                                                     {"PicRestore", "Restore"},
                                                     {"picBackUp", "Back Up"},
                                                     {"picAddIdentity", "Add User"},
                                                     {"picIdentities", "Switch Users"},
                                                     {"PicCalc", "Calculator"}};
        for (const auto& [name, tip] : tips) {
            auto* b = w.findChild<PictureButton*>(name);
            QVERIFY2(b, qPrintable(name));
            QCOMPARE(b->toolTip(), tip);
            QCOMPARE(b->accessibleName(), tip.isEmpty() ? QStringLiteral("Help") : tip);
        }
        PictureButton button(QStringLiteral("picTest"), QIcon(), QStringLiteral("Test"));
        QSignalSpy clicks(&button, &PictureButton::clicked);
        button.resize(32, 32);
        QTest::mousePress(&button, Qt::LeftButton);
        QCOMPARE(button.frameShape(), QFrame::Box);
        QTest::mouseRelease(&button, Qt::LeftButton);
        QCOMPARE(button.frameShape(), QFrame::NoFrame);
        QCOMPARE(clicks.count(), 1);

        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        emit find<QLabel>(&w, "lblNorvane")->linkActivated(MainWindow::kMakerWebAddress);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(catcher.opened, QList<QUrl>{QUrl(MainWindow::kMakerWebAddress)});
    }

    void quitAsksAndNoKeepsEverything()
    {
        TestEnv env;
        MainWindow w(*env.session);
        w.startUp();
        w.show();
        env.prompter.expectExactly({QStringLiteral("Quit Program.. proceed ?"),
                                    QStringLiteral("Quit"), Prompter::Buttons::YesNo,
                                    Prompter::Icon::Question, Prompter::Answer::No},
                                   Prompter::Answer::No);
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        QVERIFY(env.db.isOpen());

        QWidget other;
        other.show();
        env.prompter.expectQuestion(QStringLiteral("Quit Program.. proceed ?"),
                                    Prompter::Answer::Yes, QStringLiteral("Quit"));
        QVERIFY(w.close());
        QVERIFY(!other.isVisible());
        QVERIFY(!env.db.isOpen());
        VERIFY_PROMPTS(env.prompter);
    }

    void alertCheckRunsOnceAfterStartAndOnceAfterAnIdentityChange()
    {
        TestEnv env;
        MainWindow w(*env.session);
        QSignalSpy due(&w, &MainWindow::alertCheckDue);
        w.startUp();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(due.count(), 1);

        QWidget dialog; // another window takes the focus and gives it back
        const auto roundTrip = [&] {
            dialog.show();
            dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            dialog.close();
            w.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&w));
        };
        roundTrip();
        QCOMPARE(due.count(), 1);
        env.session->setCurrentIdentity(7);
        roundTrip();
        QCOMPARE(due.count(), 2);
        quit(env, w);
        VERIFY_PROMPTS(env.prompter);
    }

    void switchingIdentityReloadsItsSettingsAndLists()
    {
        TestEnv env;
        const int alpha = env.addIdentity(QStringLiteral("Alpha Trading"));
        const int beta = env.addIdentity(QStringLiteral("Beta Works"));
        writeLayout(env.file(QStringLiteral("%1.dat").arg(alpha)), QStringLiteral("Alpha Trading"),
                    false, {});
        writeLayout(env.file(QStringLiteral("%1.dat").arg(beta)), QStringLiteral("Beta Works"),
                    true, QStringLiteral("GST"));
        env.exec(QStringLiteral("INSERT INTO TblClients(Company, Identity) VALUES "
                                "('Acme', ?), ('Bolt', ?)"),
                 {alpha, beta});
        MainWindow w(*env.session);
        w.startUp();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(env.session->currentIdentity(), alpha);
        QCOMPARE(w.windowTitle(), QStringLiteral("Billcraft version 1.0.174 Alpha Trading"));
        auto* vat = find<QCheckBox>(&w, "ChkVAT");
        QVERIFY(!vat->isChecked());
        QCOMPARE(vat->text(), QStringLiteral("Add VAT")); // no tax name keeps the caption
        auto* clients = find<QComboBox>(&w, "cmbSelectClient");
        QCOMPARE(clients->itemText(0), QStringLiteral("Acme"));
        find<QTabWidget>(&w, "SSTab1")->setCurrentIndex(MainWindow::TabFindInvoices);

        // Closing the chooser without a choice keeps everything.
        whenModal([](QWidget* dialog) { dialog->close(); });
        emit find<PictureButton>(&w, "picIdentities")->clicked();
        QCOMPARE(env.session->currentIdentity(), alpha);

        env.prompter.expectMessage(QStringLiteral("Please select Identity"));
        whenModal([](QWidget* dialog) {
            auto* list = find<QComboBox>(dialog, "cboIdentity");
            QCOMPARE(list->placeholderText(), QStringLiteral("Choose Identity"));
            QCOMPARE(list->count(), 2);
            find<QPushButton>(dialog, "cmdOK")->click(); // nothing chosen yet
            list->setCurrentIndex(1);
            find<QPushButton>(dialog, "cmdOK")->click();
        });
        emit find<PictureButton>(&w, "picIdentities")->clicked();
        QCOMPARE(env.session->currentIdentity(), beta);
        QCOMPARE(w.windowTitle(), QStringLiteral("Billcraft version 1.0.174 Beta Works"));
        QVERIFY(vat->isChecked());
        QCOMPARE(vat->text(), QStringLiteral("Add GST"));
        QCOMPARE(clients->count(), 1);
        QCOMPARE(clients->itemText(0), QStringLiteral("Bolt"));
        QCOMPARE(find<QComboBox>(&w, "cmbSelectClient2")->itemText(0), QStringLiteral("Bolt"));
        QCOMPARE(find<QTabWidget>(&w, "SSTab1")->currentIndex(), int(MainWindow::TabClients));

        // A damaged layout file is reported and left alone; the identity gets the default
        // settings, not Beta's.
        const int gamma = env.addIdentity(QStringLiteral("Gamma"));
        const QString damaged = env.file(QStringLiteral("%1.dat").arg(gamma));
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("\x01\x00", 2) == 2);
        file.close();
        QString error;
        QVERIFY(!IdentityLayoutFile::read(damaged, &error));
        env.prompter.expectExactly({error, QString(), Prompter::Buttons::Ok,
                                    Prompter::Icon::Warning, Prompter::Answer::Ok},
                                   Prompter::Answer::Ok);
        w.switchIdentity(gamma);
        QVERIFY(!vat->isChecked());
        QCOMPARE(vat->text(), QStringLiteral("Add VAT"));
        QCOMPARE(env.session->pageSettings().vatRate, 0.0);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\x01\x00", 2));
        quit(env, w);
        VERIFY_PROMPTS(env.prompter);
    }

    void aNewClientReachesTheOtherClientLists()
    {
        TestEnv env;
        env.addIdentity(QStringLiteral("Main"));
        MainWindow w(*env.session);
        w.startUp();
        w.show();
        find<QPushButton>(&w, "CmdAddNew")->click();
        QTest::keyClicks(find<QLineEdit>(&w, "txtCompany"), QStringLiteral("O'Brien Builders"));
        env.prompter.expectMessage(QStringLiteral("New Client Saved"));
        find<QPushButton>(&w, "cmdSaveNew")->click();
        QCOMPARE(find<QComboBox>(&w, "cmbSelectClient")->itemText(0),
                 QStringLiteral("OBrien Builders"));
        QCOMPARE(find<QComboBox>(&w, "cmbSelectClient2")->itemText(0),
                 QStringLiteral("OBrien Builders"));
        QCOMPARE(find<QComboBox>(&w, "cboInvoiceClients")->count(), 0); // no invoice yet
        quit(env, w);
        VERIFY_PROMPTS(env.prompter);
    }

    void anInvoiceFromEntryToListAndBack()
    {
        TestEnv env;
        const int id = env.addIdentity(QStringLiteral("Main"));
        env.exec(QStringLiteral("INSERT INTO TblClients(Company, Identity) VALUES ('Acme', ?)"),
                 {id});
        MainWindow w(*env.session);
        w.startUp();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* tabs = find<QTabWidget>(&w, "SSTab1");
        tabs->setCurrentIndex(MainWindow::TabMakeInvoice);
        auto* clients = find<QComboBox>(&w, "cmbSelectClient2");
        clients->setCurrentIndex(0);
        emit clients->activated(0);
        find<QPlainTextEdit>(&w, "txtInvoiceContent")->setPlainText(QStringLiteral("Fitting"));
        auto* value = find<QLineEdit>(&w, "txtInvoiceValue");
        value->setFocus();
        QTest::keyClicks(value, QStringLiteral("100"));
        env.prompter.expectInput(
            QStringLiteral("What Starting Invoice Number would You like to use?\n"
                           "Billcraft adds a leading zero to all invoice numbers"),
            QStringLiteral("100"));
        find<QPushButton>(&w, "CmdMakeInvoice")->click();

        // The new invoice is listed among the unpaid ones.
        QCOMPARE(tabs->currentIndex(), int(MainWindow::TabFindInvoices));
        QVERIFY(find<QRadioButton>(&w, "optShowUnPaid")->isChecked());
        auto* grid = find<FlexGrid>(&w, "MSFlexGrid1");
        QCOMPARE(grid->gridData().rowCount(), 1);
        QCOMPARE(grid->gridData().text(0, 2), QStringLiteral("0100"));
        QCOMPARE(find<QComboBox>(&w, "cboInvoiceClients")->itemText(0), QStringLiteral("Acme"));

        // Edit from the row's menu opens the entry with the invoice loaded.
        const QRect cell = grid->visualRect(grid->model()->index(0, 2));
        QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, cell.center());
        auto* menu = find<QMenu>(&w, "AcctPopmenu");
        QTRY_VERIFY(menu->isVisible());
        menu->findChild<QAction*>(QStringLiteral("InvoiceEdit"))->trigger();
        menu->hide();
        QCOMPARE(tabs->currentIndex(), int(MainWindow::TabMakeInvoice));
        QCOMPARE(find<QPlainTextEdit>(&w, "txtInvoiceContent")->toPlainText(),
                 QStringLiteral("Fitting"));
        QVERIFY(find<QPushButton>(&w, "CmdSaveInvoice")->isVisibleTo(&w));

        // Any change of tab leaves editing.
        tabs->setCurrentIndex(MainWindow::TabClients);
        QVERIFY(!find<QPushButton>(&w, "CmdSaveInvoice")->isVisibleTo(&w));
        QVERIFY(find<QPlainTextEdit>(&w, "txtInvoiceContent")->toPlainText().isEmpty());
        quit(env, w);
        VERIFY_PROMPTS(env.prompter);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
