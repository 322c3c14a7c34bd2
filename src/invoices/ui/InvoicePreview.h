#pragma once

#include "layout/LayoutRecord.h"
#include "printing/InvoicePage.h"

#include <QWidget>
#include <functional>

class QLabel;
class QPrinter;
class QScrollArea;
class QToolButton;
class Session;

// The printed invoice on screen: the laid-out page at a zoom the user chooses, with Print...
// and Save as PDF.... Modeless and owned by the main window; one window shows one invoice at a
// time and is reused (laid out afresh) for the next.
class InvoicePreview : public QWidget {
    Q_OBJECT
public:
    // Lets the user choose a printer and its settings; false when cancelled. Tests put their
    // own in place of the print dialog.
    using PrintDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;

    static constexpr double kMinZoom = 0.25;
    static constexpr double kMaxZoom = 4.0;

    explicit InvoicePreview(Session& session, QWidget* parent = nullptr);

    // Reads the invoice, its client and the current identity's layout, lays the page out and
    // shows it. An invoice or client that no longer exists, or a database failure, is reported
    // and no window is shown; false then.
    bool showInvoice(int invoiceId);

    int invoiceId() const { return m_sheet.invoiceId; }
    const InvoicePage::Layout& pageLayout() const { return m_layout; }

    double zoom() const { return m_zoom; }
    void setZoom(double zoom);
    void zoomIn();
    void zoomOut();
    void fitWidth();
    void fitPage();

    void print();
    void saveAsPdf();
    // The invoice as an e-invoice, in the format the save dialog's filter chooses (the one
    // chosen last time to begin with).
    void saveAsEInvoice();
    // The shown invoice to its client through the desktop's mail program.
    void sendByEmail();

    void setPrintDialog(PrintDialog dialog) { m_printDialog = std::move(dialog); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    class PageView;

    LayoutRecord layoutRecord(int identity);
    void showLayout();
    void setFit(bool width, bool page);
    void applyFit();

    Session& m_session;
    InvoiceSheet m_sheet;
    LayoutRecord m_record;
    InvoicePage::Layout m_layout;
    double m_zoom = 1.0;
    bool m_fitWidth = true; // the zoom follows the window's width until the user sets one
    bool m_fitPage = false;
    PrintDialog m_printDialog;

    QLabel* m_notice = nullptr;
    QLabel* m_zoomText = nullptr;
    QScrollArea* m_scroll = nullptr;
    PageView* m_view = nullptr;
};
