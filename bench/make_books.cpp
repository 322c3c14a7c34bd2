// make_books N [FOLDER]: writes FOLDER/Accounts.mdb (FOLDER defaults to "books-N") holding N
// invoices, for timing Billcraft at scale. The file is the same on every run; an existing
// Accounts.mdb is never overwritten.

#include "BookMaker.h"
#include "core/Database.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool ok = false;
    const qint64 invoices = args.size() >= 2 ? args[1].toLongLong(&ok) : 0;
    if (!ok || invoices < 0 || args.size() > 3) {
        std::fprintf(stderr, "usage: make_books N [FOLDER]\n");
        return 2;
    }
    const QString folder = args.size() == 3 ? args[2] : QStringLiteral("books-%1").arg(invoices);
    const QString path = QDir(folder).filePath(Database::kFileName);
    if (QFileInfo::exists(path)) {
        std::fprintf(stderr, "make_books: %s exists already\n", qUtf8Printable(path));
        return 1;
    }
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "make_books: cannot create %s\n", qUtf8Printable(folder));
        return 1;
    }
    QElapsedTimer timer;
    timer.start();
    Database db;
    if (!db.open(path)) {
        std::fprintf(stderr, "make_books: %s\n", qUtf8Printable(db.errorString()));
        return 1;
    }
    // The books are dated up to yesterday of a fixed day, so they never change with the clock.
    const QString problem = BookMaker::make(db, invoices, QDate(2026, 12, 3));
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "make_books: %s\n", qUtf8Printable(problem));
        return 1;
    }
    db.close();
    std::printf("%s: %lld invoices in %.1f s\n", qUtf8Printable(path), invoices,
                double(timer.elapsed()) / 1000.0);
    return 0;
}
