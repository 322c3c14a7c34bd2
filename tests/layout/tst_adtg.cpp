#include <QTest>

class TestAdtg : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(TestAdtg)
#include "tst_adtg.moc"
