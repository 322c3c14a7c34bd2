#include <QTest>

class TestClientsTab : public QObject {
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(TestClientsTab)
#include "tst_clientstab.moc"
