#include "layout/DesignerModel.h"
#include "support/CaseFile.h"

#include <QSignalSpy>
#include <QTest>

using namespace DesignerRules;

namespace {

// The point "x y" at the start of a case's field.
QPoint point(const QString& text)
{
    const QStringList n = text.split(u' ', Qt::SkipEmptyParts);
    return {n.value(0).toInt(), n.value(1).toInt()};
}
Section section(const QString& text)
{
    return Section(QStringList{"Header", "Body", "Footer"}.indexOf(text));
}

// The page of the default layout, as the designer opens it for a new identity.
struct Page {
    explicit Page(qint16 descriptionLeft = 360)
    {
        LayoutRecord r = LayoutRecord::designerDefaults();
        r.lblDescriptionLeft = descriptionLeft;
        r.lblAddressCaption = QStringLiteral("Harbour Joinery\r\n1 Quay Street");
        r.lblInvoiceCaption = QStringLiteral("Invoice");
        model.load(r, QStringLiteral("Wednesday, 12 September 2007"));
    }
    int at(const char* name) const { return model.indexOf(QLatin1String(name)); }
    QRect rect(const char* name) const { return model.element(at(name)).rect; }
    const DesignerModel::Element& element(const char* name) const
    {
        return model.element(at(name));
    }
    QUndoStack& undo() { return model.undoStack(); }

    DesignerModel model;
};

} // namespace

class TestDesignerModel : public QObject {
    Q_OBJECT

private slots:
    // The drop rules' arithmetic, on any element of the kind.
    void dropRules_data()
    {
        CaseFile::addRows("layout/drop-rules.txt",
                          {"kind", "onto", "before", "grab", "at", "placed", "anchor"});
    }
    void dropRules()
    {
        const auto [kind, onto, before, grab, at, placed] =
            CaseFile::fetchEach({"kind", "onto", "before", "grab", "at", "placed"});
        const QPoint size = point(before.section(u' ', 2));
        const QRect from(point(before), QSize(size.x(), size.y()));
        const auto k = QStringList{"Plain", "DividerLine", "InvoiceTitle", "Figure"}.indexOf(kind);
        const DropResult r =
            DesignerRules::drop(Kind(k), section(onto), from, point(grab), point(at));
        QCOMPARE(r.rect, QRect(point(placed), from.size()));
        QTEST(QString::fromLatin1(r.becomesAnchor ? "yes" : "no"), "anchor");
    }

    // A drop on the page: placed by the rules, one undo step, and the anchor of an alignment.
    void drop_data()
    {
        CaseFile::addRows("layout/drops.txt", {"name", "onto", "grab", "at", "placed"});
    }
    void drop()
    {
        const auto [name, onto, grab, at, placed] =
            CaseFile::fetchEach({"name", "onto", "grab", "at", "placed"});
        Page page;
        const int i = page.model.indexOf(name);
        const QRect before = page.model.element(i).rect;
        QSignalSpy changed(&page.model, &DesignerModel::elementChanged);
        page.model.drop(i, section(onto), point(grab), point(at));
        QCOMPARE(page.model.element(i).rect, QRect(point(placed), before.size()));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(page.model.anchor()->left, point(placed).x());
        QCOMPARE(page.undo().count(), 1);
        page.undo().undo();
        QCOMPARE(page.model.element(i).rect, before);
        QVERIFY(page.undo().isClean());
    }

    // Arrow keys on one element are one step; another element or another edit starts a new one.
    // Redo brings back what undo took; the history keeps the last 100 steps.
    void nudgeUndoRedoAndLimit()
    {
        Page page;
        const QRect start = page.rect("lblDescription");
        for (auto [dx, dy] : {std::pair{kNudge, 0}, {kNudge, 0}, {0, -kNudge}})
            page.model.nudge(page.at("lblDescription"), dx, dy);
        QCOMPARE(page.rect("lblDescription").topLeft(), start.topLeft() + QPoint(30, -15));
        page.model.nudge(page.at("lblTotal"), -kNudge, 0);
        QCOMPARE(page.undo().count(), 2);
        page.undo().undo();
        page.undo().undo();
        QCOMPARE(page.rect("lblDescription"), start);
        page.undo().redo();
        QCOMPARE(page.rect("lblDescription").topLeft(), start.topLeft() + QPoint(30, -15));

        // At the edges nothing moves and nothing is remembered; the line never moves sideways.
        Page edges;
        edges.model.drop(edges.at("lblDescription"), Section::Body, {}, {0, 0});
        edges.model.nudge(edges.at("lblDescription"), -kNudge, -kNudge);
        edges.model.nudge(edges.at("PicLine"), kNudge, 0);
        QCOMPARE(edges.undo().count(), 1);
        edges.model.nudge(edges.at("PicLine"), kNudge, kNudge);
        QCOMPARE(edges.rect("PicLine").topLeft(), QPoint(kLineLeft, 2895));

        Page many;
        for (int k = 0; k < 150; ++k)
            many.model.nudge(many.at(k % 2 ? "lblTotal" : "lblVAT"), 0, kNudge);
        QCOMPARE(many.undo().count(), DesignerModel::kUndoLimit);
        while (many.undo().canUndo())
            many.undo().undo();
        QCOMPARE(many.rect("lblTotal").top() - 25 * kNudge, Page().rect("lblTotal").top());
    }

