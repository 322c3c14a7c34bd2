#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

class Database;

// The files the books keep beside their tables: each identity's layout record (<n>.dat),
// Layout.set, the logos, the help document. A data folder holds them as files; shared books on
// a server hold the same bytes in the table BillcraftFiles, so a layout saved on one seat
// prints the same on every seat. Names are plain file names, no folders: a name with a folder
// in it is refused. Scratch files (Temp, downloads) are never shared and do not pass here.
class SharedFiles {
    Q_DECLARE_TR_FUNCTIONS(SharedFiles)
public:
    // No file the books keep comes near this; a larger one is refused, never read into memory.
    static constexpr qint64 kMaxBytes = 64 * 1024 * 1024;

    SharedFiles(Database& db, QString dataFolder);

    bool onServer() const;
    // The bytes of `name`; nullopt when there is no such file, a Failure when something other
    // than a file is in its place.
    Result<std::optional<QByteArray>> read(const QString& name) const;
    // Whether anything is there by that name.
    Result<bool> exists(const QString& name) const;
    // Replaces the whole content: a crash leaves the old bytes or the new, never a mix.
    Status write(const QString& name, const QByteArray& bytes);
    // Several files replaced together or not at all: in one transaction on a server; in a
    // folder each file atomically, those written before a failure getting their old bytes back.
    Status writeTogether(const QList<std::pair<QString, QByteArray>>& files);
    // Removing a missing file is done.
    Status remove(const QString& name);
    // The names held, in no particular order.
    Result<QStringList> names() const;
    // Where `name` is for a message: the file's path, or the name on the server.
    QString describe(const QString& name) const;

private:
    QString pathOf(const QString& name) const;
    // Why `name` cannot be a shared file's name; empty when it can.
    QString checkName(const QString& name) const;

    Database& m_db;
    QString m_folder;
};
