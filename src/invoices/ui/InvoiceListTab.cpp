#include "invoices/ui/InvoiceListTab.h"

#include "banking/ui/MatchStatementWindow.h"
#include "clients/ui/ClientDropDown.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/DaySerial.h"
#include "core/Prompter.h"
#include "core/ui/FlexGrid.h"
#include "core/ui/NamedWidgets.h"
#include "core/ui/Session.h"
#include "invoices/Reminders.h"
#include "invoices/ui/InvoiceMailing.h"
#include "invoices/ui/ReminderWindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

using InvoiceList::Filter;
using InvoiceList::Trigger;

namespace {

QRadioButton* option(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(button->text());
    return button;
}

// Radio buttons that may all be off: Qt's exclusive group never lets the last one go.
void uncheckAll(QButtonGroup* group)
{
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons())
        b->setChecked(false);
    group->setExclusive(true);
}

} // namespace

InvoiceListTab::InvoiceListTab(Session& session, QWidget* parent)
    : QWidget(parent)
    , m_session(session)
{
    // Made in this order, the controls keep the Tab order: options, company, grid.
    QGroupBox* viewOptions = buildViewOptions();
    QGroupBox* companyOptions = buildCompanyOptions();
    m_grid = new FlexGrid(this);
    m_grid->setObjectName(QStringLiteral("MSFlexGrid1"));
    m_grid->setAccessibleName(tr("Invoices"));

    auto* info = new QLabel(tr("Right click to edit invoice or left click to view"), this);
    info->setObjectName(QStringLiteral("lblInvoiceInfo"));
    info->setAccessibleName(info->text());
    auto* matchStatement =
        namedButton(QStringLiteral("cmdMatchStatement"), tr("Match bank statement..."), this);
    connect(matchStatement, &QPushButton::clicked, this,
            [this] { MatchStatementWindow::matchStatement(m_session, window()); });

    auto* top = new QHBoxLayout;
    top->addWidget(viewOptions);
    top->addWidget(companyOptions, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(info, 1);
    bottom->addWidget(matchStatement);
    layout->addLayout(bottom);

    buildMenu();
    connectControls();
}

// fraInvoiceOptions: the identity-wide filter and the bad-debt box.
QGroupBox* InvoiceListTab::buildViewOptions()
{
    auto* viewOptions = new QGroupBox(tr("View Options"), this);
    viewOptions->setObjectName(QStringLiteral("fraInvoiceOptions"));
    viewOptions->setAccessibleName(viewOptions->title());
    m_showAll = option("optShowAll", tr("Show All"), viewOptions);
    m_showPaid = option("optShowPaid", tr("Paid"), viewOptions);
    m_showUnpaid = option("optShowUnPaid", tr("UnPaid"), viewOptions);
    m_globalOptions = new QButtonGroup(this);
    for (QRadioButton* b : {m_showAll, m_showPaid, m_showUnpaid})
        m_globalOptions->addButton(b);
    m_hideBadDebts = new QCheckBox(tr("Hide Bad Debts"), viewOptions);
    m_hideBadDebts->setObjectName(QStringLiteral("chkBadDebt"));
    m_hideBadDebts->setAccessibleName(m_hideBadDebts->text());
    m_hideBadDebts->setChecked(true);
    m_followUp = new QCheckBox(tr("Sent and Reminders"), viewOptions);
    m_followUp->setObjectName(QStringLiteral("chkFollowUp"));
    m_followUp->setAccessibleName(m_followUp->text());
    m_followUp->setChecked(m_session.preferences().value(kFollowUpKey) == u"1");
    auto* viewLayout = new QHBoxLayout(viewOptions);
    for (QWidget* w : {static_cast<QWidget*>(m_showAll), static_cast<QWidget*>(m_showPaid),
                       static_cast<QWidget*>(m_showUnpaid), static_cast<QWidget*>(m_hideBadDebts),
                       static_cast<QWidget*>(m_followUp)})
        viewLayout->addWidget(w);
    return viewOptions;
}

// fraCompanyViewOptions: one client's invoices, filtered the same three ways.
QGroupBox* InvoiceListTab::buildCompanyOptions()
{
    auto* companyOptions = new QGroupBox(tr("Company View Options"), this);
    companyOptions->setObjectName(QStringLiteral("fraCompanyViewOptions"));
    companyOptions->setAccessibleName(companyOptions->title());
    m_clients = new QComboBox(companyOptions);
    m_clients->setObjectName(QStringLiteral("cboInvoiceClients"));
    m_clients->setAccessibleName(tr("Company"));
    ClientDropDown::setWidthInCharacters(m_clients, 24);
    m_companyAll = option("optCompanyShowAll", tr("Show All"), companyOptions);
    m_companyPaid = option("optCompanyShowPaid", tr("Paid"), companyOptions);
    m_companyUnpaid = option("optCompanyShowUnPaid", tr("UnPaid"), companyOptions);
    m_companyOptions = new QButtonGroup(this);
    for (QRadioButton* b : {m_companyAll, m_companyPaid, m_companyUnpaid})
        m_companyOptions->addButton(b);
    auto* companyLayout = new QHBoxLayout(companyOptions);
    companyLayout->addWidget(m_clients, 1);
    for (QRadioButton* b : {m_companyAll, m_companyPaid, m_companyUnpaid})
        companyLayout->addWidget(b);
    return companyOptions;
}

// AcctPopmenu, the menu of a row.
void InvoiceListTab::buildMenu()
{
    m_menu = new QMenu(tr("Menu"), this);
    m_menu->setObjectName(QStringLiteral("AcctPopmenu"));
    auto addAction = [this](const char* name, const char* caption, void (InvoiceListTab::*slot)()) {
        QAction* a = m_menu->addAction(tr(caption));
        a->setObjectName(QLatin1String(name));
        if (slot)
            connect(a, &QAction::triggered, this, slot);
    };
    addAction("UnPaid", QT_TR_NOOP("Mark as UnPaid"), &InvoiceListTab::markUnpaid);
    addAction("Paid", QT_TR_NOOP("Mark as Paid"), &InvoiceListTab::markPaid);
    addAction("ViewDetails1", QT_TR_NOOP("View Details"), &InvoiceListTab::viewDetails);
    addAction("ExcludeClient", QT_TR_NOOP("Exclude This Client"), &InvoiceListTab::excludeClient);
    addAction("InvoiceEdit", QT_TR_NOOP("Edit"), nullptr);
    addAction("DeleteInvoice", QT_TR_NOOP("Delete"), &InvoiceListTab::deleteInvoice);
    addAction("BadDebt", QT_TR_NOOP("Mark As Bad Debt"), &InvoiceListTab::markBadDebt);
    addAction("mnuSendEmail", QT_TR_NOOP("Send by E-mail..."), &InvoiceListTab::sendByEmail);
    addAction("mnuReminder", QT_TR_NOOP("Reminder..."), &InvoiceListTab::remind);
    addAction("mnuExit", QT_TR_NOOP("Exit Menu"), nullptr); // closes the menu, nothing else
    connect(m_menu->findChild<QAction*>(QStringLiteral("InvoiceEdit")), &QAction::triggered, this,
            [this] { emit editRequested(m_menuInvoice); });
}

// The row's invoice to its client by e-mail.
void InvoiceListTab::sendByEmail()
{
    InvoiceMailing::send(m_session, m_menuInvoice);
}

// Offered only for an overdue invoice (onRowMenu).
void InvoiceListTab::remind()
{
    auto* window = new ReminderWindow(m_session, this);
    if (!window->showInvoice(m_menuInvoice))
        window->deleteLater();
}

void InvoiceListTab::connectControls()
{
    connect(m_followUp, &QCheckBox::toggled, this, &InvoiceListTab::onFollowUpBox);
    connect(m_showAll, &QRadioButton::clicked, this, [this] { onGlobalOption(Filter::All); });
    connect(m_showPaid, &QRadioButton::clicked, this, [this] { onGlobalOption(Filter::Paid); });
    connect(m_showUnpaid, &QRadioButton::clicked, this, [this] { onGlobalOption(Filter::Unpaid); });
    connect(m_hideBadDebts, &QCheckBox::clicked, this, &InvoiceListTab::onBadDebtBox);
    connect(m_clients, &QComboBox::activated, this, &InvoiceListTab::onClientChosen);
    connect(m_companyAll, &QRadioButton::clicked, this, [this] { onCompanyOption(Filter::All); });
    connect(m_companyPaid, &QRadioButton::clicked, this, [this] { onCompanyOption(Filter::Paid); });
    connect(m_companyUnpaid, &QRadioButton::clicked, this,
            [this] { onCompanyOption(Filter::Unpaid); });
    connect(m_grid, &FlexGrid::rowClicked, this,
            [this](qint64 key) { emit showInvoiceRequested(int(key)); });
    connect(m_grid, &FlexGrid::rowMenuRequested, this, &InvoiceListTab::onRowMenu);
    connect(m_grid->gridModel(), &FlexGridModel::readFailed, this, &InvoiceListTab::reportFailure);

    // The company list holds the clients with invoices, so it follows both kinds of change and
    // the identity. It is refilled at once only while the tab is on screen; otherwise when the
    // tab is next shown, so a change made elsewhere costs nothing here.
    connect(&m_session, &Session::identityChanged, this, [this] {
        m_clientsChosenKept = false;
        clientsChanged();
    });
    connect(&m_session, &Session::clientsChanged, this, &InvoiceListTab::clientsChanged);
    connect(&m_session, &Session::invoicesChanged, this, &InvoiceListTab::clientsChanged);
    // This seat's own changes show in place (a row marked paid stays until listed again);
    // another seat's are listed at once where they are seen.
    connect(&m_session.db().changes(), &DatabaseChanges::changedElsewhere, this,
            &InvoiceListTab::relistForOthers);
    connect(m_menu, &QMenu::aboutToHide, this, [this] {
        if (std::exchange(m_relistAfterMenu, false)) // after the chosen action has run
            QTimer::singleShot(0, this, &InvoiceListTab::relistForOthers);
    });
}

void InvoiceListTab::relistForOthers()
{
    if (!m_shown || !isVisible())
        return;
    if (m_menu->isVisible()) {
        m_relistAfterMenu = true;
        return;
    }
    fill(*m_shown);
}

void InvoiceListTab::clientsChanged()
{
    m_clientsStale = true;
    ++m_changesSinceFill;
    if (isVisible())
        refreshClients();
}

void InvoiceListTab::invoiceMade(int clientId)
{
    if (m_clientsStale && m_changesSinceFill == 1 && m_clients->findData(clientId) >= 0) {
        m_clientsStale = false;
        m_changesSinceFill = 0;
    }
}

void InvoiceListTab::refreshClients()
{
    if (!m_clientsStale)
        return;
    m_clientsStale = false;
    m_changesSinceFill = 0;
    // A client chosen for the per-client view stays chosen; another identity starts afresh.
    if (m_clientsChosenKept)
        ClientDropDown::refresh(m_clients, m_session, ClientDropDown::Clients::WithInvoices);
    else
        ClientDropDown::populate(m_clients, m_session, ClientDropDown::Clients::WithInvoices);
    m_clientsChosenKept = true;
}

void InvoiceListTab::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refreshClients();
}

