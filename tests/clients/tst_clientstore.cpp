#include "clients/BuyerDetails.h"
#include "clients/ClientStore.h"
#include "identities/TradingDetails.h"
#include "invoices/InvoiceStore.h"
#include "support/CaseFile.h"
#include "support/TestEnv.h"

#include <QSignalSpy>
#include <QTest>

namespace {

Client company(const QString& name)
{
    Client c;
    c.company = name;
    return c;
}

QStringList companies(const QList<ClientItem>& items)
{
    QStringList names;
    for (const ClientItem& item : items)
        names << item.company;
    return names;
}

} // namespace

class TestClientStore : public QObject {
    Q_OBJECT
private slots:
    // The e-invoice terms of the buyer and the seller: what is left empty falls back to what
    // the address book and the identity already hold; identifiers are kept without blanks, in
    // capitals; a row that is gone is an error, never an empty record.
    void businessTermsFallBackAndAreKeptCompact()
    {
        TestEnv env;
        const int identity = env.addIdentity("Harbour Joinery");
        Client c = company("Acme");
        c.email = "accounts@acme.example";
        const int client = *ClientStore(env.db).insert(c, identity);

        QCOMPARE(BuyerDetailsStore::load(env.db, client)->eInvoiceAddress, c.email);
        QVERIFY(
            BuyerDetailsStore::save(env.db, client, {"de", "de 123 456 789", "", "04011000-1"}));
        const BuyerDetails buyer = *BuyerDetailsStore::load(env.db, client);
        QCOMPARE(buyer.countryCode + buyer.vatId + buyer.buyerReference, "DEDE12345678904011000-1");
        QVERIFY(!BuyerDetailsStore::save(env.db, client + 1, buyer));

        TradingDetails seller = *TradingDetailsStore::load(env.db, identity);
        QCOMPARE(seller.legalName, "Harbour Joinery");
        QCOMPARE(seller.paymentDays, 30);
        seller.legalName = "Harbour Joinery O'Neill Ltd";
        seller.iban = "gb33 bukb 2020 1555 5555 55";
        seller.paymentDays = 14;
        QVERIFY(TradingDetailsStore::save(env.db, identity, seller));
        const TradingDetails back = *TradingDetailsStore::load(env.db, identity);
        QCOMPARE(back.legalName, "Harbour Joinery ONeill Ltd");
        QCOMPARE(back.iban, "GB33BUKB20201555555555");
        QCOMPARE(back.paymentDays, 14);
        QCOMPARE(TradingDetailsStore::load(env.db, identity + 1).error(),
                 QStringLiteral("There is no identity %1.").arg(identity + 1));
    }

    // What is typed comes back as the database keeps it, less its single quotes: a leading
    // byte-order mark included, and astral characters. Through every client text and the
    // invoice content.
    void storesTextAsTyped_data()
    {
        CaseFile::addRows("clients/stored-text.txt", {"typed", "kept"});
    }
    void storesTextAsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        const QString stored = QString(kept).remove(u'\'');
        TestEnv env;
        QCOMPARE(env.db.scalar("SELECT ?", {typed}).toString(), kept);
        const int identity = env.addIdentity("Own");
        ClientStore store(env.db);
        const QList<QString Client::*> texts = {
            &Client::salutation, &Client::firstName, &Client::lastName, &Client::company,
            &Client::address1,   &Client::address2,  &Client::address3, &Client::town,
            &Client::county,     &Client::postCode,  &Client::country,  &Client::telephone,
            &Client::fax,        &Client::email,     &Client::mobile,   &Client::notes};

        // Each column its own text, so that a column written into another's place shows.
        Client c;
        for (int i = 0; i < texts.size(); ++i)
            c.*texts[i] = typed.repeated(i + 1);
        const Result<int> id = store.insert(c, identity);
        QVERIFY2(id, qPrintable(id.error()));
        std::optional<Client> loaded = *store.load(*id);
        QVERIFY(loaded);
        QCOMPARE(loaded->identity, identity);
        for (int i = 0; i < texts.size(); ++i)
            QCOMPARE((*loaded).*texts[i], stored.repeated(i + 1));
        // A company is found by its own name.
        QCOMPARE((*store.findByCompanyStart(QString(typed).remove(u'\'')))->clientId, *id);

        // An update rewrites every text the same way and leaves the identity alone.
        for (int i = 0; i < texts.size(); ++i)
            (*loaded).*texts[i] = typed.repeated(texts.size() - i);
        loaded->identity = identity + 5;
        QVERIFY(store.update(*loaded));
        loaded = *store.load(*id);
        QCOMPARE(loaded->identity, identity);
        for (int i = 0; i < texts.size(); ++i)
            QCOMPARE((*loaded).*texts[i], stored.repeated(texts.size() - i));
        QVERIFY(store.load(*id + 1).ok() && !store.load(*id + 1)->has_value());

