#pragma once

#include "BenchEngine.h"
#include "BookMaker.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/GridData.h"
#include "core/LocaleText.h"
#include "core/ui/Session.h"
#include "support/ScriptedPrompter.h"

#include <QLocale>
#include <QTemporaryDir>
#include <memory>

// BookMaker's books on the chosen engine (an Accounts.mdb in a temporary data folder, or a
// server database kept between runs: see BenchEngine.h) with the session a window has over them:
// English (UK) locale, a clock fixed on `today`, identity 1 current. A benchmark derives its own
// books from it and adds what it measures on.
struct BenchBooks {
    QTemporaryDir dir;
    Database db;
    ScriptedPrompter prompter;
    FixedClock clock;
    std::unique_ptr<Session> session;

    BenchBooks(qint64 invoices, QDate today)
        : clock(today)
    {
        const Result<BenchEngine::Place> place =
            BenchEngine::place(dir.path(), QStringLiteral("books_%1").arg(invoices));
        if (!place)
            qFatal("no place for the bench books: %s", qPrintable(place.error()));
        BookMaker::openAndMake(db, *place, invoices, today);
        session = std::make_unique<Session>(
            db, prompter, clock, LocaleText(QLocale(QLocale::English, QLocale::UnitedKingdom)),
            dir.path());
        session->setCurrentIdentity(1);
    }

    // What the lists are read with, as a window reads them.
    GridContext context() const { return {session->locale(), clock.today()}; }
};
