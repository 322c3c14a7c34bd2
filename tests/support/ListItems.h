#pragma once

#include <QComboBox>
#include <QStringList>

// The items of a drop-down as the user sees them on opening it: client lists read their
// clients when they are first opened.
inline QStringList openedItems(QComboBox* list)
{
    list->showPopup();
    list->hidePopup();
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}
