#include "help/DeliveredHelp.h"
#include "help/HelpDocument.h"
#include "help/HelpTree.h"
#include "support/CaseFile.h"
#include "support/TestEnv.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTest>

namespace {

// Sections from "key:parent:order" words; the caption is the key.
QList<HelpSection> sectionsFrom(const QString& words)
{
    QList<HelpSection> sections;
    for (const QString& word : words.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList f = word.split(u':');
        sections << HelpSection{f.value(2).toInt(), f[0], f[0], f[0] + " text", f.value(1)};
    }
    return sections;
}

// The tree as "A[B C[D]] Unfiled[E]".
QString shape(const QList<HelpNode>& nodes, const QList<HelpSection>& sections)
{
    QStringList out;
    for (const HelpNode& n : nodes) {
        QString s = n.section < 0 ? HelpTree::kUnfiled : sections[n.section].caption;
        if (!n.children.isEmpty())
            s += u'[' + shape(n.children, sections) + u']';
        out << s;
    }
    return out.join(u' ');
}

QList<HelpSection> reread(const HelpDocument& doc)
{
    const Result<HelpContents> read = doc.read();
    if (!read || !read->damage.isEmpty())
        qFatal("cannot re-read %s", qPrintable(doc.name()));
    return read->sections;
}

} // namespace

class TestHelpDocument : public QObject {
    Q_OBJECT

private slots:
    void tree_data() { CaseFile::addRows("help/tree.txt", {"sections", "tree", "rings"}); }

    void tree()
    {
        const auto [sections, tree, rings] = CaseFile::fetchEach({"sections", "tree", "rings"});
        const QList<HelpSection> list = sectionsFrom(sections);
        const HelpTree built = HelpTree::build(list);
        QCOMPARE(shape(built.roots, list), tree);
        QCOMPARE(built.rings.join(u' '), rings);
    }

    void search_data() { CaseFile::addRows("help/search.txt", {"answer", "report"}); }

    void search()
    {
        QFETCH(QString, answer);
        QFETCH(QString, report);
        const QList<HelpSection> sections = {
            {1, "Invoices", "Invoices", "Invoices: INVOICE, reinvoiced, private. aaaa", QString()},
            {1, "Tax", "VATRules", "Vat and VAT", "Invoices"}};
        QCOMPARE(HelpText::searchReport(sections, answer), report);
    }

    void wrapForPrint_data() { CaseFile::addRows("help/wrap-for-print.txt", {"text", "lines"}); }

    void wrapForPrint()
    {
        QFETCH(QString, text);
        QFETCH(QString, lines);
        QCOMPARE(HelpText::wrapForPrint(text), lines.split(u'\n'));
    }

    // An addition goes through the file: what the codec reads back is the change, nothing else.
    void additionsRoundTripThroughTheFile()
    {
        TestEnv env;
        TestFiles files(env);
        const QString path = HelpDocument::kFileName;
        HelpDocument doc(files.files);
        QVERIFY(doc.write(sectionsFrom("Intro::10")));

        const QString key = HelpDocument::keyFromTyped(" Printing Invoices ");
        QCOMPARE(doc.add(key, {}).value(), HelpDocument::Outcome::Done);
        QCOMPARE(reread(doc).last(), (HelpSection{0, key, key, key, {}}));
        QCOMPARE(key, "PrintingInvoices");
        const QByteArray before = files.read(path);
        QCOMPARE(doc.add("printinginvoices", {}).value(), HelpDocument::Outcome::NodeExists);
        QCOMPARE(files.read(path), before);

        // Renaming, saving and removing through the window: the help window's test.
        QCOMPARE(doc.rename("Gone", "x").value(), HelpDocument::Outcome::NotChosen);

        // The columns are the five of a help file, as the codec reads them.
        const std::optional<AdtgTable> table = Adtg::decode(files.read(path));
        QVERIFY(table);
        QCOMPARE(table->columns[0].type, AdtgColumn::Type::Integer);
        QCOMPARE(table->columns[2].name, "HName");
        QCOMPARE(table->columns[3].type, AdtgColumn::Type::WideString);
        QCOMPARE(table->columns[3].maxLength, 100000u);
    }

