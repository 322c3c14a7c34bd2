#include "invoices/ui/InvoicePreview.h"

#include "core/Clock.h"
#include "core/Prompter.h"
#include "core/ui/Mnemonics.h"
#include "core/ui/NamedWidgets.h"
#include "core/ui/Session.h"
#include "einvoice/EInvoiceExport.h"
#include "einvoice/EInvoiceFile.h"
#include "invoices/ui/InvoiceMailing.h"
#include "layout/LayoutFiles.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <cmath>

namespace {

// The user's preference: the e-invoice format saved last.
const QString kEInvoiceFormatKey = QStringLiteral("einvoice/format");
constexpr int kGapPixels = 16; // around and between the pages on screen
constexpr double kZoomStep = 1.25;

constexpr const char* kPrinterError = QT_TRANSLATE_NOOP("InvoicePreview", "Printer Error");

bool runPrintDialog(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("InvoicePreview", "Print Invoice"));
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

// The pages one under another on a grey desk, drawn by the invoice page painter at the zoom.
class InvoicePreview::PageView : public QWidget {
public:
    explicit PageView(InvoicePreview& preview)
        : m_preview(preview)
    {
        setObjectName(QStringLiteral("pageView"));
        setAccessibleName(QCoreApplication::translate("InvoicePreview", "Invoice page"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    // Device pixels per twip at zoom 1.
    double pixelsPerTwip() const { return logicalDpiX() / double(InvoicePage::kTwipsPerInch); }

    QSize pageSize(double zoom) const
    {
        const QSize twips = m_preview.m_layout.pageSize;
        const double f = pixelsPerTwip() * zoom;
        return {int(std::lround(twips.width() * f)),
                int(std::lround(twips.height() * logicalDpiY() / 1440.0 * zoom))};
    }

    void refresh()
    {
        const QSize page = pageSize(m_preview.m_zoom);
        const int pages = int(m_preview.m_layout.pages.size());
        resize(page.width() + 2 * kGapPixels, pages * (page.height() + kGapPixels) + kGapPixels);
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), palette().color(QPalette::Dark));
        const QSize page = pageSize(m_preview.m_zoom);
        const auto& pages = m_preview.m_layout.pages;
        for (int i = 0; i < int(pages.size()); ++i) {
            const QRect r(kGapPixels, kGapPixels + i * (page.height() + kGapPixels), page.width(),
                          page.height());
            if (!r.intersects(event->rect()))
                continue;
            painter.fillRect(r, Qt::white);
            painter.setPen(palette().color(QPalette::Shadow));
            painter.drawRect(r.adjusted(-1, -1, 0, 0));
            painter.save();
            painter.setClipRect(r);
            painter.translate(r.topLeft());
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            InvoicePage::paint(painter, m_preview.m_layout, i, m_preview.m_zoom);
            painter.restore();
        }
    }

private:
    InvoicePreview& m_preview;
};

InvoicePreview::InvoicePreview(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_session(session)
    , m_printDialog(runPrintDialog)
{
    setObjectName(QStringLiteral("DataReport1"));

    auto* bar = new QHBoxLayout;
    auto addButton = [&](const char* name, const QString& caption, const QString& tip, auto slot) {
        QPushButton* b = namedButton(QLatin1String(name), caption, this);
        b->setToolTip(tip);
        connect(b, &QPushButton::clicked, this, slot);
        bar->addWidget(b);
    };
    addButton("cmdPrint", tr("Print..."), tr("Print the invoice (Ctrl+P)"), &InvoicePreview::print);
    addButton("cmdSavePdf", tr("Save as PDF..."), tr("Save the invoice as a PDF file (Ctrl+S)"),
              &InvoicePreview::saveAsPdf);
    addButton("cmdSaveEInvoice", tr("Save as e-invoice..."),
              tr("Save the invoice as an e-invoice: Factur-X, XRechnung or UBL"),
              &InvoicePreview::saveAsEInvoice);
    addButton("cmdSendEmail", tr("Send by E-mail..."),
              tr("Send the invoice to the client with your mail program"),
              &InvoicePreview::sendByEmail);
    bar->addSpacing(12);
    addButton("cmdZoomOut", tr("Zoom Out"), tr("Ctrl+-"), &InvoicePreview::zoomOut);
    m_zoomText = new QLabel(this);
    m_zoomText->setObjectName(QStringLiteral("lblZoom"));
    m_zoomText->setAlignment(Qt::AlignCenter);
    m_zoomText->setMinimumWidth(
        m_zoomText->fontMetrics().horizontalAdvance(QStringLiteral("0000%")));
    bar->addWidget(m_zoomText);
    addButton("cmdZoomIn", tr("Zoom In"), tr("Ctrl++"), &InvoicePreview::zoomIn);
    addButton("cmdFitWidth", tr("Fit Width"), {}, &InvoicePreview::fitWidth);
    addButton("cmdFitPage", tr("Fit Page"), {}, &InvoicePreview::fitPage);
    bar->addStretch(1);
    addButton("cmdClose", tr("Close"), tr("Esc"), &QWidget::close);

    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("lblNotice"));
    m_notice->setWordWrap(true);
    m_notice->setFrameShape(QFrame::StyledPanel);
    m_notice->setMargin(6);
    m_notice->hide();

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("scrollPage"));
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_view = new PageView(*this);
    m_scroll->setWidget(m_view);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_notice);
    layout->addWidget(m_scroll, 1);

