#pragma once

#include "core/Result.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <optional>

class Database;

// One row of TblClients. Null columns read as empty text.
struct Client {
    int clientId = 0;
    int identity = 0;
    QString salutation;
    QString firstName;
    QString lastName;
    QString company;
    QString address1;
    QString address2;
    QString address3;
    QString town;
    QString county;
    QString postCode;
    QString country;
    QString telephone;
    QString fax;
    QString email;
    QString mobile;
    QString notes;
};

// One entry of a client drop-down.
struct ClientItem {
    int clientId = 0;
    QString company;
};

// The rows of TblClients: the address book shared by every identity of the database.
// Single quotes are never stored in a client's texts: insert and update take them out.
class ClientStore {
public:
    // `locale` orders company names as its user reads them.
    explicit ClientStore(Database& db, QLocale locale = QLocale())
        : m_db(db)
        , m_locale(std::move(locale))
    {}

    // nullopt when there is no such client (another window may have deleted it).
    Result<std::optional<Client>> load(int clientId) const;
    // Adds the client to `identity`; client.clientId and client.identity are ignored. Returns
    // the new ClientID. A second client of the same company name is allowed.
    Result<int> insert(const Client& client, int identity);
    // Writes every text of client.clientId's row; its identity stays as it is. An empty company
    // is accepted here.
    Status update(const Client& client);

    // The first client, of any identity, whose company starts with `start` ignoring letter
    // case, taking companies in the drop-downs' order (CompanyOrder, then ClientID). `start` is
    // matched as plain text: % and _ are ordinary characters. nullopt for an empty `start` or
    // when nothing matches.
    Result<std::optional<Client>> findByCompanyStart(const QString& start) const;

    Result<bool> hasInvoices(int clientId) const;
    // Deletes the client and then every invoice of it, as one change. Asking whether this is
    // wanted is the caller's business.
    Status removeWithInvoices(int clientId);

    enum class Items { All, WithInvoices };
    // The identity's clients in company order (the locale's collation, letter case ignored),
    // for a drop-down. With WithInvoices only clients that have at least one invoice, each once.
    Result<QList<ClientItem>> dropDownItems(int identity, Items which = Items::All) const;

private:
    Database& m_db;
    QLocale m_locale;
};
