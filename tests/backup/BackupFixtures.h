#pragma once

#include "core/Database.h"
#include "core/ZipArchive.h"
#include "support/TestEnv.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtEndian>

// Books, archives good and bad, and ways to compare databases, shared by the backup tests.
namespace fixtures {

inline const QStringList kTables = {"TblUserData", "TblClients", "TblInvoices", "TblExpenses",
                                    "TblAppointments"};

// A few rows in every table, with Nulls, quotes and text beyond Latin-1.
inline void fillBooks(TestEnv& env, int invoices = 40)
{
    const int id = env.addIdentity(QStringLiteral("Lowther Joinery"));
    const int client = env.addClient(QStringLiteral("Bryn Ŵyn Ltd"), id);
    env.addClient(QStringLiteral("OBrien Builders"), id);
    for (int i = 0; i < invoices; ++i)
        env.exec(QStringLiteral("INSERT INTO TblInvoices(ClientID, InvoiceNumber, Content, "
                                "\"Value\", VAT, Total, \"Date\", Paid, Identity) "
                                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                 {client, QStringLiteral("0%1").arg(100 + i),
                  QStringLiteral("Sash windows\n%1").arg(i), 1000000 + i, 200000, 1200000 + i,
                  46000 + i, i % 2 ? -1 : 0, id});
    env.exec(QStringLiteral("INSERT INTO TblExpenses(\"Date\", ClientRef, Description, Milage, "
                            "\"Value\", VAT, Identity) VALUES (46001, 'job 7', 'Timber', 12.5, "
                            "450000, 75000, ?)"),
             {id});
    env.exec(QStringLiteral("INSERT INTO TblAppointments(ADate, Appoint, ATime, Alert, Identity) "
                            "VALUES (46001, 'Measure up', 0.375, -1, ?)"),
             {id});
}

// Every row of every table, in key order, as text.
inline QStringList rowsOf(const QString& path)
{
    QStringList rows;
    const QString name = QStringLiteral("rows-of-") + path;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open())
            qFatal("cannot read %s", qPrintable(path));
        for (const QString& table : kTables) {
            QSqlQuery q(db);
            q.exec(QStringLiteral("SELECT * FROM %1 ORDER BY 1").arg(table));
            while (q.next()) {
                QStringList values{table};
                for (int c = 0; c < q.record().count(); ++c)
                    values << (q.isNull(c) ? QStringLiteral("<null>") : q.value(c).toString());
                rows << values.join(u'|');
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

// The database as it lies on the disk: the main file and its write-ahead log.
inline QByteArray liveHash(const QString& folder)
{
    const QString db = QDir(folder).filePath(Database::kFileName);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(readAll(db));
    hash.addData("|");
    hash.addData(readAll(db + QStringLiteral("-wal")));
    return hash.result().toHex();
}

inline QByteArray zipOf(const QList<QPair<QString, QByteArray>>& members)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("made.zip"));
    QList<ZipArchive::Member> list;
    for (const auto& [name, bytes] : members)
        list.append({name, {}, bytes});
    if (const Status done = ZipArchive::write(path, list); !done)
        qFatal("%s", qPrintable(done.error()));
    return readAll(path);
}

// The bytes of an SQLite file made by running `statements` on a new file.
inline QByteArray sqliteFile(const QStringList& statements)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("made.db"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), path);
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot make %s", qPrintable(path));
        QSqlQuery q(db);
        for (const QString& sql : statements) {
            if (!q.exec(sql))
                qFatal("%s failed", qPrintable(sql));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(path);
    return readAll(path);
}

// A Billcraft database of a few hundred rows, with its pages from the fourth on overwritten.
inline QByteArray damagedDatabase()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(Database::kFileName);
    {
        TestEnv env;
        fillBooks(env, 600);
        env.db.close();
        QFile::copy(env.file(Database::kFileName), path);
    }
    QByteArray bytes = readAll(path);
    for (qsizetype i = 3 * 4096; i < bytes.size() - 4096; ++i)
        bytes[i] = char(0x5A);
    return bytes;
}

// The uncompressed size in the one entry's local and central headers set, as a forger would.
inline QByteArray withDeclaredSize(QByteArray zip, quint32 size)
{
    qToLittleEndian(size, zip.data() + 22);
    qToLittleEndian(size, zip.data() + zip.indexOf(QByteArray("PK\x01\x02", 4)) + 24);
    return zip;
}

} // namespace fixtures
