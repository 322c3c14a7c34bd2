#include "invoices/ui/MakeInvoiceTab.h"

#include "clients/ui/ClientDropDown.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/Prompter.h"
#include "core/ui/KeyRuleGlue.h"
#include "core/ui/NamedWidgets.h"
#include "core/ui/Session.h"
#include "invoices/InvoiceEntry.h"
#include "invoices/InvoiceStore.h"
#include "layout/LayoutFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTimer>

namespace {

constexpr const char* kStartingNumberPrompt =
    QT_TRANSLATE_NOOP("MakeInvoiceTab", "What Starting Invoice Number would You like to use?\n"
                                        "Billcraft adds a leading zero to all invoice numbers");

// Another window made the invoice this identity's numbering follows (its own first, or row 1
// of an empty table) while the user was answering.
constexpr const char* kStartedElsewhere = QT_TRANSLATE_NOOP(
    "MakeInvoiceTab", "Invoice numbers were started in another Billcraft window in the meantime, "
                      "so your starting number was not used: this invoice is number %1.");

constexpr const char* kVatDefaultQuestion =
    QT_TRANSLATE_NOOP("MakeInvoiceTab", "You have chosen to change the setting for VAT\n"
                                        "Do you want this to be the default state for this "
                                        "identity?");

QLabel* addLabel(const QString& name, const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setAccessibleName(caption);
    return label;
}

QLineEdit* addAmountField(const QString& name, const QString& accessibleName, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setAccessibleName(accessibleName);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return field;
}

} // namespace

MakeInvoiceTab::MakeInvoiceTab(Session& session, QWidget* parent)
    : QFrame(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("FrameMakeInvoice"));
    setAccessibleName(tr("Make Invoice"));
    buildControls();

    connect(m_clients, &QComboBox::activated, this, &MakeInvoiceTab::onClientChosen);
    connect(m_addVat, &QCheckBox::clicked, this, &MakeInvoiceTab::onVatClicked);
    connect(m_make, &QPushButton::clicked, this, &MakeInvoiceTab::onMakeInvoice);
    connect(m_save, &QPushButton::clicked, this, &MakeInvoiceTab::onSaveInvoice);
    connect(m_cancel, &QPushButton::clicked, this, &MakeInvoiceTab::reset);

    // A client added or renamed elsewhere stays chosen; another identity's list starts afresh.
    connect(&m_session, &Session::clientsChanged, this, [this] {
        if (!isVisible())
            m_clientsStale = true;
        else if (!ClientDropDown::refresh(m_clients, m_session))
            m_clientId->clear();
    });
    connect(&m_session, &Session::identityChanged, this, [this] {
        fillClients();
        m_clientId->clear();
    });
    connect(&m_session, &Session::pageSettingsChanged, this, &MakeInvoiceTab::followPageSettings);

    followPageSettings();
    reset();
}

void MakeInvoiceTab::buildControls()
{
    m_clientSelectLabel = addLabel(QStringLiteral("lblClientSelect"), tr("Select Client:"), this);
    m_clients = new QComboBox(this);
    m_clients->setObjectName(QStringLiteral("cmbSelectClient2"));
    m_clients->setAccessibleName(m_clientSelectLabel->text());
    ClientDropDown::setWidthInCharacters(m_clients, 30);
    m_clientSelectLabel->setBuddy(m_clients);

    m_clientId = new QLabel(this);
    m_clientId->setObjectName(QStringLiteral("lblClientID2"));
    m_clientId->setAccessibleName(tr("ClientID"));

    m_contentLabel = addLabel(QStringLiteral("lblContent"),
                              tr("Invoice Content (description of goods and services)"), this);
    m_content = new QPlainTextEdit(this);
    m_content->setObjectName(QStringLiteral("txtInvoiceContent"));
    m_content->setAccessibleName(m_contentLabel->text());
    m_content->setTabChangesFocus(true);
    m_contentLabel->setBuddy(m_content);

    m_valueLabel = addLabel(QStringLiteral("lblValue"), tr("Value"), this);
    m_value = addAmountField(QStringLiteral("txtInvoiceValue"), m_valueLabel->text(), this);
    m_valueLabel->setBuddy(m_value);

    m_addVat = new QCheckBox(tr("Add VAT"), this);
    m_addVat->setObjectName(QStringLiteral("ChkVAT"));
    m_addVat->setAccessibleName(m_addVat->text());
    m_vat = addAmountField(QStringLiteral("txtVAT"), tr("VAT"), this);

    m_totalLabel = addLabel(QStringLiteral("lblTotal"), tr("Total"), this);
    m_total = addAmountField(QStringLiteral("txtInvoiceTotal"), m_totalLabel->text(), this);
    m_totalLabel->setBuddy(m_total);

    // Construction Industry Scheme deduction: not offered. The box is kept, hidden and ticked,
    // and the arithmetic ignores it.
    m_cis = new QCheckBox(tr("Less 18% CIS"), this);
    m_cis->setObjectName(QStringLiteral("chkCIS"));
    m_cis->setAccessibleName(m_cis->text());
    m_cis->setChecked(true);
    m_cis->hide();

    m_make = namedButton(QStringLiteral("CmdMakeInvoice"), tr("Make Invoice"), this);
    m_save = namedButton(QStringLiteral("CmdSaveInvoice"), tr("Save"), this);
    m_cancel = namedButton(QStringLiteral("CmdCancel"), tr("Cancel"), this);

    for (QLineEdit* amount : {m_value, m_vat, m_total}) {
        KeyRuleGlue::attachMoneyKeys(amount);
        amount->installEventFilter(this); // leaving the field works the totals out
    }
    arrangeControls();
}

