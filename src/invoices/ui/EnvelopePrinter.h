#pragma once

#include "core/Result.h"
#include "invoices/Envelope.h"

#include <QString>
#include <optional>

class QPrinter;

// One envelope to print: where, from which tray, and what.
struct EnvelopeJob {
    QString printer;             // the CUPS queue; empty for the system's default printer
    std::optional<QString> tray; // an InputSlot choice; none leaves the printer's current tray
    Envelope::Layout layout;
};

namespace EnvelopePrinter {

// Sets `printer` up for the envelope (DL, landscape, the whole paper from its corner, the
// job's tray) and prints it on that printer, whatever its output: a queue or a PDF file. On a
// queue the address moves by the printer's hardware margins, as its lines are measured from
// the printable area's corner; a PDF file keeps them from the paper's corner.
Status print(QPrinter& printer, const EnvelopeJob& job);

// Prints on the job's printer through the print system.
Status printOnPrinter(const EnvelopeJob& job);

} // namespace EnvelopePrinter
