#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

// What pdftotext (Debian poppler-utils) reads from a PDF file, with `options` before the file
// name (such as -bbox for each word's place); a null string when pdftotext is not installed.
inline QString pdfText(const QString& pdf, QStringList options = {})
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        return {};
    QProcess p;
    p.start(pdftotext, options << pdf << QStringLiteral("-"));
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
