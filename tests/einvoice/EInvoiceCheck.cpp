#include "EInvoiceCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace EInvoiceCheck {
namespace {

const QString kRules = BILLCRAFT_EINVOICE_RULES;
const QString kXslt3 = BILLCRAFT_XSLT3;

// Runs each stylesheet on its file (arguments: SEF, file, SEF, file, ...) and prints one JSON
// line per file: the failed rules with their flags, as the validate script kept with the rules
// reports them, or the error that stopped the run.
const char* const kBatch = R"js(
const SaxonJS = require('saxon-js'), fs = require('fs'), args = process.argv.slice(1), sefs = {};
const attr = (tag, name, none) => (new RegExp(name + '="([^"]*)"').exec(tag) || [, none])[1];
for (let i = 0; i + 1 < args.length; i += 2) {
  sefs[args[i]] = sefs[args[i]] || JSON.parse(fs.readFileSync(args[i], 'utf8'));
  try {
    const out = SaxonJS.transform({stylesheetInternal: sefs[args[i]], sourceFileName: args[i + 1],
                                   destination: 'serialized'}, 'sync').principalResult;
    const failed = [...out.matchAll(/<svrl:failed-assert\b[^>]*>/g)].map(m => m[0]);
    console.log(JSON.stringify({rules: failed.map(f => attr(f, 'flag', 'fatal') + ' ' +
                                                       attr(f, 'id', '?'))}));
  } catch (e) {
    console.log(JSON.stringify({error: String(e.message || e).split('\n')[0]}));
  }
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
    lint.start("xmllint", QStringList{"--noout", "--schema",
                                      kRules + "/cii-schema/CII/uncefact/data/standard/"
                                               "CrossIndustryInvoice_100pD16B.xsd"} +
                              ciiFiles);
    lint.waitForFinished(180'000);
    const QStringList lines = QString::fromUtf8(lint.readAll()).split(u'\n');
    for (const QString& file : ciiFiles) {
        for (const QString& line : lines) {
            if (line.startsWith(file) && !line.endsWith(" validates"))
                failed[file] += "schema: " + line + '\n';
        }
    }
    return failed;
}

} // namespace

QString unavailable()
{
    if (!QFileInfo::exists(kRules + "/EN16931-CII-validation.sef.json"))
        return QString("the EN 16931 rules are not beside the project (%1); they are kept out of "
                       "it under their own licence")
            .arg(kRules);
    if (!QFileInfo(kXslt3).isExecutable())
        return QString("SaxonJS (npm's xslt3) is not installed in the build tree (%1)").arg(kXslt3);
    if (QStandardPaths::findExecutable("node").isEmpty())
        return "node (Node.js) is not on the PATH";
    return {};
}

Verdict validate(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Verdict{false, 0, "cannot read " + path};
    return validateXml(file.readAll());
}

Verdict validateXml(const QByteArray& xml)
{
    return validateXmls({xml}).value(0);
}

QList<Verdict> validateXmls(const QList<QByteArray>& xmls)
{
    QTemporaryDir dir;
    const QString why = dir.isValid() ? unavailable() : "cannot make a temporary folder";
    QList<Verdict> verdicts(xmls.size(), Verdict{false, 0, why});
    if (!why.isEmpty())
        return verdicts;
    QStringList files, cii, args{"-e", kBatch};
    QList<qsizetype> ruled; // the documents the rules run on, in the order of their output
    for (qsizetype i = 0; i < xmls.size(); ++i) {
        const QString file = files.emplace_back(dir.filePath(QString("%1.xml").arg(i)));
        const QString root = rootOf(xmls[i]);
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(xmls[i]) != xmls[i].size())
            verdicts[i].output = "cannot write " + file;
        else if (root != u"CrossIndustryInvoice" && root != u"Invoice" && root != u"CreditNote")
            verdicts[i] = {true, 1,
                           "root element " + root + " is neither CII nor UBL, or not well-formed"};
        else {
            if (root == u"CrossIndustryInvoice")
                cii.append(file);
            args << kRules + (cii.endsWith(file) ? "/EN16931-CII-validation.sef.json"
                                                 : "/EN16931-UBL-validation.sef.json")
                 << file;
            ruled.append(i);
        }
    }
    const QHash<QString, QString> schema = schemaFailures(cii);
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("NODE_PATH", QFileInfo(kXslt3).dir().absoluteFilePath(".."));
    run.setProcessEnvironment(env);
    run.start(QStandardPaths::findExecutable("node"), args);
    run.waitForFinished(600'000);
    const QList<QByteArray> lines = run.readAllStandardOutput().split('\n');
    for (qsizetype k = 0; k < ruled.size(); ++k) {
        Verdict& v = verdicts[ruled[k]];
        const QJsonObject line = QJsonDocument::fromJson(lines.value(k)).object();
        v.ran = line.contains("rules");
        v.output = v.ran ? schema.value(files[ruled[k]])
                         : "the rules did not run: " + line["error"].toString() +
                               QString::fromUtf8(run.readAllStandardError());
        v.fatal = v.ran && !v.output.isEmpty() ? 1 : 0;
        int warnings = 0;
        for (const QJsonValue rule : line["rules"].toArray()) {
            v.output += rule.toString() + '\n';
            ++(rule.toString().startsWith(u"fatal ") ? v.fatal : warnings);
        }
        if (v.ran)
            v.output += QString("%1 fatal, %2 warning").arg(v.fatal).arg(warnings);
    }
    return verdicts;
}

} // namespace EInvoiceCheck
