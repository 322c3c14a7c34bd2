#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The paper trays of a printer, as CUPS knows them: the choices of its "InputSlot" option
// (the PPD's, or the queue's IPP "media-source" values when it has no PPD), in the printer's
// own order. A job asks for one with the CUPS option InputSlot=<choice>.
namespace EnvelopeTrays {

// What a printer offers: its slots in order and the one it feeds from when not told.
struct Slots {
    QStringList choices; // keywords: "Upper", "Tray2", "tray-1"
    QString current;     // one of the choices, or empty when the printer names none
};

// A failure of the print system, with its own number and words.
struct Error {
    int code = 0;
    QString description;
};

// One entry of the tray list: labelled by its position ("0", "1", "2 (default)"), not by its
// keyword, which is what a job is sent.
struct Tray {
    QString label;
    QString choice;
};

// Trays read so far and, when reading stopped early, why.
struct Reading {
    QList<Tray> trays;
    std::optional<Error> error;
};

// The slots of a PPD file. No CUPS server is needed.
std::optional<Slots> readPpd(const QString& path, Error* error);

// The slots of the named CUPS queue, or of an instance of it named "queue/instance": the
// queue's PPD when it has one, else its IPP media sources. A choice saved in the options of
// the queue or instance (lpoptions -o InputSlot=...) is its current tray.
std::optional<Slots> readPrinter(const QString& printer, Error* error);

// The tray list of a printer: every slot labelled by its position, " (default)" after the
// current one, and the printer's own names for trays where a maker's rule gives one.
QList<Tray> list(const QString& printer, const Slots& offered);

// Reads the printer's slots (readPrinter) and lists them.
Reading forPrinter(const QString& printer);
// The same from a PPD file, for the printer of that name.
Reading fromPpd(const QString& printer, const QString& ppdPath);

// The tray an envelope is fed from when the user chose none: a maker's rule for that printer,
// or nothing, which leaves the printer on its current tray.
std::optional<QString> trayWhenNoneChosen(const QString& printer);

} // namespace EnvelopeTrays
