#include "appointments/ui/AlertsWindow.h"

#include "core/Prompter.h"
#include "core/ui/Mnemonics.h"
#include "core/ui/NamedWidgets.h"
#include "core/ui/Session.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// An overdue invoice's item carries its id here; an appointment's its id in Qt::UserRole.
constexpr int kInvoiceRole = Qt::UserRole + 1;

} // namespace

AlertsWindow::AlertsWindow(Session& session, const QList<Appointment>& alerts,
                           const QList<Reminders::DueInvoice>& overdue, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("frmAlerts"));
    setWindowTitle(tr("Alerts"));

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstAlerts"));
    m_list->setAccessibleName(tr("Alerts"));
    for (const Appointment& a : alerts) {
        auto* item =
            new QListWidgetItem(m_session.locale().toShortDate(a.date) + u' ' + a.details, m_list);
        item->setData(Qt::UserRole, a.appointId);
    }
    const LocaleText& locale = m_session.locale();
    for (const Reminders::DueInvoice& i : overdue) {
        auto* item = new QListWidgetItem(tr("%1 Invoice %2 to %3 for %4 is overdue")
                                             .arg(locale.toShortDate(i.due), i.invoiceNumber,
                                                  i.client, locale.toCurrency(i.total)),
                                         m_list);
        item->setData(kInvoiceRole, i.invoiceId);
    }
    m_remind = new QRadioButton(tr("Remind Me Next Time"), this);
    m_remind->setObjectName(QStringLiteral("optRemindMe"));
    m_never = new QRadioButton(tr("Never Show This Alert Again"), this);
    m_never->setObjectName(QStringLiteral("optCancelAlert"));
    for (QRadioButton* b : {m_remind, m_never})
        b->setAccessibleName(b->text());
    m_remind->setChecked(true);
    QPushButton* cancel = namedButton(QStringLiteral("cmdCancelAlert"), tr("Cancel Alert"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(m_remind);
    row->addWidget(m_never);
    row->addStretch(1);
    row->addWidget(cancel);
    layout->addLayout(row);
    resize(520, 320);

    connect(m_list, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item)
            m_selectedAlertId = item->data(Qt::UserRole).toInt();
    });
    connect(m_list, &QListWidget::itemDoubleClicked, this, &AlertsWindow::onOpen);
    connect(cancel, &QPushButton::clicked, this, &AlertsWindow::onCancelAlert);
    Mnemonics::give(this);
}

void AlertsWindow::onCancelAlert()
{
    QListWidgetItem* item = m_list->currentItem();
    if (!item || !item->isSelected()) {
        m_session.prompter().inform(tr("Please Select an Alert to work with"));
        return;
    }
    // An overdue invoice is listed once whatever the choice: there is no flag to clear.
    if (m_never->isChecked() && item->data(kInvoiceRole).isNull()) {
        const Status cleared =
            AppointmentStore(m_session.db()).clearAlert(item->data(Qt::UserRole).toInt());
        if (!cleared)
            return reportFailure(cleared.error());
    }
    delete item;
    // Nothing is selected until the user chooses again.
    m_list->setCurrentItem(nullptr);
    if (m_list->count() == 0)
        close();
}

void AlertsWindow::onOpen(QListWidgetItem* item)
{
    if (const QVariant invoice = item->data(kInvoiceRole); !invoice.isNull()) {
        emit invoiceChosen(invoice.toInt());
        close();
        return;
    }
    m_selectedAlertId = item->data(Qt::UserRole).toInt();
    const Result<std::optional<Appointment>> found =
        AppointmentStore(m_session.db()).load(m_selectedAlertId);
    if (!found)
        return reportFailure(found.error());
    if (!*found || !(*found)->date.isValid()) {
        m_session.prompter().inform(tr("This appointment has been deleted."));
        delete item;
        if (m_list->count() == 0)
            close();
        return;
    }
    emit dayChosen((*found)->date);
    close();
}

void AlertsWindow::reportFailure(const QString& error)
{
    m_session.prompter().inform(tr("The database reported an error:\n%1").arg(error), {},
                                Prompter::Icon::Warning);
}
