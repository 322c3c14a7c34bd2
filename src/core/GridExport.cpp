#include "core/GridExport.h"

#include "core/LocaleText.h"
#include "core/Money.h"
#include "core/SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>
#include <xlsxwriter.h>

namespace GridExport {

namespace {

constexpr qint64 kProgressStep = 1024; // rows between two progress reports
constexpr double kRowHeight = 20;      // points
constexpr int kMaxColumnWidth = 255;   // characters, the most a spreadsheet column takes
constexpr int kMaxCellText = 32767;    // characters, the most a spreadsheet cell holds
constexpr int kMaxSheetName = 31;

// Row r of the written grid: -1 the header, 0.. the data rows, rowCount() the Totals row.
QString cellText(const GridData& data, int r, int c)
{
    if (r < 0)
        return data.header().value(c);
    if (r == data.rowCount())
        return data.totals().value(c);
    return data.text(r, c);
}

bool report(const Progress& progress, qint64 done, qint64 total)
{
    return !progress || progress(done, total);
}

// A Totals row amount as the grid shows it, "£1,250.00" or "-£3.20", read back exactly.
std::optional<Money> readShownAmount(const QString& text, const CurrencyForm& form,
                                     const QLocale& locale)
{
    QString s = text;
    bool negative = false;
    if (!form.negativeSign.isEmpty() && s.startsWith(form.negativeSign)) {
        negative = true;
        s.remove(0, form.negativeSign.size());
    }
    if (!s.startsWith(form.prefix) || !s.endsWith(form.suffix) ||
        s.size() < form.prefix.size() + form.suffix.size())
        return std::nullopt;
    s = s.mid(form.prefix.size(), s.size() - form.prefix.size() - form.suffix.size());
    const QString group = locale.groupSeparator();
    if (!group.isEmpty() && group != form.decimalPoint)
        s.remove(group);
    s.replace(form.decimalPoint, QStringLiteral("."));
    for (int d = 0; d < 10; ++d)
        s.replace(form.digits[d], QString(QChar(u'0' + d)));
    if (s.startsWith(u'-') || s.startsWith(u'+'))
        return std::nullopt;
    return Money::parse(negative ? u'-' + s : s);
}

// A spreadsheet reading a CSV cell that begins with one of these runs it as a formula.
bool startsLikeFormula(const QString& cell)
{
    return !cell.isEmpty() && QStringLiteral("=+-@\t\r").contains(cell.front());
}

// Whether a cell's text is a number as the grid writes numbers: plain ("-12.5", "-1,250") or an
// amount in its currency form ("-£12.50", "-12,50 €"). Surrounding blanks make it no number.
bool isNumber(const QString& text, const LocaleText& locale, const CurrencyForm& form)
{
    if (text.isEmpty() || text.front().isSpace() || text.back().isSpace())
        return false;
    bool ok = false;
    const double plain = locale.locale().toDouble(text, &ok);
    return (ok && std::isfinite(plain)) || readShownAmount(text, form, locale.locale());
}

// Quotes a literal for an Excel number format; a plain minus sign needs none.
QString quoted(const QString& literal)
{
    if (literal.isEmpty() || literal == QLatin1String("-"))
        return literal;
    return u'"' + QString(literal).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// Excel's sheet names have at most 31 characters and none of []:*?/\.
QString sheetNameOf(const QString& name)
{
    QString s = name;
    s.removeIf([](QChar c) { return QStringLiteral("[]:*?/\\").contains(c); });
    s = s.left(kMaxSheetName);
    return s.isEmpty() ? QStringLiteral("Sheet1") : s;
}

class Workbook {
public:
    Workbook(const QString& path, const QString& tmpdir)
    {
        const QByteArray file = QFile::encodeName(path);
        m_tmpdir = QFile::encodeName(tmpdir);
        lxw_workbook_options options{};
        // Rows are written in order, so each is flushed as the next begins: the memory used
        // stays the same however long the list.
        options.constant_memory = LXW_TRUE;
        options.tmpdir = m_tmpdir.data();
        m_book = workbook_new_opt(file.constData(), &options);
    }
    ~Workbook()
    {
        if (m_book)
            workbook_close(m_book);
    }
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    lxw_workbook* get() const { return m_book; }
    // Writes the file and frees the workbook.
    lxw_error close()
    {
        lxw_workbook* book = std::exchange(m_book, nullptr);
        return book ? workbook_close(book) : LXW_ERROR_MEMORY_MALLOC_FAILED;
    }

private:
    QByteArray m_tmpdir;
    lxw_workbook* m_book = nullptr;
};

Failure xlsxFailure(lxw_error error)
{
    return Failure{
        QCoreApplication::translate("GridExport", "The spreadsheet could not be made: %1")
            .arg(QString::fromUtf8(lxw_strerror(error)))};
}

// The cell formats of a sheet, each plain [0] and bold [1]: every cell is left-aligned.
struct Formats {
    lxw_format* plain[2] = {};
    lxw_format* asText[2] = {}; // a text that begins with "0" keeps its leading zeros
    lxw_format* amount[2] = {}; // the locale's currency form

    Formats(lxw_workbook* wb, const QByteArray& money)
    {
        // Made in this order, so the workbook's styles stay as they have always been.
        for (int bold = 0; bold < 2; ++bold)
            plain[bold] = make(wb, bold, nullptr);
        for (int bold = 0; bold < 2; ++bold)
            asText[bold] = make(wb, bold, "@");
        for (int bold = 0; bold < 2; ++bold)
            amount[bold] = make(wb, bold, money.constData());
    }

private:
    static lxw_format* make(lxw_workbook* wb, bool bold, const char* numberFormat)
    {
        lxw_format* f = workbook_add_format(wb);
        format_set_align(f, LXW_ALIGN_LEFT);
        if (bold)
            format_set_bold(f);
        if (numberFormat)
            format_set_num_format(f, numberFormat);
        return f;
    }
};

// Writes the rows of one grid into one sheet, the header first, keeping each column's widest
// text for the column widths.
class SheetWriter {
public:
    SheetWriter(lxw_workbook* wb, lxw_worksheet* sheet, const GridData& data,
                const LocaleText& locale, const QByteArray& money)
        : m_sheet(sheet)
        , m_data(data)
        , m_locale(locale.locale())
        , m_form(CurrencyForm::of(locale.locale(), locale.currencySymbol()))
        , m_formats(wb, money)
        , m_widths(std::max(data.columnCount(), 1), 0)
    {}

    // Row r of the written grid: -1 the header, 0.. the data rows, rowCount() the Totals row.
    lxw_error writeRow(int r)
    {
        const auto row = lxw_row_t(r + 1);
        lxw_error error = worksheet_set_row(m_sheet, row, kRowHeight, nullptr);
        for (int c = 1; c < m_data.columnCount() && error == LXW_NO_ERROR; ++c) {
            const QString text = cellText(m_data, r, c);
            if (text.isEmpty())
                continue;
            m_widths[c] = std::max(m_widths[c], text.size());
            error = writeCell(row, r, c, text);
        }
        return error;
    }

    // Column widths and the frozen header, once the rows are written.
    void finish()
    {
        for (int c = 1; c < m_data.columnCount(); ++c) {
            // A character more than the longest text, as a spreadsheet's own fitting leaves.
            const double width = double(std::min<qsizetype>(m_widths[c] + 1, kMaxColumnWidth));
            worksheet_set_column(m_sheet, lxw_col_t(c - 1), lxw_col_t(c - 1), width,
                                 m_formats.plain[0]);
        }
        worksheet_freeze_panes(m_sheet, 1, 0);
    }

private:
    // Money and number cells as numbers (the Totals row's amounts read back from their text),
    // every other cell as its text, never a formula.
    lxw_error writeCell(lxw_row_t row, int r, int c, const QString& text)
    {
        const auto col = lxw_col_t(c - 1);
        const bool header = r < 0;
        const bool totals = r == m_data.rowCount();
        const bool bold = header || totals;
        const GridColumn::Kind kind = m_data.column(c).kind;
        const bool isMoney = kind == GridColumn::Kind::Money;
        if (!header && (isMoney || kind == GridColumn::Kind::Number)) {
            if (totals) {
                if (const std::optional<Money> sum = readShownAmount(text, m_form, m_locale))
                    return worksheet_write_number(m_sheet, row, col,
                                                  double(sum->units()) / Money::kScale,
                                                  m_formats.amount[1]);
            } else if (const QVariant v = m_data.value(r, c); v.isValid()) {
                const double number =
                    isMoney ? double(v.toLongLong()) / Money::kScale : v.toDouble();
                return worksheet_write_number(m_sheet, row, col, number,
                                              isMoney ? m_formats.amount[0] : m_formats.plain[0]);
            }
        }
        const QByteArray utf8 = text.left(kMaxCellText).toUtf8();
        return worksheet_write_string(m_sheet, row, col, utf8.constData(),
                                      text.startsWith(u'0') ? m_formats.asText[bold]
                                                            : m_formats.plain[bold]);
    }

    lxw_worksheet* m_sheet;
    const GridData& m_data;
    QLocale m_locale;
    CurrencyForm m_form;
    Formats m_formats;
    std::vector<qsizetype> m_widths; // characters, by grid column
};

// The grid's one sheet written into the open workbook; false when the progress callback
// stopped it.
Result<bool> writeBook(Workbook& book, const GridData& data, const LocaleText& locale,
                       const XlsxLayout& layout, const Progress& progress)
{
    lxw_workbook* wb = book.get();
    const QByteArray sheetName = sheetNameOf(layout.sheetName).toUtf8();
    lxw_worksheet* sheet = wb ? workbook_add_worksheet(wb, sheetName.constData()) : nullptr;
    if (!sheet)
        return Failure{
            QCoreApplication::translate("GridExport", "The spreadsheet could not be started.")};
    const int columns = data.columnCount();
    if (layout.filterColumn > 0 && layout.filterColumn < columns) {
        // Before the rows: in constant memory a range of rows already written is refused.
        // From the header to the last data row, so the Totals row is never filtered away.
        const auto col = lxw_col_t(layout.filterColumn - 1);
        if (const lxw_error error =
                worksheet_autofilter(sheet, 0, col, lxw_row_t(data.rowCount()), col);
            error != LXW_NO_ERROR)
            return xlsxFailure(error);
    }
    SheetWriter writer(wb, sheet, data, locale, currencyNumberFormat(locale).toUtf8());
    const qint64 total = rowsOf(data);
    for (qint64 i = 0; i < total; ++i) {
        if (i % kProgressStep == 0 && !report(progress, i, total))
            return false;
        if (const lxw_error error = writer.writeRow(int(i) - 1); error != LXW_NO_ERROR)
            return xlsxFailure(error);
    }
    writer.finish();
    return report(progress, total, total);
}
} // namespace

qint64 rowsOf(const GridData& data)
{
    return data.isEmpty() ? 0 : qint64(data.rowCount()) + 2;
}

std::optional<QByteArray> csv(const GridData& data, const Progress& progress)
{
    const qint64 total = rowsOf(data);
    const CurrencyForm form =
        CurrencyForm::of(data.locale().locale(), data.locale().currencySymbol());
    QString text;
    for (qint64 i = 0; i < total; ++i) {
        if (i % kProgressStep == 0 && !report(progress, i, total))
            return std::nullopt;
        const int r = int(i) - 1;
        for (int c = 0; c < data.columnCount(); ++c) {
            const QString shown = cellText(data, r, c);
            QString cell = shown;
            if (cell.contains(u'\r') || cell.contains(u'\n') || cell.contains(u',')) {
                // A line break of any platform joins the lines; no cell can end a row early.
                cell.remove(QStringLiteral("\r\n"));
                cell.removeIf([](QChar ch) { return ch == u'\r' || ch == u'\n' || ch == u','; });
            }
            // Judged on the cell as written, so "\r\n=..." is caught too; a number is judged as
            // shown, before its grouping commas go.
            if (startsLikeFormula(cell) && !isNumber(shown, data.locale(), form))
                text += u'\'';
            text += cell;
            text += u',';
        }
        text += QStringLiteral("\r\n");
    }
    text += QStringLiteral("\r\n");
    if (!report(progress, total, total))
        return std::nullopt;
    return text.toUtf8();
}

XlsxLayout layoutOf(Grid grid)
{
    switch (grid) {
    case Grid::Invoices:
        return {QStringLiteral("Invoices"), 2};
    case Grid::Expenses:
        return {QStringLiteral("Expenses"), -1};
    case Grid::Vat:
        return {QStringLiteral("VAT"), 1};
    }
    return {};
}

QString fileBaseName(Grid grid, QDate today)
{
    return layoutOf(grid).sheetName + u' ' + today.toString(Qt::ISODate);
}

QString currencyNumberFormat(const LocaleText& locale)
{
    const CurrencyForm form = CurrencyForm::of(locale.locale(), locale.currencySymbol());
    // Excel reads "," and "." of a format as the grouping and the point, and shows them in the
    // reader's own way.
    const QString positive = quoted(form.prefix) + QStringLiteral("#,##0.00") + quoted(form.suffix);
    return positive + u';' + quoted(form.negativeSign) + positive;
}

QString spreadsheetFolder()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return cache.isEmpty() ? QString() : cache + QStringLiteral("/spreadsheets");
}

Status makePrivateFolder(const QString& folder)
{
    if (folder.isEmpty())
        return Failure{QCoreApplication::translate(
            "GridExport", "There is no folder of your own to save it in.")};
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const QString shown = QDir::toNativeSeparators(path);
    auto failure = [&shown](const QString& why) {
        return Failure{
            QCoreApplication::translate("GridExport", "The folder %1 %2").arg(shown, why)};
    };
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return failure(QCoreApplication::translate("GridExport", "could not be made."));
    const QByteArray name = QFile::encodeName(path);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return failure(QCoreApplication::translate("GridExport", "could not be made: %1")
                           .arg(qt_error_string(errno)));
    // Judged through one descriptor, so what is checked is what gets narrowed.
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        struct stat link {};
        if (::lstat(name.constData(), &link) == 0 && S_ISLNK(link.st_mode))
            return failure(QCoreApplication::translate("GridExport",
                                                       "is a symbolic link, so it is not used."));
        if (error == ENOTDIR)
            return failure(QCoreApplication::translate("GridExport", "is not a folder."));
        return failure(QCoreApplication::translate("GridExport", "cannot be opened: %1")
                           .arg(qt_error_string(error)));
    }
    struct stat st {};
    QString why;
    if (::fstat(fd, &st) != 0)
        why = QCoreApplication::translate("GridExport", "cannot be read: %1")
                  .arg(qt_error_string(errno));
    else if (st.st_uid != ::geteuid())
        why = QCoreApplication::translate("GridExport",
                                          "belongs to another user, so it is not used.");
    else if ((st.st_mode & 07777) != 0700 && ::fchmod(fd, 0700) != 0)
        why = QCoreApplication::translate("GridExport", "cannot be made private: %1")
                  .arg(qt_error_string(errno));
    ::close(fd);
    if (!why.isEmpty())
        return failure(why);
    return Done{};
}

Result<bool> writeXlsx(const GridData& data, const LocaleText& locale, const XlsxLayout& layout,
                       const QString& path, const Progress& progress)
{
    // The workbook is made in a folder of its own and then put in place whole.
    QTemporaryDir work;
    if (!work.isValid())
        return Failure{
            QCoreApplication::translate("GridExport",
                                        "No temporary folder could be made for the spreadsheet: %1")
                .arg(work.errorString())};
    const QString made = work.filePath(QStringLiteral("book.xlsx"));
    {
        Workbook book(made, work.path());
        const Result<bool> written = writeBook(book, data, locale, layout, progress);
        if (!written || !*written)
            return written;
        if (const lxw_error error = book.close(); error != LXW_NO_ERROR)
            return xlsxFailure(error);
    }
    QFile file(made);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{QCoreApplication::translate(
                           "GridExport", "The spreadsheet made could not be read back: %1")
                           .arg(file.errorString())};
    QString error;
    if (!SafeFile::write(path, file.readAll(), &error))
        return Failure{error};
    return true;
}

} // namespace GridExport
