#pragma once

// The translation catalogues (translations/*.ts) as the tests read them, and lupdate run over
// today's sources.

#include <QFile>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

struct CatalogueMessage {
    QString context;
    QString source;
    QString translation;
    QString type; // of the translation: empty when finished, "unfinished", "vanished"...
};

// Every message of the .ts file at `path`, in file order; stops the test program when the file
// cannot be read or is not well-formed.
inline QList<CatalogueMessage> readCatalogue(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("%s cannot be read", qPrintable(path));
    QList<CatalogueMessage> found;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        // Texts may hold <byte> elements (a carriage return), plurals <numerusform>s.
        const auto text = [&xml] {
            return xml.readElementText(QXmlStreamReader::IncludeChildElements);
        };
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            found.append({context, text(), {}, {}});
        } else if (xml.name() == u"translation") {
            found.last().type = xml.attributes().value(QStringLiteral("type")).toString();
            found.last().translation = text();
        }
    }
    if (xml.hasError())
        qFatal("%s:%lld: %s", qPrintable(path), xml.lineNumber(), qPrintable(xml.errorString()));
    return found;
}

// Runs lupdate over src/ into the .ts file `tsPath` (made when missing), with `options` before
// the sources; returns its warnings, one a line, or stops the test program when it fails.
inline QStringList updateCatalogue(const QString& tsPath, const QStringList& options = {})
{
    QProcess lupdate;
    lupdate.start(QStringLiteral(BILLCRAFT_LUPDATE),
                  QStringList{QStringLiteral("-locations"), QStringLiteral("none")} + options +
                      QStringList{QStringLiteral(BILLCRAFT_SOURCE_DIR "/src"),
                                  QStringLiteral("-ts"), tsPath});
    if (!lupdate.waitForFinished(120'000) || lupdate.exitCode() != 0)
        qFatal("lupdate failed");
    // Its warnings name a file and line: "src/x.cpp:12: Cannot invoke tr() like this".
    return QString::fromUtf8(lupdate.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
}
