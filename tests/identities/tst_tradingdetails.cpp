#include "core/ui/CountryCombo.h"
#include "identities/TradingDetails.h"
#include "identities/ui/TradingDetailsDialog.h"
#include "support/CaseFile.h"
#include "support/TestEnv.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {

// Identity "Harbour Joinery" with the details a fresh upgrade gives it, and its window.
struct Fixture {
    Fixture() { env.session->setCurrentIdentity(identity); }
    ~Fixture() { VERIFY_PROMPTS(env.prompter); }

    TradingDetails stored() { return *TradingDetailsStore::load(env.db, identity); }
    QString column(const QString& name)
    {
        return env.db.scalar("SELECT " + name + " FROM TblUserData WHERE Identity = ?", {identity})
            .toString();
    }
    std::unique_ptr<TradingDetailsDialog> open()
    {
        auto d = std::make_unique<TradingDetailsDialog>(*env.session, identity, stored(),
                                                        "Harbour Joinery");
        d->show();
        return d;
    }

    TestEnv env;
    int identity = env.addIdentity("Harbour Joinery");
};

void type(QWidget* dialog, const char* field, const QString& text)
{
    child<QLineEdit>(dialog, field)->setText(text);
}

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
    // Typed as people type them, each field stored in its column in the form the e-invoice
    // needs, and shown again as stored. Before that, faults are refused: every fault at once in
    // one message, nothing stored and the window open. An emptied legal name is the trading name.
    void valuesRoundTripThroughTheWindow()
    {
        const QList<QStringList> fields = CaseFile::read("einvoice/trading-fields.txt");
        Fixture f;
        auto d = f.open();
        for (const QLabel* label : d->findChildren<QLabel*>()) {
            if (label->buddy())
                QCOMPARE(label->buddy()->accessibleName(), label->text());
        }
        for (const QStringList& fault : CaseFile::read("einvoice/trading-faults.txt")) {
            type(d.get(), "txtStreet", "Hafenstraße 3");
            type(d.get(), "txtVatId", fault[1]);
            type(d.get(), "txtIban", fault[2]);
            type(d.get(), "txtEmail", fault[3]);
            f.env.prompter.expectMessage(fault[4]);
            chooseCountryAndSave(d.get(), "DE");
            QVERIFY2(d->isVisible(), qPrintable(fault[0]));
            QCOMPARE(f.column("Street") + f.column("CountryCode"), QString());
        }
        for (const QStringList& field : fields)
            type(d.get(), qPrintable(field[0]), field[2]);
        child<QSpinBox>(d.get(), "spnPaymentDays")->setValue(14);
        chooseCountryAndSave(d.get(), "DE");
        QCOMPARE(d->result(), int(QDialog::Accepted));
        for (const QStringList& field : fields)
            QCOMPARE(f.column(field[1]), field[3]);
        QCOMPARE(f.column("CountryCode") + f.column("PaymentDays"), "DE14");

        auto again = f.open();
        for (const QStringList& field : fields)
            QCOMPARE(child<QLineEdit>(again.get(), qPrintable(field[0]))->text(), field[3]);
        QCOMPARE(child<QSpinBox>(again.get(), "spnPaymentDays")->value(), 14);
        type(again.get(), "txtLegalName", QString());
        chooseCountryAndSave(again.get(), "DE");
        QCOMPARE(f.stored().legalName, "Harbour Joinery");
    }

    // A store that fails is said, and the window keeps what was typed.
    void aStoreFailureIsShown()
    {
        Fixture f;
        auto d = f.open();
        type(d.get(), "txtTown", "Kiel");
        f.env.exec("DELETE FROM TblUserData WHERE Identity = ?", {f.identity});
        f.env.prompter.expectMessage(
            QString("The trading details could not be saved.\nThere is no identity %1.")
                .arg(f.identity));
        chooseCountryAndSave(d.get(), "DE");
        QVERIFY(d->isVisible());
        QCOMPARE(child<QLineEdit>(d.get(), "txtTown")->text(), "Kiel");
    }
};

QTEST_MAIN(TestTradingDetails)
#include "tst_tradingdetails.moc"