// One column of captions and fields, the buttons in a row below; Tab follows the same order.
void MakeInvoiceTab::arrangeControls()
{
    auto* grid = new QGridLayout(this);
    grid->addWidget(m_clientSelectLabel, 0, 0);
    grid->addWidget(m_clients, 0, 1);
    grid->addWidget(m_clientId, 0, 2);
    grid->addWidget(m_contentLabel, 1, 0, 1, 3);
    grid->addWidget(m_content, 2, 0, 1, 3);
    grid->addWidget(m_valueLabel, 3, 0);
    grid->addWidget(m_value, 3, 1);
    grid->addWidget(m_addVat, 4, 0);
    grid->addWidget(m_vat, 4, 1);
    grid->addWidget(m_totalLabel, 5, 0);
    grid->addWidget(m_total, 5, 1);
    grid->addWidget(m_cis, 6, 0, 1, 2);
    // Make Invoice and Save share one place: only one of them is ever shown.
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_make);
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);
    buttons->addStretch(1);
    grid->addLayout(buttons, 7, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(2, 1);

    QWidget* order[] = {m_clients, m_content, m_value, m_addVat, m_vat,
                        m_total,   m_cis,     m_make,  m_save,   m_cancel};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void MakeInvoiceTab::fillClients()
{
    // Every change of tab resets the entry, and start-up and an identity change fill it too:
    // a hidden entry's list waits until the entry is shown, rather than reading the identity's
    // clients for a tab nobody sees. Entering the tab resets it, which fills the list.
    if (!isVisible()) {
        m_clientsStale = true;
        return;
    }
    m_clientsStale = false;
    ClientDropDown::populate(m_clients, m_session);
}

void MakeInvoiceTab::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
    // Shown some other way than by entering its tab: fill once the reset, if any, has run.
    if (m_clientsStale)
        QTimer::singleShot(0, this, [this] {
            if (m_clientsStale)
                fillClients();
        });
}

bool MakeInvoiceTab::clientChosen() const
{
    return ClientDropDown::chosenIndex(m_clients) >= 0;
}

void MakeInvoiceTab::reset()
{
    fillClients();
    m_clientId->clear();
    m_editInvoiceId.reset();
    m_content->clear();
    m_value->clear();
    m_vat->clear();
    m_total->clear();
    m_save->hide();
    m_make->show();
}

void MakeInvoiceTab::onClientChosen(int index)
{
    m_clientId->setText(index >= 0 ? m_clients->itemData(index).toString() : QString());
}

void MakeInvoiceTab::followPageSettings()
{
    const PageSettings& settings = m_session.pageSettings();
    // An identity without a tax name keeps the one shown before.
    if (!settings.taxCaption.isEmpty()) {
        m_addVat->setText(tr("Add %1").arg(settings.taxCaption));
        m_addVat->setAccessibleName(m_addVat->text());
        m_vat->setAccessibleName(settings.taxCaption);
    }
    setVatTicked(settings.vatRegistered);
}

void MakeInvoiceTab::setVatTicked(bool ticked)
{
    m_addVat->setChecked(ticked);
    // Amounts already entered follow the box and the rate; an empty entry stays empty.
    if (!m_value->text().isEmpty())
        recalculateTotals();
}

void MakeInvoiceTab::recalculateTotals()
{
    const InvoiceEntry::Amounts a =
        InvoiceEntry::recalculate(m_value->text(), m_addVat->isChecked(),
                                  InvoiceEntry::ratePercent(m_session.pageSettings().vatRate));
    if (m_value->text() != a.value)
        m_value->setText(a.value);
    m_vat->setText(a.vat);
    m_total->setText(a.total);
}

bool MakeInvoiceTab::eventFilter(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field && (field == m_value || field == m_vat || field == m_total)) {
        if (event->type() == QEvent::FocusOut) {
            // Only the user moving on counts; a message box or another window taking the
            // focus for a moment is not leaving the field.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                recalculateTotals();
        }
    }
    return QFrame::eventFilter(watched, event);
}

