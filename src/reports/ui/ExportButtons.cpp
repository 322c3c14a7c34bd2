#include "reports/ui/ExportButtons.h"

#include "core/Clock.h"
#include "core/Prompter.h"
#include "core/SafeFile.h"
#include "core/Session.h"
#include "core/ui/FlexGrid.h"
#include "core/ui/PictureButton.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QStyle>
#include <QUrl>
#include <memory>

namespace {

// Lists shorter than this are written before a progress window could be noticed.
constexpr qint64 kProgressFromRows = 2000;
constexpr int kProgressDelayMs = 300;

// The progress of one export in a window-modal progress window, made only for long lists. The
// window's setValue lets the program handle its events, so it stays responsive and the Cancel
// button works.
class ExportProgress {
public:
    ExportProgress(QWidget* parent, qint64 rows)
    {
        if (rows < kProgressFromRows)
            return;
        m_dialog = std::make_unique<QProgressDialog>(
            QStringLiteral("Exporting %1 rows...").arg(parent->locale().toString(rows)),
            QStringLiteral("Cancel"), 0, int(rows), parent);
        m_dialog->setObjectName(QStringLiteral("frmExportProgress"));
        m_dialog->setWindowTitle(kApplicationTitle);
        m_dialog->setWindowModality(Qt::WindowModal);
        m_dialog->setMinimumDuration(kProgressDelayMs);
        m_dialog->setAutoClose(false);
        m_dialog->setAutoReset(false);
    }

    GridExport::Progress callback()
    {
        if (!m_dialog)
            return {};
        return [this](qint64 done, qint64) {
            m_dialog->setValue(int(done));
            return !m_dialog->wasCanceled();
        };
    }

private:
    std::unique_ptr<QProgressDialog> m_dialog;
};

} // namespace

ExportButtons::ExportButtons(Session& session, FlexGrid* grid, GridExport::Grid which,
                             const QString& spreadsheetButton, const QString& csvButton,
                             QWidget* parent)
    : QWidget(parent)
    , m_session(session)
    , m_grid(grid)
    , m_which(which)
{
    auto* spreadsheet = new PictureButton(spreadsheetButton, Icons::Action::Spreadsheet,
                                          QStringLiteral("Open in a spreadsheet"), {}, this);
    auto* csv =
        new PictureButton(csvButton, Icons::Action::Csv, QStringLiteral("Save as CSV"), {}, this);
    connect(spreadsheet, &PictureButton::clicked, this, &ExportButtons::exportSpreadsheet);
    connect(csv, &PictureButton::clicked, this, &ExportButtons::exportCsv);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(spreadsheet);
    layout->addWidget(csv);
}

QString ExportButtons::spreadsheetFolder() const
{
    return m_spreadsheetFolder.isEmpty() ? GridExport::spreadsheetFolder() : m_spreadsheetFolder;
}

std::optional<GridData> ExportButtons::contents() const
{
    if (const Status read = m_grid->rows().readAll(); !read) {
        m_session.prompter().inform(kReadError + read.error());
        return std::nullopt;
    }
    // A copy: the progress window lets events run, and a refill of the grid must not change
    // the rows being written.
    GridData rows = m_grid->gridData();
    if (rows.isEmpty()) {
        m_session.prompter().inform(kNothingToExport);
        return std::nullopt;
    }
    return rows;
}

void ExportButtons::exportCsv()
{
    Prompter& prompter = m_session.prompter();
    const std::optional<GridData> contents = this->contents();
    if (!contents)
        return;
    if (m_csvFolder.isEmpty())
        m_csvFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const std::optional<QString> chosen = prompter.saveFileName(
        {QStringLiteral("Save As"),
         m_csvFolder,
         GridExport::fileBaseName(m_which, m_session.clock().today()) + QStringLiteral(".csv"),
         {QStringLiteral("CSV files (*.csv)")}});
    if (!chosen || chosen->isEmpty())
        return;
    QString path = *chosen;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");

    ExportProgress progress(window(), GridExport::rowsOf(*contents));
    const std::optional<QByteArray> text = GridExport::csv(*contents, progress.callback());
    if (!text)
        return; // stopped by the user
    QString error;
    if (!SafeFile::write(path, *text, &error)) {
        prompter.inform(kSaveError + error);
        return;
    }
    m_csvFolder = QFileInfo(path).absolutePath();
    prompter.inform(kSaved + QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
}

QString ExportButtons::freeSpreadsheetName(const QString& folder) const
{
    const QString base = GridExport::fileBaseName(m_which, m_session.clock().today());
    QString path = folder + u'/' + base + QStringLiteral(".xlsx");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = folder + u'/' + base + QStringLiteral(" (%1).xlsx").arg(n);
    return path;
}

void ExportButtons::exportSpreadsheet()
{
    Prompter& prompter = m_session.prompter();
    const std::optional<GridData> contents = this->contents();
    if (!contents)
        return;
    if (!prompter.confirm(kOpenQuestion, kApplicationTitle))
        return;

    // Not a shared folder such as /tmp, where another user could make it first and read or
    // replace what is written there.
    const QString folder = spreadsheetFolder();
    if (const Status ready = GridExport::makePrivateFolder(folder); !ready) {
        prompter.inform(kSpreadsheetError + ready.error());
        return;
    }
    const QString path = freeSpreadsheetName(folder);
    ExportProgress progress(window(), GridExport::rowsOf(*contents));
    const Result<bool> written = GridExport::writeXlsx(
        *contents, m_session.locale(), GridExport::layoutOf(m_which), path, progress.callback());
    if (!written) {
        prompter.inform(kSpreadsheetError + written.error());
        return;
    }
    if (!*written)
        return; // stopped by the user
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        prompter.inform(kCannotOpen.arg(QDir::toNativeSeparators(path)));
}