    // A truncated file shows what it holds and is not rewritten unless asked; files that
    // cannot be read change nothing.
    void badFiles()
    {
        TestEnv env;
        TestFiles files(env);
        const QString path = HelpDocument::kFileName;
        const QList<HelpSection> three = sectionsFrom("A::1 B::2 C:A:3");
        HelpDocument doc(files.files);
        QVERIFY(doc.write(three));
        const QByteArray whole = files.read(path);
        files.write(path, whole.left(whole.size() - 12)); // into C's text
        Result<HelpContents> read = doc.read();
        QVERIFY(read);
        QVERIFY(read->damage.startsWith("Help.set is damaged"));
        QCOMPARE(read->sections, three.first(2));
        QCOMPARE(doc.add("D", {}).value(), HelpDocument::Outcome::Damaged);
        QCOMPARE(files.read(path).size(), whole.size() - 12);
        QCOMPARE(doc.add("D", {}, true).value(), HelpDocument::Outcome::Done);
        QCOMPARE(reread(doc).size(), 3);

        files.write(path, "not a recordset");
        QVERIFY(!doc.read());
        QVERIFY(!doc.save("A", {}, 1));
        QCOMPARE(files.read(path), QByteArray("not a recordset"));

        AdtgTable noCaption = HelpDocument::toTable(three);
        noCaption.columns.removeAt(1);
        for (AdtgRow& row : noCaption.rows)
            row.values.removeAt(1);
        files.write(HelpDocument::kOldFileName, *Adtg::encode(noCaption));
        QVERIFY(HelpDocument(files.files, HelpDocument::kOldFileName)
                    .read()
                    .error()
                    .contains("not a help file: it has no Caption column"));

        // Make New Help: only where there is no Help.set; captions are the old keys.
        QCOMPARE(doc.makeFromOld().value(), HelpDocument::Outcome::NodeExists);
        files.remove(path);
        QVERIFY(!doc.makeFromOld("none.set"));
        QVERIFY(!doc.exists());
        QCOMPARE(doc.makeFromOld().value(), HelpDocument::Outcome::Done);
        QCOMPARE(reread(doc), three);
        VERIFY_PROMPTS(env.prompter);
    }

    // A delivered help document, as built from its folder of topics.
    static QList<HelpSection> built(const QString& language)
    {
        const QFileInfo builtFile(QDir(QFileInfo(QStringLiteral(BUILT_HELP_SET)).absolutePath())
                                      .filePath(HelpDocument::fileNameFor(language)));
        Database noBooks; // the built file is read where it is, as a data folder's would be
        SharedFiles buildFolder(noBooks, builtFile.absolutePath());
        return reread(HelpDocument(buildFolder, builtFile.fileName()));
    }

    void deliveredHelp_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("folder");
        QTest::newRow("English") << "en" << HELP_SOURCE_DIR;
        QTest::newRow("German") << "de" << HELP_SOURCE_DIR "/de";
        QTest::newRow("French") << "fr" << HELP_SOURCE_DIR "/fr";
    }

    // Each language's help built from its folder holds every topic file, whole, in one tree,
    // under the English keys and parents (the program opens sections by key); start-up installs
    // it only where there is none in that language, beside the others.
    void deliveredHelp()
    {
        QFETCH(QString, language);
        QFETCH(QString, folder);
        const QList<HelpSection> sections = built(language);
        const QDir source(folder);
        const QStringList topics = source.entryList({"*.txt"}, QDir::Files);
        QCOMPARE(sections.size(), topics.size() - 1); // index.txt is the tree
        for (const QString& file : topics) {
            if (file == "index.txt")
                continue;
            const auto s =
                std::find_if(sections.cbegin(), sections.cend(), [&](const HelpSection& h) {
                    return h.name + QStringLiteral(".txt") == file;
                });
            QVERIFY2(s != sections.cend(), qPrintable(file));
            QString text = QString::fromUtf8(readAll(source.filePath(file))).trimmed();
            QCOMPARE(s->text, text.replace(u'\n', "\r\n"));
            QVERIFY(!s->caption.isEmpty());
        }
        const HelpTree tree = HelpTree::build(sections);
        QVERIFY(tree.missingParents.isEmpty() && tree.rings.isEmpty());
        const auto shape = [](const QList<HelpSection>& list) {
            QStringList keys;
            for (const HelpSection& h : list)
                keys << h.name + u'<' + h.parent + u'@' + QString::number(h.displayOrder);
            return keys;
        };
        QCOMPARE(shape(sections), shape(built(QStringLiteral("en"))));

        TestEnv env;
        TestFiles files(env);
        const bool english = language == u"en";
        if (!english)
            files.write(HelpDocument::kFileName, "edited in English");
        const QString path = HelpDocument::fileNameFor(language);
        const QByteArray bytes = DeliveredHelp::bytes(language);
        QVERIFY(HelpDocument::installIfMissing(files.files, bytes, path));
        QCOMPARE(files.read(path), bytes);
        files.write(path, "edited");
        QVERIFY(HelpDocument::installIfMissing(files.files, bytes, path));
        QCOMPARE(files.read(path), QByteArray("edited"));
        if (!english)
            QCOMPARE(files.read(HelpDocument::kFileName), QByteArray("edited in English"));
    }
};

QTEST_GUILESS_MAIN(TestHelpDocument)
#include "tst_helpdocument.moc"
