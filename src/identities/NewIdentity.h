#pragma once

#include "core/Result.h"
#include "layout/LayoutRecord.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

class Database;
class SharedFiles;

// Adding a trading identity: its TblUserData row, its layout file and, when its numbering is
// to start above 1, the starting invoice row its first invoice follows.
namespace NewIdentity {

// A name longer than this is refused: it is the text logo's column size in Layout.set, and the
// name is printed as the text logo on one line.
inline constexpr int kMaxNameLength = 100;
// The starting row holds the number before the first one; numbers up to this are taken.
inline constexpr qint64 kMaxStartNumber = 999'999'999;

inline constexpr const char* kNameMissing =
    QT_TRANSLATE_NOOP("NewIdentity", "You must enter the Company Name");
inline constexpr const char* kNameExists =
    QT_TRANSLATE_NOOP("NewIdentity", "That Identity already exists");

struct Request {
    QString name;        // as typed: surrounding blanks are dropped
    QString startNumber; // as typed: the number the first invoice is to have
};

struct Created {
    int identity = 0;
    QString startingRow; // InvoiceNumber of the starting row ("01000"); empty without one
};

// Why nothing was stored, as the user is told; empty when something was. A failure of the
// database or the file is a Failure instead.
struct Outcome {
    // The field the refusal is about, where the user is taken to mend it.
    enum class Field { None, Name, StartNumber };
    QString refusal;
    Created created;
    Field field = Field::None;
    bool ok() const { return refusal.isEmpty(); }
};

// The name as it is stored and compared: trimmed, without single quotes (O'Hara -> OHara).
QString storedName(const QString& typed);

// The number of the starting row from the typed start number S: "0" + (S - 1), S rounded to a
// whole number (halves to even), read with '.' as the point or else in the locale's number form.
// nullopt when no row is wanted: an empty or non-numeric text, or S below 2.
std::optional<QString> startingRowNumber(const QString& typed, const QLocale& locale);

// The layout a new identity copies: that of the identity current until now, as its file holds
// it, or the designer's first arrangement when it has no readable file.
LayoutRecord baseLayout(const SharedFiles& files, int currentIdentity);

// The new identity's layout: `base` (the layout the designer shows for the identity current
// until now) with its own name as text logo, no picture logo, the divider line shown, not
// VAT-registered and rate 0.
LayoutRecord layoutFor(const LayoutRecord& base, const QString& trimmedName, int identity);

// Checks and stores the new identity. The rows are written in one transaction and the layout
// file (<identity>.dat, atomically) before it commits; when anything fails, the rows are rolled
// back and the file is removed (or, if one was there, put back), so nothing is left behind. On
// a server the file is a row written in the same transaction.
Result<Outcome> create(Database& db, SharedFiles& files, const Request& request,
                       const LayoutRecord& base, QDate today, const QLocale& locale);

} // namespace NewIdentity
