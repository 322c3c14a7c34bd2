#include "invoices/ui/ReminderSettingsDialog.h"

#include "core/LocaleText.h"
#include "core/Prompter.h"
#include "core/ui/KeyRuleGlue.h"
#include "core/ui/Mnemonics.h"
#include "core/ui/NamedWidgets.h"
#include "core/ui/Session.h"
#include "invoices/ReminderLetter.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

ReminderSettingsDialog::ReminderSettingsDialog(Session& session, int identity, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
    , m_identity(identity)
{
    setObjectName(QStringLiteral("frmReminderSettings"));
    setWindowTitle(tr("Reminders"));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QLabel(tr("Fields: {number} {date} {due date} {total} {fee} {amount due} "
                                 "{trading name} {client}"),
                              this);
    fields->setObjectName(QStringLiteral("lblFields"));
    fields->setWordWrap(true);
    fields->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(fields);
    for (int i = 0; i < Reminders::kLevels; ++i) {
        auto* box = new QGroupBox(ReminderLetter::title(i + 1), this);
        auto* form = new QFormLayout(box);
        const QByteArray textName = "txtReminderText" + QByteArray::number(i + 1);
        const QByteArray feeName = "txtReminderFee" + QByteArray::number(i + 1);
        auto* text = addNamedRow(form, textName.constData(), tr("Text"), new QPlainTextEdit(box));
        text->setTabChangesFocus(true);
        auto* fee = addNamedRow(form, feeName.constData(), tr("Fee"), new QLineEdit(box));
        KeyRuleGlue::attachMoneyKeys(fee);
        m_texts[size_t(i)] = text;
        m_fees[size_t(i)] = fee;
        layout->addWidget(box, 1);
    }
    QPushButton* save = namedButton(QStringLiteral("cmdSave"), tr("Save"), this);
    QPushButton* cancel = namedButton(QStringLiteral("cmdCancel"), tr("Cancel"), this);
    connect(save, &QPushButton::clicked, this, &ReminderSettingsDialog::onSave);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    resize(600, 700);
    Mnemonics::give(this);
}

bool ReminderSettingsDialog::load()
{
    const Result<Reminders::Settings> settings =
        Reminders::loadSettings(m_session.db(), m_identity);
    if (!settings) {
        m_session.prompter().inform(settings.error(), {}, Prompter::Icon::Warning);
        return false;
    }
    for (size_t i = 0; i < m_texts.size(); ++i) {
        const QString text = settings->texts[i];
        m_texts[i]->setPlainText(text.trimmed().isEmpty() ? ReminderLetter::defaultText(int(i) + 1)
                                                          : text);
        m_fees[i]->setText(settings->fees[i].toPlainString());
    }
    return true;
}

void ReminderSettingsDialog::onSave()
{
    Reminders::Settings settings;
    for (size_t i = 0; i < m_texts.size(); ++i) {
        settings.texts[i] = m_texts[i]->toPlainText();
        const QString feeText = m_fees[i]->text().trimmed();
        const std::optional<Money> fee =
            feeText.isEmpty() ? std::optional(Money())
                              : Money::parseInLocale(feeText, m_session.locale().locale());
        if (!fee) {
            m_session.prompter().inform(tr("The fee of the %1 is not an amount of money.")
                                            .arg(ReminderLetter::title(int(i) + 1)),
                                        {}, Prompter::Icon::Warning);
            m_fees[i]->setFocus();
            return;
        }
        settings.fees[i] = *fee;
    }
    if (const Status saved = Reminders::saveSettings(m_session.db(), m_identity, settings);
        !saved) {
        m_session.prompter().inform(saved.error(), {}, Prompter::Icon::Warning);
        return;
    }
    accept();
}
