#include "einvoice/ui/ReceivedInvoiceWindow.h"

#include "core/Prompter.h"
#include "core/ui/NamedWidgets.h"
#include "core/ui/Session.h"
#include "einvoice/EInvoiceHtml.h"
#include "einvoice/EInvoiceReader.h"
#include "einvoice/ReceivedExpense.h"
#include "expenses/ExpenseStore.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

ReceivedInvoiceWindow::ReceivedInvoiceWindow(Session& session, EInvoice::Read read, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
    , m_read(std::move(read))
{
    setObjectName(QStringLiteral("frmReceivedInvoice"));
    setWindowTitle(
        tr("E-invoice %1 from %2")
            .arg(m_read.invoice.number.simplified(), m_read.invoice.seller.name.simplified()));

    m_page = new QTextBrowser(this);
    m_page->setObjectName(QStringLiteral("txtEInvoice"));
    m_page->setAccessibleName(tr("E-invoice"));
    m_page->setOpenLinks(false); // the page is a stranger's: nothing in it is followed
    m_page->setHtml(EInvoiceHtml::page(m_read, session.locale()));

    auto* add = namedButton(QStringLiteral("cmdAddAsExpense"), tr("Add as expense"), this);
    auto* close = namedButton(QStringLiteral("cmdClose"), tr("Close"), this);
    connect(add, &QPushButton::clicked, this, &ReceivedInvoiceWindow::addAsExpense);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(add);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_page, 1);
    layout->addLayout(buttons);
    resize(760, 820);
}

std::optional<EInvoice::Read> ReceivedInvoiceWindow::chooseAndRead(Session& session)
{
    Prompter::FileRequest request;
    request.title = tr("Read e-invoice");
    request.folder = QDir::homePath();
    request.filters = {tr("E-invoices (*.xml *.pdf)")};
    const std::optional<QString> path = session.prompter().openFileName(request);
    if (!path)
        return std::nullopt;
    Result<EInvoice::Read> read = EInvoiceReader::readFile(*path);
    if (!read) {
        session.prompter().inform(read.error(), {}, Prompter::Icon::Warning);
        return std::nullopt;
    }
    return std::move(*read);
}

void ReceivedInvoiceWindow::addAsExpense()
{
    Prompter& prompter = m_session.prompter();
    const ExpenseFields fields = ReceivedExpense::fieldsOf(m_read.invoice);
    const int identity = m_session.currentIdentity();

    // The books keep one currency: amounts in another are taken as they are only when asked.
    const QString books = m_session.locale().locale().currencySymbol(QLocale::CurrencyIsoCode);
    const QString currency = m_read.invoice.currency;
    if (!currency.isEmpty() && !books.isEmpty() && currency != books &&
        !prompter.confirm(tr("This invoice is in %1 and your books are in %2. Add its amounts "
                             "as they are?")
                              .arg(currency, books)))
        return;

    const Result<bool> before = ReceivedExpense::alreadyAdded(m_session.db(), fields, identity);
    if (!before) {
        prompter.inform(tr("The expenses could not be read:\n%1").arg(before.error()), {},
                        Prompter::Icon::Warning);
        return;
    }
    if (*before && !prompter.confirm(
                       tr("There is already an expense \"%1\" dated %2. Add this "
                          "invoice again?")
                           .arg(fields.description, m_session.locale().toShortDate(fields.date))))
        return;

    ExpenseStore store(m_session.db());
    if (const Result<qint64> saved = store.add(fields, identity); !saved) {
        prompter.inform(tr("The expense could not be saved:\n%1").arg(saved.error()), {},
                        Prompter::Icon::Warning);
        return;
    }
    emit added();
    accept();
}
