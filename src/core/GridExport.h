#pragma once

#include "core/GridData.h"
#include "core/Result.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <functional>
#include <optional>

class LocaleText;

// A list grid written out as it is shown: every row (the header, the data rows and the Totals
// row) and every cell's text. As a CSV file for any program, or as an .xlsx workbook for a
// spreadsheet program.
namespace GridExport {

// The three grids that export, each with its own name and filter column.
enum class Grid { Invoices, Expenses, Vat };

// Called as rows are written with the rows done and the rows in all; returning false stops the
// export, and nothing is written.
using Progress = std::function<bool(qint64 done, qint64 total)>;

// The rows a written grid has: header, data rows and Totals; 0 for an empty grid.
qint64 rowsOf(const GridData& data);

// The CSV text: each cell without its line breaks (CR LF, CR, LF) and commas and followed by a
// comma, each row ended by CR LF, and one more CR LF at the end. UTF-8 without a byte order
// mark, no quoting. A cell that would begin with = + - @ tab or CR and is no number as the list
// shows numbers (plain, or an amount in the grid's locale) gets an apostrophe before it, so a
// spreadsheet takes it as text, never as a formula to run. nullopt when the progress callback
// stops it.
std::optional<QByteArray> csv(const GridData& data, const Progress& progress = {});

struct XlsxLayout {
    QString sheetName;
    int filterColumn = -1; // the grid column whose values get the autofilter; -1 for none
};
// How each grid is laid out in a workbook: the sheet's name and the autofilter's column (the
// invoice number's, in the invoice list and the VAT report).
XlsxLayout layoutOf(Grid grid);
// The name an exported grid's file is given, without its extension: "Invoices 2026-12-05".
QString fileBaseName(Grid grid, QDate today);

// Writes the grid as an .xlsx workbook of one sheet, replacing `path` atomically. Column 0, the
// key, is left out. The header row is bold and frozen, every written row 20 points high, every
// column left-aligned and as wide as its longest text. Money cells (money columns, and the
// amounts of the Totals row) are numbers in the locale's currency format, number columns
// numbers; every other cell is its text, those beginning with "0" formatted as text so that
// leading zeros stay. A text is written as a string, never a formula, so "=..." needs no
// apostrophe here. True when written, false when the progress callback stopped it.
Result<bool> writeXlsx(const GridData& data, const LocaleText& locale, const XlsxLayout& layout,
                       const QString& path, const Progress& progress = {});

// The locale's currency form as an Excel number format: "£"#,##0.00;-"£"#,##0.00.
QString currencyNumberFormat(const LocaleText& locale);

// Where spreadsheets are saved to be opened: "spreadsheets" in the user's own cache folder
// (~/.cache/Billcraft/spreadsheets); empty when the system names no cache folder.
QString spreadsheetFolder();
// Makes `folder` ready for files no other user may read or plant: created 0700 when missing
// (its parents as needed), narrowed to 0700 when it is ours, refused when it is a symbolic link,
// not a folder, or another user's.
Status makePrivateFolder(const QString& folder);

} // namespace GridExport
