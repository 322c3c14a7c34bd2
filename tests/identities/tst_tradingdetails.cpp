#include "core/ui/CountryCombo.h"
#include "identities/TradingDetails.h"
#include "identities/ui/TradingDetailsDialog.h"
#include "support/CaseFile.h"
#include "support/TestEnv.h"
#include "support/UiSteps.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {

void chooseCountryAndSave(QWidget* dialog, const QString& code)
{
    auto* box = child<CountryCombo>(dialog, "cboCountryCode");
    box->setCurrentIndex(box->findData(code));
    QTest::mouseClick(child<QPushButton>(dialog, "cmdSave"), Qt::LeftButton);
}

} // namespace

class TestTradingDetails : public QObject {
    Q_OBJECT

private slots:
    // The window of identity "Harbour Joinery" as a fresh upgrade leaves it. Faults are refused
    // first: every fault at once in one message, nothing stored, the window open. Then, typed as
    // people type them, each field is stored in its column in the form the e-invoice needs and
    // shown again as stored; an emptied legal name is the trading name again. A store that
    // fails is said, and the window keeps what was typed.
    void valuesRoundTripThroughTheWindow()
    {
        const QList<QStringList> fields = CaseFile::read("einvoice/trading-fields.txt");
        TestEnv env;
        const int identity = env.addIdentity("Harbour Joinery");
        env.session->setCurrentIdentity(identity);
        const auto column = [&](const QString& name) {
            return env.db
                .scalar("SELECT " + name + " FROM TblUserData WHERE Identity = ?", {identity})
                .toString();
        };
        const auto open = [&] {
            auto d = std::make_unique<TradingDetailsDialog>(
                *env.session, identity, *TradingDetailsStore::load(env.db, identity),
                "Harbour Joinery");
            d->show();
            return d;
        };
        auto d = open();
        verifyLabelsNameTheirFields(d.get());
        for (const QStringList& fault : CaseFile::read("einvoice/trading-faults.txt")) {
            typeInto(d.get(), "txtStreet", "Hafenstraße 3");
            typeInto(d.get(), "txtVatId", fault[1]);
            typeInto(d.get(), "txtIban", fault[2]);
            typeInto(d.get(), "txtEmail", fault[3]);
            env.prompter.expectMessage(fault[4]);
            chooseCountryAndSave(d.get(), "DE");
            QVERIFY2(d->isVisible(), qPrintable(fault[0]));
            QCOMPARE(column("Street") + column("CountryCode"), QString());
        }
        for (const QStringList& field : fields)
            typeInto(d.get(), qPrintable(field[0]), field[2]);
        child<QSpinBox>(d.get(), "spnPaymentDays")->setValue(14);
        chooseCountryAndSave(d.get(), "DE");
        QCOMPARE(d->result(), int(QDialog::Accepted));
        for (const QStringList& field : fields)
            QCOMPARE(column(field[1]), field[3]);
        QCOMPARE(column("CountryCode") + column("PaymentDays"), "DE14");

        d = open();
        for (const QStringList& field : fields)
            QCOMPARE(child<QLineEdit>(d.get(), qPrintable(field[0]))->text(), field[3]);
        QCOMPARE(child<QSpinBox>(d.get(), "spnPaymentDays")->value(), 14);
        typeInto(d.get(), "txtLegalName", QString());
        chooseCountryAndSave(d.get(), "DE");
        QCOMPARE(TradingDetailsStore::load(env.db, identity)->legalName, "Harbour Joinery");

        d = open();
        typeInto(d.get(), "txtTown", "Flensburg");
        env.exec("DELETE FROM TblUserData WHERE Identity = ?", {identity});
        env.prompter.expectMessage(
            QString("The trading details could not be saved.\nThere is no identity %1.")
                .arg(identity));
        chooseCountryAndSave(d.get(), "DE");
        QVERIFY(d->isVisible());
        QCOMPARE(child<QLineEdit>(d.get(), "txtTown")->text(), "Flensburg");
        VERIFY_PROMPTS(env.prompter);
    }
};

QTEST_MAIN(TestTradingDetails)
#include "tst_tradingdetails.moc"
