#include <QTest>

class TestClientStore : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(TestClientStore)
#include "tst_clientstore.moc"
