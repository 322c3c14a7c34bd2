#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The faults of a form's fields, collected as lines to show at once, and the first field at
// fault, to take the focus. An empty value is not checked: the field is optional.
struct FieldFaults {
    QStringList lines;
    QWidget* first = nullptr;

    // `fault(value)` gives the line saying what is wrong, or an empty text.
    template <typename Fault> void check(QWidget* field, const QString& value, Fault&& fault)
    {
        if (value.isEmpty())
            return;
        if (const QString line = fault(value); !line.isEmpty()) {
            lines << line;
            if (!first)
                first = field;
        }
    }
};
