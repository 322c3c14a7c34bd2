#pragma once

#include <QString>

// Text typed by the user has always been stored without its single quotes: O'Brien is kept
// as OBrien. Values are still bound, never pasted into SQL; this is the visible rule only.
inline QString withoutSingleQuotes(const QString& text)
{
    return QString(text).remove(u'\'');
}
