#include "app/MainWindow.h"
#include "core/ui/PictureButton.h"
#include "help/HelpTree.h"
#include "help/ui/HelpWindow.h"
#include "support/PdfText.h"
#include "support/TestEnv.h"
#include "support/UiSteps.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTreeWidget>

namespace {

QTreeWidgetItem* item(QTreeWidget* tree, const QString& caption)
{
    const QList<QTreeWidgetItem*> found =
        tree->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

void clickSection(HelpWindow& w, const QString& caption)
{
    auto* tree = child<QTreeWidget>(&w, "treeHelp");
    QTreeWidgetItem* it = item(tree, caption);
    QVERIFY2(it, qPrintable(caption));
    tree->scrollToItem(it);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(it).center());
}

void press(HelpWindow& w, const char* button)
{
    child<QPushButton>(&w, button)->click();
}

} // namespace

class TestHelpWindow : public QObject {
    Q_OBJECT

private slots:
    // Start-up installs the delivered help; picHelp opens it owned by the main window, and a
    // section's click shows its text, key and order.
    void openedFromTheMainWindow()
    {
        TestEnv env;
        MainWindow w(*env.session);
        w.startUp();
        w.show();
        QTest::mouseClick(child<PictureButton>(&w, "picHelp"), Qt::LeftButton);
        QPointer<HelpWindow> help = w.helpWindow();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->parentWidget(), &w);
        auto* text = child<QPlainTextEdit>(help, "txtHelp");
        QVERIFY(text->toPlainText().startsWith("Welcome to Billcraft Help\n\n"));
        auto* tree = child<QTreeWidget>(help, "treeHelp");
        QCOMPARE(tree->topLevelItem(0)->text(0), "Welcome to Billcraft");
        clickSection(*help, "Making an invoice");
        QVERIFY(text->toPlainText().contains("Make Invoice"));
        QCOMPARE(child<QLabel>(help, "lblHelpSection")->text(), "MakeInvoice");
        QCOMPARE(child<QLineEdit>(help, "txtDisplayOrder")->text(), "10");

