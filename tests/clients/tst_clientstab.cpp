#include "clients/ClientStore.h"
#include "clients/ui/ClientsTab.h"
#include "support/ListItems.h"
#include "support/TestEnv.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

namespace {

using Answer = Prompter::Answer;
const QString kSelectCompany = "Select Company";

// Identity "Own" with Acme Ltd (every column filled), Bravo Ltd (only its company, the rest
// Null) and Charlie & Co; identity "Other" with ACME, which sorts before Acme Ltd.
struct Fixture {
    Fixture()
    {
        own = env.addIdentity("Own");
        other = env.addIdentity("Other");
        ClientStore store(env.db);
        Client a;
        a.firstName = "Ann", a.company = "Acme Ltd", a.fax = "0114", a.mobile = "07700";
        a.notes = "Net 30 days";
        acme = *store.insert(a, own);
        bravo = env.addClient("Bravo Ltd", own);
        a = {};
        a.company = "Charlie & Co", a.town = "York";
        charlie = *store.insert(a, own);
        a.company = "ACME";
        otherAcme = *store.insert(a, other);
        env.session->setCurrentIdentity(own);
        tab = std::make_unique<ClientsTab>(*env.session);
        tab->show();
    }

    template <class T> T* get(const char* name) const { return child<T>(tab.get(), name); }
    QComboBox* clients() const { return get<QComboBox>("cmbSelectClient"); }
    QLineEdit* field(const char* name) const { return get<QLineEdit>(name); }
    QString loaded() const { return get<QLabel>("lblClientID")->text(); }
    QString notes() const { return get<QPlainTextEdit>("txtClientNotes")->toPlainText(); }
    bool shown(const char* name) const { return get<QWidget>(name)->isVisible(); }
    void click(const char* button) const
    {
        QTest::mouseClick(get<QPushButton>(button), Qt::LeftButton);
    }
    int count(const QString& sql, const QVariantList& values = {})
    {
        return env.db.scalar(sql, values).toInt();
    }
    bool stored(int client)
    {
        return count("SELECT count(*) FROM TblClients WHERE ClientID = ?", {client});
    }

    // As the user does it: open the list and click the entry.
    void choose(const QString& company) const
    {
        QAbstractItemView* view = clients()->view();
        clients()->showPopup();
        const QModelIndex item = view->model()->index(clients()->findText(company), 0);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
    }

    bool formIsEmpty() const
    {
        for (const QLineEdit* f : tab->findChildren<QLineEdit*>()) {
            if (f->parent() == tab.get() && !f->text().isEmpty())
                return false;
        }
        return loaded().isEmpty() && notes().isEmpty();
    }

    TestEnv env;
    int own = 0, other = 0, acme = 0, bravo = 0, charlie = 0, otherAcme = 0;
    std::unique_ptr<ClientsTab> tab;
};

Prompter::Message deletion(const QString& text)
{
    return {text, "Billcraft", Prompter::Buttons::YesNo, Prompter::Icon::Critical, Answer::No};
}

} // namespace

class TestClientsTab : public QObject {
    Q_OBJECT
private slots:
    void addsANewClient()
    {
        Fixture f;
        QSignalSpy clientsChanged(f.env.session.get(), &Session::clientsChanged);
        const QPoint savePlace = f.get<QWidget>("CmdSave")->pos();
        const QPoint addPlace = f.get<QWidget>("CmdAddNew")->pos();
        QVERIFY(f.get<QWidget>("CmdFind")->x() < savePlace.x() && savePlace.x() < addPlace.x());

        // A press in the empty company field of an empty form offers adding.
        QLineEdit* company = f.field("txtCompany");
        const Prompter::Message question{"Do you want to add a new company ?", "Add New Client?",
                                         Prompter::Buttons::YesNo, Prompter::Icon::Question,
                                         Answer::No};
        f.env.prompter.expectExactly(question, Answer::No).expectExactly(question, Answer::Yes);
        QTest::mouseClick(company, Qt::LeftButton);
        QVERIFY(f.shown("CmdSave"));
        QTest::mouseClick(company, Qt::LeftButton);
        QTest::mouseClick(company, Qt::LeftButton); // no question while adding
        f.tab->layout()->activate();
        QCOMPARE(f.get<QWidget>("cmdSaveNew")->pos(), savePlace);
        QCOMPARE(f.get<QWidget>("cmdCancelAdd")->pos(), addPlace);
        for (const char* gone : {"cmbSelectClient", "CmdDelete", "CmdMovePrevious", "CmdFind",
                                 "CmdSave", "CmdAddNew", "CmdMoveNext"})
            QVERIFY2(!f.shown(gone), gone);

        // Without a company nothing is stored and the typing stays.
        QTest::keyClicks(f.field("txtTown"), "Bray");
        QTest::keyClicks(f.get<QPlainTextEdit>("txtClientNotes"), "Met at a fair");
        f.env.prompter.expectExactly({"You must enter a Company", QString()}, Answer::Ok);
        f.click("cmdSaveNew");
        QVERIFY(f.shown("cmdSaveNew"));
        QCOMPARE(f.field("txtTown")->text(), "Bray");

        QTest::keyClicks(company, "O'Brien Builders");
        f.env.prompter.expectExactly({"New Client Saved", QString()}, Answer::Ok);
        f.click("cmdSaveNew");
        QCOMPARE(f.count("SELECT count(*) FROM TblClients WHERE Company = ? AND "
                         "Town = 'Bray' AND Notes = 'Met at a fair' AND Identity = ?",
                         {"OBrien Builders", f.own}),
                 1);
        QCOMPARE(clientsChanged.count(), 1);
        QVERIFY(f.formIsEmpty());
        QVERIFY(f.shown("CmdSave") && f.shown("cmbSelectClient") && !f.shown("cmdCancelAdd"));
        QVERIFY(openedItems(f.clients()).contains("OBrien Builders"));
        QCOMPARE(f.clients()->currentText(), kSelectCompany);

        f.click("CmdAddNew");
        f.click("cmdCancelAdd");
        QVERIFY(f.shown("CmdAddNew") && f.shown("CmdFind") && !f.shown("cmdSaveNew"));
        VERIFY_PROMPTS(f.env.prompter);
    }

