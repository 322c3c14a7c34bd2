#pragma once

#include "reports/GridExport.h"

#include <QWidget>
#include <optional>

class FlexGrid;
class Session;

// The two picture-buttons beside a list grid that export it as shown: to a CSV file the user
// names, and to a spreadsheet that the desktop's spreadsheet program opens. Long lists show
// their progress and can be stopped; nothing is written then.
class ExportButtons : public QWidget {
    Q_OBJECT
public:
    static inline const QString kNothingToExport =
        QStringLiteral("The list is empty, so there is nothing to export.");
    static inline const QString kSaved = QStringLiteral("file Saved ");
    static inline const QString kSaveError = QStringLiteral("Error saving file.\n");
    static inline const QString kOpenQuestion =
        QStringLiteral("Do You Want To Open This Data In Excel ?");
    static inline const QString kSpreadsheetError =
        QStringLiteral("The spreadsheet could not be saved.\n");
    static inline const QString kReadError =
        QStringLiteral("The list could not be read in full, so nothing was exported.\n");
    static inline const QString kCannotOpen =
        QStringLiteral("No spreadsheet program could be started to show the data.\n"
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
    // A name in the folder that no file has yet: "Invoices 2026-12-05.xlsx", then " (2)"...
    QString freeSpreadsheetName(const QString& folder) const;

    Session& m_session;
    FlexGrid* m_grid;
    GridExport::Grid m_which;
    QString m_csvFolder; // where the last CSV file was saved
    QString m_spreadsheetFolder;
};
