#include "app/MainWindow.h"
#include "core/ui/CountryCombo.h"
#include "identities/TradingDetails.h"
#include "identities/ui/TradingDetailsDialog.h"
#include "layout/LayoutFiles.h"
#include "support/TestEnv.h"
#include "support/UiSteps.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {

const QString kBadIban =
    QStringLiteral("The IBAN's check digits are wrong: check it against your bank statement.");

// Identity "Harbour Joinery" with the details a fresh upgrade gives it, and its window.
struct Fixture {
    Fixture()
    {
        identity = env.addIdentity(QStringLiteral("Harbour Joinery"));
        env.session->setCurrentIdentity(identity);
    }
    ~Fixture() { VERIFY_PROMPTS(env.prompter); }
    Fixture(const Fixture&) = delete;
    Fixture& operator=(const Fixture&) = delete;

    TradingDetails stored() { return *TradingDetailsStore::load(env.db, identity); }
    std::unique_ptr<TradingDetailsDialog> open()
    {
        auto d = std::make_unique<TradingDetailsDialog>(*env.session, identity, stored(),
                                                        QStringLiteral("Harbour Joinery"));
        d->show();
        return d;
    }

    TestEnv env;
    int identity = 0;
};

void type(QWidget* dialog, const char* field, const QString& text)
{
    child<QLineEdit>(dialog, field)->setText(text);
}

void chooseCountry(QWidget* dialog, const QString& code)
{
    auto* box = child<CountryCombo>(dialog, "cboCountryCode");
    box->setCurrentIndex(box->findData(code));
}

} // namespace

class TestTradingDetails : public QObject {
    Q_OBJECT

private slots:
    // Typed as people type them, stored in the forms the e-invoice needs, and shown again as
    // stored; an empty legal name stays the trading name, shown as the placeholder.
    void valuesRoundTripThroughTheWindow()
    {
        Fixture f;
        auto d = f.open();
        QCOMPARE(d->windowTitle(), QStringLiteral("Trading details"));
        QCOMPARE(child<QLineEdit>(d.get(), "txtLegalName")->text(), QString());
        QCOMPARE(child<QLineEdit>(d.get(), "txtLegalName")->placeholderText(),
                 QStringLiteral("Harbour Joinery"));
        QCOMPARE(child<QSpinBox>(d.get(), "spnPaymentDays")->value(), 30);
        for (const QLabel* label : d->findChildren<QLabel*>()) {
            if (label->buddy())
                QCOMPARE(label->buddy()->accessibleName(), label->text());
        }

        type(d.get(), "txtVatId", QStringLiteral("de 123 456 789"));
        type(d.get(), "txtTaxNumber", QStringLiteral("201/123/45678"));
        type(d.get(), "txtStreet", QStringLiteral("Hafenstraße 3"));
        type(d.get(), "txtTown", QStringLiteral("Kiel"));
        type(d.get(), "txtPostCode", QStringLiteral("24103"));
        chooseCountry(d.get(), QStringLiteral("DE"));
        type(d.get(), "txtEmail", QStringLiteral("bills@harbour.example"));
        type(d.get(), "txtPhone", QStringLiteral("+49 431 1234"));
        type(d.get(), "txtContactName", QStringLiteral("Jo Hansen"));
        type(d.get(), "txtIban", QStringLiteral("de89 3704 0044 0532 0130 00"));
        type(d.get(), "txtBic", QStringLiteral("deut de ff"));
        child<QSpinBox>(d.get(), "spnPaymentDays")->setValue(14);
        QTest::mouseClick(child<QPushButton>(d.get(), "cmdSave"), Qt::LeftButton);
        QCOMPARE(d->result(), int(QDialog::Accepted));

        const TradingDetails s = f.stored();
        QCOMPARE(s.legalName, QStringLiteral("Harbour Joinery"));
        QCOMPARE(s.vatId, QStringLiteral("DE123456789"));
        QCOMPARE(s.street, QStringLiteral("Hafenstraße 3"));
        QCOMPARE(s.countryCode, QStringLiteral("DE"));
        QCOMPARE(s.iban, QStringLiteral("DE89370400440532013000"));
        QCOMPARE(s.bic, QStringLiteral("DEUTDEFF"));
        QCOMPARE(s.paymentDays, 14);

        auto again = f.open();
        QCOMPARE(child<CountryCombo>(again.get(), "cboCountryCode")->code(), QStringLiteral("DE"));
        QCOMPARE(child<QLineEdit>(again.get(), "txtIban")->text(), s.iban);
        type(again.get(), "txtLegalName", QStringLiteral("Harbour Joinery GmbH"));
        QTest::mouseClick(child<QPushButton>(again.get(), "cmdSave"), Qt::LeftButton);
        QCOMPARE(f.stored().legalName, QStringLiteral("Harbour Joinery GmbH"));
    }

