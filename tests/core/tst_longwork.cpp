#include "core/ui/LongWork.h"

#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <atomic>

// Long work runs on a worker thread, hands its outcome to the UI thread, keeps the user's input
// away from every other window while it runs, and stops when the user cancels.
class TstLongWork : public QObject {
    Q_OBJECT
private slots:
    void outcomeReachesTheUiThreadAndInputWaits()
    {
        QLineEdit window;
        window.show();
        std::atomic<bool> release{false};
        QThread* workThread = nullptr;
        QThread* thenThread = nullptr;
        int outcome = 0;
        LongWork* work = LongWork::start<int>(
            &window, {"Working...", "Billcraft"},
            [&](WorkProgress& progress) {
                workThread = QThread::currentThread();
                progress.setFraction(0.5);
                while (!release)
                    QThread::msleep(5);
                return 42;
            },
            [&](int value) {
                thenThread = QThread::currentThread();
                outcome = value;
            });
        QSignalSpy finished(work, &LongWork::finished);

        QTest::keyClicks(&window, "x");
        QCOMPARE(window.text(), QString()); // typed while the work runs: ignored
        QProgressDialog* dialog = nullptr;
        QTRY_VERIFY(dialog = window.findChild<QProgressDialog*>("frmProgress"));
        QTRY_COMPARE(dialog->value(), 500);

        release = true;
        QVERIFY(finished.wait());
        QCOMPARE(outcome, 42);
        QCOMPARE(thenThread, QThread::currentThread());
        QVERIFY(workThread != QThread::currentThread());
        QTest::keyClicks(&window, "x");
        QCOMPARE(window.text(), "x");
    }

    void cancelReachesTheWork()
    {
        QWidget window;
        bool sawCancel = false;
        LongWork* work = LongWork::start<bool>(
            &window, {"Working...", "Billcraft", "frmProgress", true, 0},
            [](WorkProgress& progress) {
                while (!progress.cancelled())
                    QThread::msleep(5);
                return true;
            },
            [&](bool cancelled) { sawCancel = cancelled; });
        QSignalSpy finished(work, &LongWork::finished);
        QProgressDialog* dialog = nullptr;
        QTRY_VERIFY(dialog = window.findChild<QProgressDialog*>("frmProgress"));
        // A real click: the progress window is the one window that still takes input.
        QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton);
        QVERIFY(finished.wait());
        QVERIFY(sawCancel);
    }
};

QTEST_MAIN(TstLongWork)
#include "tst_longwork.moc"
