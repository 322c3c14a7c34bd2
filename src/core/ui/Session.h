#pragma once

#include "core/LocaleText.h"
#include "core/PageSettings.h"
#include "core/Preferences.h"
#include "core/SharedFiles.h"
#include "mail/MailMessage.h"

#include <QDate>
#include <QObject>
#include <QString>

class Clock;
class Database;
class Prompter;

// Program-wide state: the open database, the data folder, the current identity and its page
// settings, and the prompter and clock that every window uses. Created in main and handed to
// each window by constructor. Its signals tell lists to refresh after a change.
class Session : public QObject {
    Q_OBJECT
public:
    // The user's choices are kept in `preferencesFile`; without one, for this run only.
    Session(Database& db, Prompter& prompter, const Clock& clock, LocaleText locale,
            QString dataFolder, QString preferencesFile = {}, QObject* parent = nullptr);

    Database& db() const { return m_db; }
    Prompter& prompter() const { return m_prompter; }
    const Clock& clock() const { return m_clock; }
    const LocaleText& locale() const { return m_locale; }

    QString dataFolder() const { return m_dataFolder; }
    Preferences& preferences() { return m_preferences; }
    QString dataFile(const QString& name) const { return m_dataFolder + u'/' + name; }
    // The books' own files (layouts, logos, the help document): in the data folder, or on the
    // server with shared books. Scratch files are dataFile()s.
    SharedFiles& files() { return m_files; }
    // The desktop's mail program (xdg-email); tests put a recorder in its place.
    MailLauncher& mailLauncher() { return m_mailLauncher; }

    // 0 when there is no identity. Changing it clears AlertsChecked.
    int currentIdentity() const { return m_currentIdentity; }
    void setCurrentIdentity(int identity);

    const PageSettings& pageSettings() const { return m_pageSettings; }
    void setPageSettings(const PageSettings& settings);

    // Money text comes from locale().toCurrency, with this symbol.
    QString currencySymbol() const { return m_locale.currencySymbol(); }

    QDate calendarDate() const { return m_calendarDate; }
    void setCalendarDate(QDate date) { m_calendarDate = date; }

    bool alertsChecked() const { return m_alertsChecked; }
    void setAlertsChecked(bool checked) { m_alertsChecked = checked; }

signals:
    void identityChanged(int identity);
    void pageSettingsChanged();
    // The database's changes, as its writes announce them once committed; a change to both
    // tables (a client deleted with its invoices) announces clients first.
    void clientsChanged();
    void invoicesChanged();

private:
    Database& m_db;
    Prompter& m_prompter;
    const Clock& m_clock;
    LocaleText m_locale;
    QString m_dataFolder;
    SharedFiles m_files;
    Preferences m_preferences;
    MailLauncher m_mailLauncher;
    int m_currentIdentity = 0;
    PageSettings m_pageSettings;
    QDate m_calendarDate;
    bool m_alertsChecked = false;
};
