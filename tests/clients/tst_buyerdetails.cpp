#include "clients/BuyerDetails.h"
#include "clients/ClientStore.h"
#include "clients/ui/ClientsTab.h"
#include "core/ui/CountryCombo.h"
#include "support/TestEnv.h"
#include "support/UiSteps.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// A client whose Country names Germany in German, with an e-mail, found on the Clients tab.
struct Fixture {
    Fixture()
    {
        const int own = env.addIdentity("Own");
        Client c;
        c.company = "Kieler Werft";
        c.country = "Deutschland";
        c.email = "rechnung@werft.example";
        client = *ClientStore(env.db).insert(c, own);
        env.session->setCurrentIdentity(own);
        tab = std::make_unique<ClientsTab>(*env.session);
        tab->show();
        QVERIFY(!button()->isEnabled());
        env.prompter.expectInput("Type the first characters of the client you are looking for",
                                 "Kiel", "Find");
        child<QPushButton>(tab.get(), "CmdFind")->click();
    }
    ~Fixture() { VERIFY_PROMPTS(env.prompter); }

    QPushButton* button() const { return child<QPushButton>(tab.get(), "cmdEInvoiceDetails"); }
    BuyerDetails stored() { return *BuyerDetailsStore::load(env.db, client); }

    TestEnv env;
    int client = 0;
    std::unique_ptr<ClientsTab> tab;
};

void type(QWidget* dialog, const char* field, const QString& text)
{
    child<QLineEdit>(dialog, field)->setText(text);
}

} // namespace

class TestBuyerDetails : public QObject {
    Q_OBJECT

private slots:
    // The button serves the client shown; the window offers the country the Country text
    // names and the e-mail as the address, and stores what was typed in the stored forms.
    void valuesRoundTripFromTheClientsTab()
    {
        Fixture f;
        QVERIFY(f.button()->isEnabled());
        whenModal([&](QWidget* d) {
            QCOMPARE(child<CountryCombo>(d, "cboCountryCode")->code(), "DE");
            QCOMPARE(child<QLineEdit>(d, "txtEInvoiceAddress")->placeholderText(),
                     "rechnung@werft.example");
            for (const QLabel* label : d->findChildren<QLabel*>()) {
                if (label->buddy())
                    QCOMPARE(label->buddy()->accessibleName(), label->text());
            }
            type(d, "txtVatId", "de 123 456 789");
            type(d, "txtBuyerReference", "04011000-1234512345-06");
            child<QPushButton>(d, "cmdSave")->click();
        });
        f.button()->click();
        BuyerDetails s = f.stored();
        QCOMPARE(s.countryCode + s.vatId + s.buyerReference, "DEDE12345678904011000-1234512345-06");
        QCOMPARE(f.env.db.scalar("SELECT EInvoiceAddress FROM TblClients WHERE ClientID = ?",
                                 {f.client}),
                 QVariant(QString()));

        // A stored code wins over the Country text; a stored address of its own is shown.
        s.countryCode = "AT";
        s.eInvoiceAddress = "einkauf@werft.example";
        QVERIFY(BuyerDetailsStore::save(f.env.db, f.client, s));
        whenModal([&](QWidget* d) {
            QCOMPARE(child<CountryCombo>(d, "cboCountryCode")->code(), "AT");
            QCOMPARE(child<QLineEdit>(d, "txtEInvoiceAddress")->text(), s.eInvoiceAddress);
            child<QPushButton>(d, "cmdCancel")->click();
        });
        f.button()->click();

        child<QPushButton>(f.tab.get(), "CmdAddNew")->click();
        QVERIFY(f.button()->isHidden());
    }

    // Bad entries are named together; nothing is stored and the window stays.
    void faultsAreRefused()
    {
        Fixture f;
        bool open = false;
        whenModal([&](QWidget* d) {
            type(d, "txtVatId", "DE12345678");
            type(d, "txtEInvoiceAddress", "rechnung werft");
            f.env.prompter.expectMessage(
                "A VAT number of Germany is DE followed by 9 digits: \"DE12345678\" is not.\n"
                "\"rechnung werft\" is not an e-mail address: it needs the form "
                "name@example.com, without blanks.");
            child<QPushButton>(d, "cmdSave")->click();
            open = d->isVisible();
            child<QPushButton>(d, "cmdCancel")->click();
        });
        f.button()->click();
        QVERIFY(open);
        QCOMPARE(f.stored().vatId + f.stored().countryCode, QString());
    }
};

QTEST_MAIN(TestBuyerDetails)
#include "tst_buyerdetails.moc"
