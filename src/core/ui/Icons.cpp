#include "core/ui/Icons.h"

namespace Icons {

Names names(Action action)
{
    switch (action) {
    case Action::Help:
        return {{QStringLiteral("help-contents"), QStringLiteral("help-browser")},
                QStringLiteral(":/icons/help.svg")};
    case Action::Update:
        return {{QStringLiteral("system-software-update"), QStringLiteral("view-refresh")},
                QStringLiteral(":/icons/update.svg")};
    case Action::Restore:
        return {{QStringLiteral("document-revert"), QStringLiteral("edit-undo")},
                QStringLiteral(":/icons/restore.svg")};
    case Action::BackUp:
        return {{QStringLiteral("document-save")}, QStringLiteral(":/icons/backup.svg")};
    case Action::AddIdentity:
        return {{QStringLiteral("contact-new")}, QStringLiteral(":/icons/add-identity.svg")};
    case Action::SwitchIdentity:
        return {{QStringLiteral("system-users")}, QStringLiteral(":/icons/switch-identity.svg")};
    case Action::Calculator:
        return {{QStringLiteral("accessories-calculator")},
                QStringLiteral(":/icons/calculator.svg")};
    case Action::Envelope:
        return {{QStringLiteral("mail-send"), QStringLiteral("mail-message-new")},
                QStringLiteral(":/icons/envelope.svg")};
    case Action::Csv:
        return {{QStringLiteral("text-csv"), QStringLiteral("text-x-generic")},
                QStringLiteral(":/icons/csv.svg")};
    case Action::Spreadsheet:
        return {{QStringLiteral("x-office-spreadsheet")},
                QStringLiteral(":/icons/spreadsheet.svg")};
    }
    return {};
}

QIcon icon(Action action)
{
    const Names n = names(action);
    for (const QString& name : n.theme) {
        if (QIcon::hasThemeIcon(name))
            return QIcon::fromTheme(name);
    }
    return QIcon(n.fallback);
}

QIcon application()
{
    const QString id = QStringLiteral(BILLCRAFT_APP_ID);
    if (QIcon::hasThemeIcon(id))
        return QIcon::fromTheme(id);
    return QIcon(QStringLiteral(":/icons/billcraft.svg"));
}

} // namespace Icons
