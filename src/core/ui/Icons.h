#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

// The pictures of the program's actions. Each is looked up by its freedesktop icon names in the
// desktop's icon theme, so that it matches the rest of the desktop, and falls back to the
// program's own drawing (compiled in under ":/icons/") where the theme has none of the names or
// there is no theme at all.
namespace Icons {

enum class Action {
    Help,
    Update,
    Restore,
    BackUp,
    AddIdentity,
    SwitchIdentity,
    Calculator,
    Envelope,
    Csv,
    Spreadsheet,
};

inline constexpr Action kAllActions[] = {
    Action::Help,        Action::Update,         Action::Restore,    Action::BackUp,
    Action::AddIdentity, Action::SwitchIdentity, Action::Calculator, Action::Envelope,
    Action::Csv,         Action::Spreadsheet,
};

struct Names {
    QStringList theme; // freedesktop names, the most fitting first
    QString fallback;  // the program's own drawing, a resource path
};

Names names(Action action);

// The theme's picture under the first name it has, else the program's own.
QIcon icon(Action action);

// The application's icon: the installed one of the desktop's theme (named by the application
// id), else the program's own drawing.
QIcon application();

} // namespace Icons
