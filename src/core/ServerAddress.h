#pragma once

#include "core/Result.h"

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QString>

// Where shared books live on a PostgreSQL server, read from a URL of the form
// postgresql://user@host:port/dbname?sslmode=verify-full&sslrootcert=/path/ca.pem
// The query's libpq settings pass to the connection as they stand; a password never does:
// Billcraft keeps none, and libpq finds it in ~/.pgpass, a service file or PGPASSWORD.
struct ServerAddress {
    Q_DECLARE_TR_FUNCTIONS(ServerAddress)
public:
    QString host;  // empty: libpq's default (its environment, else the local socket)
    int port = -1; // -1: libpq's default
    QString user;
    QString database;
    QList<QPair<QString, QString>> options; // libpq keywords (sslmode, sslrootcert, ...)

    // A URL that is not one of these, or that carries a password, is refused with the reason.
    static Result<ServerAddress> fromUrl(const QString& url);
    static bool looksLikeUrl(const QString& text);

    // The URL again, as the user would recognise it; what is remembered and shown.
    QString url() const;
    // The settings in libpq's "key=value;..." form, as Qt's driver takes them.
    QString connectOptions() const;
    QString option(const QString& key) const;

    bool operator==(const ServerAddress&) const = default;
};
