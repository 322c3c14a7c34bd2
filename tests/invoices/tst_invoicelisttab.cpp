#include "core/DaySerial.h"
#include "core/ui/FlexGrid.h"
#include "invoices/InvoiceList.h"
#include "invoices/ui/InvoiceListTab.h"
#include "support/TestEnv.h"
#include "support/UiSteps.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using InvoiceList::ColDate;
using InvoiceList::ColDatePaid;
using InvoiceList::ColInvoiceNumber;
using InvoiceList::ColPaid;

class TestInvoiceListTab : public QObject {
    Q_OBJECT

    TestEnv* m_env = nullptr;
    InvoiceListTab* m_tab = nullptr;
    int m_acme = 0, m_bolt = 0;

    template <typename T> T* child(const char* name) const { return ::child<T>(m_tab, name); }
    FlexGrid* grid() const { return m_tab->grid(); }
    const PagedGrid& rows() const { return grid()->rows(); } // as shown, a page at a time

    void addInvoice(int client, const QString& number, int daysAgo, bool paid)
    {
        m_env->exec(QStringLiteral("INSERT INTO TblInvoices(ClientID, InvoiceNumber, Content, "
                                   "\"Date\", Paid, Identity, \"Value\", VAT, Total) "
                                   "VALUES (?, ?, ?, ?, ?, 1, 1000000, 175000, 1175000)"),
                    {client, number, QStringLiteral("Work for ") + number,
                     DaySerial::fromDate(TestEnv::kToday.addDays(-daysAgo)), paid ? -1 : 0});
    }
    QStringList listed() const
    {
        QStringList numbers;
        for (int r = 0; r < rows().rowCount(); ++r)
            numbers << rows().text(r, ColInvoiceNumber);
        return numbers;
    }
    int rowOf(const QString& number) const { return int(listed().indexOf(number)); }

