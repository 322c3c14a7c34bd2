#include <QTest>

class TestLayoutFiles : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(TestLayoutFiles)
#include "tst_layoutfiles.moc"
