#include "clients/ui/ClientsTab.h"

#include "clients/ui/BuyerDetailsDialog.h"
#include "clients/ui/ClientDropDown.h"
#include "core/Database.h"
#include "core/Prompter.h"
#include "core/StoredText.h"
#include "core/ui/KeyRuleGlue.h"
#include "core/ui/NamedWidgets.h"
#include "core/ui/Session.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

struct FieldDef {
    const char* name;
    const char* caption;
    QString Client::*column;
};

// The text boxes in form order: the first kLeftColumn fill the left column, the rest the right.
constexpr FieldDef kFields[] = {
    {"txtSalutation", QT_TRANSLATE_NOOP("ClientsTab", "Salutation"), &Client::salutation},
    {"txtFirstName", QT_TRANSLATE_NOOP("ClientsTab", "First Name"), &Client::firstName},
    {"txtLastName", QT_TRANSLATE_NOOP("ClientsTab", "Last Name"), &Client::lastName},
    {"txtCompany", QT_TRANSLATE_NOOP("ClientsTab", "Company*"), &Client::company},
    {"txtAddress1", QT_TRANSLATE_NOOP("ClientsTab", "Address1"), &Client::address1},
    {"txtAddress2", QT_TRANSLATE_NOOP("ClientsTab", "Address2"), &Client::address2},
    {"txtAddress3", QT_TRANSLATE_NOOP("ClientsTab", "Address3"), &Client::address3},
    {"txtTown", QT_TRANSLATE_NOOP("ClientsTab", "Town"), &Client::town},
    {"txtCounty", QT_TRANSLATE_NOOP("ClientsTab", "County / State"), &Client::county},
    {"txtPostCode", QT_TRANSLATE_NOOP("ClientsTab", "Postcode/Zip"), &Client::postCode},
    {"txtCountry", QT_TRANSLATE_NOOP("ClientsTab", "Country"), &Client::country},
    {"txtTelephone", QT_TRANSLATE_NOOP("ClientsTab", "Telephone"), &Client::telephone},
    {"txtFax", QT_TRANSLATE_NOOP("ClientsTab", "Fax"), &Client::fax},
    {"txtEmail", QT_TRANSLATE_NOOP("ClientsTab", "email"), &Client::email},
    {"TxtMobile", QT_TRANSLATE_NOOP("ClientsTab", "Mobile"), &Client::mobile},
};
constexpr int kCompanyField = 3;
constexpr int kLeftColumn = 8;

constexpr const char* kAddNewQuestion =
    QT_TRANSLATE_NOOP("ClientsTab", "Do you want to add a new company ?");
constexpr const char* kFindPrompt =
    QT_TRANSLATE_NOOP("ClientsTab", "Type the first characters of the client you are looking for");
constexpr const char* kInvoicesWarning = QT_TRANSLATE_NOOP(
    "ClientsTab", "\nThere are Invoices For this client\nThese will also be Deleted !\n");
constexpr const char* kSecondDeleteQuestion = QT_TRANSLATE_NOOP(
    "ClientsTab", "Confirm Deletion of Client and Associated Invoices\nNot recomended");

// A deletion question: Yes/No, critical icon, No as the default button.
bool confirmDeletion(Prompter& prompter, const QString& text)
{
    return prompter.confirm(text, kApplicationTitle, Prompter::Icon::Critical);
}

} // namespace

static_assert(std::size(kFields) == 15);

ClientsTab::ClientsTab(Session& session, QWidget* parent)
    : QFrame(parent)
    , m_session(session)
    , m_store(session.db(), session.locale().locale())
{
    setObjectName(QStringLiteral("FrameClients"));
    setAccessibleName(tr("Clients"));
    buildControls();

    connect(m_clients, &QComboBox::activated, this, &ClientsTab::onClientChosen);
    connect(m_addNew, &QPushButton::clicked, this, &ClientsTab::onAddNew);
    connect(m_saveNew, &QPushButton::clicked, this, &ClientsTab::onSaveNew);
    connect(m_cancelAdd, &QPushButton::clicked, this, &ClientsTab::onCancelAdd);
    connect(m_save, &QPushButton::clicked, this, &ClientsTab::onSave);
    connect(m_find, &QPushButton::clicked, this, &ClientsTab::onFind);
    connect(m_next, &QPushButton::clicked, this, [this] { onMove(+1); });
    connect(m_previous, &QPushButton::clicked, this, [this] { onMove(-1); });
    connect(m_delete, &QPushButton::clicked, this, &ClientsTab::onDelete);
    connect(m_eInvoiceDetails, &QPushButton::clicked, this, &ClientsTab::onEInvoiceDetails);

    connect(&m_session, &Session::identityChanged, this, &ClientsTab::refillDropDown);
    connect(&m_session, &Session::clientsChanged, this, &ClientsTab::refillDropDown);

    setAddingMode(false);
    ClientDropDown::showNoChoice(m_clients);
}

