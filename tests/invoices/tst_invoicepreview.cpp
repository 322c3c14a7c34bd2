#include "app/MainWindow.h"
#include "core/ui/FlexGrid.h"
#include "einvoice/EInvoiceFile.h"
#include "invoices/InvoiceStore.h"
#include "invoices/ui/InvoicePreview.h"
#include "layout/IdentityLayoutFile.h"
#include "printing/InvoicePage.h"
#include "support/EInvoiceTerms.h"
#include "support/TestEnv.h"
#include "support/UiSteps.h"

#include <QApplication>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

// An identity with one client and the invoices 0100 and 0101.
struct Books {
    Books()
    {
        env.addIdentity(QStringLiteral("Main"));
        client = env.addClient(QStringLiteral("Acme Ltd"));
        InvoiceStore store(env.db);
        for (int i = 0; i < 2; ++i) {
            const InvoiceFields fields{client, QStringLiteral("Work %1").arg(i),
                                       Money::fromUnits(1'000'000), Money::fromUnits(200'000),
                                       Money::fromUnits(1'200'000)};
            const Result<Creation> made =
                store.create(fields, TestEnv::kToday, 1, QStringLiteral("0100"));
            if (!made || !made->created())
                qFatal("cannot raise an invoice");
            ids << made->invoiceId;
        }
    }

    TestEnv env;
    int client = 0;
    QList<int> ids;
};

} // namespace

