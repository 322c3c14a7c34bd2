#include "layout/ui/DesignerSection.h"

DesignerSection::DesignerSection(DesignerRules::Section section, const char* name,
                                 const QString& caption, int heightTwips, QWidget* parent)
    : QFrame(parent)
    , m_section(section)
{
    setObjectName(QLatin1String(name));
    setAccessibleName(caption); // its tab's caption
    setFixedSize(DesignerRules::toPixels(DesignerRules::kSectionWidth),
                 DesignerRules::toPixels(heightTwips));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, palette().color(QPalette::Base));
    setPalette(p);
}
