#include "invoices/ui/ReminderWindow.h"

#include "core/Clock.h"
#include "core/LocaleText.h"
#include "core/Prompter.h"
#include "core/ui/KeyRuleGlue.h"
#include "core/ui/Mnemonics.h"
#include "core/ui/NamedWidgets.h"
#include "core/ui/Session.h"
#include "identities/TradingDetails.h"
#include "layout/LayoutFiles.h"
#include "mail/MailMessage.h"
#include "mail/ui/MailSending.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <cmath>

namespace {

bool runPrintDialog(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("ReminderWindow", "Print Reminder"));
    return dialog.exec() == QDialog::Accepted;
}

// The pages as pictures at the screen's resolution, one under another.
QWidget* pagesView(const InvoicePage::Layout& layout, QWidget* parent)
{
    auto* pages = new QWidget(parent);
    auto* column = new QVBoxLayout(pages);
    const double dpi = parent->logicalDpiX();
    const QSize size(int(std::lround(layout.pageSize.width() * dpi / InvoicePage::kTwipsPerInch)),
                     int(std::lround(layout.pageSize.height() * dpi / InvoicePage::kTwipsPerInch)));
    for (int i = 0; i < int(layout.pages.size()); ++i) {
        QImage image(size, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(dpi / 0.0254));
        image.setDotsPerMeterY(qRound(dpi / 0.0254));
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        InvoicePage::paint(painter, layout, i);
        painter.end();
        auto* page = new QLabel(pages);
        page->setObjectName(QStringLiteral("lblPage%1").arg(i + 1));
        page->setPixmap(QPixmap::fromImage(image));
        column->addWidget(page);
    }
    return pages;
}

} // namespace

