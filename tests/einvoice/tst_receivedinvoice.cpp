#include "core/ui/FlexGrid.h"
#include "einvoice/ui/ReceivedInvoiceWindow.h"
#include "expenses/ui/ExpensesTab.h"
#include "support/TestEnv.h"
#include "support/UiSteps.h"

#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

namespace {

QString sample(const char* name)
{
    return QStringLiteral(BILLCRAFT_TEST_DATA "/einvoice/read/") + QLatin1String(name);
}

const QString kInEuros = QStringLiteral(
    "This invoice is in EUR and your books are in GBP. Add its amounts as they are?");

int expenses(TestEnv& env)
{
    return env.db.scalar(QStringLiteral("SELECT count(*) FROM TblExpenses")).toInt();
}

} // namespace

class TestReceivedInvoice : public QObject {
    Q_OBJECT

private slots:
    // "Read e-invoice..." on the Expenses tab: a file that is no e-invoice is only reported;
    // an e-invoice is shown and added once, the list showing it at once; the same invoice a
    // second time is asked about, and No keeps the window open and stores nothing.
    void readAndAdd()
    {
        TestEnv env;
        env.session->setCurrentIdentity(env.addIdentity(QStringLiteral("One")));
        ExpensesTab tab(*env.session);
        QVERIFY(showActive(tab));
        tab.viewExpenses();
        auto* read = child<QPushButton>(&tab, "cmdReadEInvoice");
        QCOMPARE(read->accessibleName(), read->text());

        env.prompter.expectOpenFile(sample("README.md"));
        env.prompter.expectMessage(
            QStringLiteral("The file is neither a PDF nor XML, so it is no e-invoice."));
        read->click();
        QCOMPARE(expenses(env), 0);

        env.prompter.expectOpenFile(sample("CII_example1.xml"));
        env.prompter.expectQuestion(kInEuros, Prompter::Answer::Yes);
        QString shownText;
        whenModal([&shownText](QWidget* window) {
            shownText = child<QTextBrowser>(window, "txtEInvoice")->toPlainText();
            child<QPushButton>(window, "cmdAddAsExpense")->click();
        });
        read->click();
        QVERIFY(shownText.contains(QLatin1String("PATAT FRITES 10MM 10KG")));
        QCOMPARE(expenses(env), 1);
        const GridData& listed = tab.grid()->gridData();
        QCOMPARE(listed.text(0, ExpenseStore::ColDescription),
                 QStringLiteral("De Koksmaat, invoice 12115118"));

        env.prompter.expectOpenFile(sample("CII_example1.xml"));
        env.prompter.expectQuestion(kInEuros, Prompter::Answer::Yes);
        env.prompter.expectQuestion(QStringLiteral("There is already an expense \"De Koksmaat, "
                                                   "invoice 12115118\" dated 09/01/2015. Add "
                                                   "this invoice again?"),
                                    Prompter::Answer::No);
        bool stayedOpen = false;
        whenModal([&stayedOpen](QWidget* window) {
            child<QPushButton>(window, "cmdAddAsExpense")->click();
            stayedOpen = window->isVisible();
            child<QPushButton>(window, "cmdClose")->click();
        });
        read->click();
        QVERIFY(stayedOpen);
        QCOMPARE(expenses(env), 1);
        VERIFY_PROMPTS(env.prompter);
    }
};

QTEST_MAIN(TestReceivedInvoice)
#include "tst_receivedinvoice.moc"
