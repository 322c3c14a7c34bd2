#pragma once

#include <QMainWindow>
#include <QPointer>

class CalculatorWindow;
class CalendarTab;
class ClientsTab;
class EnvelopeSettings;
class HelpWindow;
class ExpensesTab;
class InvoiceListTab;
class InvoicePreview;
class MakeInvoiceTab;
class PictureButton;
class QLabel;
class QTabWidget;
class ReportsTab;
class Session;
class UpdateCommand;

// frmFront: the program's main window. It runs the start-up sequence, holds the tab strip whose
// pages the features fill, the row of picture-buttons that open the other windows, and asks
// before the program quits.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The tabs of SSTab1, in their order.
    enum Tab {
        TabClients,
        TabMakeInvoice,
        TabFindInvoices,
        TabExpenses,
        TabInvoiceLayout,
        TabCalendar,
        TabReports,
        TabCount
    };

    static inline const QString kMakerWebAddress = QStringLiteral("https://www.norvane.example/");

    explicit MainWindow(Session& session, QWidget* parent = nullptr);
    ~MainWindow() override;

    // When the tabs other than "Clients" are built: at start-up, or once the window has been
    // painted for the first time (or one of them is selected, or the alert check needs the
    // calendar), so that the window shows sooner.
    enum class HiddenTabs { BuildNow, BuildAfterFirstPaint };

    // The start-up sequence, run once after construction and before the window is shown.
    void startUp(HiddenTabs hiddenTabs = HiddenTabs::BuildNow);
    // Builds the tabs other than "Clients" if they are not built yet.
    void buildHiddenTabs();

    // Alert check: acts once after start-up and once after each change of identity.
    void runAlertCheck();

    // Makes the lowest-numbered identity current (0 when there is none).
    void populateIdentities();
    // Loads the current identity's page settings (VAT box, tax captions, window caption) from
    // its layout file and clears the client form. A missing file leaves the settings as they were.
    void populateUserData();
    // Makes another identity current and reloads everything that shows its data.
    void switchIdentity(int identity);
    // Refills the window from the database the session has open now (after a restore, or
    // while a restore tries its copy): identities, client lists, page settings, the first tab,
    // the calendar and today's appointments.
    void reloadFromDatabase();

    // Shows the invoice as its printed page in the one preview window, made on first use.
    void showInvoice(int invoiceId);
    InvoicePreview* invoicePreview() const { return m_invoicePreview; }

    // picHelp: the help window, modeless and owned by this window; made afresh once closed.
    void openHelp();
    HelpWindow* helpWindow() const;
    // PicCalc: the calculator, modeless and free; one at a time, made afresh once closed.
    void openCalculator();
    CalculatorWindow* calculatorWindow() const;
    // picUpdate: the check for a newer build on the maker's web server, and its install.
    void checkForUpdates();

    QTabWidget* tabs() const { return m_tabs; }
    QWidget* tabPage(Tab tab) const;

    // Keeps the window's place and size in `settingsFile`: restores them now, fitted to the
    // screens there are, and writes them when the program quits. The tab is not kept: every
    // start shows "Clients", whichever tab the last one ended on.
    void rememberStateIn(const QString& settingsFile);

signals:
    // Emitted when the alert check runs for the current identity.
    void alertCheckDue();
    // A left click on a listed invoice: show it as a printable page.
    void showInvoiceRequested(int invoiceId);

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildPictureButtons(QWidget* row);
    void buildTabs();
    void onTabChanged(int index);
    void openMakerWebSite();
    void openIdentityChooser();
    void openAddIdentity();
    void openTradingDetails();
    void openLayoutDesigner();
    void ensureLayoutFile();
    void listPrinters();
    void connectPictureButton(const char* name, void (MainWindow::*slot)());
    void installHelpDocument();
    void backUpDatabase();
    void restoreDatabase();
    void saveWindowState() const;
    // Appended to the title on shared books: where they are.
    QString booksPlace() const;

    Session& m_session;
    QTabWidget* m_tabs = nullptr;
    QLabel* m_maker = nullptr;
    EnvelopeSettings* m_envelopeSettings = nullptr;
    ClientsTab* m_clientsTab = nullptr;
    MakeInvoiceTab* m_makeInvoice = nullptr;
    InvoiceListTab* m_invoiceList = nullptr;
    InvoicePreview* m_invoicePreview = nullptr;
    CalendarTab* m_calendar = nullptr;
    QPointer<HelpWindow> m_help;
    QPointer<CalculatorWindow> m_calculator;
    ExpensesTab* m_expenses = nullptr;
    ReportsTab* m_reports = nullptr;
    bool m_startedUp = false;
    bool m_hiddenTabsBuilt = false;
    bool m_buildAfterPaint = false; // until the hidden tabs are built
    bool m_buildPosted = false;
    bool m_alertCheckWaits = false; // for the tabs that wait for the first paint
    UpdateCommand* m_update = nullptr;
    QString m_stateFile; // empty: nothing remembered
};