ReminderWindow::ReminderWindow(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_session(session)
    , m_printDialog(runPrintDialog)
{
    setObjectName(QStringLiteral("frmReminder"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    Mnemonics::give(this);
}

void ReminderWindow::buildControls()
{
    auto* form = new QFormLayout;
    m_level = addNamedRow(form, "cboLevel", tr("Reminder"), new QComboBox(this));
    for (int level = 1; level <= Reminders::kLevels; ++level)
        m_level->addItem(ReminderLetter::title(level), level);
    m_text = addNamedRow(form, "txtReminderText", tr("Text"), new QPlainTextEdit(this));
    m_text->setTabChangesFocus(true);
    m_fee = addNamedRow(form, "txtFee", tr("Fee"), new QLineEdit(this));
    KeyRuleGlue::attachMoneyKeys(m_fee);
    connect(m_level, &QComboBox::currentIndexChanged, this, &ReminderWindow::onLevelChosen);

    auto* buttons = new QHBoxLayout;
    auto addButton = [&](const char* name, const QString& caption, auto slot) {
        QPushButton* b = namedButton(QLatin1String(name), caption, this);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
    };
    addButton("cmdPreview", tr("Preview..."), &ReminderWindow::preview);
    addButton("cmdPrint", tr("Print..."), &ReminderWindow::print);
    addButton("cmdSavePdf", tr("Save as PDF..."), &ReminderWindow::saveAsPdf);
    addButton("cmdSendMail", tr("Send by E-mail..."), &ReminderWindow::sendByMail);
    buttons->addStretch(1);
    addButton("cmdClose", tr("Close"), &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form, 1);
    layout->addLayout(buttons);
    resize(640, 480);
}

bool ReminderWindow::showInvoice(int invoiceId)
{
    Database& db = m_session.db();
    Result<Reminders::DueInvoice> due = Reminders::invoice(db, invoiceId);
    Result<InvoiceSheet> sheet =
        due ? InvoicePage::loadSheet(db, invoiceId) : Result<InvoiceSheet>(Failure{due.error()});
    Result<Reminders::Settings> settings =
        sheet ? Reminders::loadSettings(db, due->identity)
              : Result<Reminders::Settings>(Failure{sheet.error()});
    Result<TradingDetails> details = settings ? TradingDetailsStore::load(db, due->identity)
                                              : Result<TradingDetails>(Failure{settings.error()});
    if (!details) {
        warn(details.error());
        return false;
    }
    m_due = *due;
    m_sheet = *sheet;
    m_settings = *settings;
    m_tradingName = details->tradingName;

    Result<LayoutRecord> record =
        InvoicePage::identityLayout(db, m_session.files(), m_due.identity);
    if (!record) {
        warn(record.error() + tr("\nThe reminder is printed with the default layout."));
        record = LayoutFiles::defaultLayout(db, m_due.identity);
    }
    m_record = record ? *record : LayoutRecord::designerDefaults();

    setWindowTitle(tr("Reminder: invoice %1, %2").arg(m_sheet.invoiceNumber, m_due.client));
    m_level->setCurrentIndex(m_due.nextLevel() - 1);
    onLevelChosen();
    show();
    raise();
    activateWindow();
    return true;
}

void ReminderWindow::onLevelChosen()
{
    const auto i = size_t(m_level->currentIndex());
    const QString text = m_settings.texts[i];
    m_text->setPlainText(text.trimmed().isEmpty() ? ReminderLetter::defaultText(int(i) + 1) : text);
    m_fee->setText(m_settings.fees[i].toPlainString());
}

std::optional<ReminderLetter::Letter> ReminderWindow::letter()
{
    const QString feeText = m_fee->text().trimmed();
    const std::optional<Money> fee =
        feeText.isEmpty() ? std::optional(Money())
                          : Money::parseInLocale(feeText, m_session.locale().locale());
    if (!fee || *fee < Money() || Reminders::kMaxFee < *fee) {
        warn(tr("The fee is not an amount of money between 0 and %1.")
                 .arg(m_session.locale().toCurrency(Reminders::kMaxFee)));
        m_fee->setFocus();
        return std::nullopt;
    }
    Result<ReminderLetter::Letter> made =
        ReminderLetter::compose(m_sheet, m_due.due, m_level->currentData().toInt(),
                                m_text->toPlainText(), *fee, m_tradingName, m_session.locale());
    if (!made) {
        warn(made.error());
        return std::nullopt;
    }
    return *made;
}

InvoicePage::Layout ReminderWindow::layout(const ReminderLetter::Letter& letter,
                                           QSize pageSize) const
{
    return ReminderLetter::layOut(m_record, letter, m_session.clock().today(), m_session.locale(),
                                  &m_session.files(), InvoicePage::paperTextColour(), pageSize);
}

void ReminderWindow::preview()
{
    const std::optional<ReminderLetter::Letter> made = letter();
    if (!made)
        return;
    const InvoicePage::Layout pages = layout(*made);
    auto* dialog = new QDialog(this);
    dialog->setObjectName(QStringLiteral("frmReminderPreview"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(pages.title);
    auto* scroll = new QScrollArea(dialog);
    scroll->setObjectName(QStringLiteral("scrollPage"));
    scroll->setBackgroundRole(QPalette::Dark);
    scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll->setWidget(pagesView(pages, dialog));
    auto* column = new QVBoxLayout(dialog);
    column->addWidget(scroll);
    if (!pages.notice.isEmpty())
        column->addWidget(new QLabel(pages.notice, dialog));
    QPushButton* close = namedButton(QStringLiteral("cmdClose"), tr("Close"), dialog);
    connect(close, &QPushButton::clicked, dialog, &QDialog::close);
    column->addWidget(close, 0, Qt::AlignRight);
    dialog->resize(900, 800);
    dialog->show();
}

void ReminderWindow::print()
{
    const std::optional<ReminderLetter::Letter> made = letter();
    if (!made)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true); // the layout places everything from the paper's corner
    printer.setDocName(made->title + u' ' + m_sheet.invoiceNumber);
    if (!m_printDialog(printer, this))
        return;
    // The page is A4 unless the chosen printer's paper says otherwise.
    const QSizeF points = printer.pageLayout().fullRect(QPageLayout::Point).size();
    const InvoicePage::Layout pages = layout(*made, QSize(int(std::lround(points.width() * 20)),
                                                          int(std::lround(points.height() * 20))));
    QPainter painter;
    bool ok = painter.begin(&printer);
    for (int i = 0; ok && i < int(pages.pages.size()); ++i) {
        if (i > 0)
            ok = printer.newPage();
        if (ok)
            InvoicePage::paint(painter, pages, i);
    }
    if (painter.isActive())
        ok = painter.end() && ok;
    if (!ok || printer.printerState() == QPrinter::Error) {
        warn(tr("The reminder could not be printed."));
        return;
    }
    recordSent(*made);
}

void ReminderWindow::saveAsPdf()
{
    const std::optional<ReminderLetter::Letter> made = letter();
    if (!made)
        return;
    Prompter::FileRequest request;
    request.title = tr("Save Reminder as PDF");
    request.folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    request.fileName = ReminderLetter::fileName(*made);
    request.filters = {tr("PDF files (*.pdf)")};
    std::optional<QString> path = m_session.prompter().saveFileName(request);
    if (!path || path->isEmpty())
        return;
    if (!path->endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        *path += QStringLiteral(".pdf");
    if (const Status written = InvoicePage::writePdf(layout(*made), *path); !written) {
        warn(written.error());
        return;
    }
    recordSent(*made);
}

void ReminderWindow::sendByMail()
{
    const std::optional<ReminderLetter::Letter> made = letter();
    if (!made)
        return;
    const QString outbox = m_session.dataFile(QStringLiteral("Outbox"));
    if (!QDir().mkpath(outbox)) {
        warn(tr("The folder %1 could not be made.").arg(QDir::toNativeSeparators(outbox)));
        return;
    }
    const QString path = QDir(outbox).filePath(ReminderLetter::fileName(*made));
    if (const Status written = InvoicePage::writePdf(layout(*made), path); !written) {
        warn(written.error());
        return;
    }
    MailMessage message;
    message.to = m_sheet.email.trimmed();
    message.subject = tr("%1: invoice %2 from %3")
                          .arg(made->title, m_sheet.invoiceNumber, m_tradingName.simplified());
    message.body = made->text;
    message.attachment = path;
    if (sendMail(m_session, message) == MailOutcome::Opened)
        recordSent(*made);
}

void ReminderWindow::recordSent(const ReminderLetter::Letter& letter)
{
    const QDate today = m_session.clock().today();
    if (const Status recorded =
            Reminders::record(m_session.db(), m_due.invoiceId, letter.level, today);
        !recorded) {
        warn(tr("The reminder was made, but the invoice could not record it:\n%1")
                 .arg(recorded.error()));
        return;
    }
    m_due.reminderLevel = letter.level;
    m_due.remindedOn = today;
}

void ReminderWindow::warn(const QString& text)
{
    m_session.prompter().inform(text, {}, Prompter::Icon::Warning);
}
