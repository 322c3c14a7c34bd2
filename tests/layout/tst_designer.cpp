#include "app/MainWindow.h"
#include "identities/ui/AddIdentityDialog.h"
#include "layout/IdentityLayoutFile.h"
#include "layout/LayoutFiles.h"
#include "layout/ui/LayoutDesigner.h"
#include "layout/ui/StyleEditor.h"
#include "printing/InvoicePage.h"
#include "support/CaseFile.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// Answers the next modal dialog of that class once it is up; fails rather than hangs when none
// comes. It polls without blocking, so the dialog before it may finish meanwhile.
template <typename T> void whenModal(std::function<void(T*)> answer, int tries = 300)
{
    QTimer::singleShot(10, [answer, tries] {
        if (auto* modal = qobject_cast<T*>(QApplication::activeModalWidget()))
            return answer(modal);
        if (tries == 0)
            qFatal("no modal dialog appeared");
        whenModal<T>(answer, tries - 1);
    });
}

// An identity with the layout file a first start writes for it, made current. On leaving the
// test, every prompt it expected must have been shown.
struct Books {
    Books()
    {
        identity = env.addIdentity(QStringLiteral("Harbour Joinery"));
        if (!LayoutFiles::ensureForIdentity(env.db, files(), identity))
            qFatal("no layout file");
        env.session->setCurrentIdentity(identity);
    }
    ~Books() { VERIFY_PROMPTS(env.prompter); }
    Books(const Books&) = delete;
    Books& operator=(const Books&) = delete;
    SharedFiles& files() const { return env.session->files(); }
    QString layoutFile() const { return IdentityLayoutFile::fileName(identity); }
    QByteArray bytes(const QString& name) const { return files().read(name)->value_or(""); }
    void write(const QString& name, const QByteArray& bytes) const
    {
        if (!files().write(name, bytes))
            qFatal("%s cannot be written", qPrintable(name));
    }
    LayoutRecord saved() const { return **IdentityLayoutFile::read(files(), identity); }

    TestEnv env;
    int identity = 0;
};

QPoint px(double x, double y)
{
    return {LayoutDesigner::toPixels(x), LayoutDesigner::toPixels(y)};
}

// Drags the element by the point `grab` (twips within it) to `drop` (twips within its section).
void drag(LayoutDesigner& d, const char* name, QPoint grab, QPoint drop)
{
    QWidget* e = child<QWidget>(&d, name);
    const QPoint to = e->mapFrom(e->parentWidget(), px(drop.x(), drop.y()));
    QTest::mousePress(e, Qt::LeftButton, {}, px(grab.x(), grab.y()));
    QTest::mouseMove(e, to);
    QTest::mouseRelease(e, Qt::LeftButton, {}, to);
}

void rightClick(LayoutDesigner& d, const char* name, Qt::KeyboardModifiers mods = {})
{
    QTest::mouseClick(child<QWidget>(&d, name), Qt::RightButton, mods, QPoint(3, 3));
}

StyleEditor* editorOf(LayoutDesigner& d)
{
    return d.findChild<StyleEditor*>(QStringLiteral("frmEdit"));
}

QRect rectOf(const LayoutDesigner& d, const char* name)
{
    return d.elementRect(QLatin1String(name));
}

} // namespace

class TestDesigner : public QObject {
    Q_OBJECT

private slots:
    // A drag is placed by the drop rules and shows its grab and drop points; an arrow key
    // nudges the element pressed; Ctrl+Z and Ctrl+Shift+Z undo and redo. Shift + right press
    // selects (the last one anchors) and Align Lefts lines the others up; a right click on a
    // selected element opens no editor. Save writes it all, and a new window reads it back.
    void dragAlignSaveAndReopen()
    {
        Books books;
        {
            LayoutDesigner d(*books.env.session);
            d.show();
            d.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&d));
            QVERIFY(!child<QWidget>(&d, "lblDate")->isVisible()); // on the body tab
            child<QTabWidget>(&d, "TabLayout")->setCurrentIndex(1);
            const QRect before = rectOf(d, "lblTotal");
            drag(d, "lblTotal", {60, 30}, {10950, 1530});
            QCOMPARE(rectOf(d, "lblTotal"),
                     QRect(QPoint(11250 - 2 * before.width() - before.width() / 3, 1500),
                           before.size()));
            QCOMPARE(d.cords(), QStringLiteral("30,60,1530,10950"));
            QCOMPARE(child<QWidget>(&d, "lblTotal")->pos(), px(rectOf(d, "lblTotal").left(), 1500));

