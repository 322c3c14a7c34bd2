#include "invoices/ui/MailSettingsDialog.h"

#include "core/Prompter.h"
#include "core/ui/Mnemonics.h"
#include "core/ui/NamedWidgets.h"
#include "core/ui/Session.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

// A subject fits a mail program's line; a message stays a short letter.
constexpr int kMaxSubject = 250;

QString fieldList()
{
    QStringList lines{MailSettingsDialog::tr("Fields you can use in the subject and message:")};
    for (const InvoiceMail::TemplateField& f : InvoiceMail::templateFields())
        lines << QStringLiteral("{%1}  %2").arg(f.name, f.meaning);
    return lines.join(u'\n');
}

} // namespace

MailSettingsDialog::MailSettingsDialog(Session& session, int identity, const MailSettings& settings,
                                       QWidget* parent)
    : QDialog(parent)
    , m_session(session)
    , m_identity(identity)
{
    setObjectName(QStringLiteral("frmMailSettings"));
    setWindowTitle(tr("E-mail settings"));

    auto* form = new QFormLayout;
    m_subject = addNamedRow(form, "txtMailSubject", tr("Subject"), new QLineEdit(this));
    m_subject->setMaxLength(kMaxSubject);
    m_body = addNamedRow(form, "txtMailBody", tr("Message"), new QPlainTextEdit(this));
    m_body->setTabChangesFocus(true);
    m_facturX = new QCheckBox(tr("Attach e-invoice (Factur-X)"), this);
    m_facturX->setObjectName(QStringLiteral("chkMailFacturX"));
    m_facturX->setAccessibleName(m_facturX->text());
    form->addRow(m_facturX);

    auto* fields = new QLabel(fieldList(), this);
    fields->setObjectName(QStringLiteral("lblMailFields"));
    fields->setAccessibleName(fields->text());
    fields->setTextInteractionFlags(Qt::TextSelectableByMouse);

    QPushButton* defaults =
        namedButton(QStringLiteral("cmdMailDefaults"), tr("Default wording"), this);
    QPushButton* save = namedButton(QStringLiteral("cmdSave"), tr("Save"), this);
    QPushButton* cancel = namedButton(QStringLiteral("cmdCancel"), tr("Cancel"), this);
    connect(defaults, &QPushButton::clicked, this, [this] {
        m_subject->setText(InvoiceMail::defaultSubject());
        m_body->setPlainText(InvoiceMail::defaultBody());
    });
    connect(save, &QPushButton::clicked, this, &MailSettingsDialog::onSave);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(defaults);
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form, 1);
    layout->addWidget(fields);
    layout->addLayout(buttons);
    setMinimumWidth(520);
    showSettings(settings);
    Mnemonics::give(this);
}

void MailSettingsDialog::showSettings(const MailSettings& settings)
{
    m_subject->setText(settings.subject.isEmpty() ? InvoiceMail::defaultSubject()
                                                  : settings.subject);
    m_body->setPlainText(settings.body.isEmpty() ? InvoiceMail::defaultBody() : settings.body);
    m_facturX->setChecked(settings.facturX);
}

MailSettings MailSettingsDialog::entered() const
{
    return {m_subject->text().trimmed(), m_body->toPlainText(), m_facturX->isChecked()};
}

void MailSettingsDialog::onSave()
{
    const Status saved = InvoiceMail::saveSettings(m_session.db(), m_identity, entered());
    if (!saved) {
        m_session.prompter().inform(tr("The e-mail settings could not be saved.") + u'\n' +
                                        saved.error(),
                                    {}, Prompter::Icon::Warning);
        return;
    }
    accept();
}

bool MailSettingsDialog::edit(Session& session, int identity, QWidget* parent)
{
    const Result<MailSettings> settings = InvoiceMail::loadSettings(session.db(), identity);
    if (!settings) {
        session.prompter().inform(tr("The e-mail settings could not be read.") + u'\n' +
                                      settings.error(),
                                  {}, Prompter::Icon::Warning);
        return false;
    }
    MailSettingsDialog dialog(session, identity, *settings, parent);
    return dialog.exec() == QDialog::Accepted;
}
