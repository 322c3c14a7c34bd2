// make_books N [FOLDER]: writes FOLDER/Accounts.mdb (FOLDER defaults to "books-N") holding N
// invoices, for timing Billcraft at scale. The file is the same on every run; an existing
// Accounts.mdb is never overwritten.
// make_books N postgresql://user@host:port/db: writes the same books into that server database,
// which must hold no books yet (billcraft --database URL then opens them).

#include "BookMaker.h"
#include "core/Database.h"
#include "core/ServerAddress.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>

namespace {

// The books are dated up to yesterday of a fixed day, so they never change with the clock.
const QDate kToday(2026, 12, 3);

int fail(const QString& why)
{
    std::fprintf(stderr, "make_books: %s\n", qUtf8Printable(why));
    return 1;
}

int makeOnServer(const QString& url, qint64 invoices)
{
    const Result<ServerAddress> server = ServerAddress::fromUrl(url);
    if (!server)
        return fail(server.error());
    Database db;
    if (!db.openServer(*server))
        return fail(db.errorString());
    const Result<QVariant> identities =
        db.value(QStringLiteral("SELECT count(*) FROM TblUserData"));
    if (!identities)
        return fail(identities.error());
    if (identities->toLongLong() > 0)
        return fail(url + QStringLiteral(" holds books already"));
    if (const QString problem = BookMaker::make(db, invoices, kToday); !problem.isEmpty())
        return fail(problem);
    return 0;
}

int makeInFolder(const QString& folder, qint64 invoices)
{
    const QString path = QDir(folder).filePath(Database::kFileName);
    if (QFileInfo::exists(path))
        return fail(path + QStringLiteral(" exists already"));
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("cannot create ") + folder);
    Database db;
    if (!db.open(path))
        return fail(db.errorString());
    if (const QString problem = BookMaker::make(db, invoices, kToday); !problem.isEmpty())
        return fail(problem);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool ok = false;
    const qint64 invoices = args.size() >= 2 ? args[1].toLongLong(&ok) : 0;
    if (!ok || invoices < 0 || args.size() > 3) {
        std::fprintf(stderr, "usage: make_books N [FOLDER|URL]\n");
        return 2;
    }
    const QString where = args.size() == 3 ? args[2] : QStringLiteral("books-%1").arg(invoices);
    QElapsedTimer timer;
    timer.start();
    const bool server = ServerAddress::looksLikeUrl(where);
    const int code = server ? makeOnServer(where, invoices) : makeInFolder(where, invoices);
    if (code == 0)
        std::printf("%s: %lld invoices in %.1f s\n",
                    qUtf8Printable(server ? where : QDir(where).filePath(Database::kFileName)),
                    invoices, double(timer.elapsed()) / 1000.0);
    return code;
}
