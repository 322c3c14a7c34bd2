#include "clients/ClientStore.h"
#include "support/TestEnv.h"

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
    void storesEveryTextWithoutSingleQuotes();
    void findsByCompanyStartInAnyIdentity();
    void listsTheIdentitysClientsForADropDown();
};

void TestClientStore::storesEveryTextWithoutSingleQuotes()
{
    TestEnv env;
    const int identity = env.addIdentity(QStringLiteral("Own"));
    ClientStore store(env.db);
    const QList<QString Client::*> texts = {
        &Client::salutation, &Client::firstName, &Client::lastName, &Client::company,
        &Client::address1,   &Client::address2,  &Client::address3, &Client::town,
        &Client::county,     &Client::postCode,  &Client::country,  &Client::telephone,
        &Client::fax,        &Client::email,     &Client::mobile,   &Client::notes};

    // Each column its own text, so that a column written into another's place shows.
    Client c;
    for (int i = 0; i < texts.size(); ++i)
        c.*texts[i] = QStringLiteral("O'Brien %1").arg(i);
    const std::optional<int> id = store.insert(c, identity);
    QVERIFY2(id, qPrintable(store.errorString()));
    std::optional<Client> loaded = store.load(*id);
    QVERIFY(loaded);
    QCOMPARE(loaded->identity, identity);
    for (int i = 0; i < texts.size(); ++i)
        QCOMPARE((*loaded).*texts[i], QStringLiteral("OBrien %1").arg(i));

    // An update rewrites every text the same way and leaves the identity alone.
    for (int i = 0; i < texts.size(); ++i)
        (*loaded).*texts[i] = QStringLiteral("Kinsale's %1").arg(i);
    loaded->identity = identity + 5;
    QVERIFY(store.update(*loaded));
    const std::optional<Client> updated = store.load(*id);
    QCOMPARE(updated->identity, identity);
    for (int i = 0; i < texts.size(); ++i)
        QCOMPARE((*updated).*texts[i], QStringLiteral("Kinsales %1").arg(i));
    QVERIFY(!store.load(*id + 1));
}

void TestClientStore::findsByCompanyStartInAnyIdentity()
{
    TestEnv env;
    const int own = env.addIdentity(QStringLiteral("Own"));
    const int other = env.addIdentity(QStringLiteral("Other"));
    ClientStore store(env.db);
    store.insert(company(QStringLiteral("Zebra Acme")), own);
    store.insert(company(QStringLiteral("acorn")), own);
    const int acme = *store.insert(company(QStringLiteral("ACME")), other);
    store.insert(company(QStringLiteral("50% Off")), own);
    store.insert(company(QStringLiteral("A_B Ltd")), own);
    store.insert(company(QStringLiteral("Éclair")), own);

    // The first in company order, whatever the identity and letter case.
    QCOMPARE(store.findByCompanyStart(QStringLiteral("ac"))->clientId, acme);
    QCOMPARE(store.findByCompanyStart(QStringLiteral("ACO"))->company, QStringLiteral("acorn"));
    // Only the start counts.
    QVERIFY(!store.findByCompanyStart(QStringLiteral("cme")));
    // The user's text is plain text: no wildcards.
    QVERIFY(!store.findByCompanyStart(QStringLiteral("%")));
    QCOMPARE(store.findByCompanyStart(QStringLiteral("A_"))->company, QStringLiteral("A_B Ltd"));
    QVERIFY(!store.findByCompanyStart(QStringLiteral("a%")));
    QCOMPARE(store.findByCompanyStart(QStringLiteral("50%"))->company, QStringLiteral("50% Off"));
    // Letter case beyond ASCII.
    QCOMPARE(store.findByCompanyStart(QStringLiteral("éc"))->company, QStringLiteral("Éclair"));
    QVERIFY(!store.findByCompanyStart(QString()));
}

void TestClientStore::listsTheIdentitysClientsForADropDown()
{
    TestEnv env;
    const int own = env.addIdentity(QStringLiteral("Own"));
    const int other = env.addIdentity(QStringLiteral("Other"));
    ClientStore store(env.db, testLocale());
    const int bravo = *store.insert(company(QStringLiteral("Bravo")), own);
    store.insert(company(QStringLiteral("Zebra")), own);
    store.insert(company(QStringLiteral("Äpfel GmbH")), own);
    const int acme = *store.insert(company(QStringLiteral("Acme Ltd")), own);
    store.insert(company(QStringLiteral("acorn")), own);
    store.insert(company(QStringLiteral("Alpha")), other);
    const int otherClient = *store.insert(company(QStringLiteral("Beta")), other);
    for (int client : {bravo, acme, acme, otherClient})
        env.exec(QStringLiteral("INSERT INTO TblInvoices (ClientID, Identity) VALUES (?, ?)"),
                 {client, own});

    // Company order reads as people read names: letter case does not split the list, and an
    // accented initial sorts with its letter.
    const QList<ClientItem> all = *store.dropDownItems(own);
    QCOMPARE(companies(all), (QStringList{"Acme Ltd", "acorn", "Äpfel GmbH", "Bravo", "Zebra"}));
    QCOMPARE(all.first().clientId, acme);

    // Clients with invoices, each once, and only the identity's own.
    const QList<ClientItem> invoiced = *store.dropDownItems(own, ClientStore::Items::WithInvoices);
    QCOMPARE(companies(invoiced), (QStringList{"Acme Ltd", "Bravo"}));
    QCOMPARE(invoiced.last().clientId, bravo);

    QVERIFY(store.dropDownItems(own + other)->isEmpty());
}

QTEST_MAIN(TestClientStore)
#include "tst_clientstore.moc"
