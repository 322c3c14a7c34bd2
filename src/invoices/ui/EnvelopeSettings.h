#pragma once

#include <QGroupBox>

class PictureButton;
class QComboBox;

// fraPrintSettings on the Clients tab: the printer and tray an envelope is printed on.
class EnvelopeSettings : public QGroupBox {
    Q_OBJECT
public:
    explicit EnvelopeSettings(QWidget* parent = nullptr);

    // Shows "Select Printer" in cboPrinters and empties the tray box. The installed printers,
    // in the order the system lists them, are asked for the first time the printer list takes
    // the focus: the question loads the print system's plugin, a tenth of start-up, which the
    // first paint does not need.
    void listInstalledPrinters();
    void listPrinters(const QStringList& names);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_printersAsked = false;
    PictureButton* m_print;
    QComboBox* m_printers;
    QComboBox* m_trays;
};
