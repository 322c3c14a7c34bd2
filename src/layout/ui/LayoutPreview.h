#pragma once

#include "printing/InvoicePage.h"

#include <QDialog>

// The designer's sample invoice, drawn by the invoice page painter as wide as the window.
class LayoutPreview : public QDialog {
    Q_OBJECT
public:
    explicit LayoutPreview(InvoicePage::Layout layout, QWidget* parent = nullptr);

    const InvoicePage::Layout& pageLayout() const { return m_layout; }

private:
    class Page;
    InvoicePage::Layout m_layout;
};