    const auto shortcut = [this](const QKeySequence& keys, auto slot) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence::Print, &InvoicePreview::print);
    shortcut(QKeySequence::Save, &InvoicePreview::saveAsPdf);
    shortcut(QKeySequence::ZoomIn, &InvoicePreview::zoomIn);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), &InvoicePreview::zoomIn);
    shortcut(QKeySequence::ZoomOut, &InvoicePreview::zoomOut);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { setZoom(1.0); });
    shortcut(QKeySequence(Qt::Key_Escape), &QWidget::close);

    // An A4 page, as tall as most of the screen allows.
    const QRect screen = QGuiApplication::primaryScreen()
                             ? QGuiApplication::primaryScreen()->availableGeometry()
                             : QRect(0, 0, 1024, 768);
    const int height = screen.height() * 9 / 10;
    resize(std::min(screen.width() * 9 / 10, height * 4 / 5), height);
    Mnemonics::give(this);
}

bool InvoicePreview::showInvoice(int invoiceId)
{
    Result<InvoiceSheet> sheet = InvoicePage::loadSheet(m_session.db(), invoiceId);
    if (!sheet) {
        m_session.prompter().inform(sheet.error(), {}, Prompter::Icon::Warning);
        return false;
    }
    m_sheet = *sheet;
    m_record = layoutRecord(m_sheet.identity);
    m_layout = InvoicePage::layOut(m_record, m_sheet, m_session.locale(), &m_session.files(),
                                   InvoicePage::paperTextColour());
    showLayout();
    show();
    raise();
    activateWindow();
    return true;
}

// A damaged layout file is reported and left as it is, and the invoice shown with the layout a
// new identity starts with.
LayoutRecord InvoicePreview::layoutRecord(int identity)
{
    Result<LayoutRecord> record =
        InvoicePage::identityLayout(m_session.db(), m_session.files(), identity);
    if (record)
        return *record;
    Prompter& prompter = m_session.prompter();
    prompter.inform(record.error() + tr("\nThe invoice is shown with the default layout."), {},
                    Prompter::Icon::Warning);
    record = LayoutFiles::defaultLayout(m_session.db(), identity);
    if (record)
        return *record;
    prompter.inform(record.error(), {}, Prompter::Icon::Warning);
    return LayoutRecord::designerDefaults();
}

void InvoicePreview::showLayout()
{
    setWindowTitle(m_layout.title);
    m_notice->setText(m_layout.notice);
    m_notice->setVisible(!m_layout.notice.isEmpty());
    applyFit();
    m_view->refresh();
    m_scroll->verticalScrollBar()->setValue(0);
}

void InvoicePreview::setZoom(double zoom)
{
    m_fitWidth = m_fitPage = false;
    m_zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    m_zoomText->setText(QStringLiteral("%1%").arg(std::lround(m_zoom * 100)));
    m_view->refresh();
}

void InvoicePreview::zoomIn()
{
    setZoom(m_zoom * kZoomStep);
}

void InvoicePreview::zoomOut()
{
    setZoom(m_zoom / kZoomStep);
}

void InvoicePreview::fitWidth()
{
    setFit(true, false);
}

void InvoicePreview::fitPage()
{
    setFit(false, true);
}

void InvoicePreview::setFit(bool width, bool page)
{
    m_fitWidth = width;
    m_fitPage = page;
    applyFit();
    m_view->refresh();
}

