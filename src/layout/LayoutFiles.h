#pragma once

#include "core/Result.h"
#include "layout/LayoutRecord.h"

#include <QString>

class Database;
class SharedFiles;

// Making sure an identity has its layout file, and the few changes made to layout files from
// outside the designer.
namespace LayoutFiles {

inline const QString kSharedLayoutFile = QStringLiteral("Layout.set");

// The starting layout of an identity: the designer's first arrangement with the identity's
// TblUserData settings applied. With no identity yet (0) and no row for it, the settings are
// taken as all NULL. A failed query, or another identity without a row, is a Failure.
Result<LayoutRecord> defaultLayout(Database& db, int identity);

// Width in twips of the text logo sized to its caption in its font and style, as measured on a
// 96-DPI screen (15 twips a pixel), with a pixel a side for its thin box. 0 without a GUI
// application (fonts cannot be measured then).
int textLogoWidthTwips(const LayoutRecord& record);

// Writes <identity>.dat for every row of Layout.set with exactly that row's values, except for
// identities that already have one (a file written since is newer than the shared one). A column
// the file lacks, or a NULL, leaves its field zero. A damaged row (LayoutRecord::damage) is not
// converted, nor is a file that cannot be written: the other rows are, and false reports each
// such row. Layout.set is left as it is.
bool convertSharedLayout(SharedFiles& files, QString* error = nullptr);

// At start-up: when the identity has no layout file, converts Layout.set if there is one, and
// builds the default layout if there is still none, so that afterwards the identity always has
// its file (identity 0, when there is none yet, included). A start with the file present reads
// neither source. A Layout.set that cannot be read or holds a damaged row for the identity is
// left as it is and reported (false with the reasons), and the default layout is written; false
// also when the file cannot be written.
bool ensureForIdentity(Database& db, SharedFiles& files, int identity, QString* error = nullptr);

// The shared file a layout's logo name stands for: the name itself, or, for a layout of an
// earlier installation that stored a full path ("C:\Logos\acme.bmp"), the file name alone
// (the designer copies logos into the books).
QString logoFileName(const QString& name);
// The bytes of the logo a layout names; nullopt when the books hold no such file.
Result<std::optional<QByteArray>> readLogo(const SharedFiles& files, const QString& name);

// Makes the VAT setting the identity's default: VatReg in its own layout file (which sets the
// Add VAT box at start-up), and in its row of Layout.set when that file exists (which a later
// conversion reads). Other rows and fields are kept. The two files change together or not at
// all (SharedFiles::writeTogether). False with the reason when a file cannot be read or
// written, or when neither holds the identity.
bool saveVatDefault(SharedFiles& files, int identity, bool vatRegistered, QString* error = nullptr);

} // namespace LayoutFiles
