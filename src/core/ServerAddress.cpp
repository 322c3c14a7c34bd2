#include "core/ServerAddress.h"

#include <QUrl>
#include <QUrlQuery>

namespace {

// What the connection string may set. Others (a password, a host list, a replication mode)
// are refused rather than passed on unread.
const QStringList& allowedOptions()
{
    static const QStringList keys = {QStringLiteral("sslmode"),
                                     QStringLiteral("sslrootcert"),
                                     QStringLiteral("sslcert"),
                                     QStringLiteral("sslkey"),
                                     QStringLiteral("sslcrl"),
                                     QStringLiteral("connect_timeout"),
                                     QStringLiteral("application_name"),
                                     QStringLiteral("service"),
                                     QStringLiteral("target_session_attrs"),
                                     QStringLiteral("keepalives_idle")};
    return keys;
}

} // namespace

bool ServerAddress::looksLikeUrl(const QString& text)
{
    return text.startsWith(u"postgresql://") || text.startsWith(u"postgres://");
}

Result<ServerAddress> ServerAddress::fromUrl(const QString& text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    if (!looksLikeUrl(text.trimmed()) || !url.isValid())
        return Failure{tr("\"%1\" is not the address of shared books. Write it as "
                          "postgresql://user@server:5432/books")
                           .arg(text)};
    if (!url.password().isEmpty())
        return Failure{tr("Billcraft keeps no passwords: take the password out of the address "
                          "and put it in ~/.pgpass (or the PGPASSWORD variable).")};
    ServerAddress address;
    address.host = url.host();
    address.port = url.port(-1);
    address.user = url.userName();
    address.database = url.path().mid(1);
    if (address.database.contains(u'/'))
        return Failure{tr("\"%1\" names no single database.").arg(text)};
    const QList<QPair<QString, QString>> items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
    for (const auto& [key, value] : items) {
        if (key == u"password")
            return Failure{tr("Billcraft keeps no passwords: take the password out of the "
                              "address and put it in ~/.pgpass (or the PGPASSWORD variable).")};
        if (!allowedOptions().contains(key))
            return Failure{tr("The setting \"%1\" in the address is not one Billcraft "
                              "passes to the server.")
                               .arg(key)};
        if (value.contains(u';') || value.contains(u'\'') || value.contains(u'\\'))
            return Failure{tr("The setting \"%1\" in the address holds a character that "
                              "cannot be passed on.")
                               .arg(key)};
        address.options.append({key, value});
    }
    return address;
}

QString ServerAddress::url() const
{
    QUrl url;
    url.setScheme(QStringLiteral("postgresql"));
    url.setUserName(user);
    url.setHost(host);
    url.setPort(port);
    url.setPath(u'/' + database);
    if (!options.isEmpty()) {
        QUrlQuery query;
        query.setQueryItems(options);
        url.setQuery(query);
    }
    return url.toString(QUrl::FullyEncoded);
}

QString ServerAddress::option(const QString& key) const
{
    for (const auto& [k, v] : options) {
        if (k == key)
            return v;
    }
    return {};
}

QString ServerAddress::connectOptions() const
{
    QStringList parts;
    // Quoted, so that a file name with blanks stays one value; the values hold no quote,
    // backslash or semicolon (fromUrl refuses them), which Qt's driver would split on.
    for (const auto& [key, value] : options)
        parts << key + QStringLiteral("='") + value + u'\'';
    // A server that does not answer is reported within seconds, not after the system's minutes.
    if (option(QStringLiteral("connect_timeout")).isEmpty())
        parts << QStringLiteral("connect_timeout=5");
    return parts.join(u';');
}
