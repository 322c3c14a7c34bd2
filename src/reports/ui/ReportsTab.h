#pragma once

#include <QDate>
#include <QGroupBox>
#include <optional>

class ExportButtons;
class FlexGrid;
class QComboBox;
class Session;

// fraVATControl, the page of the Reports tab: a period chosen with six lists, and in flxVat
// either the current identity's invoices paid in it ("Get The VAT") or its expenses dated in it
// ("Get Expenses"), with their totals.
class ReportsTab : public QGroupBox {
    Q_OBJECT
public:
    static constexpr const char* kDateError = QT_TR_NOOP("Date Error");

    explicit ReportsTab(Session& session, QWidget* parent = nullptr);

    // Start-up: the years from the first invoice's to this one, the twelve months and the days;
    // the period preset to 1 January of the first year.
    void fillPeriodLists();
    void getTheVat();
    void getExpenses();

    FlexGrid* grid() const { return m_grid; }
    ExportButtons* exportButtons() const { return m_export; }

private:
    struct Period {
        QDate first;
        QDate last;
    };
    // The period chosen, or nullopt after saying "Date Error".
    std::optional<Period> chosenPeriod();

    Session& m_session;
    QComboBox* m_startDay;
    QComboBox* m_startMonth;
    QComboBox* m_startYear;
    QComboBox* m_endDay;
    QComboBox* m_endMonth;
    QComboBox* m_endYear;
    FlexGrid* m_grid;
    ExportButtons* m_export;
};
