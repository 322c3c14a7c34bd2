#include "clients/BuyerDetails.h"
#include "clients/ClientStore.h"
#include "clients/ui/ClientsTab.h"
#include "core/ui/CountryCombo.h"
#include "support/TestEnv.h"
#include "support/UiSteps.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestBuyerDetails : public QObject {
    Q_OBJECT

private slots:
    // The button serves the client shown; the window offers the country the Country text
    // names and the e-mail as the address. Bad entries are named together and nothing is
    // stored; what was typed then is stored in the stored forms.
    void valuesRoundTripFromTheClientsTab()
    {
        TestEnv env;
        const int own = env.addIdentity("Own");
        Client c;
        c.company = "Kieler Werft";
        c.country = "Deutschland"; // Germany, in German
        c.email = "rechnung@werft.example";
        const int client = *ClientStore(env.db).insert(c, own);
        const auto stored = [&] { return *BuyerDetailsStore::load(env.db, client); };
        env.session->setCurrentIdentity(own);
        ClientsTab tab(*env.session);
        tab.show();
        auto* button = child<QPushButton>(&tab, "cmdEInvoiceDetails");
        QVERIFY(!button->isEnabled());
        env.prompter.expectInput("Type the first characters of the client you are looking for",
                                 "Kiel", "Find");
        child<QPushButton>(&tab, "CmdFind")->click();
        QVERIFY(button->isEnabled());

        bool refusedAndOpen = false;
        whenModal([&](QWidget* d) {
            QCOMPARE(child<CountryCombo>(d, "cboCountryCode")->code(), "DE");
            QCOMPARE(child<QLineEdit>(d, "txtEInvoiceAddress")->placeholderText(), c.email);
            verifyLabelsNameTheirFields(d);
            typeInto(d, "txtVatId", "DE12345678");
            typeInto(d, "txtEInvoiceAddress", "rechnung werft");
            env.prompter.expectMessage(
                "A VAT number of Germany is DE followed by 9 digits: \"DE12345678\" is not.\n"
                "\"rechnung werft\" is not an e-mail address: it needs the form "
                "name@example.com, without blanks.");
            child<QPushButton>(d, "cmdSave")->click();
            refusedAndOpen = d->isVisible() && (stored().vatId + stored().countryCode).isEmpty();
            typeInto(d, "txtVatId", "de 123 456 789");
            typeInto(d, "txtEInvoiceAddress", QString());
            typeInto(d, "txtBuyerReference", "04011000-1234512345-06");
            child<QPushButton>(d, "cmdSave")->click();
        });
        button->click();
        QVERIFY(refusedAndOpen);
        BuyerDetails s = stored();
        QCOMPARE(s.countryCode + s.vatId + s.buyerReference, "DEDE12345678904011000-1234512345-06");
        QCOMPARE(
            env.db.scalar("SELECT EInvoiceAddress FROM TblClients WHERE ClientID = ?", {client}),
            QVariant(QString()));

        // A stored code wins over the Country text; a stored address of its own is shown.
        s.countryCode = "AT";
        s.eInvoiceAddress = "einkauf@werft.example";
        QVERIFY(BuyerDetailsStore::save(env.db, client, s));
        whenModal([&](QWidget* d) {
            QCOMPARE(child<CountryCombo>(d, "cboCountryCode")->code(), "AT");
            QCOMPARE(child<QLineEdit>(d, "txtEInvoiceAddress")->text(), s.eInvoiceAddress);
            child<QPushButton>(d, "cmdCancel")->click();
        });
        button->click();

        child<QPushButton>(&tab, "CmdAddNew")->click();
        QVERIFY(button->isHidden());
        VERIFY_PROMPTS(env.prompter);
    }
};

QTEST_MAIN(TestBuyerDetails)
#include "tst_buyerdetails.moc"