    // Every fault at once, in one message; nothing stored and the window stays open.
    void faultsAreRefused_data()
    {
        QTest::addColumn<QString>("vatId");
        QTest::addColumn<QString>("iban");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("message");
        QTest::newRow("iban") << ""
                              << "DE89 3704 0044 0532 0130 01"
                              << "" << kBadIban;
        QTest::newRow("vat of another country")
            << "FRXB123456789"
            << ""
            << ""
            << "The VAT number \"FRXB123456789\" is of France, but the country is Germany.";
        QTest::newRow("all three")
            << "DE12345678"
            << "DE89370400440532013001"
            << "bills@harbour"
            << "A VAT number of Germany is DE followed by 9 digits: \"DE12345678\" is not.\n"
               "\"bills@harbour\" is not an e-mail address: it needs the form name@example.com, "
               "without blanks.\n" +
                   kBadIban;
    }
    void faultsAreRefused()
    {
        QFETCH(QString, vatId);
        QFETCH(QString, iban);
        QFETCH(QString, email);
        QFETCH(QString, message);
        Fixture f;
        auto d = f.open();
        type(d.get(), "txtStreet", QStringLiteral("Hafenstraße 3"));
        chooseCountry(d.get(), QStringLiteral("DE"));
        type(d.get(), "txtVatId", vatId);
        type(d.get(), "txtIban", iban);
        type(d.get(), "txtEmail", email);
        f.env.prompter.expectMessage(message);
        QTest::mouseClick(child<QPushButton>(d.get(), "cmdSave"), Qt::LeftButton);
        QVERIFY(d->isVisible());
        const TradingDetails s = f.stored();
        QCOMPARE(s.street, QString());
        QCOMPARE(s.countryCode, QString());
    }

    // A store that fails is said, and the window keeps what was typed.
    void aStoreFailureIsShown()
    {
        Fixture f;
        auto d = f.open();
        type(d.get(), "txtTown", QStringLiteral("Kiel"));
        f.env.exec(QStringLiteral("DELETE FROM TblUserData WHERE Identity = ?"), {f.identity});
        f.env.prompter.expectMessage(
            QStringLiteral("The trading details could not be saved.\nThere is no identity %1.")
                .arg(f.identity));
        QTest::mouseClick(child<QPushButton>(d.get(), "cmdSave"), Qt::LeftButton);
        QVERIFY(d->isVisible());
        QCOMPARE(child<QLineEdit>(d.get(), "txtTown")->text(), QStringLiteral("Kiel"));
    }

    // The main window opens the window on the current identity's details.
    void theMainWindowOpensIt()
    {
        Fixture f;
        TradingDetails s = f.stored();
        s.town = QStringLiteral("Kiel");
        QVERIFY(TradingDetailsStore::save(f.env.db, f.identity, s));
        QVERIFY(LayoutFiles::ensureForIdentity(f.env.db, f.env.folder(), f.identity));
        MainWindow w(*f.env.session);
        w.startUp();
        w.show();
        QString town;
        whenModal([&](QWidget* modal) {
            QCOMPARE(modal->objectName(), QStringLiteral("frmTradingDetails"));
            town = child<QLineEdit>(modal, "txtTown")->text();
            child<QPushButton>(modal, "cmdCancel")->click();
        });
        child<QPushButton>(&w, "cmdTradingDetails")->click();
        QCOMPARE(town, QStringLiteral("Kiel"));
    }
};

QTEST_MAIN(TestTradingDetails)
#include "tst_tradingdetails.moc"
