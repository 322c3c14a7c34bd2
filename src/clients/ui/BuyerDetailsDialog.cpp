#include "clients/ui/BuyerDetailsDialog.h"

#include "clients/ClientStore.h"
#include "core/BusinessIds.h"
#include "core/Countries.h"
#include "core/Prompter.h"
#include "core/ui/CountryCombo.h"
#include "core/ui/FieldFaults.h"
#include "core/ui/Mnemonics.h"
#include "core/ui/NamedWidgets.h"
#include "core/ui/Session.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

BuyerDetailsDialog::BuyerDetailsDialog(Session& session, const Client& client,
                                       const BuyerDetails& details, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
    , m_clientId(client.clientId)
    , m_email(client.email)
{
    setObjectName(QStringLiteral("frmBuyerDetails"));
    setWindowTitle(tr("E-invoice details"));
    buildFields(client);

    m_country->setCode(details.countryCode.isEmpty() ? Countries::codeFromName(client.country)
                                                     : details.countryCode);
    m_vatId->setText(details.vatId);
    // The store gives the e-mail where no address of its own is kept: shown as the placeholder,
    // so that a later change of the e-mail still carries through.
    m_address->setText(details.eInvoiceAddress == m_email ? QString() : details.eInvoiceAddress);
    m_reference->setText(details.buyerReference);
    Mnemonics::give(this);
}

void BuyerDetailsDialog::buildFields(const Client& client)
{
    auto* layout = new QVBoxLayout(this);
    auto* company = new QLabel(client.company, this);
    company->setObjectName(QStringLiteral("lblCompany"));
    company->setAccessibleName(client.company);
    layout->addWidget(company);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    m_country = addNamedRow(form, "cboCountryCode", tr("Country"),
                            new CountryCombo(m_session.locale().locale(), this));
    m_vatId = addNamedRow(form, "txtVatId", tr("VAT number"), new QLineEdit(this));
    m_vatId->setMaxLength(30);
    m_address =
        addNamedRow(form, "txtEInvoiceAddress", tr("E-invoice address"), new QLineEdit(this));
    m_address->setMaxLength(254);
    m_address->setPlaceholderText(client.email);
    m_reference = addNamedRow(form, "txtBuyerReference", tr("Buyer reference (Leitweg-ID)"),
                              new QLineEdit(this));
    m_reference->setMaxLength(100);

    QPushButton* save = namedButton(QStringLiteral("cmdSave"), tr("Save"), this);
    QPushButton* cancel = namedButton(QStringLiteral("cmdCancel"), tr("Cancel"), this);
    connect(save, &QPushButton::clicked, this, &BuyerDetailsDialog::onSave);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    setMinimumWidth(420);
}

QStringList BuyerDetailsDialog::faults(QWidget** first) const
{
    // Checked as typed, so that a message quotes what the user sees.
    FieldFaults found;
    const QString country = m_country->code();
    found.check(m_country, country, BusinessIds::countryCodeFault);
    found.check(m_vatId, m_vatId->text().trimmed(),
                [&](const QString& v) { return BusinessIds::vatIdFault(v, country); });
    found.check(m_address, m_address->text().trimmed(), BusinessIds::emailFault);
    *first = found.first;
    return found.lines;
}

void BuyerDetailsDialog::onSave()
{
    QWidget* first = nullptr;
    if (const QStringList lines = faults(&first); !lines.isEmpty()) {
        m_session.prompter().inform(lines.join(u'\n'));
        first->setFocus();
        return;
    }
    BuyerDetails d;
    d.countryCode = m_country->code();
    d.vatId = m_vatId->text();
    d.eInvoiceAddress = m_address->text().trimmed();
    d.buyerReference = m_reference->text().trimmed();
    if (const Status saved = BuyerDetailsStore::save(m_session.db(), m_clientId, d); !saved) {
        m_session.prompter().inform(tr("The e-invoice details could not be saved.") + u'\n' +
                                        saved.error(),
                                    {}, Prompter::Icon::Warning);
        return;
    }
    accept();
}

bool BuyerDetailsDialog::edit(Session& session, int clientId, QWidget* parent)
{
    const Result<std::optional<Client>> client =
        ClientStore(session.db(), session.locale().locale()).load(clientId);
    const Result<BuyerDetails> details = BuyerDetailsStore::load(session.db(), clientId);
    QString failure = !client ? client.error() : !details ? details.error() : QString();
    if (failure.isEmpty() && !*client)
        failure = tr("The client no longer exists.");
    if (!failure.isEmpty()) {
        session.prompter().inform(tr("The e-invoice details could not be read.") + u'\n' + failure,
                                  {}, Prompter::Icon::Warning);
        return false;
    }
    BuyerDetailsDialog dialog(session, **client, *details, parent);
    return dialog.exec() == QDialog::Accepted;
}
