#include "appointments/MonthGrid.h"

#include "core/LocaleText.h"

namespace {

// Weekdays are Qt's: 1 = Monday .. 7 = Sunday. The column of a weekday counts from the day
// before the first day of the week (column 0).
int columnOf(int weekday, Qt::DayOfWeek firstDay)
{
    return (weekday - int(firstDay) + 8) % 7;
}

int weekdayOf(int column, Qt::DayOfWeek firstDay)
{
    return (int(firstDay) - 1 + column + 6) % 7 + 1;
}

} // namespace

int daysInMonth(int year, int month)
{
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 ? 29 : 28;
    default:
        return 31;
    }
}

MonthGrid monthGrid(QDate selected, const LocaleText& locale)
{
    MonthGrid grid;
    const Qt::DayOfWeek firstDay = locale.firstDayOfWeek();
    grid.caption = locale.monthName(selected.month()) + QStringLiteral("  ") +
                   QString::number(selected.year());
    for (int column = 0; column < MonthGrid::kColumns; ++column)
        grid.header << locale.weekdayName(weekdayOf(column, firstDay)).left(3);

    const QDate first(selected.year(), selected.month(), 1);
    int row = 1;
    int column = columnOf(first.dayOfWeek(), firstDay);
    for (int day = 1; day <= daysInMonth(selected.year(), selected.month()); ++day) {
        if (column == MonthGrid::kColumns)
            column = 0;
        if (column == 0 && day > 1)
            ++row;
        grid.days[row][column] = day;
        if (day == selected.day()) {
            grid.selectedRow = row;
            grid.selectedColumn = column;
        }
        ++column;
    }
    grid.weekRows = row;
    return grid;
}
