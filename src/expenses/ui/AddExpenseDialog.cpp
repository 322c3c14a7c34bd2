#include "expenses/ui/AddExpenseDialog.h"

#include "core/Clock.h"
#include "core/Prompter.h"
#include "core/ui/KeyRuleGlue.h"
#include "core/ui/Mnemonics.h"
#include "core/ui/NamedWidgets.h"
#include "core/ui/Session.h"
#include "expenses/ExpenseStore.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Distances and rates as their keys let them be typed: digits and at most one point.
std::optional<Money> readPlain(const QString& text)
{
    const std::optional<Money> n = Money::parse(text.trimmed());
    return n && n->units() >= 0 ? n : std::nullopt;
}

} // namespace

AddExpenseDialog::AddExpenseDialog(Session& session, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("frmAddExpense"));
    setWindowTitle(tr("Add Expense"));

    auto* form = new QFormLayout;
    auto field = [this, form](const char* name, const QString& label) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setAccessibleName(label);
        auto* caption = new QLabel(label, this);
        caption->setAccessibleName(label);
        caption->setBuddy(edit);
        form->addRow(caption, edit);
        return edit;
    };
    m_date = field("txtDate", tr("Date"));
    m_clientRef = field("txtClientRef", tr("Client Ref"));
    m_description = field("txtDescription", tr("Description"));
    m_mileage = field("txtMilage", tr("Mileage"));
    m_rate = field("txtMilageRate", tr("Mileage Rate"));
    m_value = field("txtValue", tr("Value"));
    m_vat = field("txtVAT", m_session.pageSettings().taxCaption);

    KeyRuleGlue::attachDateOnLeave(m_date, m_session.locale(), m_session.prompter());
    KeyRuleGlue::attachLengthLimit(m_clientRef, ExpenseStore::kClientRefLength);
    KeyRuleGlue::attachMoneyKeys(m_mileage);
    KeyRuleGlue::attachMoneyKeys(m_rate);
    KeyRuleGlue::attachSignedMoneyKeys(m_value);
    KeyRuleGlue::attachMoneyKeys(m_vat);
    m_rate->installEventFilter(this);

    auto* add = namedButton(QStringLiteral("CmdAddExpense"), tr("Add"), this);
    auto* cancel = namedButton(QStringLiteral("CmdCancel"), tr("Cancel"), this);
    // A click leaves the focus where it is: the date is judged once, by "Add", rather than also
    // as the focus leaves its field.
    for (QPushButton* b : {add, cancel})
        b->setFocusPolicy(Qt::TabFocus);
    connect(add, &QPushButton::clicked, this, &AddExpenseDialog::onAdd);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(add);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    // Today as "5 April 2008", with the month's name as it stands in a date ("5 huhtikuuta
    // 2008" in Finnish, not the standalone "huhtikuu"), so that the box reads back as a date.
    m_date->setText(m_session.locale().locale().toString(m_session.clock().today(),
                                                         QStringLiteral("d MMMM yyyy")));
    Mnemonics::give(this);
}

bool AddExpenseDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Leaving the rate works the value out once both boxes hold two characters or more, so a
    // first digit typed in passing does not yet overwrite a value typed by hand.
    if (watched == m_rate && event->type() == QEvent::FocusOut && m_mileage->text().size() > 1 &&
        m_rate->text().size() > 1)
        workOutValue();
    return QDialog::eventFilter(watched, event);
}

bool AddExpenseDialog::workOutValue()
{
    const std::optional<Money> miles = readPlain(m_mileage->text());
    const std::optional<Money> rate = readPlain(m_rate->text());
    if (!miles || !rate)
        return false;
    const std::optional<Money> value = ExpenseStore::mileageValue(*miles, *rate);
    if (!value)
        return false;
    m_value->setText(value->toPlainString());
    return true;
}

void AddExpenseDialog::onAdd()
{
    const LocaleText& locale = m_session.locale();
    QStringList problems;
    std::optional<QDate> date;
    if (m_date->text().trimmed().isEmpty())
        problems << tr(kNoDate);
    if (!(date = ExpenseStore::readDate(m_date->text(), locale)))
        problems << tr(kBadDate);

    const bool byMileage = !m_mileage->text().isEmpty() && !m_rate->text().isEmpty();
    std::optional<Money> miles = Money();
    if (!m_mileage->text().isEmpty() && !(miles = readPlain(m_mileage->text())))
        problems << tr(kBadMileage);
    const bool rateRead = m_rate->text().isEmpty() || readPlain(m_rate->text());
    if (!rateRead)
        problems << tr(kBadRate);
    // Only a product past the largest amount fails here.
    if (byMileage && miles && rateRead && !workOutValue())
        problems << tr(kBadValue);

    std::optional<Money> value;
    if (m_value->text().trimmed().isEmpty())
        problems << tr(kNoValue);
    else if (!(value = ExpenseStore::readAmount(m_value->text(), locale)))
        problems << tr(kBadValue);
    std::optional<Money> vat = Money();
    if (!m_vat->text().trimmed().isEmpty() &&
        !(vat = ExpenseStore::readAmount(m_vat->text(), locale)))
        problems << tr(kBadVat);

    problems.removeDuplicates();
    if (!problems.isEmpty()) {
        m_session.prompter().inform(problems.join(u'\n'));
        return;
    }

    ExpenseStore store(m_session.db());
    const Result<qint64> saved =
        store.add({*date, m_clientRef->text(), m_description->text(),
                   double(miles->units()) / double(Money::kScale), *value, *vat},
                  m_session.currentIdentity());
    if (!saved) {
        m_session.prompter().inform(tr("The expense could not be saved:\n%1").arg(saved.error()),
                                    {}, Prompter::Icon::Warning);
        return;
    }
    emit added();
    accept();
}
