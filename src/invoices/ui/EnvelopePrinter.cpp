#include "invoices/ui/EnvelopePrinter.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>

namespace EnvelopePrinter {

namespace {

// Qt passes this print engine property to CUPS as the job's options: a flat list of names
// and values. Qt has no public call for a tray on CUPS.
constexpr auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

void chooseTray(QPrinter& printer, const QString& choice)
{
    QPrintEngine* engine = printer.printEngine();
    QStringList options = engine->property(kCupsOptions).toStringList();
    const qsizetype at = options.indexOf(QStringLiteral("InputSlot"));
    if (at >= 0 && at % 2 == 0 && at + 1 < options.size())
        options[at + 1] = choice;
    else
        options << QStringLiteral("InputSlot") << choice;
    engine->setProperty(kCupsOptions, options);
}

} // namespace

Status print(QPrinter& printer, const EnvelopeJob& job)
{
    printer.setDocName(job.layout.title);
    // The painter works from the paper's corner: the whole page, no margins, although the
    // printer's hardware margins are wider. The size is asked for by name, so that the
    // printer's own DL size (its PPD rounds it to whole points) is the one taken.
    printer.setFullPage(true);
    if (!printer.setPageSize(QPageSize(QPageSize::EnvelopeDL)) ||
        !printer.setPageOrientation(QPageLayout::Landscape) ||
        !printer.setPageMargins(QMarginsF(0, 0, 0, 0)))
        return Failure{QCoreApplication::translate("EnvelopePrinter",
                                                   "The printer does not take DL envelopes.")};
    Envelope::Layout layout = job.layout;
    if (printer.outputFormat() == QPrinter::NativeFormat) {
        if (job.tray)
            chooseTray(printer, *job.tray);
        // The address block was placed from the corner of the printable area, which on a
        // printer lies inside its hardware margins; a PDF has none.
        QPageLayout page = printer.pageLayout();
        page.setUnits(QPageLayout::Point);
        const QMarginsF margins = page.minimumMargins(); // points; a twip is 1/20 point
        // Qt keeps the portrait sheet's margins when the page is turned. Landscape turns the
        // page a quarter left on the sheet: its left edge lies on the sheet's bottom, its top
        // on the sheet's left.
        const QPoint corner(qRound(margins.bottom() * 20), qRound(margins.left() * 20));
        for (Envelope::Line& line : layout.lines)
            line.origin += corner;
    }

    QPainter painter;
    if (!painter.begin(&printer))
        return Failure{
            QCoreApplication::translate("EnvelopePrinter", "The printer could not be started.")};
    Envelope::paint(painter, layout);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return Failure{QCoreApplication::translate(
            "EnvelopePrinter", "The envelope could not be sent to the printer.")};
    return Done{};
}

Status printOnPrinter(const EnvelopeJob& job)
{
    const QString name = job.printer.isEmpty() ? QPrinterInfo::defaultPrinterName() : job.printer;
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (name.isEmpty() || info.isNull())
        return Failure{
            QCoreApplication::translate("EnvelopePrinter", "The printer \"%1\" is not installed.")
                .arg(name)};
    QPrinter printer(info, QPrinter::HighResolution);
    return print(printer, job);
}

} // namespace EnvelopePrinter