    void choosesBrowsesEditsAndSavesAClient()
    {
        Fixture f;
        f.choose("Acme Ltd");
        QCOMPARE(f.loaded(), QString::number(f.acme));
        QCOMPARE(f.field("txtFirstName")->text(), "Ann");
        QCOMPARE(f.field("txtFax")->text(), "0114");
        QCOMPARE(f.field("TxtMobile")->text(), "07700");
        QCOMPARE(f.notes(), "Net 30 days");

        // Null columns show empty; nothing of the previous client stays.
        f.choose("Bravo Ltd");
        QCOMPARE(f.loaded(), QString::number(f.bravo));
        QVERIFY(f.field("txtFirstName")->text().isEmpty() && f.notes().isEmpty());

        // The arrows browse in company order, shown as no choice of the list, and stop at the
        // ends.
        f.click("CmdMoveNext");
        QCOMPARE(f.field("txtTown")->text(), "York");
        QCOMPARE(f.clients()->currentText(), kSelectCompany);
        f.click("CmdMoveNext");
        QCOMPARE(f.loaded(), QString::number(f.charlie));
        for (int i = 0; i < 3; ++i)
            f.click("CmdMovePrevious");
        QCOMPARE(f.loaded(), QString::number(f.acme));
        QCOMPARE(f.notes(), "Net 30 days");

        f.choose("Bravo Ltd");
        f.field("txtCompany")->clear();
        QTest::mouseClick(f.field("txtCompany"), Qt::LeftButton); // a client is loaded: no question
        f.field("txtCompany")->setText("Bravo's Bakery");
        f.click("CmdSave");
        QCOMPARE(f.count("SELECT count(*) FROM TblClients WHERE ClientID = ? AND "
                         "Company = 'Bravos Bakery'",
                         {f.bravo}),
                 1);
        // Reloaded from the row; the list keeps the old name until it is next filled.
        QCOMPARE(f.field("txtCompany")->text(), "Bravos Bakery");
        QVERIFY(f.clients()->findText("Bravo Ltd") >= 0);

        // Without a loaded client Save, Delete and the arrows do nothing.
        f.tab->clearForm();
        for (const char* button : {"CmdSave", "CmdDelete", "CmdMoveNext", "CmdMovePrevious"})
            f.click(button);
        QVERIFY(f.formIsEmpty());
        VERIFY_PROMPTS(f.env.prompter);
    }

    void findsAClientOfAnyIdentity()
    {
        Fixture f;
        const QString prompt = "Type the first characters of the client you are looking for";

        // The other identity's ACME comes first; no item of this list names it.
        f.env.prompter.expectInput(prompt, "ac", "Find");
        f.click("CmdFind");
        QCOMPARE(f.loaded(), QString::number(f.otherAcme));
        QCOMPARE(f.clients()->currentText(), kSelectCompany);

        // The loaded client's edits are saved first; a client of the list shows as chosen.
        f.field("txtTown")->setText("Rome");
        f.env.prompter.expectInput(prompt, "cH");
        f.click("CmdFind");
        QCOMPARE(f.count("SELECT count(*) FROM TblClients WHERE Town = 'Rome'"), 1);
        QCOMPARE(f.loaded(), QString::number(f.charlie));
        QCOMPARE(f.clients()->currentText(), "Charlie & Co");

        // Only quotes count as cancelled.
        f.env.prompter.expectInput(prompt, "''");
        f.click("CmdFind");
        QCOMPARE(f.loaded(), QString::number(f.charlie));

        f.env.prompter.expectInput(prompt, "zz");
        f.env.prompter.expectExactly({"Not Found", "Not Found", Prompter::Buttons::Ok,
                                      Prompter::Icon::Information, Answer::Ok},
                                     Answer::Ok);
        f.click("CmdFind");
        QVERIFY(f.formIsEmpty());
        QCOMPARE(f.clients()->currentText(), kSelectCompany);

        // A table that cannot be read is said so, never taken for "no client".
        f.env.exec("ALTER TABLE TblClients RENAME TO TblAside");
        f.env.prompter.expectInput(prompt, "ch")
            .expectMessageStarting("The clients could not be searched.\n" +
                                   f.env.missingTableWords());
        f.click("CmdFind");
        f.env.prompter.expectMessageStarting("The client could not be loaded.\n");
        f.choose("Acme Ltd");
        QVERIFY(f.formIsEmpty());
        f.env.prompter.expectMessageStarting("The client list could not be read.\n");
        f.env.session->setCurrentIdentity(f.other);
        QVERIFY(openedItems(f.clients()).isEmpty());
        VERIFY_PROMPTS(f.env.prompter);
    }