        quitAnsweringYes(env.prompter, w);
        QVERIFY(!help->isVisible());
        VERIFY_PROMPTS(env.prompter);
    }

    // A missing file: said once, and the additions do nothing. Search lists the hits. The edits
    // with their words, each written to the file and the tree rebuilt. Printing goes through the
    // print dialog re-wrapped, or to PDF: a word too long for the page goes on over the next line
    // rather than off the paper. A ring of parents is reported; a damaged file is shown as far
    // as it can be read.
    void fromAMissingFileToADamagedOne()
    {
        TestEnv env;
        const QString path = env.file(HelpDocument::kFileName);
        HelpDocument doc(env.session->files());
        HelpWindow w(*env.session);
        auto& p = env.prompter;
        p.expectMessage("Help File Missing");
        w.open();
        press(w, "cmdAddNode");
        press(w, "cmdAddChild");
        VERIFY_PROMPTS(p);

        const QString tax = "Tax";
        QVERIFY(doc.write({{10, tax, tax, "VAT is vat", {}}}));
        w.open();
        w.show();
        auto* tree = child<QTreeWidget>(&w, "treeHelp");
        auto* text = child<QPlainTextEdit>(&w, "txtHelp");
        p.expectInput("Enter the item you want to find", "vat", "Search")
            .expectInput("Enter the item you want to find", "zebra");
        press(w, "cmdSearch");
        QCOMPARE(text->toPlainText(), "\n2  Count of 'vat' Found in Tax");
        press(w, "cmdSearch");
        QCOMPARE(text->toPlainText(), "Search text not found..");

        p.expectInput("Add New Field", "Printing Invoices", "Add")
            .expectMessage("Done")
            .expectInput("Add New Field", "Printing  Invoices")
            .expectMessage("Node Exists")
            .expectInput("Add New Field", QString(31, u'x'))
            .expectMessageStarting("\"xxx")
            .expectMessage("Please Select Parent")
            .expectMessage("Please Choose node to Re-Name ");
        for (const char* button :
             {"cmdAddNode", "cmdAddNode", "cmdAddNode", "cmdAddChild", "cmdRename"})
            press(w, button);
        QCOMPARE(tree->topLevelItemCount(), 2);

        clickSection(w, "PrintingInvoices");
        p.expectInput("Add New Child", "Paper")
            .expectMessage("Done")
            .expectInput("New Name?", "Bob's invoices", "Rename FieldPrintingInvoices")
            .expectMessage("done")
            .expectMessage(
                "The display order must be a whole number, such as 10. Nothing was saved.")
            .expectMessage("done");
        press(w, "cmdAddChild");
        press(w, "cmdRename");
        QVERIFY(item(tree, "Bobs invoices"));
        text->setPlainText("One\nTwo");
        auto* order = child<QLineEdit>(&w, "txtDisplayOrder");
        order->setText("first");
        press(w, "cmdSave");
        order->setText("5");
        press(w, "cmdSave");
        QCOMPARE(tree->topLevelItem(0)->text(0), "Bobs invoices");
        QCOMPARE(doc.read()->sections[1].text, "One\r\nTwo");

        p.expectExactly({"Confirm DeletePrintingInvoices", "Delete?", Prompter::Buttons::YesNo,
                         Prompter::Icon::Critical, Prompter::Answer::No},
                        Prompter::Answer::Yes)
            .expectMessage("Done")
            .expectMessage("Help File Exists");
        press(w, "cmdDeleteNode");
        QCOMPARE(item(tree, "Paper")->parent()->text(0), HelpTree::kUnfiled);
        QCOMPARE(w.chosenSection(), QString());
        press(w, "cmdMakeNewHelp");

        QString printTo;
        bool accept = false;
        w.setPrintDialog([&](QPrinter& printer, QWidget*) {
            if (printTo.isEmpty()) { // a machine without printers
                printer.setPrinterName({});
            } else {
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(printTo);
            }
            return accept;
        });
        w.print(); // cancelled
        accept = true;
        p.expectMessage("Could not find Printer");
        w.print();
        printTo = env.file("printed.pdf");
        const QString longWord(120, u'x');
        text->setPlainText(longWord + "\nend");
        QTest::mouseClick(child<PictureButton>(&w, "picPrint"), Qt::LeftButton);
        QVERIFY(readAll(printTo).startsWith("%PDF-"));
        // pdftotext leaves out what lies off the paper.
        if (QString printed = pdfText(printTo); !printed.isNull())
            QCOMPARE(printed.remove(QRegularExpression("\\s")), longWord + "end");

        const QString saved = env.file("Help");
        p.expectSaveFile(saved);
        press(w, "cmdSavePdf");
        QVERIFY(readAll(saved + ".pdf").startsWith("%PDF-"));

        QVERIFY(doc.write({{1, "A", "A", {}, "B"}, {2, "B", "B", {}, "A"}}));
        p.expectMessage("These help sections are each other's parents, round in a circle: A, "
                        "B.\nThey are shown under \"Unfiled\".");
        w.open();
        QCOMPARE(tree->topLevelItem(0)->text(0), HelpTree::kUnfiled);

        // A damaged file shows what it holds and is rewritten only when the user agrees.
        const QByteArray cut = readAll(path).chopped(3);
        writeAll(path, cut);
        p.expectMessageStarting("Help.set is damaged")
            .expectInput("Add New Field", "New")
            .expectQuestion("Help.set is damaged: only the sections shown could "
                            "be read from it.\nWriting this change keeps those "
                            "sections and drops the rest of the file. Write it "
                            "anyway?",
                            Prompter::Answer::No);
        w.open();
        QCOMPARE(tree->topLevelItem(0)->childCount(), 1);
        press(w, "cmdAddNode");
        QCOMPARE(readAll(path), cut);
        VERIFY_PROMPTS(p);
    }
};

QTEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"
