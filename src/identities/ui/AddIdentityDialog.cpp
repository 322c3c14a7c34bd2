#include "identities/ui/AddIdentityDialog.h"

#include "core/Clock.h"
#include "core/Prompter.h"
#include "core/ui/Mnemonics.h"
#include "core/ui/NamedWidgets.h"
#include "core/ui/Session.h"
#include "identities/NewIdentity.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

AddIdentityDialog::AddIdentityDialog(Session& session, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("frmAddIdentity"));
    setWindowTitle(tr("Add Identity"));

    const auto field = [this](const char* name, const char* labelName, const QString& caption,
                              QFormLayout* form) {
        auto* label = new QLabel(caption, this);
        label->setObjectName(QLatin1String(labelName));
        label->setAccessibleName(caption);
        label->setWordWrap(true);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setAccessibleName(caption);
        label->setBuddy(edit);
        form->addRow(label, edit);
        return edit;
    };
    auto* form = new QFormLayout;
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);
    m_name =
        field("txtNewIdentity", "lblIdentity", tr("Add New Identity Name (Company Name)"), form);
    m_startNumber = field("txtInvoiceStartNumber", "lblInvoiceStartNumber",
                          tr("Enter the Invoice number you want on your first invoice"), form);

    QPushButton* save = namedButton(QStringLiteral("cmdSaveIdentity"), tr("Save"), this);
    connect(save, &QPushButton::clicked, this, &AddIdentityDialog::onSave);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(420);
    Mnemonics::give(this);
}

void AddIdentityDialog::onSave()
{
    Prompter& prompter = m_session.prompter();
    const Result<NewIdentity::Outcome> outcome = NewIdentity::create(
        m_session.db(), m_session.files(), {m_name->text(), m_startNumber->text()},
        NewIdentity::baseLayout(m_session.files(), m_session.currentIdentity()),
        m_session.clock().today(), m_session.locale().locale());
    if (!outcome) {
        prompter.inform(outcome.error(), {}, Prompter::Icon::Warning);
        return;
    }
    if (!outcome->ok()) {
        prompter.inform(outcome->refusal);
        if (outcome->field == NewIdentity::Outcome::Field::Name)
            m_name->setFocus();
        else if (outcome->field == NewIdentity::Outcome::Field::StartNumber)
            m_startNumber->setFocus();
        return;
    }
    m_created = outcome->created.identity;
    accept();
}
