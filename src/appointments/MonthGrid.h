#pragma once

#include <QColor>
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>

class LocaleText;

// The month calendar as a grid of cells: a header row (row 0) of weekday names and up to six
// week rows (rows 1..6) of seven columns. Column 1 is the locale's first day of the week and
// column 0 the day before it, so a day in column 0 starts a new week row, except the first of
// the month, which stays in row 1.
struct MonthGrid {
    static constexpr int kColumns = 7;
    static constexpr int kWeekRows = 6;
    static constexpr int kColumnTwips = 500;
    // The selected day's background: red 108, green 164, blue 208 (13673580 as a stored colour).
    static inline const QColor kHighlight = QColor(108, 164, 208);

    QString caption;    // the month's full name, two blanks and the year: "April  2008"
    QStringList header; // row 0: the first three letters of each column's weekday name
    // Day of the month in each cell, 0 for a blank cell; row 0 (the header) is all 0.
    std::array<std::array<int, kColumns>, kWeekRows + 1> days{};
    int weekRows = 0;    // week rows holding days: 4 to 6
    int selectedRow = 0; // the cell of the selected day
    int selectedColumn = 0;

    int dayAt(int row, int column) const
    {
        if (row < 1 || row > kWeekRows || column < 0 || column >= kColumns)
            return 0;
        return days[row][column];
    }
};

// The grid of `selected`'s month, `selected` marked.
MonthGrid monthGrid(QDate selected, const LocaleText& locale);

// Days in a month of the Gregorian calendar: February has 29 in years divisible by 4 and not by
// 100, or divisible by 400.
int daysInMonth(int year, int month);
