#include "calculator/Calculator.h"
#include "support/CaseFile.h"

#include <QTest>

namespace {

// Presses the keys of a sequence: digits and "." as typed, + - * / = %, r square root,
// n sign change, C clear, M memory plus, R memory recall, X clear memory, b backspace.
void play(Calculator& calc, const QString& keys)
{
    using K = Calculator::Key;
    for (QChar c : keys) {
        if (c.isDigit()) {
            calc.press(Calculator::digit(c.digitValue()));
            continue;
        }
        static const QHash<QChar, K> named = {
            {u'.', K::Point},       {u'+', K::Plus},       {u'-', K::Minus},
            {u'*', K::Times},       {u'/', K::Divide},     {u'=', K::Equals},
            {u'%', K::Percent},     {u'r', K::SquareRoot}, {u'n', K::ChangeSign},
            {u'C', K::Cancel},      {u'M', K::MemoryPlus}, {u'R', K::MemoryRecall},
            {u'X', K::ClearMemory}, {u'b', K::Backspace},
        };
        QVERIFY2(named.contains(c), qPrintable(QStringLiteral("no key %1").arg(c)));
        calc.press(named.value(c));
    }
}

} // namespace

class TestCalculator : public QObject {
    Q_OBJECT

private slots:
    void decimals_data()
    {
        CaseFile::addRows("calculator/decimals.txt", {"a", "op", "b", "result"});
    }
    void decimals()
    {
        const auto [a, op, b, result] = CaseFile::fetchEach({"a", "op", "b", "result"});
        const std::optional<Decimal> x = Decimal::parse(a);
        const std::optional<Decimal> y = Decimal::parse(b);
        QVERIFY(x && (y || op == u"r"));
        const std::optional<Decimal> r = op == u"r"   ? x->squareRoot()
                                         : op == u"+" ? x->plus(*y)
                                         : op == u"*" ? x->times(*y)
                                                      : x->dividedBy(*y);
        QCOMPARE(r ? r->toString() : QString(), result);
        if (r) // what is shown reads back as the same number
            QCOMPARE(Decimal::parse(r->toString()), r);
    }

    void parsing()
    {
        for (const char* bad : {"", ".", "-", "1.2.3", "1,5", "E5", "12a"})
            QVERIFY2(!Decimal::parse(QLatin1String(bad)), bad);
        QCOMPARE(Decimal::parse("1,5", u',')->toString(u','), "1,5");
        QVERIFY(!Decimal::parse("1.5", u','));
    }

    void sequences_data() { CaseFile::addRows("calculator/sequences.txt", {"keys", "display"}); }
    void sequences()
    {
        QFETCH(QString, keys);
        QFETCH(QString, display);
        Calculator calc;
        play(calc, keys);
        QCOMPARE(calc.display(), display);
        QCOMPARE(calc.memoryInUse(), keys.contains(u'M') && !keys.contains(u'X'));
    }
};

QTEST_GUILESS_MAIN(TestCalculator)
#include "tst_calculator.moc"