// Follows the window's size while a fit is chosen.
void InvoicePreview::applyFit()
{
    if (!m_fitWidth && !m_fitPage)
        return;
    const QSize one = m_view->pageSize(1.0);
    const QSize room = m_scroll->viewport()->size() - QSize(2 * kGapPixels, 2 * kGapPixels);
    if (one.isEmpty() || room.isEmpty())
        return;
    // Fitting the width leaves room for the vertical scroll bar the long page brings.
    const int scrollBar = m_fitWidth ? m_scroll->verticalScrollBar()->sizeHint().width() : 0;
    double zoom = double(room.width() - scrollBar) / one.width();
    if (m_fitPage)
        zoom = std::min(zoom, double(room.height()) / one.height());
    m_zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    m_zoomText->setText(QStringLiteral("%1%").arg(std::lround(m_zoom * 100)));
}

void InvoicePreview::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_fitWidth || m_fitPage) {
        applyFit();
        m_view->refresh();
    }
}

void InvoicePreview::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_layout.title);
    printer.setCreator(m_layout.creator);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true); // the layout places everything from the paper's corner
    if (!m_printDialog(printer, this))
        return;

    // The page is A4 unless the chosen printer's paper says otherwise.
    const QSizeF points = printer.pageLayout().fullRect(QPageLayout::Point).size();
    const QSize twips(int(std::lround(points.width() * 20)),
                      int(std::lround(points.height() * 20)));
    const InvoicePage::Layout layout =
        twips == m_layout.pageSize
            ? m_layout
            : InvoicePage::layOut(m_record, m_sheet, m_session.locale(), &m_session.files(),
                                  InvoicePage::paperTextColour(), twips);

    QPainter painter;
    bool ok = painter.begin(&printer);
    for (int i = 0; ok && i < int(layout.pages.size()); ++i) {
        if (i > 0)
            ok = printer.newPage();
        if (ok)
            InvoicePage::paint(painter, layout, i);
    }
    if (painter.isActive())
        ok = painter.end() && ok;
    if (!ok || printer.printerState() == QPrinter::Error)
        m_session.prompter().inform(tr(kPrinterError), {}, Prompter::Icon::Warning);
}

void InvoicePreview::saveAsPdf()
{
    Prompter::FileRequest request;
    request.title = tr("Save Invoice as PDF");
    request.folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    request.fileName = tr("Invoice %1.pdf").arg(m_sheet.invoiceNumber);
    request.filters = {tr("PDF files (*.pdf)")};
    std::optional<QString> path = m_session.prompter().saveFileName(request);
    if (!path || path->isEmpty())
        return;
    if (!path->endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        *path += QStringLiteral(".pdf");
    if (const Status written = InvoicePage::writePdf(m_layout, *path); !written)
        m_session.prompter().inform(written.error(), {}, Prompter::Icon::Warning);
}

void InvoicePreview::saveAsEInvoice()
{
    Preferences& preferences = m_session.preferences();
    EInvoice::Format format = EInvoiceExport::formatNamed(preferences.value(kEInvoiceFormatKey))
                                  .value_or(EInvoice::Format::FacturX);
    Prompter::FileRequest request;
    request.title = tr("Save Invoice as E-invoice");
    request.folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    request.fileName =
        tr("Invoice %1").arg(m_sheet.invoiceNumber) + u'.' + EInvoiceFile::suffix(format);
    request.filters = EInvoiceFile::filters();
    const std::optional<Prompter::SavedFile> saved =
        m_session.prompter().saveFileAs(request, EInvoiceFile::filter(format));
    if (!saved || saved->path.isEmpty())
        return;
    format = EInvoiceFile::formatOfFilter(saved->filter).value_or(format);
    // Only a convenience: a choice that cannot be kept is asked for again next time.
    (void)preferences.setValue(kEInvoiceFormatKey, EInvoiceExport::nameOf(format));
    QString path = saved->path;
    if (const QString suffix = u'.' + EInvoiceFile::suffix(format);
        !path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    const Status written =
        EInvoiceExport::write(m_session.db(), {m_sheet, m_record, m_layout},
                              m_session.locale().locale(), format, m_session.clock().now(), path);
    if (!written)
        m_session.prompter().inform(written.error(), {}, Prompter::Icon::Warning);
}

void InvoicePreview::sendByEmail()
{
    InvoiceMailing::send(m_session, m_sheet.invoiceId);
}
