#include "appointments/ui/AppointmentDialog.h"

#include "core/KeyRules.h"
#include "core/Prompter.h"
#include "core/ui/KeyRuleGlue.h"
#include "core/ui/Mnemonics.h"
#include "core/ui/NamedWidgets.h"
#include "core/ui/Session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr const char* kNoDetails =
    QT_TRANSLATE_NOOP("AppointmentDialog", "You have not added any details");
constexpr const char* kClash = QT_TRANSLATE_NOOP(
    "AppointmentDialog", "You already have An Appointment\nFor the selected Date and Time");
constexpr const char* kGone =
    QT_TRANSLATE_NOOP("AppointmentDialog", "This appointment has been deleted since this window "
                                           "was opened, so it cannot be updated.");
constexpr const char* kTooLong =
    QT_TRANSLATE_NOOP("AppointmentDialog", "The details can be at most %1 characters long; "
                                           "these are %2. Please shorten them.");

QLabel* label(const char* name, const QString& caption, QWidget* buddy, QWidget* parent)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QLatin1String(name));
    l->setAccessibleName(caption);
    l->setBuddy(buddy);
    return l;
}

QComboBox* twoDigitChoices(const char* name, const QString& accessibleName, int last, int step,
                           QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setAccessibleName(accessibleName);
    for (int n = 0; n <= last; n += step)
        combo->addItem(QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')), n);
    return combo;
}

} // namespace

AppointmentDialog::AppointmentDialog(Session& session, QDate day, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("FrmAddAppointment"));
    setWindowTitle(tr("Add Appointment"));

    m_date = new QLineEdit(this);
    m_date->setObjectName(QStringLiteral("txtAppDate"));
    m_date->setAccessibleName(tr("Date"));
    KeyRuleGlue::attachDateOnLeave(m_date, m_session.locale(), m_session.prompter());
    m_hours = twoDigitChoices("cboTimeHours", tr("Time (24 hrs)"), 23, 1, this);
    m_minutes = twoDigitChoices("cboTimeMins", tr("Minutes"), 55, 5, this);
    // The seconds are always 00.
    auto* seconds = new QLabel(m_session.locale().timeSeparator() + QStringLiteral("00"), this);
    seconds->setObjectName(QStringLiteral("lblSeconds"));
    seconds->setAccessibleName(seconds->text());
    m_details = new QPlainTextEdit(this);
    m_details->setObjectName(QStringLiteral("txtAddAppointmentDetails"));
    m_details->setAccessibleName(tr("Details"));
    m_details->setTabChangesFocus(true);
    m_alert = new QCheckBox(tr("Set an Alert "), this);
    m_alert->setObjectName(QStringLiteral("chkSetAlert"));
    m_alert->setAccessibleName(m_alert->text());
    m_save = namedButton(QStringLiteral("CmdSaveAppointment"), tr("Save"), this);
    m_update = namedButton(QStringLiteral("CmdUpDateAppointment"), tr("Update"), this);
    m_update->hide();
    // A click leaves the focus where it is: the date is judged once, by the button, rather than
    // also by the date field as the focus leaves it.
    for (QPushButton* b : {m_save, m_update}) {
        b->setFocusPolicy(Qt::TabFocus);
        connect(b, &QPushButton::clicked, this, &AppointmentDialog::onSave);
    }

    auto* grid = new QGridLayout(this);
    grid->addWidget(label("lblDate", tr("Date"), m_date, this), 0, 0);
    grid->addWidget(m_date, 0, 1, 1, 3);
    grid->addWidget(label("lblTime", tr("Time (24 hrs)"), m_hours, this), 1, 0);
    auto* time = new QHBoxLayout;
    time->addWidget(m_hours);
    auto* separator = new QLabel(m_session.locale().timeSeparator(), this);
    separator->setAccessibleName(separator->text());
    time->addWidget(separator);
    time->addWidget(m_minutes);
    time->addWidget(seconds);
    time->addStretch(1);
    grid->addLayout(time, 1, 1, 1, 3);
    grid->addWidget(label("lblDetails", tr("Details"), m_details, this), 2, 0, Qt::AlignTop);
    grid->addWidget(m_details, 2, 1, 1, 3);
    grid->addWidget(m_alert, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_save);
    buttons->addWidget(m_update);
    grid->addLayout(buttons, 4, 0, 1, 4);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(3, 1);
    resize(440, 300);

    load({day, QTime(0, 0), {}, false});
    Mnemonics::give(this);
}

