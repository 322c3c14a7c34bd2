#include "EInvoiceCheck.h"

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <memory>
#include <vector>

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

namespace {

void start(QProcess& run, const QString& path)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XSLT3"), QStringLiteral(BILLCRAFT_XSLT3));
    run.setProcessEnvironment(env);
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(script(), {path});
}

Verdict finish(QProcess& run)
{
    Verdict verdict;
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

} // namespace

Verdict validate(const QString& path)
{
    if (const QString why = unavailable(); !why.isEmpty())
        return Verdict{false, 0, why};
    QProcess run;
    start(run, path);
    return finish(run);
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

QList<Verdict> validateXmls(const QList<QByteArray>& xmls, int parallel)
{
    QList<Verdict> verdicts(xmls.size());
    if (const QString why = unavailable(); !why.isEmpty()) {
        for (Verdict& v : verdicts)
            v.output = why;
        return verdicts;
    }
    std::vector<std::unique_ptr<QTemporaryFile>> files;
    std::vector<std::unique_ptr<QProcess>> runs(size_t(xmls.size()));
    for (qsizetype i = 0; i < xmls.size(); ++i) {
        files.push_back(std::make_unique<QTemporaryFile>(QStringLiteral("einvoice-XXXXXX.xml")));
        QTemporaryFile& file = *files.back();
        if (!file.open() || file.write(xmls[i]) != xmls[i].size() || !file.flush())
            verdicts[i].output = QStringLiteral("cannot write a temporary file: ") +
                                 file.errorString();
    }
    // Keeps `parallel` runs going: run i starts once run i - parallel has finished.
    for (qsizetype i = 0; i < xmls.size() + parallel; ++i) {
        if (const qsizetype done = i - parallel; done >= 0 && runs[size_t(done)])
            verdicts[done] = finish(*runs[size_t(done)]);
        if (i < xmls.size() && verdicts[i].output.isEmpty()) {
            runs[size_t(i)] = std::make_unique<QProcess>();
            start(*runs[size_t(i)], files[size_t(i)]->fileName());
        }
    }
    return verdicts;
}

} // namespace EInvoiceCheck