            QTest::keyClick(child<QWidget>(&d, "lblTotal"), Qt::Key_Down);
            QCOMPARE(rectOf(d, "lblTotal").top(), 1515);
            QTest::keyClick(&d, Qt::Key_Z, Qt::ControlModifier);
            QTest::keyClick(&d, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(rectOf(d, "lblTotal"), before);
            QTest::keyClick(&d, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(rectOf(d, "lblTotal").top(), 1500);

            rightClick(d, "lblDescription", Qt::ShiftModifier);
            rightClick(d, "lblSubTotal", Qt::ShiftModifier);
            QVERIFY(!editorOf(d));
            QTest::mouseClick(child<QPushButton>(&d, "cmdAlignLefts"), Qt::LeftButton);
            QCOMPARE(rectOf(d, "lblDescription").left(), rectOf(d, "lblSubTotal").left());

            QTest::mouseClick(child<QPushButton>(&d, "cmdSave"), Qt::LeftButton);
            QCOMPARE(books.saved(), d.record());
        }
        LayoutDesigner again(*books.env.session);
        QCOMPARE(again.record(), books.saved());
    }

    // The style editor works on a copy: Cancel changes nothing, even after a font choice; OK
    // applies caption, font, colour and box.
    void styleEditor()
    {
        Books books;
        LayoutDesigner d(*books.env.session);
        d.show();
        child<QTabWidget>(&d, "TabLayout")->setCurrentIndex(1);
        const LayoutRecord before = d.record();

        QFont courier(QStringLiteral("Courier New"));
        courier.setPointSizeF(14);
        courier.setItalic(true);
        for (const bool ok : {false, true}) {
            rightClick(d, "lblDescription");
            StyleEditor* editor = editorOf(d);
            QVERIFY(editor && editor->isVisible());
            QCOMPARE(editor->windowTitle(), QStringLiteral("Edit lblDescription"));
            // The window-text colour opens as black.
            QCOMPARE(child<QScrollBar>(editor, "ScrollR")->value(), 0);
            books.env.prompter.expectFont(courier);
            QTest::mouseClick(child<QPushButton>(editor, "cmdFonts"), Qt::LeftButton);
            QVERIFY(child<QCheckBox>(editor, "chkItalic")->isChecked());
            QVERIFY(!child<QCheckBox>(editor, "chkNormal")->isChecked());
            auto* red = child<QLineEdit>(editor, "txtRed");
            red->clear();
            QTest::keyClicks(red, QStringLiteral("300"));
            QCOMPARE(red->text(), QStringLiteral("255"));
            QCOMPARE(child<QScrollBar>(editor, "ScrollR")->value(), 255);
            child<QLineEdit>(editor, "txtCaption")->setText(QStringLiteral("Work done"));
            child<QRadioButton>(editor, "optNoBox")->setChecked(true);
            QTest::mouseClick(child<QPushButton>(editor, ok ? "cmdOK" : "cmdCancel"),
                              Qt::LeftButton);
            if (!ok)
                QCOMPARE(d.record(), before);
        }
        const LayoutRecord after = d.record();
        QCOMPARE(after.lblDescriptionCaption, QStringLiteral("Work done"));
        QCOMPARE(after.lblDescriptionFontSize, 14.0);
        QVERIFY(after.lblDescriptionFontItalic);
        QCOMPARE(after.lblDescriptionColour, QStringLiteral("255"));
        QCOMPARE(after.lblDescriptionBorderStyle, qint16(0));

        // The date says first that only its look is kept.
        books.env.prompter.expectMessage(QStringLiteral(
            "This date box automatically puts the date in\nNo text changes will be saved\n"
            "Although Colours and Fonts will be"));
        rightClick(d, "lblDate");
        QVERIFY(editorOf(d)->isVisible());
    }

