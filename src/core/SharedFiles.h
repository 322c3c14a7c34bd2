#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>

class Database;

// The files the books keep beside their tables: each identity's layout record (<n>.dat),
// Layout.set, the logos, the help document. A data folder holds them as files; shared books on
// a server hold the same bytes in the table BillcraftFiles, so a layout saved on one seat
// prints the same on every seat. Names are plain file names, no folders. Scratch files (Temp,
// downloads) are never shared and do not pass here.
class SharedFiles {
    Q_DECLARE_TR_FUNCTIONS(SharedFiles)
public:
    SharedFiles(Database& db, QString dataFolder);

    bool onServer() const;
    // The bytes of `name`; nullopt when there is no such file.
    Result<std::optional<QByteArray>> read(const QString& name) const;
    // Replaces the whole content: a crash leaves the old bytes or the new, never a mix.
    Status write(const QString& name, const QByteArray& bytes);
    // Removing a missing file is done.
    Status remove(const QString& name);
    // The names held, in no particular order.
    Result<QStringList> names() const;
    // Where `name` is for a message: the file's path, or the name on the server.
    QString describe(const QString& name) const;

private:
    Database& m_db;
    QString m_folder;
};
