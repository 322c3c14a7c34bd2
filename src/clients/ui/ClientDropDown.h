#pragma once

#include <QComboBox>
#include <QCoreApplication>
#include <QString>
#include <functional>

class Session;

// PopulateDropDown: the client drop-downs of the main window. Each item is a company name with
// its ClientID as item data (Qt::UserRole). A list with no client chosen has no current item
// and reads "Select Company": as its edit text when it is editable, as its placeholder
// otherwise.
namespace ClientDropDown {

inline constexpr const char* kSelectCompany = QT_TRANSLATE_NOOP("ClientDropDown", "Select Company");

// kSelectCompany in the user's language: what a list with no client chosen reads.
QString noChoiceText();

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

// A client drop-down that reads its clients when it is first used rather than whenever they
// change: start-up and a change of identity cost nothing until the user opens, focuses,
// scrolls or types in the list. Reading a thousand names was the largest cost of start-up.
class LazyClientList final : public QComboBox {
public:
    // `fill` refills the list (ClientDropDown::populate, say), leaving no client chosen.
    LazyClientList(std::function<void(QComboBox*)> fill, QWidget* parent = nullptr);

    // The clients have changed. A list in use (focused or open) refills at once; otherwise it
    // is emptied, so that no client of the old list can be chosen, and refills at its next use.
    void invalidate();
    // Refills now if the clients changed since the last fill.
    void ensureFilled();
    bool isStale() const { return m_stale; }

    void showPopup() override;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    std::function<void(QComboBox*)> m_fill;
    bool m_stale = true;
};