    // Shift + right press on A, then B: B anchors, A is a member, both boxed; Align Lefts lines A
    // up with B and leaves both unboxed, in one undo step; without an anchor nothing happens.
    void alignment_data()
    {
        QTest::addColumn<bool>("lefts");
        QTest::addColumn<int>("left"); // of lblDescription after aligning with lblSubTotal
        QTest::newRow("lefts") << true << 6240;
        QTest::newRow("rights") << false << 6240 + 1035 - 1260;
    }
    void alignment()
    {
        QFETCH(bool, lefts);
        QFETCH(int, left);
        Page page;
        page.model.clearAlignSelection(); // boxes come off only marked elements
        QVERIFY(page.element("lblDescription").style.boxed);
        page.model.selectForAlign(page.at("lblDescription"));
        page.model.selectForAlign(page.at("lblSubTotal"));
        QCOMPARE(page.element("lblDescription").mark, Mark::Member);
        QCOMPARE(page.element("lblSubTotal").mark, Mark::Anchor);
        QCOMPARE(page.model.lastSelected(), QStringLiteral("lblSubTotal"));
        QVERIFY(!page.undo().canUndo()); // selecting is no edit of its own
        lefts ? page.model.alignLefts() : page.model.alignRights();
        QCOMPARE(page.rect("lblDescription").left(), left);
        for (const char* name : {"lblDescription", "lblSubTotal"}) {
            QCOMPARE(page.element(name).mark, Mark::None);
            QVERIFY(!page.element(name).style.boxed);
        }
        QVERIFY(!page.model.anchor());
        page.model.alignLefts();
        QCOMPARE(page.undo().count(), 1);
        page.undo().undo();
        QCOMPARE(page.rect("lblDescription").left(), 360);
        QCOMPARE(page.element("lblDescription").mark, Mark::Member);

        // A member dropped on the body becomes the anchor; the logo anchors uncoloured.
        page.model.drop(page.at("lblDescription"), Section::Body, {}, {400, 2160});
        QCOMPARE(page.element("lblDescription").mark, Mark::Anchor);
        QCOMPARE(page.element("lblSubTotal").mark, Mark::Member);
        page.model.selectForAlign(page.at("picLogo"));
        QCOMPARE(page.element("picLogo").mark, Mark::None);
        QCOMPARE(page.model.anchor()->left, page.rect("picLogo").left());
    }

    // A restyle keeps the element on the page and the date's caption; Address As Line and back
    // restore the caption and size but not the left edge; the logo choice ticks Use Logo. Each
    // is one undo step.
    void restyleSwitchesAndPreview()
    {
        Page page;
        const DesignerModel::State loaded = page.model.state();
        DesignerModel::Style wide = page.element("lblDescription").style;
        wide.caption = QString(400, u'W');
        page.model.restyle(page.at("lblDescription"), wide);
        QCOMPARE(page.rect("lblDescription").left(), 10);
        QCOMPARE(page.rect("lblDescription").width(), 11240);
        DesignerModel::Style date = page.element("lblDate").style;
        date.caption = QStringLiteral("typed over");
        date.font.setItalic(true);
        page.model.restyle(page.at("lblDate"), date);
        QCOMPARE(page.element("lblDate").style.caption,
                 QStringLiteral("Wednesday, 12 September 2007"));
        QVERIFY(page.element("lblDate").style.font.italic());

        QSignalSpy switches(&page.model, &DesignerModel::switchesChanged);
        const QRect address = page.rect("lblAddress");
        page.model.setAddressAsLine(true);
        QCOMPARE(page.element("lblAddress").style.caption,
                 QStringLiteral("Harbour Joinery 1 Quay Street"));
        QCOMPARE(page.rect("lblAddress").left(), 5);
        QCOMPARE(page.rect("lblAddress").width(), 11240);
        page.model.setAddressAsLine(false);
        QCOMPARE(page.rect("lblAddress"),
                 QRect(5, address.top(), address.width(), address.height()));
        QCOMPARE(page.element("lblAddress").style.caption,
                 QStringLiteral("Harbour Joinery\r\n1 Quay Street"));
        page.model.chooseLogo(QStringLiteral("logo.png"));
        QVERIFY(page.model.state().useLogo);
        QCOMPARE(page.model.record().PicLogoName, QStringLiteral("logo.png"));
        QCOMPARE(switches.count(), 3);

        QCOMPARE(page.undo().count(), 5);
        while (page.undo().canUndo())
            page.undo().undo();
        QVERIFY(page.model.state() == loaded);

        // The preview moves a text reaching past 11595 twips to 6960, as one undo step.
        Page far(10800); // right edge 12060
        QCOMPARE(far.model.fitForPreview(), QStringList{QStringLiteral("lblDescription")});
        QCOMPARE(far.rect("lblDescription").left(), 6960);
        QVERIFY(far.model.fitForPreview().isEmpty());
        far.undo().undo();
        QCOMPARE(far.rect("lblDescription").left(), 10800);
    }
};

QTEST_MAIN(TestDesignerModel)
#include "tst_designermodel.moc"