        InvoiceStore invoices(env.db);
        const InvoiceFields fields{*id, typed, Money::fromUnits(10), {}, {}};
        const Result<Creation> made = invoices.create(fields, TestEnv::kToday, identity, "01");
        QVERIFY2(made, qPrintable(made.error()));
        QCOMPARE((*invoices.load(made->invoiceId))->content, stored);
        QVERIFY(invoices.update(made->invoiceId, {*id, typed + typed, {}, {}, {}}));
        QCOMPARE((*invoices.load(made->invoiceId))->content, stored + stored);
    }

    void findsByCompanyStartInAnyIdentity()
    {
        TestEnv env;
        const int own = env.addIdentity("Own");
        const int other = env.addIdentity("Other");
        ClientStore store(env.db, testLocale());
        for (const char* name : {"Zebra Acme", "acorn", "50% Off", "A_B Ltd", "Éclair", "Cafferty"})
            store.insert(company(QString::fromUtf8(name)), own);
        store.insert(company("ACME"), other);
        store.insert(company("Caféteria"), other);
        const auto found = [&](const QString& start) {
            const Result<std::optional<Client>> client = store.findByCompanyStart(start);
            return !client ? "failed" : *client ? (*client)->company : QString();
        };

        // The first in the drop-downs' company order, whatever the identity and letter case
        // (beyond ASCII too): é sorts as e, before f, as the user reads it. Only the start counts,
        // and the user's text is plain text: no wildcards.
        const std::pair<QString, QString> cases[] = {
            {"ac", "ACME"},    {"ACO", "acorn"},   {"caf", "Caféteria"}, {"cme", ""}, {"%", ""},
            {"A_", "A_B Ltd"}, {"50%", "50% Off"}, {"éc", "Éclair"},     {"", ""}};
        for (const auto& [start, first] : cases)
            QCOMPARE(found(start), first);
    }

    void listsTheIdentitysClientsForADropDown()
    {
        TestEnv env;
        const int own = env.addIdentity("Own");
        const int other = env.addIdentity("Other");
        ClientStore store(env.db, testLocale());
        const int bravo = *store.insert(company("Bravo"), own);
        for (const char* name : {"Zebra", "Äpfel GmbH", "acorn"})
            store.insert(company(QString::fromUtf8(name)), own);
        const int acme = *store.insert(company("Acme Ltd"), own);
        store.insert(company("Alpha"), other);
        const int otherClient = *store.insert(company("Beta"), other);
        for (int client : {bravo, acme, acme, otherClient})
            env.exec("INSERT INTO TblInvoices (ClientID, Identity) VALUES (?, ?)", {client, own});

        // Company order reads as people read names: letter case does not split the list, and an
        // accented initial sorts with its letter.
        const QList<ClientItem> all = *store.dropDownItems(own);
        QCOMPARE(companies(all),
                 (QStringList{"Acme Ltd", "acorn", "Äpfel GmbH", "Bravo", "Zebra"}));
        QCOMPARE(all.first().clientId, acme);

        // Clients with invoices, each once, and only the identity's own.
        const QList<ClientItem> invoiced =
            *store.dropDownItems(own, ClientStore::Items::WithInvoices);
        QCOMPARE(companies(invoiced), (QStringList{"Acme Ltd", "Bravo"}));
        QCOMPARE(invoiced.last().clientId, bravo);

        QVERIFY(store.dropDownItems(own + other)->isEmpty());
    }

    // A new client reaches the client lists; a changed one none (the drop-downs keep the old
    // name until their next refill); a deleted one the client and the invoice lists, and only
    // once it is gone.
    void failuresAreReportedAndADeleteIsAllOrNothing()
    {
        TestEnv env;
        const int own = env.addIdentity("Own");
        ClientStore store(env.db);
        QSignalSpy clientsChanged(env.session.get(), &Session::clientsChanged);
        QSignalSpy invoicesChanged(env.session.get(), &Session::invoicesChanged);
        const int acme = *store.insert(company("Acme"), own);
        const int bolt = *store.insert(company("Bolt"), own);
        Client renamed = company("Bolt & Co");
        renamed.clientId = bolt;
        QVERIFY(store.update(renamed));
        QCOMPARE(clientsChanged.count(), 2);
        env.exec("INSERT INTO TblInvoices (ClientID, Identity) VALUES (?, ?)", {acme, own});
        QCOMPARE(*store.hasInvoices(acme), true);
        QCOMPARE(*store.hasInvoices(bolt), false);
        const auto rows = [&] {
            return env.db
                .scalar(QStringLiteral("SELECT (SELECT count(*) FROM TblClients) || '/' || "
                                       "(SELECT count(*) FROM TblInvoices)"))
                .toString();
        };

        // The invoices cannot go, so the client stays too.
        env.addFailingTrigger("KeepInvoices", "DELETE", "TblInvoices", "invoices are kept");
        const Status removed = store.removeWithInvoices(acme);
        QVERIFY(removed.error().contains("invoices are kept"));
        QCOMPARE(rows(), "2/1");
        QCOMPARE(clientsChanged.count() + invoicesChanged.count(), 2); // the two new clients
        env.dropFailingTrigger("KeepInvoices", "TblInvoices");
        QVERIFY(store.removeWithInvoices(acme));
        QCOMPARE(rows(), "1/0");
        QCOMPARE(clientsChanged.count(), 3);
        QCOMPARE(invoicesChanged.count(), 1);

        // A query that fails is an error, never "no invoices" or "no such client".
        env.exec("ALTER TABLE TblInvoices RENAME TO TblAside");
        QVERIFY(store.hasInvoices(bolt).error().contains(env.missingTableWords()));
        env.exec("ALTER TABLE TblClients RENAME TO TblGone");
        QVERIFY(!store.load(bolt));
        QVERIFY(!store.findByCompanyStart("a"));
        QVERIFY(!store.dropDownItems(own));
    }
};

QTEST_MAIN(TestClientStore)
#include "tst_clientstore.moc"
