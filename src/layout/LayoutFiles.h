#pragma once

#include "layout/LayoutRecord.h"

#include <QString>
#include <optional>

class Database;

// Making sure an identity has its layout file, and the few changes made to layout files from
// outside the designer.
namespace LayoutFiles {

inline const QString kSharedLayoutFile = QStringLiteral("Layout.set");

// The designer's first arrangement of the page, before any identity setting is applied.
LayoutRecord designerDefaults();

// The starting layout of an identity from its TblUserData row. nullopt when there is no row.
std::optional<LayoutRecord> defaultLayout(Database& db, int identity);

// Width in twips of the text logo sized to its caption in its font (with its thin box).
int textLogoWidthTwips(const LayoutRecord& record);

// Writes <identity>.dat for every row of Layout.set, except identities that already have one
// (a file written since is newer than the shared one). Layout.set is left as it is.
bool convertSharedLayout(const QString& dataFolder, QString* error = nullptr);

// At start-up: when the identity has no layout file, converts Layout.set if there is one, and
// builds the default layout if there is still none. With no identity (0) there is nothing to do.
bool ensureForIdentity(Database& db, const QString& dataFolder, int identity,
                       QString* error = nullptr);

// Makes the VAT setting the identity's default: in its own layout file, and in its row of
// Layout.set when that file exists.
bool saveVatDefault(const QString& dataFolder, int identity, bool vatRegistered,
                    QString* error = nullptr);

} // namespace LayoutFiles