void InvoiceListTab::clearList()
{
    m_shown.reset();
    m_grid->clearGrid();
}

void InvoiceListTab::showUnpaid()
{
    selectGlobal(Filter::Unpaid);
}

void InvoiceListTab::selectGlobal(Filter filter)
{
    QRadioButton* button = filter == Filter::All    ? m_showAll
                           : filter == Filter::Paid ? m_showPaid
                                                    : m_showUnpaid;
    button->setChecked(true);
    onGlobalOption(filter);
}

Filter InvoiceListTab::globalFilter() const
{
    if (m_showAll->isChecked())
        return Filter::All;
    return m_showPaid->isChecked() ? Filter::Paid : Filter::Unpaid;
}

bool InvoiceListTab::clientChosen() const
{
    return m_clients->currentIndex() >= 0;
}

int InvoiceListTab::chosenClient() const
{
    return m_clients->currentData().toInt();
}

InvoiceList::Request InvoiceListTab::request(Trigger trigger, Filter filter) const
{
    InvoiceList::Request r;
    r.trigger = trigger;
    r.filter = filter;
    r.hideBadDebts = m_hideBadDebts->isChecked();
    r.clientId = chosenClient();
    r.identity = m_session.currentIdentity();
    r.followUp = m_followUp->isChecked();
    return r;
}