    // The preview lays out the sample invoice as the printed invoice of the saved layout would,
    // after moving a label that reaches past 11595 twips (in the designer too).
    void previewMatchesPrint()
    {
        Books books;
        LayoutRecord wide = books.saved();
        wide.lblDescriptionLeft = 10800; // its right edge at 12060
        QVERIFY(IdentityLayoutFile::write(books.files(), books.identity, wide));
        LayoutDesigner d(*books.env.session);
        books.env.prompter.expectMessage(
            QStringLiteral("One of your lables required moving lblDescription"));
        const InvoicePage::Layout preview = d.previewLayout();
        QCOMPARE(rectOf(d, "lblDescription").left(), 6960);
        QVERIFY(d.save());

        const InvoicePage::Layout printed = InvoicePage::layOut(
            books.saved(), LayoutDesigner::sampleSheet(TestEnv::kToday),
            books.env.session->locale(), &books.files(), InvoicePage::paperTextColour());
        QCOMPARE(preview.pages.size(), printed.pages.size());
        const auto items = [](const InvoicePage::Layout& l) {
            QStringList out{QString::number(l.pages[0].lines.size())};
            for (const InvoicePage::TextItem& t : l.pages[0].texts)
                out << QStringLiteral("%1|%2|%3|%4")
                           .arg(t.name, t.text, QDebug::toString(t.rect), QString::number(t.boxed));
            return out;
        };
        QCOMPARE(items(preview), items(printed));
        QVERIFY(items(preview).join(u'\n').contains(QStringLiteral("Label5|Description|")));
    }

    // A damaged file is reported and left as it is; a missing logo is named; the date sample
    // is the longest month's.
    void badFilesAndSamples()
    {
        Books books;
        LayoutRecord r = books.saved();
        r.PicLogoName = QStringLiteral("gone.png");
        r.PicLogoShow = true;
        QVERIFY(IdentityLayoutFile::write(books.files(), books.identity, r));
        books.env.prompter.expectMessage(QStringLiteral("Cant find logo"));
        {
            LayoutDesigner d(*books.env.session);
            QCOMPARE(d.record().PicLogoName, QStringLiteral("gone.png"));
            QCOMPARE(d.elementCaption(QStringLiteral("lblDate")),
                     QStringLiteral("Wednesday, 12 September 2007"));
        }
        const QByteArray damaged = books.bytes(books.layoutFile()).left(40);
        books.write(books.layoutFile(), damaged);
        books.env.prompter.expectMessageStarting(books.files().describe(books.layoutFile()));
        LayoutDesigner d(*books.env.session);
        QCOMPARE(rectOf(d, "lblInvoice").topLeft(), QPoint(6960, 3120));
        QCOMPARE(books.bytes(books.layoutFile()), damaged);
    }

    // A logo that is no picture is refused and a huge one stored smaller, and undoing the choice
    // takes its picture away again; the VAT rate takes money keys, saves as 0 when it is no
    // number, and is refused when negative.
    void logoAndVat()
    {
        Books books;
        LayoutDesigner d(*books.env.session);
        d.show();
        QTemporaryDir elsewhere;
        const QString notPicture = elsewhere.filePath(QStringLiteral("notes.png"));
        writeAll(notPicture, "not a picture");
        QImage banner(5000, 20, QImage::Format_RGB32);
        banner.fill(Qt::darkBlue);
        QVERIFY(banner.save(elsewhere.filePath(QStringLiteral("banner.bmp"))));
        child<QCheckBox>(&d, "chkUseLogo")->click();
        books.env.prompter.expectOpenFile(notPicture)
            .expectMessageStarting(QDir::toNativeSeparators(notPicture));
        rightClick(d, "picLogo");
        QVERIFY(!*books.files().exists(QStringLiteral("notes.png")));
        books.env.prompter.expectOpenFile(elsewhere.filePath(QStringLiteral("banner.bmp")));
        rightClick(d, "picLogo");
        QCOMPARE(QImage::fromData(books.bytes(QStringLiteral("banner.png"))).width(), 2400);
        // The designer holds the picture only as large as it shows it.
        QCOMPARE(d.logoPicture().width(), LayoutDesigner::toPixels(rectOf(d, "picLogo").width()));
        d.undo();
        QVERIFY(d.logoPicture().isNull());
        QVERIFY(child<QCheckBox>(&d, "chkUseLogo")->isChecked()); // ticked before the choice
        d.redo();

        auto* rate = child<QLineEdit>(&d, "txtVatRate");
        rate->clear();
        QTest::keyClicks(rate, QStringLiteral("-17.5.x"));
        QCOMPARE(rate->text(), QStringLiteral("17.5"));
        rate->setText(QStringLiteral("-5")); // pasted
        books.env.prompter.expectMessage(
            QStringLiteral("The VAT Rate must be a percentage from 0 to 100."));
        QVERIFY(!d.save());
        rate->setText(QStringLiteral("abc"));
        QVERIFY(d.save());
        QCOMPARE(books.saved().VatRate, 0.0);
        QCOMPARE(books.saved().PicLogoName, QStringLiteral("banner.png"));
        QVERIFY(books.saved().PicLogoShow);
    }

