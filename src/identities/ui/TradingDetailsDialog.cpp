#include "identities/ui/TradingDetailsDialog.h"

#include "core/BusinessIds.h"
#include "core/Prompter.h"
#include "core/ui/CountryCombo.h"
#include "core/ui/FieldFaults.h"
#include "core/ui/Mnemonics.h"
#include "core/ui/NamedWidgets.h"
#include "core/ui/Session.h"
#include "identities/IdentityStore.h"
#include "invoices/ui/ReminderSettingsDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QLineEdit* addText(QFormLayout* form, const char* name, const QString& caption, int maxLength = 200)
{
    auto* edit = addNamedRow(form, name, caption, new QLineEdit(form->parentWidget()));
    edit->setMaxLength(maxLength);
    return edit;
}

} // namespace

TradingDetailsDialog::TradingDetailsDialog(Session& session, int identity,
                                           const TradingDetails& details,
                                           const QString& tradingName, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
    , m_identity(identity)
    , m_tradingName(tradingName)
{
    setObjectName(QStringLiteral("frmTradingDetails"));
    setWindowTitle(tr("Trading details"));
    buildFields(tradingName);
    showDetails(details);
    Mnemonics::give(this);
}

void TradingDetailsDialog::buildFields(const QString& tradingName)
{
    auto* form = new QFormLayout;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    m_legalName = addText(form, "txtLegalName", tr("Legal name"));
    m_legalName->setPlaceholderText(tradingName);
    m_vatId = addText(form, "txtVatId", tr("VAT number"), 30);
    m_taxNumber = addText(form, "txtTaxNumber", tr("Tax number"), 30);
    m_street = addText(form, "txtStreet", tr("Street"));
    m_town = addText(form, "txtTown", tr("Town"));
    m_postCode = addText(form, "txtPostCode", tr("Postcode"), 20);
    m_country = addNamedRow(form, "cboCountryCode", tr("Country"),
                            new CountryCombo(m_session.locale().locale(), this));
    m_email = addText(form, "txtEmail", tr("E-mail"), 254);
    m_phone = addText(form, "txtPhone", tr("Telephone"), 40);
    m_contactName = addText(form, "txtContactName", tr("Contact name"));
    m_iban = addText(form, "txtIban", tr("IBAN"), 50);
    m_bic = addText(form, "txtBic", tr("BIC"), 20);
    m_paymentDays =
        addNamedRow(form, "spnPaymentDays", tr("Payment due after (days)"), new QSpinBox(this));
    m_paymentDays->setRange(0, 365);

    QPushButton* save = namedButton(QStringLiteral("cmdSave"), tr("Save"), this);
    QPushButton* cancel = namedButton(QStringLiteral("cmdCancel"), tr("Cancel"), this);
    connect(save, &QPushButton::clicked, this, &TradingDetailsDialog::onSave);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    QPushButton* reminders = namedButton(QStringLiteral("cmdReminders"), tr("Reminders..."), this);
    connect(reminders, &QPushButton::clicked, this, [this] {
        auto* dialog = new ReminderSettingsDialog(m_session, m_identity, this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        if (dialog->load())
            dialog->open();
        else
            dialog->deleteLater();
    });
    buttons->addWidget(reminders);
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    setMinimumWidth(460);
}

void TradingDetailsDialog::showDetails(const TradingDetails& d)
{
    // The store gives the trading name where no legal name is kept: shown as the placeholder,
    // so that a later change of the trading name still carries through.
    m_legalName->setText(d.legalName == m_tradingName ? QString() : d.legalName);
    m_vatId->setText(d.vatId);
    m_taxNumber->setText(d.taxNumber);
    m_street->setText(d.street);
    m_town->setText(d.town);
    m_postCode->setText(d.postCode);
    m_country->setCode(d.countryCode);
    m_email->setText(d.email);
    m_phone->setText(d.phone);
    m_contactName->setText(d.contactName);
    m_iban->setText(d.iban);
    m_bic->setText(d.bic);
    m_paymentDays->setValue(d.paymentDays);
}

TradingDetails TradingDetailsDialog::entered() const
{
    TradingDetails d;
    d.legalName = m_legalName->text().trimmed();
    d.vatId = m_vatId->text();
    d.taxNumber = m_taxNumber->text().trimmed();
    d.street = m_street->text().trimmed();
    d.town = m_town->text().trimmed();
    d.postCode = m_postCode->text().trimmed();
    d.countryCode = m_country->code();
    d.email = m_email->text().trimmed();
    d.phone = m_phone->text().trimmed();
    d.contactName = m_contactName->text().trimmed();
    d.iban = m_iban->text();
    d.bic = m_bic->text();
    d.paymentDays = m_paymentDays->value();
    return d;
}

QStringList TradingDetailsDialog::faults(QWidget** first) const
{
    // Checked as typed, so that a message quotes what the user sees.
    FieldFaults found;
    const QString country = m_country->code();
    found.check(m_vatId, m_vatId->text().trimmed(),
                [&](const QString& v) { return BusinessIds::vatIdFault(v, country); });
    found.check(m_country, country, BusinessIds::countryCodeFault);
    found.check(m_email, m_email->text().trimmed(), BusinessIds::emailFault);
    found.check(m_iban, m_iban->text().trimmed(), BusinessIds::ibanFault);
    found.check(m_bic, m_bic->text().trimmed(), BusinessIds::bicFault);
    *first = found.first;
    return found.lines;
}

void TradingDetailsDialog::onSave()
{
    QWidget* first = nullptr;
    if (const QStringList lines = faults(&first); !lines.isEmpty()) {
        m_session.prompter().inform(lines.join(u'\n'));
        first->setFocus();
        return;
    }
    if (const Status saved = TradingDetailsStore::save(m_session.db(), m_identity, entered());
        !saved) {
        m_session.prompter().inform(tr("The trading details could not be saved.") + u'\n' +
                                        saved.error(),
                                    {}, Prompter::Icon::Warning);
        return;
    }
    accept();
}

bool TradingDetailsDialog::edit(Session& session, int identity, QWidget* parent)
{
    const Result<TradingDetails> details = TradingDetailsStore::load(session.db(), identity);
    const Result<QList<IdentityEntry>> identities = IdentityStore::list(session.db());
    const QString failure = !details      ? details.error()
                            : !identities ? identities.error()
                                          : QString();
    if (!failure.isEmpty()) {
        session.prompter().inform(tr("The trading details could not be read.") + u'\n' + failure,
                                  {}, Prompter::Icon::Warning);
        return false;
    }
    QString tradingName;
    for (const IdentityEntry& e : *identities) {
        if (e.identity == identity)
            tradingName = e.textLogo;
    }
    TradingDetailsDialog dialog(session, identity, *details, tradingName, parent);
    return dialog.exec() == QDialog::Accepted;
}
