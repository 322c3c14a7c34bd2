#include "clients/ui/ClientDropDown.h"

#include "clients/ClientStore.h"
#include "core/Prompter.h"
#include "core/ui/Session.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStandardItemModel>

namespace ClientDropDown {

namespace {

bool holds(const QComboBox* list, const QList<ClientItem>& items)
{
    if (list->count() != items.size())
        return false;
    for (int i = 0; i < items.size(); ++i) {
        if (list->itemText(i) != items[i].company ||
            list->itemData(i) != QVariant(items[i].clientId))
            return false;
    }
    return true;
}

// The items added to the list's model at once, as addItem would add them one by one: a
// thousand single insertions cost more than reading the clients.
void fill(QComboBox* list, const QList<ClientItem>& items)
{
    auto* model = qobject_cast<QStandardItemModel*>(list->model());
    if (!model || model->columnCount() != 1) {
        for (const ClientItem& item : items)
            list->addItem(item.company, item.clientId);
        return;
    }
    QList<QStandardItem*> rows;
    rows.reserve(items.size());
    for (const ClientItem& item : items) {
        auto* row = new QStandardItem(item.company);
        row->setData(item.clientId, Qt::UserRole);
        rows << row;
    }
    model->invisibleRootItem()->appendRows(rows);
}

} // namespace

bool populate(QComboBox* list, const Session& session, Clients which)
{
    if (!list)
        return false;
    const ClientStore store(session.db(), session.locale().locale());
    const Result<QList<ClientItem>> items = store.dropDownItems(
        session.currentIdentity(),
        which == Clients::All ? ClientStore::Items::All : ClientStore::Items::WithInvoices);
    {
        const QSignalBlocker quiet(list);
        if (items && holds(list, *items)) {
            // Refilled with what it holds (the entry reset after every tab change, a list
            // after a save): a thousand items rebuilt cost more than they are compared.
            list->setCurrentIndex(-1);
        } else {
            list->clear();
            fill(list, items.ok() ? *items : QList<ClientItem>());
        }
    }
    showNoChoice(list);
    if (!items) // an empty list must not pass for an identity without clients
        session.prompter().inform(
            QCoreApplication::translate("ClientDropDown", "The client list could not be read.\n") +
                items.error(),
            {}, Prompter::Icon::Warning);
    return items.ok();
}

bool refresh(QComboBox* list, const Session& session, Clients which)
{
    if (!list)
        return false;
    const int chosen = chosenIndex(list);
    const QVariant client = chosen >= 0 ? list->itemData(chosen) : QVariant();
    populate(list, session, which);
    const int index = client.isValid() ? list->findData(client) : -1;
    if (index >= 0) {
        const QSignalBlocker quiet(list);
        list->setCurrentIndex(index);
    }
    return index >= 0;
}

void setWidthInCharacters(QComboBox* list, int characters)
{
    list->setMinimumContentsLength(characters);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

void showNoChoice(QComboBox* list)
{
    if (!list)
        return;
    list->setCurrentIndex(-1);
    if (list->isEditable())
        list->setEditText(noChoiceText());
    else
        list->setPlaceholderText(noChoiceText());
}

QString noChoiceText()
{
    return QCoreApplication::translate("ClientDropDown", kSelectCompany);
}

int chosenIndex(const QComboBox* list)
{
    const int index = list->currentIndex();
    if (index < 0 || (list->isEditable() && list->itemText(index) != list->currentText()))
        return -1;
    return index;
}

} // namespace ClientDropDown

LazyClientList::LazyClientList(std::function<void(QComboBox*)> fill, QWidget* parent)
    : QComboBox(parent)
    , m_fill(std::move(fill))
{}

void LazyClientList::invalidate()
{
    if (hasFocus() || view()->isVisible()) {
        m_stale = true;
        ensureFilled();
        return;
    }
    {
        const QSignalBlocker quiet(this);
        clear();
    }
    ClientDropDown::showNoChoice(this);
    m_stale = true;
}

void LazyClientList::ensureFilled()
{
    if (!m_stale)
        return;
    // Cleared first: a fill that reports an error opens a message box, whose focus changes
    // must not start a second fill.
    m_stale = false;
    // A key that starts the fill must land in the text as the user left it, not in the
    // "Select Company" the fill puts back.
    QLineEdit* edit = lineEdit();
    const QString typed = edit ? edit->text() : QString();
    const int selectionStart = edit ? edit->selectionStart() : -1;
    const int selectionLength = edit ? int(edit->selectedText().size()) : 0;
    const int cursor = edit ? edit->cursorPosition() : 0;
    m_fill(this);
    if (edit) {
        edit->setText(typed);
        if (selectionStart >= 0)
            edit->setSelection(selectionStart, selectionLength);
        else
            edit->setCursorPosition(cursor);
    }
}

void LazyClientList::showPopup()
{
    ensureFilled();
    QComboBox::showPopup();
}

void LazyClientList::focusInEvent(QFocusEvent* event)
{
    ensureFilled();
    QComboBox::focusInEvent(event);
}

void LazyClientList::keyPressEvent(QKeyEvent* event)
{
    ensureFilled();
    QComboBox::keyPressEvent(event);
}

void LazyClientList::wheelEvent(QWheelEvent* event)
{
    ensureFilled();
    QComboBox::wheelEvent(event);
}
