#include "update/UpdateSource.h"

#include <QHostAddress>

#ifndef BILLCRAFT_UPDATE_HOST
#error "BILLCRAFT_UPDATE_HOST is set by src/update/CMakeLists.txt"
#endif

QString UpdateSource::builtInAddress()
{
    return QStringLiteral(BILLCRAFT_UPDATE_HOST);
}

namespace {

bool isLoopback(const QString& host)
{
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

} // namespace

Result<UpdateSource> UpdateSource::fromAddress(const QString& address)
{
    QUrl url(address.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || !url.userInfo().isEmpty() || url.hasQuery() ||
        url.hasFragment())
        return Failure{QStringLiteral("\"%1\" is not a web address for updates.").arg(address)};
    if (scheme != QLatin1String("https") &&
        !(scheme == QLatin1String("http") && isLoopback(url.host())))
        return Failure{QStringLiteral("The update address \"%1\" must begin with https:// "
                                      "(plain http is allowed only for this machine).")
                           .arg(address)};
    QString path = url.path();
    while (path.endsWith(u'/'))
        path.chop(1);
    url.setPath(path);
    return UpdateSource(url);
}

QUrl UpdateSource::resolve(const QString& path) const
{
    QUrl url = m_base;
    url.setPath(m_base.path() + path);
    return url;
}
