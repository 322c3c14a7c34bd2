#pragma once

#include "core/GridExport.h"

#include <QWidget>
#include <optional>

class FlexGrid;
class Session;

// The two picture-buttons beside a list grid that export it as shown: to a CSV file the user
// names, and to a spreadsheet that the desktop's spreadsheet program opens. Long lists show
// their progress and can be stopped; nothing is written then. The spreadsheet is written on a
// worker thread (LongWork) from a copy of the rows; its messages follow when it is done.
class ExportButtons : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kNothingToExport =
        QT_TR_NOOP("The list is empty, so there is nothing to export.");
    static constexpr const char* kSaved = QT_TR_NOOP("file Saved ");
    static constexpr const char* kSaveError = QT_TR_NOOP("Error saving file.\n");
    static constexpr const char* kOpenQuestion =
        QT_TR_NOOP("Do You Want To Open This Data In Excel ?");
    static constexpr const char* kSpreadsheetError =
        QT_TR_NOOP("The spreadsheet could not be saved.\n");
    static constexpr const char* kReadError =
        QT_TR_NOOP("The list could not be read in full, so nothing was exported.\n");
    static constexpr const char* kCannotOpen =
        QT_TR_NOOP("No spreadsheet program could be started to show the data.\n"
                   "It has been saved as %1");

    // The buttons are named spreadsheetButton and csvButton (picExcel, picCSV2, ...).
    ExportButtons(Session& session, FlexGrid* grid, GridExport::Grid which,
                  const QString& spreadsheetButton, const QString& csvButton,
                  QWidget* parent = nullptr);

    void exportCsv();
    void exportSpreadsheet();

    // Where spreadsheets are saved to be opened: a folder of the user's own (see
    // GridExport::spreadsheetFolder) unless set. Either way it must be private to the user.
    QString spreadsheetFolder() const;
    void setSpreadsheetFolder(const QString& folder) { m_spreadsheetFolder = folder; }

private:
    // Every row of the list, read now if it was shown a page at a time; nullopt, once the user
    // has been told why, when the list is empty or cannot be read in full.
    std::optional<GridData> contents() const;
    // Once the spreadsheet is written (or not): opens it, or says why not.
    void opened(const Result<bool>& written, const QString& path);
    // A name in the folder that no file has yet: "Invoices 2026-12-05.xlsx", then " (2)"...
    QString freeSpreadsheetName(const QString& folder) const;

    Session& m_session;
    FlexGrid* m_grid;
    GridExport::Grid m_which;
    QString m_csvFolder; // where the last CSV file was saved
    QString m_spreadsheetFolder;
};
