#pragma once

#include <QPushButton>

// A button carrying the program's name for it and an accessible name equal to its caption.
// It never becomes the default button, so Enter in a field does not press it.
inline QPushButton* namedButton(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(caption);
    button->setAutoDefault(false);
    return button;
}
