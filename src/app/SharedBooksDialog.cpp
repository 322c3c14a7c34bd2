#include "app/SharedBooksDialog.h"

#include "app/SharedBooks.h"
#include "core/Database.h"
#include "core/Prompter.h"
#include "core/ui/Mnemonics.h"
#include "core/ui/NamedWidgets.h"
#include "core/ui/Session.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

SharedBooksDialog::SharedBooksDialog(Session& session, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("frmSharedBooks"));
    setWindowTitle(tr("Connect to shared books"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    m_url = addNamedRow(form, "txtServerUrl", tr("Server address"), new QLineEdit(this));
    m_url->setMinimumWidth(420);
    m_url->setMaxLength(2000);
    m_url->setPlaceholderText(QStringLiteral("postgresql://user@host:5432/books?sslmode=verify-"
                                             "full&sslrootcert=/path/ca.pem"));
    const Result<std::optional<ServerAddress>> remembered =
        SharedBooks::remembered(m_session.preferences());
    // What the next start opens, else the books open now.
    if (remembered && *remembered)
        m_url->setText((*remembered)->url());
    else if (m_session.db().isServer())
        m_url->setText(m_session.db().server().url());

    auto* note = new QLabel(tr("Billcraft keeps no password: the server's password is read "
                               "from ~/.pgpass, a PostgreSQL service file or the PGPASSWORD "
                               "setting. The choice takes effect when Billcraft next starts."),
                            this);
    note->setObjectName(QStringLiteral("lblSharedBooksNote"));
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    QPushButton* test = namedButton(QStringLiteral("cmdTestBooks"), tr("Test"), this);
    QPushButton* connectButton =
        namedButton(QStringLiteral("cmdConnectBooks"), tr("Connect"), this);
    QPushButton* local = namedButton(QStringLiteral("cmdUseDataFolder"),
                                     tr("Use this computer's data folder"), this);
    QPushButton* cancel = namedButton(QStringLiteral("cmdCancel"), tr("Cancel"), this);
    for (QPushButton* b : {test, connectButton, local, cancel})
        buttons->addWidget(b);
    connect(test, &QPushButton::clicked, this, &SharedBooksDialog::test);
    connect(connectButton, &QPushButton::clicked, this, &SharedBooksDialog::connectToServer);
    connect(local, &QPushButton::clicked, this, &SharedBooksDialog::useDataFolder);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    Mnemonics::give(this);
}

std::optional<ServerAddress> SharedBooksDialog::typedAddress()
{
    const Result<ServerAddress> address = ServerAddress::fromUrl(m_url->text().trimmed());
    if (!address) {
        m_session.prompter().inform(address.error(), {}, Prompter::Icon::Warning);
        return std::nullopt;
    }
    return *address;
}

bool SharedBooksDialog::opens(const ServerAddress& address)
{
    // Books of their own, apart from the ones the window shows, closed again at once.
    Database probe;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool opened = SharedBooks::open(probe, address);
    QApplication::restoreOverrideCursor();
    if (!opened)
        m_session.prompter().inform(probe.errorString(), {}, Prompter::Icon::Warning);
    return opened;
}

void SharedBooksDialog::test()
{
    const std::optional<ServerAddress> address = typedAddress();
    if (address && opens(*address))
        m_session.prompter().inform(
            tr("The shared books %1 can be opened.").arg(SharedBooks::place(*address)), {},
            Prompter::Icon::Information);
}

void SharedBooksDialog::connectToServer()
{
    const std::optional<ServerAddress> address = typedAddress();
    if (!address || !opens(*address) || !remember(address))
        return;
    m_session.prompter().inform(tr("Billcraft opens the shared books %1 from its next start.")
                                    .arg(SharedBooks::place(*address)),
                                {}, Prompter::Icon::Information);
    accept();
}

void SharedBooksDialog::useDataFolder()
{
    if (!remember(std::nullopt))
        return;
    m_session.prompter().inform(
        tr("Billcraft opens the books in this computer's data folder from its next start."), {},
        Prompter::Icon::Information);
    accept();
}

bool SharedBooksDialog::remember(const std::optional<ServerAddress>& server)
{
    const Status kept = SharedBooks::remember(m_session.preferences(), server);
    if (!kept)
        m_session.prompter().inform(
            tr("The choice could not be kept for the next start: %1").arg(kept.error()), {},
            Prompter::Icon::Warning);
    return bool(kept);
}
