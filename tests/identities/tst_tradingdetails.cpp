#include "core/ui/CountryCombo.h"
#include "identities/TradingDetails.h"
#include "identities/ui/TradingDetailsDialog.h"
#include "support/TestEnv.h"

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
    // Typed as people type them, each field stored in its column in the form the e-invoice
    // needs, and shown again as stored. The legal name's placeholder is the trading name.
    void valuesRoundTripThroughTheWindow()
    {
        struct Entry {
            const char* field;
            QString typed;
            QString TradingDetails::*member;
            QString stored;
        };
        const Entry entries[] = {
            {"txtLegalName", "Harbour Joinery GmbH", &TradingDetails::legalName, {}},
            {"txtVatId", "de 123 456 789", &TradingDetails::vatId, "DE123456789"},
            {"txtTaxNumber", "201/123/45678", &TradingDetails::taxNumber, {}},
            {"txtStreet", "Hafenstraße 3", &TradingDetails::street, {}},
            {"txtTown", "Kiel", &TradingDetails::town, {}},
            {"txtPostCode", "24103", &TradingDetails::postCode, {}},
            {"txtEmail", "bills@harbour.example", &TradingDetails::email, {}},
            {"txtPhone", "+49 431 1234", &TradingDetails::phone, {}},
            {"txtContactName", "Jo Hansen", &TradingDetails::contactName, {}},
            {"txtIban", "de89 3704 0044 0532 0130 00", &TradingDetails::iban,
             "DE89370400440532013000"},
            {"txtBic", "deut de ff", &TradingDetails::bic, "DEUTDEFF"},
        };
        Fixture f;
        auto d = f.open();
        QCOMPARE(d->windowTitle(), QStringLiteral("Trading details"));
        QCOMPARE(child<QLineEdit>(d.get(), "txtLegalName")->placeholderText(),
                 QStringLiteral("Harbour Joinery"));
        QCOMPARE(child<QSpinBox>(d.get(), "spnPaymentDays")->value(), 30);
        for (const QLabel* label : d->findChildren<QLabel*>()) {
            if (label->buddy())
                QCOMPARE(label->buddy()->accessibleName(), label->text());
        }
        for (const Entry& e : entries)
            type(d.get(), e.field, e.typed);
        chooseCountry(d.get(), QStringLiteral("DE"));
        child<QSpinBox>(d.get(), "spnPaymentDays")->setValue(14);
        QTest::mouseClick(child<QPushButton>(d.get(), "cmdSave"), Qt::LeftButton);
        QCOMPARE(d->result(), int(QDialog::Accepted));

        const TradingDetails s = f.stored();
        for (const Entry& e : entries)
            QCOMPARE(s.*e.member, e.stored.isNull() ? e.typed : e.stored);
        QCOMPARE(s.countryCode, QStringLiteral("DE"));
        QCOMPARE(s.paymentDays, 14);
        auto again = f.open();
        for (const Entry& e : entries)
            QCOMPARE(child<QLineEdit>(again.get(), e.field)->text(), s.*e.member);
        QCOMPARE(child<CountryCombo>(again.get(), "cboCountryCode")->code(), QStringLiteral("DE"));

        // An emptied legal name is the trading name again.
        type(again.get(), "txtLegalName", QString());
        QTest::mouseClick(child<QPushButton>(again.get(), "cmdSave"), Qt::LeftButton);
        QCOMPARE(f.stored().legalName, QStringLiteral("Harbour Joinery"));
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
        QTest::newRow("all three")
            << "FRXB123456789"
            << "DE89370400440532013001"
            << "bills@harbour"
            << "The VAT number \"FRXB123456789\" is of France, but the country is Germany.\n"
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
};

QTEST_MAIN(TestTradingDetails)
#include "tst_tradingdetails.moc"
