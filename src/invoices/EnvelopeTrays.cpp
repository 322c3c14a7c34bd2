#include "invoices/EnvelopeTrays.h"

#include <QCoreApplication>
#include <QFile>
#include <cups/cups.h>
#include <cups/ppd.h>

// The PPD functions are marked deprecated, but a driver queue's tray labels and default live
// only in its PPD.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

namespace EnvelopeTrays {

namespace {

// Trays that a maker's driver knows by a name of its own, and feeds from when asked for no
// tray. Printers are matched by name ignoring case; in a CUPS queue name an underscore stands
// for a space, as queue names cannot hold spaces.
struct MakerRule {
    const char* printer;
    const char* choice; // the InputSlot keyword of the tray
    const char* label;  // shown after the tray's position instead of " (default)"
};
constexpr MakerRule kMakerRules[] = {
    {"Canon MP800R Series Printer", "Cassette", " Cassette"},
};

const MakerRule* ruleFor(const QString& printer)
{
    // An instance ("queue/instance") is the same printer as its queue.
    const QString name = printer.section(u'/', 0, 0).replace(u'_', u' ').toUpper();
    for (const MakerRule& rule : kMakerRules) {
        if (name == QString::fromUtf8(rule.printer).toUpper())
            return &rule;
    }
    return nullptr;
}

Error lastCupsError()
{
    return {int(cupsLastError()), QString::fromUtf8(cupsLastErrorString())};
}

// A queue without a PPD (driverless IPP): its media sources and their default.
std::optional<Slots> readIppSources(cups_dest_t* dest, Error* error)
{
    cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest);
    if (!info) {
        *error = lastCupsError();
        return std::nullopt;
    }
    Slots offered;
    if (ipp_attribute_t* supported =
            cupsFindDestSupported(CUPS_HTTP_DEFAULT, dest, info, CUPS_MEDIA_SOURCE)) {
        for (int i = 0; i < ippGetCount(supported); ++i)
            offered.choices << QString::fromUtf8(ippGetString(supported, i, nullptr));
    }
    if (ipp_attribute_t* preset =
            cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, CUPS_MEDIA_SOURCE))
        offered.current = QString::fromUtf8(ippGetString(preset, 0, nullptr));
    cupsFreeDestInfo(info);
    return offered;
}

} // namespace

std::optional<Slots> readPpd(const QString& path, Error* error)
{
    ppd_file_t* ppd = ppdOpenFile(QFile::encodeName(path).constData());
    if (!ppd) {
        int line = 0;
        const ppd_status_t status = ppdLastError(&line);
        *error = {int(status), QString::fromUtf8(ppdErrorString(status))};
        return std::nullopt;
    }
    Slots offered;
    if (const ppd_option_t* option = ppdFindOption(ppd, "InputSlot")) {
        for (int i = 0; i < option->num_choices; ++i)
            offered.choices << QString::fromUtf8(option->choices[i].choice);
        offered.current = QString::fromUtf8(option->defchoice);
    }
    ppdClose(ppd);
    return offered;
}

std::optional<Slots> readPrinter(const QString& printer, Error* error)
{
    // An instance of a queue (a saved set of options) is listed as "queue/instance"; it has
    // the queue's PPD and its own saved options.
    const qsizetype slash = printer.indexOf(u'/');
    const QByteArray name = printer.left(slash).toUtf8(); // the whole name when no slash
    const QByteArray instance = slash < 0 ? QByteArray() : printer.mid(slash + 1).toUtf8();
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    cups_dest_t* dest =
        cupsGetDest(name.constData(), slash < 0 ? nullptr : instance.constData(), count, dests);
    if (!dest) {
        *error = lastCupsError();
        if (error->code == int(IPP_STATUS_OK)) // the list was read; the printer is not in it
            *error = {int(IPP_STATUS_ERROR_NOT_FOUND),
                      QCoreApplication::translate("EnvelopeTrays",
                                                  "The print system does not know this printer.")};
        cupsFreeDests(count, dests);
        return std::nullopt;
    }

    std::optional<Slots> offered;
    if (const char* ppdFile = cupsGetPPD2(CUPS_HTTP_DEFAULT, name.constData())) {
        const QString path = QFile::decodeName(ppdFile);
        offered = readPpd(path, error);
        QFile::remove(path); // a temporary copy made for us
    } else if (cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND) {
        offered = readIppSources(dest, error);
    } else {
        *error = lastCupsError();
    }
    if (offered) {
        // The user's saved choice for the queue overrides the driver's default.
        for (const char* option : {"InputSlot", "media-source"}) {
            const QString saved =
                QString::fromUtf8(cupsGetOption(option, dest->num_options, dest->options));
            if (offered->choices.contains(saved)) {
                offered->current = saved;
                break;
            }
        }
    }
    cupsFreeDests(count, dests);
    return offered;
}

QList<Tray> list(const QString& printer, const Slots& offered)
{
    const MakerRule* rule = ruleFor(printer);
    QList<Tray> trays;
    for (int k = 0; k < offered.choices.size(); ++k) {
        const QString& choice = offered.choices[k];
        QString label = QString::number(k);
        if (rule && choice == QLatin1String(rule->choice))
            label += QString::fromUtf8(rule->label);
        else if (choice == offered.current)
            label += QCoreApplication::translate("EnvelopeTrays", " (default)");
        trays.append({label, choice});
    }
    return trays;
}

namespace {

// The printer's trays as listed, or the error of reading the slots it offers.
Reading listed(const QString& printer, const std::optional<Slots>& offered, const Error& error)
{
    Reading reading;
    if (offered)
        reading.trays = list(printer, *offered);
    else
        reading.error = error;
    return reading;
}

} // namespace

Reading forPrinter(const QString& printer)
{
    Error error;
    const std::optional<Slots> offered = readPrinter(printer, &error);
    return listed(printer, offered, error);
}

Reading fromPpd(const QString& printer, const QString& ppdPath)
{
    Error error;
    const std::optional<Slots> offered = readPpd(ppdPath, &error);
    return listed(printer, offered, error);
}

std::optional<QString> trayWhenNoneChosen(const QString& printer)
{
    if (const MakerRule* rule = ruleFor(printer))
        return QString::fromUtf8(rule->choice);
    return std::nullopt;
}

} // namespace EnvelopeTrays
