#include "identities/ui/SwitchIdentitiesDialog.h"

#include "core/Prompter.h"
#include "core/ui/Mnemonics.h"
#include "core/ui/Session.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SwitchIdentitiesDialog::SwitchIdentitiesDialog(Session& session,
                                               const QList<IdentityEntry>& identities,
                                               QWidget* parent)
    : QDialog(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("frmSwitchIdentities"));
    setWindowTitle(tr("Switch Identities"));

    m_identities = new QComboBox(this);
    m_identities->setObjectName(QStringLiteral("cboIdentity"));
    m_identities->setAccessibleName(tr("Identity"));
    for (const IdentityEntry& e : identities)
        m_identities->addItem(e.textLogo, e.identity);
    m_identities->setPlaceholderText(tr(kNoChoice)); // shown while nothing is chosen
    m_identities->setCurrentIndex(-1);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setAccessibleName(ok->text());
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &SwitchIdentitiesDialog::onOk);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_identities);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    setMinimumWidth(320);
    Mnemonics::give(this);
}

void SwitchIdentitiesDialog::onOk()
{
    const int index = m_identities->currentIndex();
    if (index < 0) {
        m_session.prompter().inform(tr("Please select Identity"));
        return;
    }
    m_chosen = m_identities->itemData(index).toInt();
    accept();
}
