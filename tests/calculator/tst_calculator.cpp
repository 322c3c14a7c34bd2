#include "calculator/Calculator.h"

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
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("op");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("result"); // empty: overflow or no result

        const auto row = [](const char* name, const char* a, const char* op, const char* b,
                            const char* result) {
            QTest::newRow(name) << QString::fromLatin1(a) << QString::fromLatin1(op)
                                << QString::fromLatin1(b) << QString::fromLatin1(result);
        };
        row("no binary fractions", "0.1", "+", "0.2", "0.3");
        row("cancelling to zero", "-0.5", "+", "0.5", "0");
        row("thirds to 15 digits", "2", "/", "3", "0.666666666666667");
        row("plain up to 15 digits", "999999999999998", "+", "1", "999999999999999");
        row("then an exponent", "999999999999999", "+", "1", "1E+15");
        row("small stays plain", "0.001", "/", "10", "0.0001");
        row("smaller has an exponent", "0.0001", "/", "10", "1E-05");
        row("halves to even", "0.1234567890123455", "+", "0", "0.123456789012346");
        row("far apart", "1E+20", "+", "1", "1E+20");
        row("square root", "2", "r", "", "1.4142135623731");
        row("exact root", "0.0016", "r", "", "0.04");
        row("overflow", "9E+307", "*", "10", "");
        row("below the smallest", "1E-300", "*", "1E-300", "0");
        row("by zero", "1", "/", "0", "");
    }

    void decimals()
    {
        QFETCH(QString, a);
        QFETCH(QString, op);
        QFETCH(QString, b);
        QFETCH(QString, result);
        const std::optional<Decimal> x = Decimal::parse(a);
        QVERIFY(x);
        std::optional<Decimal> r;
        if (op == u"r") {
            r = x->squareRoot();
        } else {
            const std::optional<Decimal> y = Decimal::parse(b);
            QVERIFY(y);
            r = op == u"+" ? x->plus(*y) : op == u"*" ? x->times(*y) : x->dividedBy(*y);
        }
        QCOMPARE(r ? r->toString() : QString(), result);
        if (r) // what is shown reads back as the same number
            QCOMPARE(Decimal::parse(r->toString()), r);
        for (const char* bad : {"", ".", "-", "1.2.3", "1,5", "E5", "12a"})
            QVERIFY2(!Decimal::parse(QLatin1String(bad)), bad);
        QCOMPARE(Decimal::parse(QStringLiteral("1,5"), u',')->toString(u','),
                 QStringLiteral("1,5"));
        QVERIFY(!Decimal::parse(QStringLiteral("1.5"), u','));
    }

    void sequences_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");

        const auto row = [](const char* name, const char* keys, const char* display) {
            QTest::newRow(name) << QString::fromLatin1(keys) << QString::fromLatin1(display);
        };
        row("second = does nothing", "2+3==", "5");
        row("on from a result", "2+3=+4=", "9");
        row("digit after result starts anew", "2+3=7+1=", "8");
        row("operator completes the sum", "2+3*4=", "20");
        row("repeated operator", "2++3=", "5");
        row("changed operator", "2+*3=", "6");
        row("= with nothing entered", "=", "");
        row("= with nothing, then a sum", "=5+1=", "6");
        row("divide by zero is not done", "5/0=", "0");
        row("and the next digit starts anew", "5/0=3+1=", "4");
        row("percent plus", "200+10%", "220");
        row("percent minus", "200-10%", "180");
        row("percent times", "200*10%", "20");
        row("percent divide", "200/10%", "2000");
        row("percent of nothing pending", "10%", "10");
        row("percent divide by zero", "200/0%", "Cannot divide by zero");
        row("and keeps working", "200/0%5+1=", "6");
        row("on from a percentage", "200+10%+5=", "225");
        row("square root", "16r", "4");
        row("root of a negative", "9nr", "0");
        row("sign of 7", "7n", "-7");
        row("sign of -7", "7nn", "7");
        row("sign of 0", "0n", "0");
        row("sign keeps the typing", "0.50n", "-0.50");
        row("one zero only", "00", "0");
        row("decimals are exact", ".1+.2=", "0.3");
        row("point after an operator", "1.5+.5=", "2");
        row("second point refused", "1.5.2", "1.52");
        row("no digits past the display", "1234567890123456", "123456789012345");
        row("clear", "2+3C4=", "4");
        row("memory adds up", "5MC3MR", "8");
        row("recall then a digit appends", "5MCR6", "56");
        row("clear memory", "5MXR", "0");
        row("backspace", "123b", "12");
        row("lone point is no number", ".+=", ".");
    }

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