bool InvoiceListTab::fill(const InvoiceList::Request& r, const QString& emptyMessage)
{
    Result<PagedGrid> rows =
        InvoiceList::open(m_session.db(), {m_session.locale(), m_session.clock().today()}, r);
    if (!rows) {
        reportFailure(rows.error());
        return false;
    }
    if (!emptyMessage.isEmpty() && rows->outcome() == GridData::Outcome::Filled &&
        rows->rowCount() == 0) {
        m_session.prompter().inform(emptyMessage);
        return false;
    }
    if (!m_grid->populate(std::move(*rows), m_session.prompter()))
        return false;
    m_shown = r;
    return true;
}

void InvoiceListTab::onGlobalOption(Filter filter)
{
    uncheckAll(m_companyOptions);
    ClientDropDown::showNoChoice(m_clients);
    m_hideBadDebts->show();
    fill(request(Trigger::Option, filter));
}

// The follow-up columns come and go on the list shown; the choice is the user's, kept for the
// next start. A failure to keep it costs only that.
void InvoiceListTab::onFollowUpBox(bool shown)
{
    (void)m_session.preferences().setValue(kFollowUpKey, shown ? QStringLiteral("1") : QString());
    if (!m_shown)
        return;
    InvoiceList::Request r = *m_shown;
    r.followUp = shown;
    fill(r);
}

