#include "core/ui/ExportButtons.h"

#include "core/Clock.h"
#include "core/Prompter.h"
#include "core/SafeFile.h"
#include "core/ui/FlexGrid.h"
#include "core/ui/LongWork.h"
#include "core/ui/PictureButton.h"
#include "core/ui/Session.h"

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

QString exportingLabel(const QWidget* parent, qint64 rows)
{
    return ExportButtons::tr("Exporting %1 rows...").arg(parent->locale().toString(rows));
}

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
            exportingLabel(parent, rows), ExportButtons::tr("Cancel"), 0, int(rows), parent);
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
                                          tr("Open in a spreadsheet"), {}, this);
    auto* csv = new PictureButton(csvButton, Icons::Action::Csv, tr("Save as CSV"), {}, this);
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
        m_session.prompter().inform(tr(kReadError) + read.error());
        return std::nullopt;
    }
    // A copy: the progress window lets events run, and a refill of the grid must not change
    // the rows being written.
    GridData rows = m_grid->gridData();
    if (rows.isEmpty()) {
        m_session.prompter().inform(tr(kNothingToExport));
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
        {tr("Save As"),
         m_csvFolder,
         GridExport::fileBaseName(m_which, m_session.clock().today()) + QStringLiteral(".csv"),
         {tr("CSV files (*.csv)")}});
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
        prompter.inform(tr(kSaveError) + error);
        return;
    }
    m_csvFolder = QFileInfo(path).absolutePath();
    prompter.inform(tr(kSaved) + QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
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
    std::optional<GridData> contents = this->contents();
    if (!contents)
        return;
    if (!prompter.confirm(tr(kOpenQuestion), kApplicationTitle))
        return;

    // Not a shared folder such as /tmp, where another user could make it first and read or
    // replace what is written there.
    const QString folder = spreadsheetFolder();
    if (const Status ready = GridExport::makePrivateFolder(folder); !ready) {
        prompter.inform(tr(kSpreadsheetError) + ready.error());
        return;
    }
    const QString path = freeSpreadsheetName(folder);
    LongWork::Options options;
    options.label = exportingLabel(window(), GridExport::rowsOf(*contents));
    options.title = kApplicationTitle;
    options.objectName = QStringLiteral("frmExportProgress");
    // The worker has its own copy of the rows and the locale: the grid may be refilled meanwhile.
    std::function<Result<bool>(WorkProgress&)> work =
        [rows = std::move(*contents), locale = m_session.locale(),
         layout = GridExport::layoutOf(m_which), path](WorkProgress& progress) {
            return GridExport::writeXlsx(rows, locale, layout, path,
                                         [&progress](qint64 done, qint64 total) {
                                             progress.setFraction(double(done) / double(total));
                                             return !progress.cancelled();
                                         });
        };
    LongWork::start<Result<bool>>(this, std::move(options), std::move(work),
                                  [this, path](Result<bool> written) { opened(written, path); });
}

void ExportButtons::opened(const Result<bool>& written, const QString& path)
{
    Prompter& prompter = m_session.prompter();
    if (!written) {
        prompter.inform(tr(kSpreadsheetError) + written.error());
        return;
    }
    if (!*written)
        return; // stopped by the user
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        prompter.inform(tr(kCannotOpen).arg(QDir::toNativeSeparators(path)));
}