class TestInvoicePreview : public QObject {
    Q_OBJECT

private slots:
    // A left click on a listed invoice shows it; a click on another row shows that one in the
    // same window.
    void aClickOnAListedInvoiceShowsItInOneWindow()
    {
        Books books;
        MainWindow w(*books.env.session);
        w.startUp();
        QVERIFY(showActive(w));
        child<QTabWidget>(&w, "SSTab1")->setCurrentIndex(MainWindow::TabFindInvoices);
        auto* grid = child<FlexGrid>(&w, "MSFlexGrid1");
        const auto click = [grid](const QString& number) {
            for (int row = 0; row < grid->gridData().rowCount(); ++row) {
                if (grid->gridData().text(row, 2) == number)
                    return clickCell(grid, row, 2);
            }
            QFAIL("invoice not listed");
        };

        click(QStringLiteral("0100"));
        InvoicePreview* preview = w.invoicePreview();
        QVERIFY(preview && preview->isVisible());
        QCOMPARE(preview->parentWidget(), &w);
        QCOMPARE(preview->invoiceId(), books.ids[0]);
        QVERIFY(preview->windowTitle().contains(QStringLiteral("0100")));

        click(QStringLiteral("0101"));
        QCOMPARE(w.invoicePreview(), preview);
        QCOMPARE(preview->invoiceId(), books.ids[1]);
        QVERIFY(preview->windowTitle().contains(QStringLiteral("0101")));

        preview->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), preview);
        QTest::keyClick(preview, Qt::Key_Escape);
        QVERIFY(!preview->isVisible());
        quitAnsweringYes(books.env.prompter, w);
        VERIFY_PROMPTS(books.env.prompter);
    }

    // Save as PDF offers "Invoice <number>.pdf"; printing goes to the printer chosen; both keep
    // the preview and report what went wrong. The zoom stays within its bounds; a missing logo
    // is noticed above the page only. An invoice deleted, or whose client was deleted, since it
    // was listed: the reason and no window.
    void savePrintZoomAndVanishedInvoices()
    {
        Books books;
        TestEnv& env = books.env;
        LayoutRecord record = LayoutRecord::designerDefaults();
        record.PicLogoName = QStringLiteral("gone.png");
        record.PicLogoShow = true;
        record.VatReg = true;
        record.VatRate = 20;
        QVERIFY(IdentityLayoutFile::write(env.session->files(), 1, record));
        InvoicePreview preview(*env.session);
        QVERIFY(preview.showInvoice(books.ids[1]));
        QVERIFY(QTest::qWaitForWindowActive(&preview)); // the keys work in the active window
        auto* notice = child<QLabel>(&preview, "lblNotice");
        QVERIFY(!preview.pageLayout().notice.isEmpty());
        QCOMPARE(notice->text(), preview.pageLayout().notice);
        QVERIFY(notice->isVisibleTo(&preview));

        const QString saved = env.file(QStringLiteral("out/Invoice 0101"));
        QVERIFY(QDir(env.folder()).mkdir(QStringLiteral("out")));
        env.prompter.expectSaveFile(saved).expectSaveFile(std::nullopt);
        child<QPushButton>(&preview, "cmdSavePdf")->click();
        QVERIFY(readAll(saved + QStringLiteral(".pdf")).startsWith("%PDF-")); // the suffix is added
        QTest::keySequence(&preview, QKeySequence::Save); // cancelled: nothing happens

        const QString unwritable = env.file(QStringLiteral("missing/Invoice.pdf"));
        env.prompter.expectSaveFile(unwritable).expectMessageStarting(QString());
        preview.saveAsPdf();
        QVERIFY(!QFileInfo::exists(unwritable));

        // Save as e-invoice starts on the format saved last (Factur-X at first) and writes the
        // one whose filter is chosen; a missing term is named and nothing is written.
        const QString ubl = EInvoiceFile::filter(EInvoice::Format::Ubl);
        const QString lacking = env.file(QStringLiteral("out/lacking"));
        env.prompter.expectSaveFileAs(lacking, ubl)
            .expectMessageStarting(QStringLiteral("The e-invoice needs "));
        child<QPushButton>(&preview, "cmdSaveEInvoice")->click();
        QCOMPARE(env.prompter.lastStartFilter(), EInvoiceFile::filter(EInvoice::Format::FacturX));
        QVERIFY(QDir(env.file(QStringLiteral("out")))
                    .entryList({QStringLiteral("lacking*")})
                    .isEmpty());
        giveEInvoiceTerms(env, 1, books.client);
        env.prompter.expectSaveFileAs(saved);
        preview.saveAsEInvoice();
        QCOMPARE(env.prompter.lastStartFilter(), ubl);
        QVERIFY(readAll(saved + QStringLiteral(".xml")).contains("<Invoice"));

        QString printTo;
        int dialogs = 0;
        preview.setPrintDialog([&](QPrinter& printer, QWidget*) {
            ++dialogs;
            if (printTo.isEmpty())
                return false; // cancelled
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printTo);
            return true;
        });
        QTest::keySequence(&preview, QKeySequence::Print);
        QCOMPARE(dialogs, 1);
        printTo = env.file(QStringLiteral("printed.pdf"));
        child<QPushButton>(&preview, "cmdPrint")->click();
        QVERIFY(readAll(printTo).startsWith("%PDF-"));
        printTo = env.file(QStringLiteral("missing/printed.pdf")); // a printer that fails
        env.prompter.expectMessage(QStringLiteral("Printer Error"));
        preview.print();
        QCOMPARE(dialogs, 3);
        QCOMPARE(preview.invoiceId(), books.ids[1]);

        preview.setZoom(1.0);
        preview.zoomIn();
        QVERIFY(preview.zoom() > 1.0);
        for (int i = 0; i < 20; ++i)
            preview.zoomIn();
        QCOMPARE(preview.zoom(), InvoicePreview::kMaxZoom);
        for (int i = 0; i < 20; ++i)
            preview.zoomOut();
        QCOMPARE(preview.zoom(), InvoicePreview::kMinZoom);
        preview.resize(800, 900);
        preview.fitPage();
        const double page = preview.zoom();
        preview.fitWidth();
        QVERIFY(preview.zoom() > page); // an A4 page is taller than it is wide

        InvoicePreview unshown(*env.session);
        env.exec(QStringLiteral("DELETE FROM TblInvoices WHERE InvoiceID = ?"), {books.ids[0]});
        env.exec(QStringLiteral("DELETE FROM TblClients WHERE ClientID = ?"), {books.client});
        for (int id : books.ids) {
            const QString reason = InvoicePage::loadSheet(env.db, id).error();
            QVERIFY(!reason.isEmpty());
            env.prompter.expectMessage(reason);
            QVERIFY(!unshown.showInvoice(id));
            QVERIFY(!unshown.isVisible());
        }
        VERIFY_PROMPTS(env.prompter);
    }
};

QTEST_MAIN(TestInvoicePreview)
#include "tst_invoicepreview.moc"
