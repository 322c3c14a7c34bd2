#include "core/ui/FlexGrid.h"
#include "expenses/ui/AddExpenseDialog.h"
#include "expenses/ui/ExpensesTab.h"
#include "invoices/ui/MakeInvoiceTab.h"
#include "support/TestEnv.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

// A session in the row's locale over a fresh data folder, with one identity and one client.
struct LocaleSession {
    explicit LocaleSession(const QString& locale)
        : session(env.db, env.prompter, env.clock, LocaleText(QLocale(locale)), env.folder())
    {
        session.setCurrentIdentity(env.addIdentity("Main"));
        session.setPageSettings({true, 17.5, "VAT", {}});
        session.setAlertsChecked(true);
        env.addClient("Acme");
    }
    qint64 units(const QString& sql) { return env.db.scalar(sql).toLongLong(); }

    TestEnv env;
    Session session;
};

// Types as the user does, key by key, and leaves the field with Tab.
void type(QLineEdit* field, const char* keys)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QLatin1String(keys));
    QTest::keyClick(field, Qt::Key_Tab);
}

} // namespace

// The money fields' keys take '.' as the decimal point in every locale, so what they hold is
// read that way everywhere, and what the program writes back into them reads back the same.
class TestMoneyEntry : public QObject {
    Q_OBJECT
private slots:
    void typedAmountsAreStoredAlikeInEveryLocale_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char* locale : {"en_GB", "de_DE", "fr_FR", "fi_FI"})
            QTest::newRow(locale) << QString::fromLatin1(locale);
    }
    void typedAmountsAreStoredAlikeInEveryLocale()
    {
        QFETCH(QString, locale);
        LocaleSession s(locale);

        // The value worked out from the mileage is written back with '.' and read back alike.
        const char* const typings[][5] = {{"txtValue", "12.5", "txtVAT", "2.25", "12.5"},
                                          {"txtMilage", "10", "txtMilageRate", "0.45", "4.5"}};
        for (const auto& t : typings) {
            AddExpenseDialog dialog(s.session);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            type(child<QLineEdit>(&dialog, t[0]), t[1]);
            type(child<QLineEdit>(&dialog, t[2]), t[3]);
            QCOMPARE(child<QLineEdit>(&dialog, "txtValue")->text(), QLatin1String(t[4]));
            child<QPushButton>(&dialog, "CmdAddExpense")->click();
            QVERIFY(!dialog.isVisible());
        }
        QCOMPARE(s.env.db.scalar("SELECT group_concat(\"Value\") FROM TblExpenses").toString(),
                 "125000,45000");
        QCOMPARE(s.units("SELECT VAT FROM TblExpenses WHERE ExpenseID = 1"), 22500);

        // A cell edited in place takes '.' too, and the locale's own form as the list shows it.
        {
            ExpensesTab tab(s.session);
            tab.resize(900, 400);
            tab.show();
            tab.viewExpenses();
            FlexGrid* grid = tab.grid();
            const int valueColumn = 5;
            const struct {
                QString typed;
                qint64 units;
            } edits[] = {{"7.25", 72500},
                         {s.session.locale().toCurrency(Money::fromUnits(12505000)), 12505000}};
            for (const auto& edit : edits) {
                const QPoint cell = grid->visualRect(grid->model()->index(0, valueColumn)).center();
                QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
                tab.editor()->setText(edit.typed);
                QTest::keyClick(tab.editor(), Qt::Key_Return);
                QCOMPARE(s.units("SELECT \"Value\" FROM TblExpenses "
                                 "ORDER BY \"Date\", ExpenseID LIMIT 1"),
                         edit.units);
            }
        }

        // The invoice's VAT and total are written back with '.', and stored as shown.
        s.env.exec("INSERT INTO TblInvoices(ClientID, InvoiceNumber, Content, "
                   "\"Date\", Identity) VALUES (1, '0100', 'Earlier', 46000, 1)");
        MakeInvoiceTab tab(s.session);
        tab.show();
        QVERIFY(QTest::qWaitForWindowActive(&tab));
        auto* clients = child<QComboBox>(&tab, "cmbSelectClient2");
        clients->setCurrentIndex(clients->findText("Acme"));
        child<QPlainTextEdit>(&tab, "txtInvoiceContent")->setPlainText("Work");
        type(child<QLineEdit>(&tab, "txtInvoiceValue"), "12.5");
        QCOMPARE(child<QLineEdit>(&tab, "txtVAT")->text(), "2.19");
        QCOMPARE(child<QLineEdit>(&tab, "txtInvoiceTotal")->text(), "14.69");
        child<QPushButton>(&tab, "CmdMakeInvoice")->click();
        QCOMPARE(s.env.db
                     .scalar("SELECT \"Value\"||'|'||VAT||'|'||Total FROM "
                             "TblInvoices WHERE InvoiceNumber = '0101'")
                     .toString(),
                 "125000|21900|146900");
        VERIFY_PROMPTS(s.env.prompter);
    }
};

QTEST_MAIN(TestMoneyEntry)
#include "tst_moneyentry.moc"
