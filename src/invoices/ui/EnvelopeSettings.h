#pragma once

#include "core/Result.h"
#include "invoices/EnvelopeTrays.h"

#include <QGroupBox>
#include <functional>
#include <optional>

struct EnvelopeJob;
class PictureButton;
class QComboBox;
class Session;

// fraPrintSettings on the Clients tab: the printer and tray an envelope is printed on, and
// picPrintEnvelopes, which prints the shown client's address on a DL envelope straight to the
// printer.
class EnvelopeSettings : public QGroupBox {
    Q_OBJECT
public:
    // The trays of a printer; tests read a PPD file instead of asking CUPS.
    using TrayReader = std::function<EnvelopeTrays::Reading(const QString& printer)>;
    // Sends one envelope to its printer; tests print to a PDF file instead.
    using PrintStep = std::function<Status(const EnvelopeJob& job)>;
    // The caption of lblClientID: the ClientID of the client shown, empty when none is.
    using ShownClient = std::function<QString()>;

    static constexpr const char* kSelectPrinter = QT_TR_NOOP("Select Printer");
    static constexpr const char* kSelectTray = QT_TR_NOOP("Select Printer Tray");

    explicit EnvelopeSettings(Session& session, QWidget* parent = nullptr);

    // Shows "Select Printer" in cboPrinters and empties the tray box. The installed printers,
    // in the order the system lists them, are asked for the first time the printer list takes
    // the focus or opens: the question loads the print system's plugin, a tenth of start-up,
    // which the first paint does not need.
    void listInstalledPrinters();
    // Lists these printers, and asks the system for none.
    void listPrinters(const QStringList& names);

    void setShownClient(ShownClient shownClient) { m_shownClient = std::move(shownClient); }
    void setTrayReader(TrayReader reader) { m_readTrays = std::move(reader); }
    void setPrintStep(PrintStep step) { m_printStep = std::move(step); }

    // A printer chosen in cboPrinters becomes the one envelopes go to, and its trays are
    // listed in cboPrinterTrays.
    void choosePrinter();
    // Asks, then prints the shown client's envelope on the chosen printer and tray.
    void printEnvelope();

private:
    void askForPrinters();
    // The listed printer of that name, ignoring letter case; empty when none is.
    QString listedPrinter(const QString& name) const;

    Session& m_session;
    bool m_printersAsked = false;
    QString m_currentPrinter; // empty: the system's default printer
    // The tray the current printer was last set to: the last of its trays once they are
    // listed (each is tried in turn), then the tray of each envelope sent. None: its own.
    std::optional<QString> m_currentTray;
    ShownClient m_shownClient;
    TrayReader m_readTrays;
    PrintStep m_printStep;
    PictureButton* m_print;
    QComboBox* m_printers;
    QComboBox* m_trays;
};
