#include "banking/ui/MatchStatementWindow.h"
#include "core/DaySerial.h"
#include "support/Statements.h"
#include "support/TestEnv.h"
#include "support/UiSteps.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace Statements;
using Column = MatchStatementWindow::Column;

namespace {

// A statement of one of each proposal: sure 0100, likely 0104, none (two invoices of
// 200.00), a debit and an entry matched before.
struct Review {
    TestEnv env;
    QHash<QString, int> ids;
    std::unique_ptr<MatchStatementWindow> window;
    QTableWidget* grid = nullptr;
    QComboBox* invoice = nullptr;

    Review()
    {
        env.session->setCurrentIdentity(env.addIdentity(QStringLiteral("One")));
        ids = addUnpaid(env, 1);
        env.exec(QStringLiteral("INSERT INTO TblStatementEntries(Identity, BankRef) "
                                "VALUES (1, 'OLD')"));
        const Statement read =
            statement({credit("117.50", "A1", QStringLiteral("INV-0100")),
                       credit("42.00", "A2", QStringLiteral("Thanks")),
                       credit("200.00", "A3", QStringLiteral("Payment")), debit("20.00", "D1"),
                       credit("80.00", "OLD", QStringLiteral("0101"))});
        const Result<StatementMatch::Books> books =
            StatementMatch::readBooks(env.db, 1, QStringLiteral("GBP"));
        window = std::make_unique<MatchStatementWindow>(*env.session, 1, read, *books);
        grid = child<QTableWidget>(window.get(), "grdStatement");
        invoice = child<QComboBox>(window.get(), "cboInvoice");
    }

    QString column(Column c) const
    {
        QStringList texts;
        for (int row = 0; row < grid->rowCount(); ++row)
            texts << (c == Column::Accept ? QString::number(int(grid->item(row, c)->checkState()))
                                          : grid->item(row, c)->text());
        return texts.join(u'|');
    }
    void pick(int row, const char* number)
    {
        grid->setCurrentCell(row, Column::Invoice);
        const int index = invoice->findText(QLatin1String(number), Qt::MatchStartsWith);
        QVERIFY(index > 0);
        invoice->setCurrentIndex(index);
        emit invoice->activated(index);
    }
    bool paid(const char* number)
    {
        return env.db
                   .scalar(QStringLiteral("SELECT Paid FROM TblInvoices WHERE InvoiceID = ?"),
                           {ids[QLatin1String(number)]})
                   .toInt() != 0;
    }
};

} // namespace

class TestMatchStatementWindow : public QObject {
    Q_OBJECT

private slots:
    // Sure and likely come checked; a debit and an entry done before cannot be checked; a
    // row rejected stays unpaid; an invoice picked for one row leaves the row that had it; the
    // accepted ones are marked paid on their booking date and the window closes.
    void acceptRejectPickAndApply()
    {
        Review r;
        QCOMPARE(r.column(Column::Proposed),
                 QStringLiteral("Sure|Likely|None|Not a payment|Done before"));
        QCOMPARE(r.column(Column::Invoice), QStringLiteral("0100|0104|||"));
        QCOMPARE(r.column(Column::Accept), QStringLiteral("2|2|0|0|0"));
        for (int row : {3, 4})
            QVERIFY(!(r.grid->item(row, Column::Accept)->flags() & Qt::ItemIsUserCheckable));
        QCOMPARE(r.invoice->accessibleName(), QStringLiteral("Pay invoice"));

        r.grid->item(1, Column::Accept)->setCheckState(Qt::Unchecked); // reject likely 0104
        r.pick(2, "0104"); // picked for the third row: the second loses it
        QCOMPARE(r.column(Column::Invoice), QStringLiteral("0100||0104||"));
        r.pick(2, "0102");
        QCOMPARE(r.column(Column::Invoice), QStringLiteral("0100||0102||"));
        QCOMPARE(r.column(Column::Accept), QStringLiteral("2|0|2|0|0"));
        r.grid->setCurrentCell(3, Column::Invoice);
        QVERIFY(!r.invoice->isEnabled());

        r.env.prompter.expectMessage(
            QStringLiteral("Invoices marked paid: 2, from 2 bank entries."));
        child<QPushButton>(r.window.get(), "cmdMarkPaid")->click();
        QVERIFY(r.env.prompter.verifyDone());
        QCOMPARE(r.window->result(), int(QDialog::Accepted));
        QVERIFY(r.paid("0100") && r.paid("0102"));
        QVERIFY(!r.paid("0104") && !r.paid("0103"));
        QCOMPARE(r.env.db
                     .scalar(QStringLiteral("SELECT DatePaid FROM TblInvoices WHERE "
                                            "InvoiceID = ?"),
                             {r.ids["0102"]})
                     .toDouble(),
                 DaySerial::fromDate(kBooked));
    }

    // An invoice paid meanwhile at another seat: the user is told, nothing is marked, and the
    // window stays for another try.
    void paidMeanwhile()
    {
        Review r;
        r.env.exec(QStringLiteral("UPDATE TblInvoices SET Paid = -1 WHERE InvoiceID = ?"),
                   {r.ids["0104"]});
        r.env.prompter.expectMessage(
            QStringLiteral("Invoice 0104 has been marked paid meanwhile. Nothing was marked paid; "
                           "match the statement again."));
        child<QPushButton>(r.window.get(), "cmdMarkPaid")->click();
        QVERIFY(r.env.prompter.verifyDone());
        QVERIFY(!r.paid("0100"));
        QCOMPARE(r.window->result(), 0);
    }
};

QTEST_MAIN(TestMatchStatementWindow)
#include "tst_matchstatementwindow.moc"
