#pragma once

#include <QString>

class QComboBox;
class Session;

// PopulateDropDown: the client drop-downs of the main window. Each item is a company name with
// its ClientID as item data (Qt::UserRole). A list with no client chosen has no current item
// and reads "Select Company": as its edit text when it is editable, as its placeholder
// otherwise.
namespace ClientDropDown {

inline const QString kSelectCompany = QStringLiteral("Select Company");

enum class Clients {
    All,          // every client of the current identity
    WithInvoices, // only those with at least one invoice (the invoice list's choice)
};

// A client list as wide as `characters` average characters, whatever its names: measuring a
// thousand names to size the closed box cost more than the rest of start-up together. The open
// list still widens to show its longest name.
void setWidthInCharacters(QComboBox* list, int characters);

// Refills `list` with the current identity's clients in company order and leaves no client
// chosen. Does nothing for a null list. The list's signals are held back while it fills.
// When the clients cannot be read the list is left empty, the user is told why, and the
// result is false.
bool populate(QComboBox* list, const Session& session, Clients which = Clients::All);

// Refills after a change made elsewhere, keeping the chosen client chosen while it is still
// listed. Returns whether a client is chosen afterwards.
bool refresh(QComboBox* list, const Session& session, Clients which = Clients::All);

// No client chosen: no current item and the text "Select Company".
void showNoChoice(QComboBox* list);

// The item the list shows, or -1: the current item, as long as the text has not been typed
// over with something else.
int chosenIndex(const QComboBox* list);

} // namespace ClientDropDown