void MakeInvoiceTab::onVatClicked()
{
    // While start-up or a change of identity is setting up the window the box is not asked
    // about, nor is anything worked out.
    if (!m_session.alertsChecked())
        return;
    const bool makeDefault =
        m_session.prompter().confirm(tr(kVatDefaultQuestion), kApplicationTitle);
    if (makeDefault && !saveVatDefault(m_addVat->isChecked()))
        m_session.prompter().inform(tr("The VAT setting could not be saved as the default."));
    recalculateTotals();
}

// The identity's VatReg: in its own layout file, which sets the box at start-up, and in its row
// of the shared Layout.set when that file exists. The session's copy follows, so the box and the
// layout designer agree with the files.
bool MakeInvoiceTab::saveVatDefault(bool registered)
{
    if (!LayoutFiles::saveVatDefault(m_session.files(), m_session.currentIdentity(), registered))
        return false;
    PageSettings settings = m_session.pageSettings();
    settings.vatRegistered = registered;
    m_session.setPageSettings(settings);
    return true;
}

void MakeInvoiceTab::onMakeInvoice()
{
    Prompter& prompter = m_session.prompter();
    if (!clientChosen()) {
        prompter.inform(tr("Please Select a Client"));
        return;
    }
    const QString problems =
        InvoiceEntry::makeInvoiceProblems(m_content->toPlainText(), m_value->text());
    if (!problems.isEmpty()) {
        prompter.inform(problems);
        return;
    }
    // The stored amounts must agree with each other whatever was typed last.
    recalculateTotals();

    // The store takes the number and inserts the row under one write lock; the question is
    // asked only when the identity has no number to follow, outside that lock.
    InvoiceStore store(m_session.db());
    const InvoiceFields fields = enteredFields(m_clients->currentData().toInt());
    const int identity = m_session.currentIdentity();
    const QDate today = m_session.clock().today();
    Result<Creation> made = store.create(fields, today, identity);
    if (made && !made->created()) {
        const std::optional<QString> answer = prompter.input(tr(kStartingNumberPrompt), QString());
        const std::optional<QString> start =
            answer ? InvoiceStore::startingNumber(*answer) : std::nullopt;
        if (!start) {
            prompter.inform(tr("Invoice Numbers must be Numbers only"));
            return;
        }
        made = store.create(fields, today, identity, start);
    }
    if (!made || !made->created()) {
        prompter.inform(tr("The invoice could not be made; nothing was saved.\n") + made.error());
        return;
    }
    if (made->outcome == Creation::Outcome::CreatedAfterAnother)
        prompter.inform(tr(kStartedElsewhere).arg(made->number));

    m_content->clear();
    m_value->clear();
    m_vat->clear();
    m_total->clear();
    finishSaving(made->invoiceId, fields.clientId);
}

void MakeInvoiceTab::onSaveInvoice()
{
    if (!clientChosen())
        return;
    const QString problems = InvoiceEntry::saveProblems(
        m_clientId->text(), m_editInvoiceId ? QString::number(*m_editInvoiceId) : QString(),
        m_content->toPlainText(), m_value->text());
    if (!problems.isEmpty()) {
        m_session.prompter().inform(problems);
        return;
    }
    recalculateTotals();

    const Status saved = InvoiceStore(m_session.db())
                             .update(*m_editInvoiceId, enteredFields(m_clientId->text().toInt()));
    if (!saved) {
        m_session.prompter().inform(tr("The invoice could not be saved.\n") + saved.error());
        return;
    }
    finishSaving(*m_editInvoiceId);
}

InvoiceFields MakeInvoiceTab::enteredFields(int clientId) const
{
    // The amounts were just worked out, so they read as numbers.
    return {clientId, m_content->toPlainText(), Money::parse(m_value->text()).value_or(Money()),
            Money::parse(m_vat->text()).value_or(Money()),
            Money::parse(m_total->text()).value_or(Money())};
}

void MakeInvoiceTab::finishSaving(int invoiceId, std::optional<int> madeForClient)
{
    if (madeForClient)
        emit invoiceMade(invoiceId, *madeForClient);
    emit invoiceSaved(invoiceId);
}

void MakeInvoiceTab::editInvoice(int invoiceId)
{
    reset();
    const Result<std::optional<StoredInvoice>> loaded =
        InvoiceStore(m_session.db()).load(invoiceId);
    if (!loaded) {
        m_session.prompter().inform(tr("The invoice could not be loaded for editing.\n") +
                                    loaded.error());
        return;
    }
    if (!*loaded) { // deleted from another window since the list was filled
        m_session.prompter().inform(tr("This invoice no longer exists."));
        return;
    }
    const StoredInvoice* invoice = &**loaded;
    m_content->setPlainText(invoice->content);
    m_value->setText(invoice->value.toPlainString());
    recalculateTotals();
    m_content->setFocus();

    const int index = m_clients->findData(invoice->clientId);
    if (index >= 0)
        m_clients->setCurrentIndex(index);
    m_clientId->setText(QString::number(invoice->clientId));
    m_editInvoiceId = invoiceId;
    m_make->hide();
    m_save->show();
}
