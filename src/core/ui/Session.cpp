#include "core/ui/Session.h"

#include "core/Clock.h"
#include "core/Database.h"

Session::Session(Database& db, Prompter& prompter, const Clock& clock, LocaleText locale,
                 QString dataFolder, QString preferencesFile, QObject* parent)
    : QObject(parent)
    , m_db(db)
    , m_prompter(prompter)
    , m_clock(clock)
    , m_locale(std::move(locale))
    , m_dataFolder(std::move(dataFolder))
    , m_files(db, m_dataFolder)
    , m_preferences(std::move(preferencesFile))
    , m_calendarDate(clock.today())
{
    connect(&db.changes(), &DatabaseChanges::changed, this, [this](DatabaseChanges::Tables t) {
        if (t.testFlag(DatabaseChanges::Clients))
            emit clientsChanged();
        if (t.testFlag(DatabaseChanges::Invoices))
            emit invoicesChanged();
    });
}

void Session::setCurrentIdentity(int identity)
{
    // Choosing the current identity again reloads it like any other choice.
    m_alertsChecked = false;
    m_currentIdentity = identity;
    emit identityChanged(identity);
}

void Session::setPageSettings(const PageSettings& settings)
{
    m_pageSettings = settings;
    emit pageSettingsChanged();
}
