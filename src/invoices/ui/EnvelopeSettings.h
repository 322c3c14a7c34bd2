#pragma once

#include <QGroupBox>

class PictureButton;
class QComboBox;

// fraPrintSettings on the Clients tab: the printer and tray an envelope is printed on.
class EnvelopeSettings : public QGroupBox {
    Q_OBJECT
public:
    explicit EnvelopeSettings(QWidget* parent = nullptr);

    // Fills cboPrinters with the installed printers, in the order the system lists them, and
    // shows "Select Printer"; the tray box is emptied.
    void listInstalledPrinters();
    void listPrinters(const QStringList& names);

private:
    PictureButton* m_print;
    QComboBox* m_printers;
    QComboBox* m_trays;
};
