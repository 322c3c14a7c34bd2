#include "layout/DesignerRules.h"

#include <QTest>
#include <vector>

using namespace DesignerRules;

Q_DECLARE_METATYPE(DesignerRules::Kind)
Q_DECLARE_METATYPE(DesignerRules::Section)

class TestDesignerRules : public QObject {
    Q_OBJECT

private slots:
    void drop_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<Section>("onto");
        QTest::addColumn<QRect>("before");
        QTest::addColumn<QPointF>("grab");
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<QPoint>("placed");
        QTest::addColumn<bool>("anchor");

        // 11250 - 570 = 10680; then 10680 + 570 + 285 > 11250: 11250 - 1140 - 190.
        QTest::newRow("total past the edge")
            << Kind::Figure << Section::Body << QRect(6720, 4440, 570, 270) << QPointF(0, 0)
            << QPointF(10900, 400) << QPoint(9920, 400) << true;
        // 9390 first, then 9390 + 1860 + 930 > 11250: 11250 - 1860 - 930.
        QTest::newRow("invoice title")
            << Kind::InvoiceTitle << Section::Header << QRect(6960, 3120, 1860, 555)
            << QPointF(0, 0) << QPointF(10000, 3000) << QPoint(8460, 3000) << true;
        QTest::newRow("line moves only up and down")
            << Kind::DividerLine << Section::Header << QRect(142, 2880, 11055, 105)
            << QPointF(300, 40) << QPointF(2000, 1040) << QPoint(142, 1000) << true;
        QTest::newRow("above and left of the section")
            << Kind::Plain << Section::Header << QRect(480, 2040, 900, 240) << QPointF(200, 100)
            << QPointF(50, 20) << QPoint(0, 0) << true;
        QTest::newRow("grab offset")
            << Kind::Plain << Section::Body << QRect(360, 2160, 1260, 270) << QPointF(120, 45)
            << QPointF(3000, 1000) << QPoint(2880, 955) << true;
        QTest::newRow("right edge on the section's")
            << Kind::Plain << Section::Body << QRect(0, 0, 1000, 270) << QPointF(0, 0)
            << QPointF(11000, 10) << QPoint(10250, 10) << true;
        QTest::newRow("figure with room stays")
            << Kind::Figure << Section::Body << QRect(0, 0, 570, 270) << QPointF(0, 0)
            << QPointF(6000, 10) << QPoint(6000, 10) << true;
        // The footer keeps only the edge rules and leaves the anchor alone.
        QTest::newRow("footer") << Kind::Figure << Section::Footer << QRect(0, 0, 7515, 1095)
                                << QPointF(0, 0) << QPointF(5000, -30) << QPoint(3735, 0) << false;
    }
    void drop()
    {
        QFETCH(Kind, kind);
        QFETCH(Section, onto);
        QFETCH(QRect, before);
        QFETCH(QPointF, grab);
        QFETCH(QPointF, at);
        QFETCH(QPoint, placed);
        QFETCH(bool, anchor);
        const DropResult r = DesignerRules::drop(kind, onto, before, grab, at);
        QCOMPARE(r.rect, QRect(placed, before.size()));
        QCOMPARE(r.becomesAnchor, anchor);
    }

    // Arrow keys, a restyle and the preview keep the element inside its section; the line moves
    // only up and down.
    void nudgeRestyleAndPreview()
    {
        QCOMPARE(nudge(Kind::Plain, QRect(100, 100, 500, 200), kNudge, -kNudge),
                 QRect(115, 85, 500, 200));
        QCOMPARE(nudge(Kind::Plain, QRect(10, 5, 500, 200), -kNudge, -kNudge),
                 QRect(0, 0, 500, 200));
        QCOMPARE(nudge(Kind::Plain, QRect(10740, 5, 500, 200), kNudge, 0),
                 QRect(10750, 5, 500, 200));
        QCOMPARE(nudge(Kind::DividerLine, QRect(142, 2880, 11055, 105), kNudge, kNudge),
                 QRect(142, 2895, 11055, 105));

        QCOMPARE(fitAfterRestyle(Kind::Plain, QRect(3000, 0, 12000, 300)),
                 QRect(10, 0, 11240, 300));
        QCOMPARE(fitAfterRestyle(Kind::Figure, QRect(10400, 0, 570, 300)).left(), 9920);
        QCOMPARE(fitAfterRestyle(Kind::Plain, QRect(300, 0, 2000, 300)), QRect(300, 0, 2000, 300));

        const PreviewPlace moved = previewPlace(QRect(10600, 0, 1000, 200)); // right edge 11600
        QVERIFY(moved.moved);
        QCOMPARE(moved.left, 6960);
        QVERIFY(!previewPlace(QRect(10595, 0, 1000, 200)).moved);
    }

    void align()
    {
        // A member, the anchor, and an unselected element.
        std::vector<Selectable> items = {{QRect(3000, 0, 1000, 200), Mark::Member},
                                         {QRect(6000, 300, 500, 200), Mark::Anchor},
                                         {QRect(100, 600, 800, 200), Mark::None}};
        std::optional<Anchor> anchor = Anchor{6000, 500};
        std::vector<Selectable> rights = items;
        std::optional<Anchor> rightAnchor = anchor;

        QVERIFY(alignLefts(items, anchor));
        QCOMPARE(items[0].rect.left(), 6000);
        QCOMPARE(items[1].rect.left(), 6000);
        QCOMPARE(items[2].rect.left(), 100);
        for (const Selectable& s : items)
            QCOMPARE(s.mark, Mark::None);
        QVERIFY(!anchor);
        QVERIFY(!alignLefts(items, anchor)); // no anchor: nothing happens

        QVERIFY(alignRights(rights, rightAnchor));
        QCOMPARE(rights[0].rect.right() + 1, 6500);
        QCOMPARE(rights[1].rect.left(), 6000);
        QVERIFY(!rightAnchor);

        // A wide member is held inside the section on the left, and at 0 on the right.
        std::vector<Selectable> wide = {{QRect(0, 0, 3000, 200), Mark::Member}};
        anchor = Anchor{10000, 200};
        alignLefts(wide, anchor);
        QCOMPARE(wide[0].rect.left(), kSectionWidth - 3000);
        wide[0].mark = Mark::Member;
        anchor = Anchor{100, 200};
        alignRights(wide, anchor);
        QCOMPARE(wide[0].rect.left(), 0);
    }
};

QTEST_APPLESS_MAIN(TestDesignerRules)
#include "tst_designerrules.moc"