void ClientsTab::buildControls()
{
    m_clients = new LazyClientList(
        [this](QComboBox* list) { ClientDropDown::populate(list, m_session); }, this);
    m_clients->setObjectName(QStringLiteral("cmbSelectClient"));
    m_clients->setAccessibleName(ClientDropDown::noChoiceText());
    m_clients->setEditable(true);
    // Enter must not add the typed text as an item.
    m_clients->setInsertPolicy(QComboBox::NoInsert);
    ClientDropDown::setWidthInCharacters(m_clients, 30);
    auto* typeAhead = new ClientTypeAhead(m_clients);
    connect(typeAhead, &ClientTypeAhead::keyReleased, this, &ClientsTab::onTypedClient);

    m_clientId = new QLabel(this);
    m_clientId->setObjectName(QStringLiteral("lblClientID"));
    m_clientId->setAccessibleName(tr("ClientID"));
    m_clientId->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_clients, 0, 0, 1, 3);
    grid->addWidget(m_clientId, 0, 3);
    addFields(grid);
    const int notesRow = 1 + kLeftColumn;
    addButtons(grid, notesRow + 1);

    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(notesRow, 1);
}

// The address fields in two columns under the client list, the notes across both below them.
void ClientsTab::addFields(QGridLayout* grid)
{
    for (int i = 0; i < kFieldCount; ++i) {
        const QString caption = tr(kFields[i].caption);
        auto* label = new QLabel(caption, this);
        auto* field = new QLineEdit(this);
        field->setObjectName(QLatin1String(kFields[i].name));
        field->setAccessibleName(caption);
        label->setBuddy(field);
        m_fields[size_t(i)] = field;
        const int row = 1 + (i < kLeftColumn ? i : i - kLeftColumn);
        const int column = i < kLeftColumn ? 0 : 2;
        grid->addWidget(label, row, column);
        grid->addWidget(field, row, column + 1);
    }
    m_company = m_fields[kCompanyField];
    m_company->installEventFilter(this);

    auto* notesLabel = new QLabel(tr("Notes"), this);
    m_notes = new QPlainTextEdit(this);
    m_notes->setObjectName(QStringLiteral("txtClientNotes"));
    m_notes->setAccessibleName(notesLabel->text());
    m_notes->setTabChangesFocus(true);
    notesLabel->setBuddy(m_notes);
    const int notesRow = 1 + kLeftColumn;
    grid->addWidget(notesLabel, notesRow, 0, Qt::AlignTop);
    grid->addWidget(m_notes, notesRow, 1, 1, 3);
}

