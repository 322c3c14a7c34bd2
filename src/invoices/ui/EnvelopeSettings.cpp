#include "invoices/ui/EnvelopeSettings.h"

#include "core/ui/PictureButton.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QPrinterInfo>
#include <QStyle>

EnvelopeSettings::EnvelopeSettings(QWidget* parent)
    : QGroupBox(QStringLiteral("Envelope Settings"), parent)
{
    setObjectName(QStringLiteral("fraPrintSettings"));
    setAccessibleName(title());

    m_print = new PictureButton(QStringLiteral("picPrintEnvelopes"), Icons::Action::Envelope,
                                QStringLiteral("Print Envelope"), {}, this);
    m_print->setEnabled(false); // envelope printing arrives with its own window

    m_printers = new QComboBox(this);
    m_printers->setObjectName(QStringLiteral("cboPrinters"));
    m_printers->setAccessibleName(QStringLiteral("Printer"));
    m_printers->setEditable(true);
    m_printers->setInsertPolicy(QComboBox::NoInsert);
    m_printers->installEventFilter(this);

    m_trays = new QComboBox(this);
    m_trays->setObjectName(QStringLiteral("cboPrinterTrays"));
    m_trays->setAccessibleName(QStringLiteral("Printer Tray"));
    m_trays->setEditable(true);
    m_trays->setInsertPolicy(QComboBox::NoInsert);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_print);
    layout->addWidget(m_printers, 1);
    layout->addWidget(m_trays, 1);
}

void EnvelopeSettings::listInstalledPrinters()
{
    m_printersAsked = false;
    listPrinters({});
}

bool EnvelopeSettings::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_printers && event->type() == QEvent::FocusIn && !m_printersAsked) {
        m_printersAsked = true;
        listPrinters(QPrinterInfo::availablePrinterNames());
    }
    return QGroupBox::eventFilter(watched, event);
}

void EnvelopeSettings::listPrinters(const QStringList& names)
{
    m_printers->clear();
    m_printers->addItems(names);
    m_printers->setCurrentIndex(-1);
    m_printers->setEditText(QStringLiteral("Select Printer"));
    m_trays->clear();
    m_trays->setEditText(QString());
}
