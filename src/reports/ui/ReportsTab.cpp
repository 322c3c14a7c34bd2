#include "reports/ui/ReportsTab.h"

#include "core/Clock.h"
#include "core/Database.h"
#include "core/Prompter.h"
#include "core/ui/ExportButtons.h"
#include "core/ui/FlexGrid.h"
#include "core/ui/NamedWidgets.h"
#include "core/ui/Session.h"
#include "expenses/ExpenseStore.h"
#include "reports/VatReport.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ReportsTab::ReportsTab(Session& session, QWidget* parent)
    : QGroupBox(tr("Reports"), parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("fraVATControl"));
    setAccessibleName(title());

    auto* period = new QGridLayout;
    auto combo = [this, period](const char* name, const QString& label, int row, int column) {
        auto* box = new QComboBox(this);
        box->setObjectName(QLatin1String(name));
        box->setAccessibleName(label);
        auto* caption = new QLabel(label, this);
        caption->setAccessibleName(label);
        caption->setBuddy(box);
        period->addWidget(caption, row, column * 2);
        period->addWidget(box, row, column * 2 + 1);
        return box;
    };
    m_startDay = combo("cboVatStartDay", tr("Start Day"), 0, 0);
    m_startMonth = combo("cboVatStartMonth", tr("Start Month"), 0, 1);
    m_startYear = combo("cboVatStartYear", tr("Start Year"), 0, 2);
    m_endDay = combo("cboVatEndDay", tr("End Day"), 1, 0);
    m_endMonth = combo("cboVatEndMonth", tr("End Month"), 1, 1);
    m_endYear = combo("cboVatEndYear", tr("End Year"), 1, 2);
    period->setColumnStretch(6, 1);

    auto* getVat = namedButton(QStringLiteral("cmdVatControl"), tr("Get The VAT"), this);
    auto* getExpenses = namedButton(QStringLiteral("cmdGetExpenses"), tr("Get Expenses"), this);
    connect(getVat, &QPushButton::clicked, this, &ReportsTab::getTheVat);
    connect(getExpenses, &QPushButton::clicked, this, &ReportsTab::getExpenses);

    m_grid = new FlexGrid(this);
    m_grid->setObjectName(QStringLiteral("flxVat"));
    m_grid->setAccessibleName(tr("VAT"));
    m_export = new ExportButtons(session, m_grid, GridExport::Grid::Vat,
                                 QStringLiteral("PicVatExel"), QStringLiteral("PicVATCSV"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(getVat);
    buttons->addWidget(getExpenses);
    buttons->addStretch(1);
    buttons->addWidget(m_export);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(period);
    layout->addLayout(buttons);
    layout->addWidget(m_grid, 1);
    // The export buttons sit above the grid, so Tab reaches them first.
    setTabOrder(m_export->findChild<QWidget*>(QStringLiteral("PicVATCSV")), m_grid);

    // One identity's figures are never left on show for another.
    connect(&m_session, &Session::identityChanged, m_grid, &FlexGrid::clearGrid);
}

void ReportsTab::fillPeriodLists()
{
    const Result<int> first = VatReport::firstYear(m_session.db());
    if (!first)
        m_session.prompter().inform(
            tr("The date of the first invoice could not be read, so the years offered begin with "
               "%1.\n%2")
                .arg(VatReport::kFirstYearWithoutInvoices)
                .arg(first.error()),
            {}, Prompter::Icon::Warning);
    const VatReport::PeriodLists lists =
        VatReport::periodLists(first ? *first : VatReport::kFirstYearWithoutInvoices,
                               m_session.clock().today().year(), m_session.locale());
    for (auto [box, items] : {std::pair{m_startDay, &lists.days},
                              {m_endDay, &lists.days},
                              {m_startMonth, &lists.months},
                              {m_endMonth, &lists.months},
                              {m_startYear, &lists.years},
                              {m_endYear, &lists.years}}) {
        box->clear();
        box->addItems(*items);
        box->setCurrentIndex(0);
    }
}

std::optional<ReportsTab::Period> ReportsTab::chosenPeriod()
{
    const LocaleText& locale = m_session.locale();
    const std::optional<QDate> first = VatReport::periodDate(
        m_startDay->currentText(), m_startMonth->currentText(), m_startYear->currentText(), locale);
    const std::optional<QDate> last = VatReport::periodDate(
        m_endDay->currentText(), m_endMonth->currentText(), m_endYear->currentText(), locale);
    if (!first || !last) {
        m_session.prompter().inform(tr(kDateError));
        return std::nullopt;
    }
    return Period{*first, *last};
}

void ReportsTab::getTheVat()
{
    const std::optional<Period> period = chosenPeriod();
    if (!period)
        return;
    const Result<GridData> contents =
        VatReport::paidInvoices(m_session.db(), {m_session.locale(), m_session.clock().today()},
                                m_session.currentIdentity(), period->first, period->last);
    if (!contents) {
        m_session.prompter().inform(
            tr("The paid invoices could not be read:\n%1").arg(contents.error()), {},
            Prompter::Icon::Warning);
        return;
    }
    m_grid->populate(*contents, m_session.prompter());
}

void ReportsTab::getExpenses()
{
    const std::optional<Period> period = chosenPeriod();
    if (!period)
        return;
    const Result<GridData> contents =
        ExpenseStore(m_session.db())
            .inPeriod({m_session.locale(), m_session.clock().today()}, m_session.currentIdentity(),
                      period->first, period->last);
    if (!contents) {
        m_session.prompter().inform(tr("The expenses could not be read:\n%1").arg(contents.error()),
                                    {}, Prompter::Icon::Warning);
        return;
    }
    m_grid->populate(*contents, m_session.prompter());
}