    // Right-clicks the invoice's row and chooses a menu item, as a user does.
    void menu(const QString& number, const char* action)
    {
        QVERIFY2(rowOf(number) >= 0, qPrintable(number));
        chooseFromMenu(grid(), rowOf(number), ColInvoiceNumber, child<QMenu>("AcctPopmenu"),
                       action);
    }
    QVariant stored(const char* column, const QString& number) const
    {
        return m_env->db.scalar(QStringLiteral("SELECT %1 FROM TblInvoices WHERE InvoiceNumber = ?")
                                    .arg(QLatin1String(column)),
                                {number});
    }

private slots:
    void init()
    {
        m_env = new TestEnv;
        m_env->session->setCurrentIdentity(m_env->addIdentity(QStringLiteral("Main")));
        m_acme = m_env->addClient(QStringLiteral("Acme"));
        m_bolt = m_env->addClient(QStringLiteral("Bolt"));
        addInvoice(m_acme, QStringLiteral("0101"), 30, false);
        addInvoice(m_acme, QStringLiteral("0102"), 60, true);
        addInvoice(m_bolt, QStringLiteral("0103"), 29, false);
        m_tab = new InvoiceListTab(*m_env->session);
        m_tab->resize(900, 500);
        m_tab->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_tab));
        m_tab->showUnpaid();
    }
    void cleanup()
    {
        VERIFY_PROMPTS(m_env->prompter);
        delete m_tab;
        delete m_env;
    }

    // A left click asks for the invoice; Details shows its content (Edit: the main window's
    // test). Paid and UnPaid change the row at once.
    void clicksDetailsAndPaidChangeTheRowAtOnce()
    {
        QSignalSpy shown(m_tab, &InvoiceListTab::showInvoiceRequested);
        clickCell(grid(), rowOf("0103"), ColInvoiceNumber);
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shown.at(0).at(0).toInt(), int(rows().key(rowOf("0103"))));
        m_env->prompter.expectMessage(QStringLiteral("Work for 0103"));
        menu("0103", "ViewDetails1");

        QCOMPARE(listed(), QStringList({"0101", "0103"}));
        QCOMPARE(rows().cellColour(rowOf("0101"), ColDate), GridData::kOverdueColour);
        QVERIFY(!rows().cellColour(rowOf("0103"), ColDate).isValid()); // 29 days: not yet

        menu("0101", "Paid");
        const int row = rowOf("0101"); // still listed until the next query
        QCOMPARE(rows().text(row, ColPaid), QStringLiteral("True"));
        QCOMPARE(rows().text(row, ColDatePaid), QStringLiteral("3 December 2026"));
        QVERIFY(!rows().cellColour(row, ColDate).isValid());
        QCOMPARE(stored("Paid", "0101").toInt(), -1);
        QCOMPARE(stored("DatePaid", "0101").toDouble(), 46359.0);

        menu("0101", "UnPaid");
        QCOMPARE(rows().text(row, ColPaid), QStringLiteral("False"));
        QCOMPARE(rows().text(row, ColDatePaid), QString());
        QCOMPARE(rows().cellColour(row, ColDate), GridData::kOverdueColour);
        QVERIFY(stored("DatePaid", "0101").isNull());
    }

    // The follow-up columns come with the box, on the list shown, and the choice is kept.
    void sentAndReminderColumnsFollowTheBox()
    {
        m_env->exec(QStringLiteral("UPDATE TblInvoices SET SentOn = ?, ReminderLevel = 2, "
                                   "RemindedOn = ? WHERE InvoiceNumber = '0101'"),
                    {DaySerial::fromDate(TestEnv::kToday.addDays(-30)),
                     DaySerial::fromDate(TestEnv::kToday)});
        QCOMPARE(rows().columnCount(), int(InvoiceList::ColFollowUpStart));
        child<QCheckBox>("chkFollowUp")->click();
        QCOMPARE(listed(), QStringList({"0101", "0103"}));
        QCOMPARE(rows().columnCount(), int(InvoiceList::ColumnCount));
        QCOMPARE(rows().text(rowOf("0101"), InvoiceList::ColSentOn),
                 QStringLiteral("Tuesday, 3 November 2026"));
        QCOMPARE(rows().text(rowOf("0101"), InvoiceList::ColReminderLevel), QStringLiteral("2"));
        QCOMPARE(rows().text(rowOf("0101"), InvoiceList::ColRemindedOn),
                 QStringLiteral("Thursday, 3 December 2026"));
        for (int c : {InvoiceList::ColSentOn, InvoiceList::ColReminderLevel,
                      InvoiceList::ColRemindedOn}) // nothing sent or reminded: empty cells
            QCOMPARE(rows().text(rowOf("0103"), c), QString());
        QCOMPARE(m_env->session->preferences().value(QStringLiteral("invoiceListFollowUp")),
                 QStringLiteral("1"));
        InvoiceListTab again(*m_env->session);
        QVERIFY(::child<QCheckBox>(&again, "chkFollowUp")->isChecked());
    }

    void badDebtsAndDeletion()
    {
        child<QRadioButton>("optShowAll")->click();
        QCOMPARE(listed(), QStringList({"0102", "0101", "0103"})); // by date

        m_env->prompter.expectMessage(QStringLiteral("This invoice Has been paid!"));
        menu("0102", "BadDebt");
        QCOMPARE(stored("BadDebt", "0102").toInt(), 0);

        child<QRadioButton>("optShowUnPaid")->click();
        menu("0101", "BadDebt"); // lists everything, bad debts hidden
        QVERIFY(child<QRadioButton>("optShowAll")->isChecked());
        QCOMPARE(listed(), QStringList({"0102", "0103"}));
        child<QCheckBox>("chkBadDebt")->click(); // now shown again
        QCOMPARE(listed(), QStringList({"0102", "0101", "0103"}));

        const Prompter::Message first{QStringLiteral("This Will Delete Invoice 0102 proceed ?"),
                                      QStringLiteral("Delete?"), Prompter::Buttons::YesNo,
                                      Prompter::Icon::Critical, Prompter::Answer::No};
        Prompter::Message second = first;
        second.text = QStringLiteral("This Invoice Has been PAID Confirm Delete?");
        second.title = QStringLiteral("Delete Paid?");
        for (Prompter::Answer paid : {Prompter::Answer::No, Prompter::Answer::Yes}) {
            m_env->prompter.expectExactly(first, Prompter::Answer::Yes).expectExactly(second, paid);
            menu("0102", "DeleteInvoice"); // deleted only when both are answered Yes
            QCOMPARE(stored("InvoiceID", "0102").isValid(), paid == Prompter::Answer::No);
        }
        QVERIFY(child<QRadioButton>("optShowAll")->isChecked());
    }

    void clientViewsExcludeAndEmptyResults()
    {
        menu("0103", "ExcludeClient");
        QCOMPARE(listed(), QStringList({"0101"}));
        menu("0101", "ExcludeClient"); // only one client is left out at a time
        QCOMPARE(listed(), QStringList({"0103"}));

        child<QRadioButton>("optShowPaid")->click();
        QCOMPARE(listed(), QStringList({"0102"}));
        m_env->prompter.expectMessage(QStringLiteral("error"));
        menu("0102", "ExcludeClient");             // no other client has paid
        QCOMPARE(listed(), QStringList({"0102"})); // the old list stays
        m_env->exec(QStringLiteral("UPDATE TblInvoices SET Paid = 0"));
        m_env->prompter.expectMessage(QStringLiteral("No Records"));
        child<QCheckBox>("chkBadDebt")->click();
        QCOMPARE(listed(), QStringList({"0102"}));

        auto* clients = child<QComboBox>("cboInvoiceClients");
        QCOMPARE(clients->count(), 2); // clients with invoices, each once
        clients->setCurrentIndex(clients->findData(m_acme));
        emit clients->activated(clients->currentIndex());
        QCOMPARE(listed(), QStringList({"0102", "0101"}));
        QVERIFY(child<QRadioButton>("optCompanyShowAll")->isChecked());
        QVERIFY(child<QCheckBox>("chkBadDebt")->isHidden());
        QVERIFY(!child<QRadioButton>("optShowPaid")->isChecked());
        menu("0101", "Paid"); // a status change keeps the client chosen
        QCOMPARE(clients->currentIndex(), clients->findData(m_acme));
        child<QRadioButton>("optCompanyShowUnPaid")->click();
        QCOMPARE(listed(), QStringList({"0102"}));

        // Back to the whole identity: the company options go off, the box comes back.
        m_tab->showUnpaid();
        QVERIFY(!child<QRadioButton>("optCompanyShowAll")->isChecked());
        QVERIFY(!child<QCheckBox>("chkBadDebt")->isHidden());
        QCOMPARE(clients->currentIndex(), -1);
        child<QRadioButton>("optCompanyShowPaid")->click(); // no client: the option goes off
        QVERIFY(!child<QRadioButton>("optCompanyShowPaid")->isChecked());
    }

    void hiddenCompanyListWaitsAndFailuresAreReported()
    {
        auto* clients = child<QComboBox>("cboInvoiceClients");
        QCOMPARE(clients->count(), 2);
        // Off screen, a change costs no query: the list is refilled when the tab is shown.
        m_tab->hide();
        const int crane = m_env->addClient(QStringLiteral("Crane"));
        addInvoice(crane, QStringLiteral("0104"), 1, false);
        m_env->db.changes().announce(DatabaseChanges::Invoices);
        m_tab->invoiceMade(crane); // its first invoice: the list must be read again
        QCOMPARE(clients->count(), 2);
        m_tab->show();
        QCOMPARE(clients->count(), 3);
        // Another invoice of a listed client, and nothing else: the list is not read again
        // (the rename, made behind its back, stays unseen); any other change reads it.
        m_env->exec(QStringLiteral("UPDATE TblClients SET Company = 'Acme Ltd' WHERE ClientID = ?"),
                    {m_acme});
        for (bool only : {true, false}) {
            m_tab->hide();
            addInvoice(m_acme, only ? QStringLiteral("0105") : QStringLiteral("0106"), 1, false);
            m_env->db.changes().announce(DatabaseChanges::Invoices);
            if (!only)
                m_env->db.changes().announce(DatabaseChanges::Clients);
            m_tab->invoiceMade(m_acme);
            m_tab->show();
            QCOMPARE(clients->itemText(0),
                     only ? QStringLiteral("Acme") : QStringLiteral("Acme Ltd"));
        }

        const int id = int(rows().key(rowOf("0101")));
        m_env->exec(QStringLiteral("ALTER TABLE TblInvoices RENAME TO TblElsewhere"));
        QCOMPARE(InvoiceList::markBadDebt(m_env->db, id), InvoiceList::BadDebtOutcome::Failed);
        const QString error =
            QStringLiteral("The database reported an error:\n") + m_env->db.errorString();
        if (m_env->db.isServer()) {
            // A server's words go on to quote each statement.
            const QString start = error.section(u'\n', 0, 1);
            m_env->prompter.expectMessageStarting(start)
                .expectMessageStarting(start)
                .expectMessageStarting(start);
        } else {
            m_env->prompter.expectMessage(error).expectMessage(error).expectMessage(error);
        }
        menu("0101", "BadDebt");
        menu("0101", "DeleteInvoice");
        menu("0101", "ExcludeClient");
        QCOMPARE(listed(), QStringList({"0101", "0103"})); // the list stays as it was
    }
};

QTEST_MAIN(TestInvoiceListTab)
#include "tst_invoicelisttab.moc"