void AppointmentDialog::edit(const Appointment& appointment)
{
    m_editAppointId = appointment.appointId;
    setWindowTitle(tr("Edit Appointment"));
    m_save->hide();
    m_update->show();
    load({appointment.date, appointment.time, appointment.details, appointment.alert});
}

void AppointmentDialog::load(const AppointmentFields& fields)
{
    m_date->setText(fields.date.isValid() ? m_session.locale().toShortDate(fields.date)
                                          : QString());
    setTime(fields.time.isValid() ? fields.time : QTime(0, 0));
    m_details->setPlainText(fields.details);
    m_alert->setChecked(fields.alert);
    m_loaded = shownFields();
}

void AppointmentDialog::setTime(QTime time)
{
    m_hours->setCurrentIndex(time.hour());
    // A time off the five-minute steps (from an older file) is offered as it is, so that saving
    // the appointment keeps it.
    const int minute = time.minute();
    int index = 0;
    while (index < m_minutes->count() && m_minutes->itemData(index).toInt() < minute)
        ++index;
    if (index == m_minutes->count() || m_minutes->itemData(index).toInt() != minute)
        m_minutes->insertItem(index, QStringLiteral("%1").arg(minute, 2, 10, QLatin1Char('0')),
                              minute);
    m_minutes->setCurrentIndex(index);
}

AppointmentFields AppointmentDialog::shownFields() const
{
    const std::optional<QDate> date = m_session.locale().parseDate(m_date->text());
    return {date.value_or(QDate()),
            QTime(m_hours->currentData().toInt(), m_minutes->currentData().toInt()),
            m_details->toPlainText(), m_alert->isChecked()};
}

bool AppointmentDialog::isModified() const
{
    return !m_loaded || shownFields() != *m_loaded;
}

void AppointmentDialog::fail(const QString& message, QWidget* focus)
{
    m_session.prompter().inform(message);
    focus->setFocus(Qt::OtherFocusReason);
}

void AppointmentDialog::onSave()
{
    const AppointmentFields fields = shownFields();
    if (fields.details.trimmed().isEmpty())
        return fail(tr(kNoDetails), m_details);
    if (fields.details.size() > AppointmentStore::kMaxDetails)
        return fail(
            tr(kTooLong).arg(m_session.locale().locale().toString(AppointmentStore::kMaxDetails),
                             m_session.locale().locale().toString(fields.details.size())),
            m_details);
    if (!fields.date.isValid())
        return fail(KeyRules::dateErrorText(), m_date);
    m_date->setText(m_session.locale().toShortDate(fields.date));

    AppointmentStore store(m_session.db());
    const Result<AppointmentStore::Saved> result =
        m_editAppointId ? store.update(m_editAppointId, fields)
                        : store.add(fields, m_session.currentIdentity());
    if (!result) {
        m_session.prompter().inform(tr("The database reported an error:\n%1").arg(result.error()),
                                    {}, Prompter::Icon::Warning);
        return;
    }
    switch (*result) {
    case AppointmentStore::Saved::Clash:
        m_session.prompter().inform(tr(kClash));
        return;
    case AppointmentStore::Saved::Gone:
        m_session.prompter().inform(tr(kGone));
        return;
    case AppointmentStore::Saved::Saved:
        break;
    }
    emit saved();
    accept();
}
