#include "layout/ui/LayoutPreview.h"

#include "core/ui/Mnemonics.h"
#include "core/ui/NamedWidgets.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cmath>

namespace {

constexpr int kPagePixels = 794; // an A4 page's width at 96 dots an inch

} // namespace

class LayoutPreview::Page : public QWidget {
public:
    explicit Page(const InvoicePage::Layout& layout, QWidget* parent)
        : QWidget(parent)
        , m_layout(layout)
    {
        setObjectName(QStringLiteral("pageView"));
        setAccessibleName(LayoutPreview::tr("Invoice page"));
        const QSize twips = layout.pageSize;
        setFixedSize(kPagePixels,
                     int(std::lround(double(kPagePixels) * twips.height() / twips.width())));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        // The page is scaled to the widget's width from its real size on this screen.
        const double real = m_layout.pageSize.width() * logicalDpiX() / 1440.0;
        InvoicePage::paint(painter, m_layout, 0, real > 0 ? width() / real : 1.0);
    }

private:
    const InvoicePage::Layout& m_layout;
};

LayoutPreview::LayoutPreview(InvoicePage::Layout layout, QWidget* parent)
    : QDialog(parent)
    , m_layout(std::move(layout))
{
    setObjectName(QStringLiteral("DataReport3"));
    setWindowTitle(tr("Invoice"));
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrollPage"));
    scroll->setBackgroundRole(QPalette::Dark);
    scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll->setWidget(new Page(m_layout, scroll));
    auto* close = namedButton(QStringLiteral("cmdClose"), tr("Close"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* bar = new QHBoxLayout;
    bar->addStretch(1);
    bar->addWidget(close);
    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->addWidget(scroll, 1);
    layoutBox->addLayout(bar);
    resize(kPagePixels + 60, 900);
    Mnemonics::give(this);
}
