#pragma once

#include "core/Database.h"
#include "core/ZipArchive.h"
#include "support/TestEnv.h"

#include <QCryptographicHash>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

// Books, archives, and ways to compare databases, shared by the backup tests.
namespace fixtures {

// Rows in every table, with Nulls and text beyond Latin-1.
inline void fillBooks(TestEnv& env, int invoices = 40)
{
    const int id = env.addIdentity("Lowther Joinery");
    const int client = env.addClient(QStringLiteral("Bryn Ŵyn Ltd"), id);
    env.addClient("OBrien Builders", id);
    for (int i = 0; i < invoices; ++i)
        env.exec(
            QStringLiteral("INSERT INTO TblInvoices(ClientID, InvoiceNumber, Content, "
                           "\"Value\", \"Date\", Paid, Identity) VALUES (?, ?, ?, ?, ?, ?, ?)"),
            {client, QStringLiteral("0%1").arg(100 + i), "Sash windows", 1000000 + i, 46000 + i,
             i % 2 ? -1 : 0, id});
    env.exec(QStringLiteral("INSERT INTO TblExpenses(\"Date\", Description, Identity) VALUES "
                            "(46001, 'Timber', ?)"),
             {id});
    env.exec(QStringLiteral("INSERT INTO TblAppointments(ADate, Appoint, Alert, Identity) "
                            "VALUES (46001, 'Measure up', -1, ?)"),
             {id});
}

// Every row of every table, as SQL text.
inline QByteArray rowsOf(const QString& path)
{
    QProcess sqlite;
    sqlite.start("sqlite3", {path, ".dump"});
    if (!sqlite.waitForFinished(60'000) || sqlite.exitCode() != 0)
        qFatal("cannot read %s", qPrintable(path));
    return sqlite.readAllStandardOutput();
}

// The database as it lies on the disk: the main file and its write-ahead log.
inline QByteArray liveHash(const QString& folder)
{
    const QString db = QDir(folder).filePath(Database::kFileName);
    return QCryptographicHash::hash(readAll(db) + "|" + readAll(db + "-wal"),
                                    QCryptographicHash::Sha256)
        .toHex();
}

inline QByteArray zipOf(const QString& name, const QByteArray& bytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("made.zip");
    if (const Status done = ZipArchive::write(path, {{name, {}, bytes}}); !done)
        qFatal("%s", qPrintable(done.error()));
    return readAll(path);
}

// The file of a database made by `statements` (none: our own books) and then `damage`d.
inline QByteArray databaseFile(const QStringList& statements, bool damage = false)
{
    TestEnv env;
    if (statements.isEmpty())
        fillBooks(env, 600);
    for (const QString& sql : statements)
        env.exec(sql);
    env.db.close();
    QByteArray bytes = readAll(env.file(Database::kFileName));
    // Every page from the fourth on, short of the last, overwritten.
    for (qsizetype i = 3 * 4096; damage && i < bytes.size() - 4096; ++i)
        bytes[i] = char(0x5A);
    return bytes;
}

} // namespace fixtures