    // "Save Changes?" whenever the user closes: Cancel keeps the window, Yes saves and closes,
    // No closes without saving.
    void closeAsks_data()
    {
        CaseFile::addRows(QStringLiteral("layout/close-answers.txt"),
                          {"answer", "closes", "savedRate"});
    }
    void closeAsks()
    {
        const auto [answer, closes, savedRate] =
            CaseFile::fetchEach({"answer", "closes", "savedRate"});
        const bool closed = closes == u"yes";
        const double rate = savedRate.toDouble();
        Books books;
        LayoutDesigner d(*books.env.session);
        d.show();
        child<QLineEdit>(&d, "txtVatRate")->setText(QStringLiteral("17.5"));
        books.env.prompter.expectQuestion(QStringLiteral("Save Changes?"),
                                          answer == u"Yes"  ? Prompter::Answer::Yes
                                          : answer == u"No" ? Prompter::Answer::No
                                                            : Prompter::Answer::Cancel);
        QCOMPARE(d.close(), closed);
        QCOMPARE(d.isVisible(), !closed);
        QCOMPARE(books.saved().VatRate, rate);
        QCOMPARE(books.env.session->pageSettings().vatRate, rate);
    }

    // "Add User": the new identity is stored and made current, and the designer opens on its
    // layout; closing the designer shows the Make Invoice tab.
    void newIdentityOpensTheDesigner()
    {
        Books books;
        MainWindow w(*books.env.session);
        w.startUp();
        w.show();
        QString textLogo;
        whenModal<AddIdentityDialog>([&](AddIdentityDialog* dialog) {
            child<QLineEdit>(dialog, "txtNewIdentity")->setText(QStringLiteral(" Acme "));
            child<QLineEdit>(dialog, "txtInvoiceStartNumber")->setText(QStringLiteral("1001"));
            whenModal<LayoutDesigner>([&](LayoutDesigner* designer) {
                textLogo = designer->elementCaption(QStringLiteral("lblTextLogo"));
                books.env.prompter
                    .expectQuestion(QStringLiteral("Save Changes?"), Prompter::Answer::No)
                    .expectQuestion(QStringLiteral("Enter the new identity's trading details "
                                                   "now? Its e-invoices need its legal name, "
                                                   "address, VAT number and bank account."),
                                    Prompter::Answer::No);
                designer->close();
            });
            QTest::mouseClick(child<QPushButton>(dialog, "cmdSaveIdentity"), Qt::LeftButton);
        });
        QTest::mouseClick(child<QWidget>(&w, "picAddIdentity"), Qt::LeftButton);
        QCOMPARE(textLogo, QStringLiteral("Acme"));
        QCOMPARE(books.env.session->currentIdentity(), books.identity + 1);
        QCOMPARE(child<QTabWidget>(&w, "SSTab1")->currentIndex(), int(MainWindow::TabMakeInvoice));
        QVERIFY(w.windowTitle().endsWith(QStringLiteral(" Acme")));
        QCOMPARE(books.env.session->pageSettings().vatRate, 0.0);
    }
};

QTEST_MAIN(TestDesigner)
#include "tst_designer.moc"
