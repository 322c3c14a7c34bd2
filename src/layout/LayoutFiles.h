#pragma once

#include "layout/LayoutRecord.h"

#include <QString>
#include <optional>

class Database;

// Making sure an identity has its layout file, and the few changes made to layout files from
// outside the designer.
namespace LayoutFiles {

inline const QString kSharedLayoutFile = QStringLiteral("Layout.set");

// The starting layout of an identity: the designer's first arrangement with the identity's
// TblUserData settings applied. nullopt when there is no such row.
std::optional<LayoutRecord> defaultLayout(Database& db, int identity);

// Width in twips of the text logo sized to its caption in its font and style, as measured on a
// 96-DPI screen (15 twips a pixel), with a pixel a side for its thin box. 0 without a GUI
// application (fonts cannot be measured then).
int textLogoWidthTwips(const LayoutRecord& record);

// Writes <identity>.dat for every row of Layout.set with exactly that row's values, except for
// identities that already have one (a file written since is newer than the shared one). A column
// the file lacks, or a NULL, leaves its field zero. Layout.set is left as it is.
bool convertSharedLayout(const QString& dataFolder, QString* error = nullptr);

// At start-up: when the identity has no layout file, converts Layout.set if there is one, and
// builds the default layout if there is still none. A start with the file present reads neither
// source. With no identity (0) nothing is written: there is no row to build a layout from.
// A Layout.set that cannot be read is reported and no default is written over its place, so
// the user can still recover the shared layout.
bool ensureForIdentity(Database& db, const QString& dataFolder, int identity,
                       QString* error = nullptr);

// Makes the VAT setting the identity's default: VatReg in its own layout file (which sets the
// Add VAT box at start-up), and in its row of Layout.set when that file exists (which a later
// conversion reads). Other rows and fields are kept.
bool saveVatDefault(const QString& dataFolder, int identity, bool vatRegistered,
                    QString* error = nullptr);

} // namespace LayoutFiles