void ClientsTab::addButtons(QGridLayout* grid, int row)
{
    m_delete = namedButton(QStringLiteral("CmdDelete"), tr("Delete"), this);
    m_previous = namedButton(QStringLiteral("CmdMovePrevious"), QStringLiteral("<<"), this);
    m_find = namedButton(QStringLiteral("CmdFind"), tr("Find"), this);
    m_save = namedButton(QStringLiteral("CmdSave"), tr("Save"), this);
    m_addNew = namedButton(QStringLiteral("CmdAddNew"), tr("AddNew"), this);
    m_next = namedButton(QStringLiteral("CmdMoveNext"), QStringLiteral(">>"), this);
    m_saveNew = namedButton(QStringLiteral("cmdSaveNew"), tr("Save"), this);
    m_cancelAdd = namedButton(QStringLiteral("cmdCancelAdd"), tr("Cancel"), this);
    m_eInvoiceDetails =
        namedButton(QStringLiteral("cmdEInvoiceDetails"), tr("E-invoice details..."), this);
    m_eInvoiceDetails->setEnabled(false);

    // One row, left to right. The adding mode's buttons share the cells of CmdSave and
    // CmdAddNew: only one of each pair is ever shown.
    auto* buttons = new QGridLayout;
    buttons->addWidget(m_delete, 0, 0);
    buttons->addWidget(m_previous, 0, 1);
    buttons->addWidget(m_find, 0, 2);
    buttons->addWidget(m_save, 0, 3);
    buttons->addWidget(m_saveNew, 0, 3);
    buttons->addWidget(m_addNew, 0, 4);
    buttons->addWidget(m_cancelAdd, 0, 4);
    buttons->addWidget(m_next, 0, 5);
    buttons->addWidget(m_eInvoiceDetails, 0, 6);
    buttons->setColumnStretch(7, 1);
    // Hidden in adding mode, they keep their room, so that nothing on the form moves.
    for (QWidget* w : {static_cast<QWidget*>(m_clients), static_cast<QWidget*>(m_delete),
                       static_cast<QWidget*>(m_previous), static_cast<QWidget*>(m_find),
                       static_cast<QWidget*>(m_next)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    grid->addLayout(buttons, row, 0, 1, 4);
}

void ClientsTab::clearForm()
{
    for (QLineEdit* field : m_fields)
        field->clear();
    m_clientId->clear();
    m_notes->clear();
    enableClientButtons();
}

void ClientsTab::refillDropDown()
{
    m_clients->invalidate();
}

void ClientsTab::setAddingMode(bool adding)
{
    m_save->setVisible(!adding);
    m_saveNew->setVisible(adding);
    m_addNew->setVisible(!adding);
    m_cancelAdd->setVisible(adding);
    for (QWidget* w : {static_cast<QWidget*>(m_clients), static_cast<QWidget*>(m_previous),
                       static_cast<QWidget*>(m_next), static_cast<QWidget*>(m_delete),
                       static_cast<QWidget*>(m_find), static_cast<QWidget*>(m_eInvoiceDetails)})
        w->setVisible(!adding);
}

void ClientsTab::enableClientButtons()
{
    m_eInvoiceDetails->setEnabled(loadedClientId() != 0);
}

void ClientsTab::showSaveButton()
{
    m_saveNew->hide();
    m_save->show();
}

int ClientsTab::loadedClientId() const
{
    bool ok = false;
    const int id = m_clientId->text().toInt(&ok);
    return ok ? id : 0;
}

bool ClientsTab::loadClient(int clientId)
{
    const Result<std::optional<Client>> loaded = m_store.load(clientId);
    if (!loaded) {
        showDatabaseError(tr("The client could not be loaded."), loaded.error());
        return false;
    }
    if (!*loaded) // deleted from another window since the list was filled
        return false;
    showClient(**loaded);
    return true;
}

void ClientsTab::showClient(const Client& client)
{
    for (int i = 0; i < kFieldCount; ++i)
        m_fields[size_t(i)]->setText(client.*kFields[i].column);
    m_clientId->setText(QString::number(client.clientId));
    m_notes->setPlainText(client.notes);
    enableClientButtons();
}

Client ClientsTab::formClient() const
{
    Client client;
    client.clientId = loadedClientId();
    for (int i = 0; i < kFieldCount; ++i)
        client.*kFields[i].column = m_fields[size_t(i)]->text();
    client.notes = m_notes->toPlainText();
    return client;
}

void ClientsTab::showDatabaseError(const QString& what, const QString& reason)
{
    m_session.prompter().inform(what + u'\n' + reason, {}, Prompter::Icon::Warning);
}

bool ClientsTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_company && event->type() == QEvent::MouseButtonPress)
        onCompanyPressed();
    return QFrame::eventFilter(watched, event);
}

void ClientsTab::onClientChosen()
{
    showSaveButton();
    const int index = ClientDropDown::chosenIndex(m_clients);
    if (m_clients->currentText() != ClientDropDown::noChoiceText() && index >= 0)
        loadClient(m_clients->itemData(index).toInt());
}

void ClientsTab::onTypedClient(int clientId)
{
    if (m_clients->currentText() == ClientDropDown::noChoiceText())
        return;
    // The typed start was completed to the first matching company; 0 comes for keys that do
    // not type a letter, digit or blank (Backspace, arrows, Shift), which therefore clear the
    // form while the typed text stays.
    if (clientId == 0 || !loadClient(clientId))
        clearForm();
}

