#pragma once

#include "layout/DesignerRules.h"

#include <QFrame>

// One of the layout designer's three sections of the page (header, body, footer), drawn at true
// scale: the elements dropped on it are placed by its rules.
class DesignerSection : public QFrame {
    Q_OBJECT
public:
    DesignerSection(DesignerRules::Section section, const char* name, const QString& caption,
                    int heightTwips, QWidget* parent);

    DesignerRules::Section section() const { return m_section; }

private:
    DesignerRules::Section m_section;
};
