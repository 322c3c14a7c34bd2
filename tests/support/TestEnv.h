#pragma once

#include "core/Clock.h"
#include "core/Database.h"
#include "core/GridData.h"
#include "core/LocaleText.h"
#include "core/ui/Session.h"
#include "support/ScriptedPrompter.h"

#include <QTemporaryDir>
#include <functional>
#include <memory>

// The locale every test reads and writes dates and money in.
inline QLocale testLocale()
{
    return QLocale(QLocale::English, QLocale::UnitedKingdom);
}

// A temporary data folder with an open Accounts.mdb, a scripted prompter, a clock fixed on
// 3 December 2026 and, in a UI test, a session in the en_GB locale. The session is the UI's:
// a logic test links no UI, so it has none, and its linking proves that the logic needs none.
struct TestEnv {
    // Set before main by support/TestSession.cpp, which every UI test links.
    static inline std::function<std::shared_ptr<Session>(TestEnv&)> makeSession;

    static inline const QDate kToday = QDate(2026, 12, 3);

    explicit TestEnv(QDate today = kToday);
    TestEnv(const TestEnv&) = delete;
    TestEnv& operator=(const TestEnv&) = delete;

    QString folder() const { return dir.path(); }
    // What lists are read with: the tests' locale and the clock's day.
    GridContext gridContext() const { return {LocaleText(testLocale()), clock.today()}; }
    QString file(const QString& name) const { return dir.filePath(name); }

    // Runs one statement with bound values; fails the test when it fails.
    void exec(const QString& sql, const QVariantList& values = {});
    // Makes every `event` (INSERT, UPDATE or DELETE) on `table` fail with `message` in its error
    // text, by a trigger called `name` on either engine, until dropFailingTrigger(name, table).
    void addFailingTrigger(const QString& name, const QString& event, const QString& table,
                           const QString& message);
    void dropFailingTrigger(const QString& name, const QString& table);
    // How the engine's error about a table that is not there begins.
    QString missingTableWords() const;
    // How the engine would run `sql` with these values (numbers only), as one line of steps:
    // SQLite's EXPLAIN QUERY PLAN ("SEARCH TblInvoices USING INDEX ..."), or PostgreSQL's
    // EXPLAIN ("Index Scan using idx... on tblinvoices"). The test tables are tiny, so a server
    // is told to avoid reading a table whole, and sorting, wherever an index could serve.
    QString planOf(const QString& sql, const QVariantList& values = {});
    // An identity row; returns its number.
    int addIdentity(const QString& textLogo);
    // A client row with only its company; returns its ClientID.
    int addClient(const QString& company, int identity = 1);

    QTemporaryDir dir;
    Database db;
    ScriptedPrompter prompter;
    FixedClock clock;
    // Null in a logic test. Shared: destroying a null one needs no Session code.
    std::shared_ptr<Session> session;
};

// The named child of `parent`; stops the test program when there is none.
template <typename T> T* child(const QObject* parent, const char* name)
{
    T* found = parent->findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// A whole file's bytes, empty when it cannot be read.
QByteArray readAll(const QString& path);
// Writes `bytes` as the whole file; stops the test program when it cannot.
void writeAll(const QString& path, const QByteArray& bytes);
