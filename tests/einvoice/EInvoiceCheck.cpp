#include "EInvoiceCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace EInvoiceCheck {
namespace {

const QString kRules = QStringLiteral(BILLCRAFT_EINVOICE_RULES);
const QString kXslt3 = QStringLiteral(BILLCRAFT_XSLT3);

// Runs each stylesheet on its file (arguments: SEF, file, SEF, file, ...) and prints one JSON
// line per file: the failed rules with their flags, as the validate script kept with the rules
// reports them.
const char* const kBatch = R"js(
const SaxonJS = require('saxon-js');
const fs = require('fs');
const loaded = {};
const args = process.argv.slice(1);
for (let i = 0; i + 1 < args.length; i += 2) {
  const sef = args[i], file = args[i + 1];
  if (!loaded[sef]) loaded[sef] = JSON.parse(fs.readFileSync(sef, 'utf8'));
  let line;
  try {
    const out = SaxonJS.transform({stylesheetInternal: loaded[sef], sourceFileName: file,
                                   destination: 'serialized'}, 'sync').principalResult;
    const failed = [...out.matchAll(/<svrl:failed-assert\b[^>]*>/g)].map(m => m[0]);
    line = {rules: failed.map(f => ((/flag="(\w+)"/.exec(f) || [, 'fatal'])[1]) + ' ' +
                                   ((/id="([^"]*)"/.exec(f) || [, '?'])[1]))};
  } catch (e) {
    line = {error: String(e.message || e).split('\n')[0]};
  }
  console.log(JSON.stringify(line));
}
)js";

// The root element's local name, or empty when the document is not well-formed that far.
QString rootOf(const QByteArray& xml)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement)
            return reader.name().toString();
    }
    return {};
}

// The CII files that fail the D16B schema, with xmllint's lines about them.
QHash<QString, QString> schemaFailures(const QStringList& ciiFiles)
{
    QHash<QString, QString> failed;
    if (ciiFiles.isEmpty())
        return failed;
    QProcess lint;
    lint.setProcessChannelMode(QProcess::MergedChannels);
    lint.start(QStringLiteral("xmllint"),
               QStringList{QStringLiteral("--noout"), QStringLiteral("--schema"),
                           kRules + QStringLiteral("/cii-schema/CII/uncefact/data/standard/"
                                                   "CrossIndustryInvoice_100pD16B.xsd")} +
                   ciiFiles);
    lint.waitForFinished(180'000);
    const QStringList lines = QString::fromUtf8(lint.readAll()).split(QLatin1Char('\n'));
    for (const QString& file : ciiFiles) {
        for (const QString& line : lines) {
            if (line.startsWith(file) && !line.endsWith(QStringLiteral(" validates")))
                failed[file] += QStringLiteral("schema: ") + line + QLatin1Char('\n');
        }
    }
    return failed;
}

} // namespace

QString unavailable()
{
    if (!QFileInfo(kRules + QStringLiteral("/validate")).isExecutable())
        return QStringLiteral("the EN 16931 rules are not beside the project (%1); they are kept "
                              "out of it under their own licence")
            .arg(kRules);
    if (!QFileInfo(kXslt3).isExecutable())
        return QStringLiteral("SaxonJS (npm's xslt3) is not installed in the build tree (%1)")
            .arg(kXslt3);
    if (QStandardPaths::findExecutable(QStringLiteral("node")).isEmpty())
        return QStringLiteral("node (Node.js) is not on the PATH");
    return {};
}

Verdict validate(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Verdict{false, 0, QStringLiteral("cannot read ") + path};
    return validateXml(file.readAll());
}

Verdict validateXml(const QByteArray& xml)
{
    return validateXmls({xml}).value(0);
}

QList<Verdict> validateXmls(const QList<QByteArray>& xmls)
{
    QList<Verdict> verdicts(xmls.size());
    QTemporaryDir dir;
    QString why = unavailable();
    if (why.isEmpty() && !dir.isValid())
        why = QStringLiteral("cannot make a temporary folder");
    if (!why.isEmpty()) {
        for (Verdict& v : verdicts)
            v.output = why;
        return verdicts;
    }
    QStringList files, cii, args{QStringLiteral("-e"), QString::fromUtf8(kBatch)};
    QList<qsizetype> ruled; // the documents the rules run on, in the order of their output
    for (qsizetype i = 0; i < xmls.size(); ++i) {
        files.append(dir.filePath(QStringLiteral("%1.xml").arg(i)));
        QFile file(files.last());
        const QString root = rootOf(xmls[i]);
        if (!file.open(QIODevice::WriteOnly) || file.write(xmls[i]) != xmls[i].size())
            verdicts[i] = Verdict{false, 0, QStringLiteral("cannot write ") + files.last()};
        else if (root != u"CrossIndustryInvoice" && root != u"Invoice" && root != u"CreditNote")
            verdicts[i] = Verdict{true, 1,
                                  QStringLiteral("root element %1 is neither CII nor UBL, or the "
                                                 "XML is not well-formed")
                                      .arg(root)};
        else {
            const bool isCii = root == u"CrossIndustryInvoice";
            if (isCii)
                cii.append(files.last());
            args << kRules + (isCii ? QStringLiteral("/EN16931-CII-validation.sef.json")
                                    : QStringLiteral("/EN16931-UBL-validation.sef.json"))
                 << files.last();
            ruled.append(i);
        }
    }
    const QHash<QString, QString> schema = schemaFailures(cii);
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("NODE_PATH"),
               QFileInfo(kXslt3).dir().absoluteFilePath(QStringLiteral("..")));
    run.setProcessEnvironment(env);
    run.start(QStandardPaths::findExecutable(QStringLiteral("node")), args);
    run.waitForFinished(600'000);
    const QList<QByteArray> lines = run.readAllStandardOutput().split('\n');
    for (qsizetype k = 0; k < ruled.size(); ++k) {
        Verdict& v = verdicts[ruled[k]];
        const QJsonObject line = QJsonDocument::fromJson(lines.value(k)).object();
        if (!line.contains(QStringLiteral("rules"))) {
            v = Verdict{false, 0,
                        QStringLiteral("the rules did not run: ") +
                            line.value(QStringLiteral("error")).toString() +
                            QString::fromUtf8(run.readAllStandardError())};
            continue;
        }
        int warnings = 0;
        v.ran = true;
        v.output = schema.value(files[ruled[k]]);
        v.fatal = v.output.isEmpty() ? 0 : 1;
        for (const QJsonValue rule : line.value(QStringLiteral("rules")).toArray()) {
            v.output += rule.toString() + QLatin1Char('\n');
            ++(rule.toString().startsWith(u"fatal ") ? v.fatal : warnings);
        }
        v.output += QStringLiteral("%1 fatal, %2 warning").arg(v.fatal).arg(warnings);
    }
    return verdicts;
}

} // namespace EInvoiceCheck