    void deletesAClientAfterOneOrTwoQuestions()
    {
        Fixture f;
        for (int client : {f.acme, f.acme, f.bravo})
            f.env.exec("INSERT INTO TblInvoices (ClientID, Identity) VALUES (?, ?)",
                       {client, f.own});
        QSignalSpy invoicesChanged(f.env.session.get(), &Session::invoicesChanged);
        const QString first = "\nThere are Invoices For this client\nThese will also be Deleted !\n"
                              "This Will Delete Acme Ltd proceed ?";
        const QString second = "Confirm Deletion of Client and Associated Invoices\nNot recomended";

        f.choose("Acme Ltd");
        f.env.prompter.expectExactly(deletion(first), Answer::Yes);
        f.env.prompter.expectExactly(deletion(second), Answer::No);
        f.click("CmdDelete");
        QCOMPARE(f.count("SELECT count(*) FROM TblInvoices"), 3);
        QCOMPARE(f.loaded(), QString::number(f.acme));

        f.env.prompter.expectExactly(deletion(first), Answer::Yes);
        f.env.prompter.expectExactly(deletion(second), Answer::Yes);
        f.click("CmdDelete");
        QVERIFY(!f.stored(f.acme));
        QCOMPARE(f.count("SELECT count(*) FROM TblInvoices"), 1); // Bravo's
        QVERIFY(f.formIsEmpty());
        QVERIFY(!openedItems(f.clients()).contains("Acme Ltd"));
        QCOMPARE(invoicesChanged.count(), 1);

        // Without invoices one question; No keeps the client.
        f.choose("Charlie & Co");
        f.env.prompter.expectExactly(deletion("This Will Delete Charlie & Co proceed ?"),
                                     Answer::No);
        f.click("CmdDelete");
        QVERIFY(f.stored(f.charlie));

        // Without knowing whether it has invoices, nothing is asked and nothing deleted.
        f.env.exec("ALTER TABLE TblInvoices RENAME TO TblAside");
        f.env.prompter.expectMessageStarting(
            "The client's invoices could not be checked, so nothing was deleted.\n" +
            f.env.missingTableWords());
        f.click("CmdDelete");
        VERIFY_PROMPTS(f.env.prompter);
        QCOMPARE(f.loaded(), QString::number(f.charlie));
        QVERIFY(f.stored(f.charlie));
    }

    // The list reads its clients when first used, and completes what is typed into it.
    void readsItsClientsWhenFirstUsedAndCompletesTheTypedCompany()
    {
        Fixture f;
        QComboBox* list = f.clients();
        QCOMPARE(list->count(), 0); // nothing read until the list is used
        QCOMPARE(list->currentText(), kSelectCompany);
        list->setFocus();
        list->lineEdit()->selectAll();
        QTest::keyClicks(list, "acme");
        QCOMPARE(list->currentText(), "Acme Ltd");
        QCOMPARE(list->lineEdit()->selectedText(), " Ltd");
        QCOMPARE(f.loaded(), QString::number(f.acme));
        QCOMPARE(f.notes(), "Net 30 days");

        // Keys that type nothing complete nothing: the form empties, the typing stays.
        QTest::keyClick(list, Qt::Key_Backspace);
        QCOMPARE(list->currentText(), "Acme");
        QVERIFY(f.formIsEmpty());

        // Another identity: the old clients go at once, so not even the wheel can choose one;
        // the new ones are read by the wheel's turn and the first is chosen.
        f.env.session->setCurrentIdentity(f.other);
        QCOMPARE(list->count(), 0);
        QCOMPARE(list->currentText(), kSelectCompany);
        QWheelEvent down(QPointF(5, 5), list->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(list, &down);
        QCOMPARE(list->count(), 1);
        QCOMPARE(f.loaded(), QString::number(f.otherAcme));
    }
};

QTEST_MAIN(TestClientsTab)
#include "tst_clientstab.moc"
