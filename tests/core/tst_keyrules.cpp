#include <QTest>

class TestKeyRules : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(TestKeyRules)
#include "tst_keyrules.moc"