void InvoiceListTab::onBadDebtBox()
{
    fill(request(Trigger::BadDebtBox, globalFilter()), tr("No Records"));
}

void InvoiceListTab::onClientChosen()
{
    if (!clientChosen())
        return;
    uncheckAll(m_globalOptions);
    m_hideBadDebts->hide();
    m_companyAll->setChecked(true);
    fill(request(Trigger::ClientChosen, Filter::All));
    if (QLineEdit* edit = m_clients->lineEdit())
        edit->setCursorPosition(0);
}

void InvoiceListTab::onCompanyOption(Filter filter)
{
    if (!clientChosen()) {
        uncheckAll(m_companyOptions);
        return;
    }
    fill(request(Trigger::CompanyOption, filter));
}

void InvoiceListTab::onRowMenu(qint64 key, int row, const QPoint& globalPos)
{
    m_menuInvoice = int(key);
    m_menuRow = row;
    m_menuContent = m_grid->rows().text(row, InvoiceList::ColContent);
    const Result<Reminders::DueInvoice> due = Reminders::invoice(m_session.db(), m_menuInvoice);
    m_menu->findChild<QAction*>(QStringLiteral("mnuReminder"))
        ->setEnabled(due && due->overdueOn(m_session.clock().today()));
    m_menu->popup(globalPos);
}

void InvoiceListTab::markPaid()
{
    const QDate today = m_session.clock().today();
    if (!InvoiceList::markPaid(m_session.db(), m_menuInvoice, today))
        return reportDatabaseError();
    // Shown at once in the row, without listing again.
    FlexGridModel* model = m_grid->gridModel();
    model->setCell(m_menuRow, InvoiceList::ColDatePaid, DaySerial::fromDate(today),
                   InvoiceList::paidDateText(today, m_session.locale()));
    model->setCell(m_menuRow, InvoiceList::ColPaid, -1);
    model->applyOverdueRule(m_menuRow, today);
}

void InvoiceListTab::markUnpaid()
{
    if (!InvoiceList::markUnpaid(m_session.db(), m_menuInvoice))
        return reportDatabaseError();
    FlexGridModel* model = m_grid->gridModel();
    model->setCell(m_menuRow, InvoiceList::ColDatePaid, QVariant());
    model->setCell(m_menuRow, InvoiceList::ColPaid, 0);
    model->applyOverdueRule(m_menuRow, m_session.clock().today());
}

void InvoiceListTab::markBadDebt()
{
    switch (InvoiceList::markBadDebt(m_session.db(), m_menuInvoice)) {
    case InvoiceList::BadDebtOutcome::AlreadyPaid:
        m_session.prompter().inform(tr("This invoice Has been paid!"));
        return;
    case InvoiceList::BadDebtOutcome::Marked:
        selectGlobal(Filter::All);
        return;
    case InvoiceList::BadDebtOutcome::NoSuchInvoice:
        return; // deleted meanwhile: there is nothing to mark
    case InvoiceList::BadDebtOutcome::Failed:
        reportDatabaseError();
        return;
    }
}

void InvoiceListTab::deleteInvoice()
{
    const auto found = InvoiceList::summary(m_session.db(), m_menuInvoice);
    if (!found)
        return reportFailure(found.error());
    if (!*found)
        return;
    const InvoiceList::InvoiceSummary& invoice = **found;
    const auto ask = [this](const QString& text, const QString& title) {
        return m_session.prompter().confirm(text, title, Prompter::Icon::Critical);
    };
    if (!ask(tr("This Will Delete Invoice %1 proceed ?").arg(invoice.invoiceNumber), tr("Delete?")))
        return;
    if (invoice.paid && !ask(tr("This Invoice Has been PAID Confirm Delete?"), tr("Delete Paid?")))
        return;
    if (!InvoiceList::remove(m_session.db(), m_menuInvoice))
        return reportDatabaseError();
    selectGlobal(Filter::All);
}

void InvoiceListTab::excludeClient()
{
    if (clientChosen())
        return; // only the identity-wide list can leave a client out
    const auto found = InvoiceList::summary(m_session.db(), m_menuInvoice);
    if (!found)
        return reportFailure(found.error());
    if (!*found)
        return;
    InvoiceList::Request r = request(Trigger::ExcludeClient, globalFilter());
    r.clientId = (*found)->clientId;
    fill(r, tr("error"));
}

void InvoiceListTab::reportDatabaseError()
{
    reportFailure(m_session.db().errorString());
}

void InvoiceListTab::reportFailure(const QString& error)
{
    m_session.prompter().inform(tr("The database reported an error:\n%1").arg(error), {},
                                Prompter::Icon::Warning);
}

void InvoiceListTab::viewDetails()
{
    m_session.prompter().inform(m_menuContent);
}
