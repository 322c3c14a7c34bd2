// Opening a statement from the window: the file asked for, a new bank's CSV columns set once
// and remembered, and every failure shown.
#include "banking/ui/CsvMappingDialog.h"
#include "banking/ui/StatementOpening.h"
#include "core/Preferences.h"
#include "support/TestEnv.h"
#include "support/UiSteps.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {

QString dataFile(const QString& name)
{
    return QStringLiteral(BILLCRAFT_TEST_DATA "/banking/") + name;
}

// Closes any window that opens within a moment, noting that one did.
std::shared_ptr<bool> watchForDialogs()
{
    auto seen = std::make_shared<bool>(false);
    QTimer::singleShot(200, [seen] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            *seen = true;
            modal->close();
        }
    });
    return seen;
}

} // namespace

class TestStatementOpening : public QObject {
    Q_OBJECT
private slots:
    void opensCamtAndMt940_data();
    void opensCamtAndMt940();
    void asksANewBanksColumnsOnce();
    void keepsTheWindowOpenOnColumnsThatDoNotRead();
    void showsWhyAFileCannotBeRead();
};

void TestStatementOpening::opensCamtAndMt940_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("camt.053") << "camt053-08.xml";
    QTest::newRow("MT940") << "statement-latin1.sta";
}

void TestStatementOpening::opensCamtAndMt940()
{
    QFETCH(QString, file);
    TestEnv env;
    env.prompter.expectOpenFile(dataFile(file));
    const std::optional<Statement> statement = openStatement(*env.session, nullptr);
    QVERIFY(statement);
    QCOMPARE(statement->entries.size(), 9);
    QVERIFY(env.prompter.verifyDone());
}

void TestStatementOpening::asksANewBanksColumnsOnce()
{
    TestEnv env;
    QFile json(dataFile(QStringLiteral("bank-a.mapping.json")));
    QVERIFY(json.open(QIODevice::ReadOnly));
    const CsvMapping expected = *CsvMapping::fromJson(QString::fromUtf8(json.readAll()));
    std::optional<CsvMapping> chosen;
    env.prompter.expectOpenFile(dataFile(QStringLiteral("bank-a.csv")));
    whenModal([&chosen](QWidget* modal) {
        auto* dialog = qobject_cast<CsvMappingDialog*>(modal);
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), QStringLiteral("frmCsvMapping"));
        // The columns are named by the header line, past the bank's preamble.
        child<QSpinBox>(dialog, "spnHeaderRow")->setValue(4);
        QCOMPARE(child<QComboBox>(dialog, "cboDate")->currentText(), QStringLiteral("Booking day"));
        child<QLineEdit>(dialog, "txtCurrency")->setText(QStringLiteral("EUR"));
        chosen = dialog->mapping();
        child<QPushButton>(dialog, "cmdOK")->click();
    });
    std::optional<Statement> statement = openStatement(*env.session, nullptr);
    QVERIFY(statement);
    QCOMPARE(statement->entries.size(), 9);
    // What the names of the columns suggested is what the bank's file holds.
    QVERIFY(chosen);
    QCOMPARE(chosen->toJson(), expected.toJson());

    env.prompter.expectOpenFile(dataFile(QStringLiteral("bank-a.csv")));
    const std::shared_ptr<bool> asked = watchForDialogs();
    statement = openStatement(*env.session, nullptr);
    QVERIFY(statement);
    QCOMPARE(statement->entries.size(), 9);
    QTest::qWait(250);
    QVERIFY(!*asked);
    QVERIFY(env.prompter.verifyDone());
}

void TestStatementOpening::keepsTheWindowOpenOnColumnsThatDoNotRead()
{
    TestEnv env;
    env.prompter.expectOpenFile(dataFile(QStringLiteral("bank-b.csv")))
        .expectMessageStarting(QStringLiteral("With these columns the file cannot be read: row 1 "
                                              "after the header: its date \"2026-11-30\" is no "
                                              "date written dd.MM.yyyy."));
    whenModal([](QWidget* dialog) {
        child<QComboBox>(dialog, "cboDateFormat")->setCurrentText(QStringLiteral("dd.MM.yyyy"));
        child<QPushButton>(dialog, "cmdOK")->click();
        QVERIFY(dialog->isVisible());
        child<QPushButton>(dialog, "cmdCancel")->click();
    });
    QVERIFY(!openStatement(*env.session, nullptr));
    QVERIFY(env.prompter.verifyDone());
    // Nothing remembered: the next time asks again.
    QFile file(dataFile(QStringLiteral("bank-b.csv")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(!CsvStatement::remembered(file.readAll(), env.session->preferences()));
}

void TestStatementOpening::showsWhyAFileCannotBeRead()
{
    TestEnv env;
    QFile bad(env.file(QStringLiteral("bad.xml")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.02\"><BkToCstm");
    bad.close();
    env.prompter.expectOpenFile(bad.fileName())
        .expectMessageStarting(QStringLiteral("bad.xml cannot be read: its XML is damaged"));
    QVERIFY(!openStatement(*env.session, nullptr));
    env.prompter.expectOpenFile(std::nullopt);
    QVERIFY(!openStatement(*env.session, nullptr));
    QVERIFY(env.prompter.verifyDone());
}

QTEST_MAIN(TestStatementOpening)
#include "tst_statementopening.moc"
