#include "clients/ClientStore.h"

#include "core/CompanyOrder.h"
#include "core/Database.h"
#include "core/StoredText.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>

namespace {

// The text columns in the order of the statements below and of texts().
const QString kTextColumns =
    QStringLiteral("Salutation, FirstName, LastName, Company, Address1, Address2, Address3, "
                   "Town, County, PostCode, Country, Telephone, Fax, Email, Mobile, Notes");

QVariantList texts(const Client& c)
{
    QVariantList values;
    for (const QString* t : {&c.salutation, &c.firstName, &c.lastName, &c.company, &c.address1,
                             &c.address2, &c.address3, &c.town, &c.county, &c.postCode, &c.country,
                             &c.telephone, &c.fax, &c.email, &c.mobile, &c.notes})
        values << withoutSingleQuotes(*t);
    return values;
}

Client clientFrom(const QSqlQuery& q)
{
    const QSqlRecord r = q.record();
    auto text = [&](const char* column) { return r.value(QLatin1String(column)).toString(); };
    Client c;
    c.clientId = r.value(QStringLiteral("ClientID")).toInt();
    c.identity = r.value(QStringLiteral("Identity")).toInt();
    c.salutation = text("Salutation");
    c.firstName = text("FirstName");
    c.lastName = text("LastName");
    c.company = text("Company");
    c.address1 = text("Address1");
    c.address2 = text("Address2");
    c.address3 = text("Address3");
    c.town = text("Town");
    c.county = text("County");
    c.postCode = text("PostCode");
    c.country = text("Country");
    c.telephone = text("Telephone");
    c.fax = text("Fax");
    c.email = text("Email");
    c.mobile = text("Mobile");
    c.notes = text("Notes");
    return c;
}

} // namespace

Result<std::optional<Client>> ClientStore::load(int clientId) const
{
    QSqlQuery q = m_db.prepare(QStringLiteral("SELECT * FROM TblClients WHERE ClientID = ?"));
    q.addBindValue(clientId);
    if (!m_db.exec(q))
        return Failure{m_db.errorString()};
    if (!q.next()) {
        if (q.lastError().isValid())
            return Failure{q.lastError().text()};
        return std::optional<Client>();
    }
    return std::optional<Client>(clientFrom(q));
}

Result<int> ClientStore::insert(const Client& client, int identity)
{
    QSqlQuery q = m_db.prepare(QStringLiteral("INSERT INTO TblClients (") + kTextColumns +
                               QStringLiteral(", Identity) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                              "?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& v : texts(client))
        q.addBindValue(v);
    q.addBindValue(identity);
    if (!m_db.exec(q))
        return Failure{m_db.errorString()};
    return q.lastInsertId().toInt();
}

Status ClientStore::update(const Client& client)
{
    QSqlQuery q = m_db.prepare(QStringLiteral(
        "UPDATE TblClients SET Salutation = ?, FirstName = ?, LastName = ?, Company = ?, "
        "Address1 = ?, Address2 = ?, Address3 = ?, Town = ?, County = ?, PostCode = ?, "
        "Country = ?, Telephone = ?, Fax = ?, Email = ?, Mobile = ?, Notes = ? "
        "WHERE ClientID = ?"));
    for (const QVariant& v : texts(client))
        q.addBindValue(v);
    q.addBindValue(client.clientId);
    if (!m_db.exec(q))
        return Failure{m_db.errorString()};
    return Done{};
}

Result<std::optional<Client>> ClientStore::findByCompanyStart(const QString& start) const
{
    if (start.isEmpty())
        return std::optional<Client>();
    // Compared with the names as they were stored.
    const QString stored = storableText(start);
    // Compared here rather than with LIKE: SQLite folds the case of ASCII letters only, and the
    // user's text is taken literally, wildcards and all. The address book is small.
    QSqlQuery q =
        m_db.prepare(QStringLiteral("SELECT ClientID, Company FROM TblClients ORDER BY ClientID"));
    if (!m_db.exec(q))
        return Failure{m_db.errorString()};
    // The first match in the order the drop-downs list companies; ClientID breaks ties.
    const CompanyOrder order(m_locale);
    std::optional<ClientItem> first;
    while (q.next()) {
        const ClientItem item{q.value(0).toInt(), q.value(1).toString()};
        if (item.company.startsWith(stored, Qt::CaseInsensitive) &&
            (!first || order(item.company, first->company)))
            first = item;
    }
    if (q.lastError().isValid())
        return Failure{q.lastError().text()};
    if (!first)
        return std::optional<Client>();
    return load(first->clientId);
}

Result<bool> ClientStore::hasInvoices(int clientId) const
{
    QSqlQuery q =
        m_db.prepare(QStringLiteral("SELECT 1 FROM TblInvoices WHERE ClientID = ? LIMIT 1"));
    q.addBindValue(clientId);
    if (!m_db.exec(q))
        return Failure{m_db.errorString()};
    const bool any = q.next();
    if (!any && q.lastError().isValid())
        return Failure{q.lastError().text()};
    return any;
}

Status ClientStore::removeWithInvoices(int clientId)
{
    Transaction tx(m_db);
    if (!tx.isActive())
        return Failure{m_db.connection().lastError().text()};
    for (const QString& sql : {QStringLiteral("DELETE FROM TblClients WHERE ClientID = ?"),
                               QStringLiteral("DELETE FROM TblInvoices WHERE ClientID = ?")}) {
        QSqlQuery q = m_db.prepare(sql);
        q.addBindValue(clientId);
        if (!m_db.exec(q))
            return Failure{m_db.errorString()}; // the transaction rolls the client back
    }
    if (!tx.commit())
        return Failure{m_db.connection().lastError().text()};
    return Done{};
}

Result<QList<ClientItem>> ClientStore::dropDownItems(int identity, Items which) const
{
    // EXISTS stops at a client's first invoice (through the ClientID index) rather than joining
    // every invoice and folding the duplicates away.
    const QString sql =
        which == Items::All
            ? QStringLiteral("SELECT ClientID, Company FROM TblClients WHERE Identity = ? "
                             "ORDER BY ClientID")
            : QStringLiteral("SELECT ClientID, Company FROM TblClients WHERE Identity = ? "
                             "AND EXISTS (SELECT 1 FROM TblInvoices "
                             "WHERE TblInvoices.ClientID = TblClients.ClientID) "
                             "ORDER BY ClientID");
    QSqlQuery q = m_db.prepare(sql);
    q.addBindValue(identity);
    if (!m_db.exec(q))
        return Failure{m_db.errorString()};
    QList<ClientItem> items;
    while (q.next())
        items.append({q.value(0).toInt(), q.value(1).toString()});
    if (q.lastError().isValid()) // a read that broke off is not the whole list
        return Failure{q.lastError().text()};
    // Sorted here, in the user's collation; ClientID order keeps clients of the same name in a
    // fixed order.
    const CompanyOrder order(m_locale);
    std::stable_sort(
        items.begin(), items.end(),
        [&order](const ClientItem& a, const ClientItem& b) { return order(a.company, b.company); });
    return items;
}
