#pragma once

#include "core/Result.h"

#include <QString>
#include <QUrl>

// Where the program looks for newer builds: a web address under which the server keeps
// "/Revision.txt" (the latest revision number) and "/updates/accounts.zip" with its detached
// signature "/updates/accounts.zip.sig". Plain HTTP is accepted only for a server on this
// machine (tests); anything further away must be HTTPS.
class UpdateSource {
public:
    // The address built into the program (the BILLCRAFT_UPDATE_HOST build setting).
    static QString builtInAddress();
    static Result<UpdateSource> fromAddress(const QString& address);

    // The host as the messages name it, e.g. "updates.norvane.example".
    QString hostName() const { return m_base.host(); }
    QUrl base() const { return m_base; }
    QUrl revisionUrl() const { return resolve(QStringLiteral("/Revision.txt")); }
    QUrl packageUrl() const { return resolve(QStringLiteral("/updates/accounts.zip")); }
    QUrl signatureUrl() const { return resolve(QStringLiteral("/updates/accounts.zip.sig")); }

private:
    explicit UpdateSource(QUrl base)
        : m_base(std::move(base))
    {}
    QUrl resolve(const QString& path) const;

    QUrl m_base; // no trailing slash
};
