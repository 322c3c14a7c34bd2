#pragma once

#include <QMainWindow>

class EnvelopeSettings;
class PictureButton;
class QLabel;
class QTabWidget;
class Session;

// frmFront: the program's main window. It runs the start-up sequence, holds the tab strip whose
// pages the features fill, the row of picture-buttons that open the other windows, and asks
// before the program quits.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The tabs of SSTab1, in their order.
    enum Tab {
        ClientsTab,
        MakeInvoiceTab,
        FindInvoicesTab,
        ExpensesTab,
        InvoiceLayoutTab,
        CalendarTab,
        ReportsTab,
        TabCount
    };

    static inline const QString kMakerWebAddress = QStringLiteral("https://www.norvane.example/");

    explicit MainWindow(Session& session, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence, run once after construction and before the window is shown.
    void startUp();

    // Alert check: acts once after start-up and once after each change of identity.
    void runAlertCheck();

    QTabWidget* tabs() const { return m_tabs; }
    QWidget* tabPage(Tab tab) const;

signals:
    // Emitted when the alert check runs for the current identity.
    void alertCheckDue();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildPictureButtons(QWidget* row);
    void buildTabs();
    void onTabChanged(int index);
    void openMakerWebSite();
    void listPrinters();

    Session& m_session;
    QTabWidget* m_tabs = nullptr;
    QLabel* m_maker = nullptr;
    EnvelopeSettings* m_envelopeSettings = nullptr;
};
