#pragma once

#include <QFormLayout>
#include <QLabel>
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

// A labelled row of a form: the field carries the program's name for it, the label is its buddy
// and the caption its accessible name.
template <typename Field>
Field* addNamedRow(QFormLayout* form, const char* name, const QString& caption, Field* field)
{
    auto* label = new QLabel(caption, form->parentWidget());
    field->setObjectName(QLatin1String(name));
    field->setAccessibleName(caption);
    label->setBuddy(field);
    form->addRow(label, field);
    return field;
}