void ClientsTab::onCompanyPressed()
{
    if (m_save->isHidden() || loadedClientId() != 0 || !m_company->text().isEmpty())
        return;
    if (!m_session.prompter().confirm(tr(kAddNewQuestion), tr("Add New Client?")))
        return;
    onAddNew();
    m_company->setFocus();
}

void ClientsTab::onAddNew()
{
    clearForm();
    ClientDropDown::showNoChoice(m_clients);
    setAddingMode(true);
}

void ClientsTab::onSaveNew()
{
    if (m_company->text().isEmpty()) {
        m_session.prompter().inform(tr("You must enter a Company"));
        return;
    }
    if (const Result<int> added = m_store.insert(formClient(), m_session.currentIdentity());
        !added) {
        showDatabaseError(tr("The new client could not be saved."), added.error());
        return;
    }
    m_clientId->clear();
    setAddingMode(false);
    m_session.prompter().inform(tr("New Client Saved"));
    // The new client is not loaded: the user picks it from the list.
    clearForm();
}

void ClientsTab::onCancelAdd()
{
    clearForm();
    ClientDropDown::showNoChoice(m_clients);
    setAddingMode(false);
}

void ClientsTab::onSave()
{
    if (loadedClientId() == 0)
        return;
    if (const Status saved = m_store.update(formClient()); !saved) {
        showDatabaseError(tr("The client could not be saved."), saved.error());
        return;
    }
    // The drop-downs keep the old company name until their next refill.
    onClientChosen();
}

void ClientsTab::onFind()
{
    if (loadedClientId() != 0)
        onSave();
    const std::optional<QString> answer =
        m_session.prompter().input(tr(kFindPrompt), tr("Find"), QString());
    const QString start = withoutSingleQuotes(answer.value_or(QString()));
    if (start.isEmpty())
        return;
    clearForm();
    ClientDropDown::showNoChoice(m_clients);

    // Any identity's client may be found; then no item of this identity's list matches it.
    const Result<std::optional<Client>> found = m_store.findByCompanyStart(start);
    if (!found) {
        showDatabaseError(tr("The clients could not be searched."), found.error());
        return;
    }
    if (!*found) {
        m_session.prompter().inform(tr("Not Found"), tr("Not Found"), Prompter::Icon::Information);
        return;
    }
    showClient(**found);
    m_clients->ensureFilled();
    const int index = m_clients->findData((*found)->clientId);
    if (index >= 0)
        m_clients->setCurrentIndex(index);
}

void ClientsTab::onMove(int step)
{
    const int current = loadedClientId();
    if (current == 0)
        return;
    showSaveButton();
    ClientDropDown::showNoChoice(m_clients);

    // Past either end of the list the current client simply stays in the form.
    m_clients->ensureFilled();
    const int index = m_clients->findData(current);
    const int targetIndex = index + step;
    if (index < 0 || targetIndex < 0 || targetIndex >= m_clients->count() ||
        m_clients->itemText(targetIndex).isEmpty())
        return;
    const int target = m_clients->itemData(targetIndex).toInt();
    if (target > 0)
        loadClient(target);
}

void ClientsTab::onDelete()
{
    const int clientId = loadedClientId();
    if (clientId == 0)
        return;
    // Not knowing whether invoices would go too, nothing is asked and nothing deleted.
    const Result<bool> invoiced = m_store.hasInvoices(clientId);
    if (!invoiced) {
        showDatabaseError(tr("The client's invoices could not be checked, so nothing was deleted."),
                          invoiced.error());
        return;
    }
    const bool withInvoices = *invoiced;
    const QString warning = withInvoices ? tr(kInvoicesWarning) : QString();
    Prompter& prompter = m_session.prompter();
    if (!confirmDeletion(
            prompter, warning + tr("This Will Delete %1 proceed ?").arg(m_clients->currentText())))
        return;
    if (withInvoices && !confirmDeletion(prompter, tr(kSecondDeleteQuestion)))
        return;
    if (const Status removed = m_store.removeWithInvoices(clientId); !removed) {
        showDatabaseError(tr("The client could not be deleted; nothing was changed."),
                          removed.error());
        return;
    }
    clearForm();
}

void ClientsTab::onEInvoiceDetails()
{
    if (const int clientId = loadedClientId(); clientId != 0)
        BuyerDetailsDialog::edit(m_session, clientId, this);
}
