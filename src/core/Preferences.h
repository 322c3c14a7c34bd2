#pragma once

#include "core/Result.h"

#include <QHash>
#include <QString>

// The user's own choices that belong to no set of books (the e-invoice format last saved, say):
// named texts in one small file of the user's configuration, read once and written whole on
// every change. Without a file they live only as long as the object.
class Preferences {
public:
    // ~/.config/Billcraft/preferences.json
    static QString defaultFile();

    // Reads `file` when there is one; an unreadable or damaged file gives no choices (they are
    // only conveniences) and is replaced by the next change.
    explicit Preferences(QString file = {});

    QString value(const QString& key, const QString& fallback = {}) const;
    // Keeps the choice and writes the file; a Failure says why the file could not be written
    // (the choice is still kept for this run).
    Status setValue(const QString& key, const QString& value);

private:
    QString m_file;
    QHash<QString, QString> m_values;
};
