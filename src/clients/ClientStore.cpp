#include "clients/ClientStore.h"

#include "core/CompanyOrder.h"
#include "core/Database.h"
#include "core/StoredText.h"

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

Client clientFrom(const Row& r)
{
    auto text = [&](const char* column) { return r[QLatin1String(column)].toString(); };
    Client c;
    c.clientId = r[QStringLiteral("ClientID")].toInt();
    c.identity = r[QStringLiteral("Identity")].toInt();
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

ClientItem itemFrom(const Row& r)
{
    return {r[0].toInt(), r[1].toString()};
}

} // namespace

Result<std::optional<Client>> ClientStore::load(int clientId) const
{
    return m_db.one(QStringLiteral("SELECT * FROM TblClients WHERE ClientID = ?"), {clientId},
                    clientFrom);
}

Result<int> ClientStore::insert(const Client& client, int identity)
{
    const Result<qint64> id = m_db.insert(
        DatabaseChanges::Clients,
        QStringLiteral("INSERT INTO TblClients (") + kTextColumns +
            QStringLiteral(
                ", Identity) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        texts(client) << identity);
    if (!id)
        return Failure{id.error()};
    return int(*id);
}

Status ClientStore::update(const Client& client)
{
    // Announced to no list: the drop-downs keep the old company name until their next refill,
    // as they always have.
    const Result<qint64> changed = m_db.change(
        {},
        QStringLiteral("UPDATE TblClients SET Salutation = ?, FirstName = ?, LastName = ?, "
                       "Company = ?, Address1 = ?, Address2 = ?, Address3 = ?, Town = ?, "
                       "County = ?, PostCode = ?, Country = ?, Telephone = ?, Fax = ?, Email = ?, "
                       "Mobile = ?, Notes = ? WHERE ClientID = ?"),
        texts(client) << client.clientId);
    if (!changed)
        return Failure{changed.error()};
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
    const Result<QList<ClientItem>> items = m_db.all(
        QStringLiteral("SELECT ClientID, Company FROM TblClients ORDER BY ClientID"), {}, itemFrom);
    if (!items)
        return Failure{items.error()};
    // The first match in the order the drop-downs list companies; ClientID breaks ties.
    const CompanyOrder order(m_locale);
    std::optional<ClientItem> first;
    for (const ClientItem& item : *items) {
        if (item.company.startsWith(stored, Qt::CaseInsensitive) &&
            (!first || order(item.company, first->company)))
            first = item;
    }
    if (!first)
        return std::optional<Client>();
    return load(first->clientId);
}

Result<bool> ClientStore::hasInvoices(int clientId) const
{
    return m_db.exists(QStringLiteral("SELECT 1 FROM TblInvoices WHERE ClientID = ? LIMIT 1"),
                       {clientId});
}

Status ClientStore::removeWithInvoices(int clientId)
{
    Transaction tx(m_db);
    if (!tx.isActive())
        return Failure{m_db.errorString()};
    // Both lists must stop offering the client: the client lists and the invoice lists.
    for (const QString& sql : {QStringLiteral("DELETE FROM TblClients WHERE ClientID = ?"),
                               QStringLiteral("DELETE FROM TblInvoices WHERE ClientID = ?")}) {
        const Result<qint64> removed =
            m_db.change(DatabaseChanges::Clients | DatabaseChanges::Invoices, sql, {clientId});
        if (!removed)
            return Failure{removed.error()}; // the transaction rolls the client back
    }
    if (!tx.commit())
        return Failure{m_db.errorString()};
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
    Result<QList<ClientItem>> items = m_db.all(sql, {identity}, itemFrom);
    if (!items)
        return items;
    // Sorted here, in the user's collation; ClientID order keeps clients of the same name in a
    // fixed order.
    const CompanyOrder order(m_locale);
    std::stable_sort(
        items->begin(), items->end(),
        [&order](const ClientItem& a, const ClientItem& b) { return order(a.company, b.company); });
    return items;
}
