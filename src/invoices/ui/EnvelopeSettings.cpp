#include "invoices/ui/EnvelopeSettings.h"

#include "clients/ClientStore.h"
#include "core/Prompter.h"
#include "core/ui/PictureButton.h"
#include "core/ui/Session.h"
#include "invoices/Envelope.h"
#include "invoices/ui/EnvelopePrinter.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPrinterInfo>
#include <QStyle>

namespace {

constexpr const char* kPrinterError = QT_TRANSLATE_NOOP("EnvelopeSettings", "Printer Error");

// A drop-down that tells of its first use, by the focus or by its list opening without the
// focus (as assistive tools open it), before it shows anything.
class FirstUseList final : public QComboBox {
public:
    FirstUseList(std::function<void()> onUse, QWidget* parent)
        : QComboBox(parent)
        , m_onUse(std::move(onUse))
    {}
    void showPopup() override
    {
        m_onUse();
        QComboBox::showPopup();
    }

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        m_onUse();
        QComboBox::focusInEvent(event);
    }

private:
    std::function<void()> m_onUse;
};

} // namespace

EnvelopeSettings::EnvelopeSettings(Session& session, QWidget* parent)
    : QGroupBox(tr("Envelope Settings"), parent)
    , m_session(session)
    , m_readTrays(EnvelopeTrays::forPrinter)
    , m_printStep(EnvelopePrinter::printOnPrinter)
{
    setObjectName(QStringLiteral("fraPrintSettings"));
    setAccessibleName(title());

    m_print = new PictureButton(QStringLiteral("picPrintEnvelopes"), Icons::Action::Envelope,
                                tr("Print Envelope"), {}, this);
    connect(m_print, &PictureButton::clicked, this, &EnvelopeSettings::printEnvelope);

    m_printers = new FirstUseList([this] { askForPrinters(); }, this);
    m_printers->setObjectName(QStringLiteral("cboPrinters"));
    m_printers->setAccessibleName(tr("Printer"));
    m_printers->setEditable(true);
    m_printers->setInsertPolicy(QComboBox::NoInsert);
    connect(m_printers, &QComboBox::activated, this, &EnvelopeSettings::choosePrinter);

    m_trays = new QComboBox(this);
    m_trays->setObjectName(QStringLiteral("cboPrinterTrays"));
    m_trays->setAccessibleName(tr("Printer Tray"));
    m_trays->setEditable(true);
    m_trays->setInsertPolicy(QComboBox::NoInsert);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_print);
    layout->addWidget(m_printers, 1);
    layout->addWidget(m_trays, 1);
}

void EnvelopeSettings::listInstalledPrinters()
{
    listPrinters({});
    m_printersAsked = false;
}

void EnvelopeSettings::askForPrinters()
{
    if (!m_printersAsked)
        listPrinters(QPrinterInfo::availablePrinterNames());
}

void EnvelopeSettings::listPrinters(const QStringList& names)
{
    m_printersAsked = true;
    m_printers->clear();
    m_printers->addItems(names);
    m_printers->setCurrentIndex(-1);
    m_printers->setEditText(tr(kSelectPrinter));
    m_trays->clear();
    m_trays->setEditText(QString());
}

QString EnvelopeSettings::listedPrinter(const QString& name) const
{
    const QString wanted = name.toUpper();
    for (int i = 0; i < m_printers->count(); ++i) {
        if (m_printers->itemText(i).toUpper() == wanted)
            return m_printers->itemText(i);
    }
    return {};
}

void EnvelopeSettings::choosePrinter()
{
    const QString text = m_printers->currentText();
    if (text == tr(kSelectPrinter))
        return;
    const QString printer = listedPrinter(text);
    if (printer.isEmpty()) // typed, and no printer of that name
        return;
    m_currentPrinter = printer;
    m_currentTray.reset();

    m_trays->clear();
    const EnvelopeTrays::Reading reading = m_readTrays(printer);
    for (const EnvelopeTrays::Tray& tray : reading.trays) {
        m_trays->addItem(tray.label, tray.choice);
        m_currentTray = tray.choice; // listing tries each tray, and leaves the last one set
    }
    m_trays->setCurrentIndex(-1);
    if (reading.error) {
        // The trays come from one read of the print system, so none is listed; the empty
        // box (not "Select Printer Tray") makes printing on this printer a printer error.
        m_trays->setEditText(QString());
        m_session.prompter().inform(tr("There was an error") +
                                    QString::number(reading.error->code) +
                                    reading.error->description);
        return;
    }
    m_trays->setEditText(tr(kSelectTray));
}

void EnvelopeSettings::printEnvelope()
{
    Prompter& prompter = m_session.prompter();
    bool numeric = false;
    const int clientId = m_shownClient ? m_shownClient().trimmed().toInt(&numeric) : 0;
    if (!numeric || clientId == 0) {
        prompter.inform(tr("No Client Selected"));
        return;
    }
    const QString question = tr("Print Envelope ?");
    if (!prompter.confirm(question, question))
        return;
    if (m_printers->currentText() == tr(kSelectPrinter)) {
        prompter.inform(tr("Select Printer And Tray"));
        return;
    }

    const bool noTrayChosen = m_trays->currentText() == tr(kSelectTray);
    if (noTrayChosen) {
        prompter.inform(tr(kSelectTray)); // a warning only: the printer stays on its current tray
    } else if (const QString printer = listedPrinter(m_printers->currentText());
               !printer.isEmpty()) {
        // The named printer becomes the current one and is set to the chosen tray. When the
        // name is no listed printer, nothing changes: the current printer and its tray print.
        if (printer != m_currentPrinter) {
            m_currentPrinter = printer;
            m_currentTray.reset();
        }
        // Its tray can only be set from a listed tray: the box is empty after a failed
        // listing, or before any printer was chosen, or holds text typed over it.
        const int tray = m_trays->findText(m_trays->currentText(), Qt::MatchExactly);
        if (tray < 0) {
            prompter.inform(tr(kPrinterError) + tr("\nNo tray of %1 is chosen.").arg(printer));
            return;
        }
        m_currentTray = m_trays->itemData(tray).toString();
    }
    EnvelopeJob job;
    job.printer =
        m_currentPrinter.isEmpty() ? QPrinterInfo::defaultPrinterName() : m_currentPrinter;
    // With no printer chosen and none the system's default, the printer asked for is the one
    // typed, and the error names it.
    if (job.printer.isEmpty())
        job.printer = m_printers->currentText().trimmed();
    if (noTrayChosen) {
        if (const std::optional<QString> tray = EnvelopeTrays::trayWhenNoneChosen(job.printer))
            m_currentTray = tray;
    }
    job.tray = m_currentTray;

    const Result<std::optional<Client>> client = ClientStore(m_session.db()).load(clientId);
    if (!client) {
        prompter.inform(tr(kPrinterError) + u'\n' + client.error());
        return;
    }
    if (!client->has_value()) {
        prompter.inform(tr(kPrinterError) + tr("\nThe client is no longer in the address book."));
        return;
    }
    job.layout = Envelope::layOut(Envelope::addressLines(**client));
    job.layout.title = tr("Envelope - %1").arg((*client)->company);
    const Status printed = m_printStep(job);
    if (!printed)
        prompter.inform(tr(kPrinterError) + u'\n' + printed.error());
}
