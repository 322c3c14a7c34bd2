#include "EInvoiceCheck.h"

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryFile>

namespace EInvoiceCheck {
namespace {

QString script()
{
    return QStringLiteral(BILLCRAFT_EINVOICE_RULES "/validate");
}

} // namespace

QString unavailable()
{
    if (!QFileInfo(script()).isExecutable())
        return QStringLiteral("the EN 16931 rules are not beside the project (%1); they are kept "
                              "out of it under their own licence")
            .arg(script());
    if (!QFileInfo(QStringLiteral(BILLCRAFT_XSLT3)).isExecutable())
        return QStringLiteral("SaxonJS (npm's xslt3) is not installed in the build tree (%1)")
            .arg(QStringLiteral(BILLCRAFT_XSLT3));
    return {};
}

Verdict validate(const QString& path)
{
    Verdict verdict;
    if (const QString why = unavailable(); !why.isEmpty()) {
        verdict.output = why;
        return verdict;
    }
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XSLT3"), QStringLiteral(BILLCRAFT_XSLT3));
    run.setProcessEnvironment(env);
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(script(), {path});
    if (!run.waitForFinished(180'000)) {
        verdict.output = QStringLiteral("the rules did not finish: ") + run.errorString();
        return verdict;
    }
    verdict.output = QString::fromUtf8(run.readAll());
    // Exit 2: the script could not run the rules at all.
    verdict.ran = run.exitStatus() == QProcess::NormalExit && run.exitCode() != 2;
    static const QRegularExpression summary(QStringLiteral("(\\d+) fatal"));
    const QRegularExpressionMatch m = summary.match(verdict.output);
    verdict.fatal = m.hasMatch() ? m.captured(1).toInt() : (run.exitCode() == 0 ? 0 : 1);
    return verdict;
}

Verdict validateXml(const QByteArray& xml)
{
    QTemporaryFile file(QStringLiteral("einvoice-XXXXXX.xml"));
    if (!file.open() || file.write(xml) != xml.size() || !file.flush()) {
        Verdict verdict;
        verdict.output = QStringLiteral("cannot write a temporary file: ") + file.errorString();
        return verdict;
    }
    return validate(file.fileName());
}

} // namespace EInvoiceCheck
