#include "app/MainWindow.h"

#include "app/LanguageBox.h"
#include "app/SharedBooks.h"
#include "app/SharedBooksDialog.h"
#include "app/WindowMemory.h"
#include "appointments/ui/CalendarTab.h"
#include "backup/ui/BackupRestore.h"
#include "calculator/ui/CalculatorWindow.h"
#include "clients/ui/ClientsTab.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/Prompter.h"
#include "core/Translations.h"
#include "core/ui/ExportButtons.h"
#include "core/ui/Icons.h"
#include "core/ui/LongWork.h"
#include "core/ui/Mnemonics.h"
#include "core/ui/NamedWidgets.h"
#include "core/ui/PictureButton.h"
#include "core/ui/Session.h"
#include "expenses/ui/ExpensesTab.h"
#include "help/DeliveredHelp.h"
#include "help/HelpDocument.h"
#include "help/ui/HelpWindow.h"
#include "identities/IdentityStore.h"
#include "identities/ui/AddIdentityDialog.h"
#include "identities/ui/SwitchIdentitiesDialog.h"
#include "identities/ui/TradingDetailsDialog.h"
#include "invoices/ui/EnvelopeSettings.h"
#include "invoices/ui/InvoiceListTab.h"
#include "invoices/ui/InvoicePreview.h"
#include "invoices/ui/MailSettingsDialog.h"
#include "invoices/ui/MakeInvoiceTab.h"
#include "layout/LayoutFiles.h"
#include "layout/ui/LayoutDesigner.h"
#include "reports/ui/ReportsTab.h"
#include "update/ui/UpdateCommand.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// Asked once a new identity has its layout: its e-invoices cannot be written without them.
constexpr const char* kTradingDetailsQuestion = QT_TRANSLATE_NOOP(
    "MainWindow", "Enter the new identity's trading details now? Its e-invoices need its legal "
                  "name, address, VAT number and bank account.");

constexpr const char* kIdentitiesUnread =
    QT_TRANSLATE_NOOP("MainWindow", "The trading identities could not be read.\n");

// Long work under the window (a restore replacing the books) owns the database until it is
// done: a timer or queued refresh that would read it then runs `retry` once the work has
// finished, and answers true.
bool afterLongWork(QObject* window, const std::function<void()>& retry)
{
    for (LongWork* work : window->findChildren<LongWork*>()) {
        if (work->isRunning()) {
            QObject::connect(work, &LongWork::finished, window, retry, Qt::QueuedConnection);
            return true;
        }
    }
    return false;
}

} // namespace

MainWindow::MainWindow(Session& session, QWidget* parent)
    : QMainWindow(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("frmFront"));
    setWindowTitle(tr("Billcraft version") + booksPlace());

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* buttonRow = new QWidget(central);
    buildPictureButtons(buttonRow);
    layout->addWidget(buttonRow);

    m_tabs = new QTabWidget(central);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setAccessibleName(QStringLiteral("SSTab1"));
    layout->addWidget(m_tabs, 1);
    buildTabs();
    setCentralWidget(central);
    resize(900, 640);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildPictureButtons(QWidget* row)
{
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    struct Def {
        const char* name;
        Icons::Action icon;
        const char* toolTip;
        const char* accessibleName;
    };
    // Features connect their clicks; a picture-button stays disabled until its window exists.
    const Def defs[] = {
        {"picHelp", Icons::Action::Help, "", QT_TR_NOOP("Help")},
        {"picUpdate", Icons::Action::Update, QT_TR_NOOP("Check For Web Updates"), ""},
        {"PicRestore", Icons::Action::Restore, QT_TR_NOOP("Restore"), ""},
        {"picBackUp", Icons::Action::BackUp, QT_TR_NOOP("Back Up"), ""},
        {"picAddIdentity", Icons::Action::AddIdentity, QT_TR_NOOP("Add User"), ""},
        {"picIdentities", Icons::Action::SwitchIdentity, QT_TR_NOOP("Switch Users"), ""},
        {"PicCalc", Icons::Action::Calculator, QT_TR_NOOP("Calculator"), ""},
    };
    const auto text = [](const char* source) { return *source ? tr(source) : QString(); };
    for (const Def& d : defs) {
        auto* button = new PictureButton(QLatin1String(d.name), d.icon, text(d.toolTip),
                                         text(d.accessibleName), row);
        button->setEnabled(false);
        layout->addWidget(button);
    }
    QPushButton* tradingDetails =
        namedButton(QStringLiteral("cmdTradingDetails"), tr("Trading details..."), row);
    connect(tradingDetails, &QPushButton::clicked, this, &MainWindow::openTradingDetails);
    layout->addWidget(tradingDetails);
    QPushButton* mail =
        namedButton(QStringLiteral("cmdMailSettings"), tr("E-mail settings..."), row);
    connect(mail, &QPushButton::clicked, this,
            [this] { MailSettingsDialog::edit(m_session, m_session.currentIdentity(), this); });
    layout->addWidget(mail);
    QPushButton* sharedBooks =
        namedButton(QStringLiteral("cmdSharedBooks"), tr("Connect to shared books..."), row);
    connect(sharedBooks, &QPushButton::clicked, this,
            [this] { SharedBooksDialog(m_session, this).exec(); });
    layout->addWidget(sharedBooks);
    layout->addStretch(1);
    layout->addWidget(new LanguageBox(m_session, row));

    m_maker = new QLabel(QStringLiteral("<a href=\"%1\">Norvane</a>").arg(kMakerWebAddress), row);
    m_maker->setObjectName(QStringLiteral("lblNorvane"));
    m_maker->setAccessibleName(QStringLiteral("Norvane"));
    m_maker->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(m_maker, &QLabel::linkActivated, this, &MainWindow::openMakerWebSite);
    layout->addWidget(m_maker);
}

void MainWindow::buildTabs()
{
    static constexpr const char* kCaptions[TabCount] = {
        QT_TR_NOOP("Clients"),  QT_TR_NOOP("Make Invoice"),   QT_TR_NOOP("Find Invoices"),
        QT_TR_NOOP("Expenses"), QT_TR_NOOP("Invoice Layout"), QT_TR_NOOP("Calendar"),
        QT_TR_NOOP("Reports"),
    };
    for (int i = 0; i < TabCount; ++i) {
        auto* page = new QWidget(m_tabs);
        page->setObjectName(QStringLiteral("SSTab1Page%1").arg(i));
        new QVBoxLayout(page);
        m_tabs->addTab(page, tr(kCaptions[i]));
    }

    QWidget* clientsPage = tabPage(TabClients);
    m_clientsTab = new ClientsTab(m_session, clientsPage);
    clientsPage->layout()->addWidget(m_clientsTab);
    m_envelopeSettings = new EnvelopeSettings(m_session, clientsPage);
    clientsPage->layout()->addWidget(m_envelopeSettings);
    // Envelopes are printed for the client the Clients tab shows.
    auto* shownClient = m_clientsTab->findChild<QLabel*>(QStringLiteral("lblClientID"));
    m_envelopeSettings->setShownClient([shownClient] { return shownClient->text(); });
    static_cast<QVBoxLayout*>(clientsPage->layout())->addStretch(1);

    connect(m_tabs, &QTabWidget::currentChanged, this, &MainWindow::onTabChanged);
    connectPictureButton("picIdentities", &MainWindow::openIdentityChooser);
    connectPictureButton("picAddIdentity", &MainWindow::openAddIdentity);
    connectPictureButton("picHelp", &MainWindow::openHelp);
    connectPictureButton("PicCalc", &MainWindow::openCalculator);
    connectPictureButton("picBackUp", &MainWindow::backUpDatabase);
    connectPictureButton("PicRestore", &MainWindow::restoreDatabase);
    connectPictureButton("picUpdate", &MainWindow::checkForUpdates);

    // Alt+1 to Alt+7 choose the tabs; each page's buttons get their own mnemonics, as only one
    // page shows at a time (the pages built later get theirs then).
    for (int i = 0; i < TabCount; ++i) {
        auto* key = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + i)), this);
        connect(key, &QShortcut::activated, this, [this, i] { m_tabs->setCurrentIndex(i); });
    }
    Mnemonics::give(tabPage(TabClients));
    connect(this, &MainWindow::showInvoiceRequested, this, &MainWindow::showInvoice);
    // The alert check lists in the calendar, which may wait for the first paint: then the check
    // waits for it too. Queued, so that the alert window opens after the activation that set
    // the check off.
    connect(
        this, &MainWindow::alertCheckDue, this,
        [this] {
            if (m_buildAfterPaint) {
                m_alertCheckWaits = true;
                return;
            }
            if (afterLongWork(this, [this] { emit alertCheckDue(); }))
                return;
            buildHiddenTabs();
            m_calendar->runAlertCheck();
        },
        Qt::QueuedConnection);
}

void MainWindow::buildHiddenTabs()
{
    if (m_hiddenTabsBuilt)
        return;
    m_hiddenTabsBuilt = true;
    m_buildAfterPaint = false;

    QWidget* invoicePage = tabPage(TabMakeInvoice);
    m_makeInvoice = new MakeInvoiceTab(m_session, invoicePage);
    invoicePage->layout()->addWidget(m_makeInvoice);
    static_cast<QVBoxLayout*>(invoicePage->layout())->addStretch(1);

    QWidget* listPage = tabPage(TabFindInvoices);
    m_invoiceList = new InvoiceListTab(m_session, listPage);
    listPage->layout()->addWidget(m_invoiceList);

    // A new or edited invoice is shown among the unpaid ones: entering the list does that.
    connect(m_makeInvoice, &MakeInvoiceTab::invoiceMade, m_invoiceList,
            [this](int, int clientId) { m_invoiceList->invoiceMade(clientId); });
    connect(m_makeInvoice, &MakeInvoiceTab::invoiceSaved, this,
            [this] { m_tabs->setCurrentIndex(TabFindInvoices); });
    connect(m_invoiceList, &InvoiceListTab::editRequested, this, [this](int invoiceId) {
        m_tabs->setCurrentIndex(TabMakeInvoice);
        m_makeInvoice->editInvoice(invoiceId);
    });
    connect(m_invoiceList, &InvoiceListTab::showInvoiceRequested, this,
            &MainWindow::showInvoiceRequested);

    QWidget* calendarPage = tabPage(TabCalendar);
    m_calendar = new CalendarTab(m_session, calendarPage);
    calendarPage->layout()->addWidget(m_calendar);
    connect(m_calendar, &CalendarTab::calendarWanted, this,
            [this] { m_tabs->setCurrentIndex(TabCalendar); });
    connect(m_calendar, &CalendarTab::invoiceWanted, this, &MainWindow::showInvoiceRequested);

    // The expenses, the VAT report of a period, and the export of the three lists as shown.
    QWidget* expensesPage = tabPage(TabExpenses);
    m_expenses = new ExpensesTab(m_session, expensesPage);
    expensesPage->layout()->addWidget(m_expenses);
    QWidget* reportsPage = tabPage(TabReports);
    m_reports = new ReportsTab(m_session, reportsPage);
    reportsPage->layout()->addWidget(m_reports);
    listPage->layout()->addWidget(
        new ExportButtons(m_session, m_invoiceList->grid(), GridExport::Grid::Invoices,
                          QStringLiteral("picExcel2"), QStringLiteral("picCSV"), listPage));

    for (Tab tab : {TabMakeInvoice, TabFindInvoices, TabCalendar, TabExpenses, TabReports})
        Mnemonics::give(tabPage(tab));
    // Built while one of these pages is on the screen (its tab was selected), the new widgets
    // would stay hidden: only the children a page has when it is shown are shown with it.
    for (Tab tab : {TabMakeInvoice, TabFindInvoices, TabCalendar, TabExpenses, TabReports}) {
        QWidget* page = tabPage(tab);
        if (!page->isVisible())
            continue;
        for (QWidget* w : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (w->isHidden() && !w->testAttribute(Qt::WA_WState_ExplicitShowHide))
                w->show();
        }
    }
    if (m_startedUp) {
        m_reports->fillPeriodLists(); // 10
        m_calendar->showToday();      // 11
    }
    if (m_alertCheckWaits) {
        m_alertCheckWaits = false;
        QMetaObject::invokeMethod(m_calendar, &CalendarTab::runAlertCheck, Qt::QueuedConnection);
    }
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    QMainWindow::paintEvent(event);
    // Once the window is on the screen, the tabs nobody sees yet are built.
    if (m_buildAfterPaint && !m_buildPosted) {
        m_buildPosted = true;
        QTimer::singleShot(0, this, [this] {
            if (!afterLongWork(this, [this] { buildHiddenTabs(); }))
                buildHiddenTabs();
        });
    }
}

QWidget* MainWindow::tabPage(Tab tab) const
{
    return m_tabs->widget(tab);
}

void MainWindow::connectPictureButton(const char* name, void (MainWindow::*slot)())
{
    auto* button = findChild<PictureButton*>(QLatin1String(name));
    button->setEnabled(true);
    connect(button, &PictureButton::clicked, this, slot);
}

void MainWindow::startUp(HiddenTabs hiddenTabs)
{
    // The currency symbol (1) is read by the session from the locale; the connection (2, 3) is
    // opened before the window exists, so a database that cannot be used never shows a window.
    populateIdentities();                // 4; the client drop-downs (7) follow the identity
    ensureLayoutFile();                  // 5, 6
    populateUserData();                  // 8
    m_tabs->setCurrentIndex(TabClients); // 9
    m_startedUp = true;
    if (hiddenTabs == HiddenTabs::BuildNow)
        buildHiddenTabs(); // 10, 11
    else
        m_buildAfterPaint = !m_hiddenTabsBuilt;
    listPrinters(); // 12
    // A data folder without the help in the program's language gains the delivered one.
    installHelpDocument();
    // 15: databases made before client notes existed gain the column.
    if (m_session.db().addColumnIfMissing(QStringLiteral("TblClients"), QStringLiteral("Notes"),
                                          QStringLiteral("Memo")) == Database::AddColumn::Failed)
        m_session.prompter().inform(tr("The database could not be given its column for client "
                                       "notes, so notes cannot be kept.\n") +
                                        m_session.db().errorString(),
                                    {}, Prompter::Icon::Warning);
}

void MainWindow::installHelpDocument()
{
    const QString language = Translations::current();
    const Status installed = HelpDocument::installIfMissing(
        m_session.files(), DeliveredHelp::bytes(language), HelpDocument::fileNameFor(language));
    if (!installed)
        m_session.prompter().inform(installed.error(), {}, Prompter::Icon::Warning);
}

void MainWindow::populateIdentities()
{
    const Result<int> first = IdentityStore::firstIdentity(m_session.db());
    if (!first)
        m_session.prompter().inform(tr(kIdentitiesUnread) + first.error(), {},
                                    Prompter::Icon::Warning);
    // Without a readable list the window comes up as with no identity.
    m_session.setCurrentIdentity(first ? *first : 0);
}

void MainWindow::ensureLayoutFile()
{
    QString error;
    if (!LayoutFiles::ensureForIdentity(m_session.db(), m_session.files(),
                                        m_session.currentIdentity(), &error))
        m_session.prompter().inform(error, {}, Prompter::Icon::Warning);
}

void MainWindow::populateUserData()
{
    m_clientsTab->clearForm();
    if (m_invoiceList)
        m_invoiceList->clearList();
    const Result<std::optional<PageSettings>> read =
        IdentityStore::readPageSettings(m_session.files(), m_session.currentIdentity());
    std::optional<PageSettings> settings = read ? *read : std::nullopt;
    if (!read) {
        // A damaged or unreadable file is left as it is, for the user to mend or replace; until
        // then the identity works with the default settings, never the previous identity's.
        m_session.prompter().inform(read.error(), {}, Prompter::Icon::Warning);
        settings = PageSettings();
    }
    if (!settings) // no file: the settings shown stay
        return;
    PageSettings page = *settings;
    if (page.taxCaption.isEmpty()) // an identity without a tax name keeps the captions shown
        page.taxCaption = m_session.pageSettings().taxCaption;
    m_session.setPageSettings(page); // the VAT box and the tax captions follow
    setWindowTitle(
        tr("Billcraft version %1 %2").arg(QStringLiteral(BILLCRAFT_VERSION), page.identityName) +
        booksPlace());
}

QString MainWindow::booksPlace() const
{
    // Several sets of books may be a click apart: the title says which one is open.
    const Database& db = m_session.db();
    return db.isServer() ? tr(" - shared books %1").arg(SharedBooks::place(db.server()))
                         : QString();
}

void MainWindow::openIdentityChooser()
{
    const Result<QList<IdentityEntry>> identities = IdentityStore::list(m_session.db());
    if (!identities) {
        m_session.prompter().inform(tr(kIdentitiesUnread) + identities.error(), {},
                                    Prompter::Icon::Warning);
        return;
    }
    SwitchIdentitiesDialog chooser(m_session, *identities, this);
    if (chooser.exec() == QDialog::Accepted)
        switchIdentity(chooser.chosenIdentity());
}

void MainWindow::switchIdentity(int identity)
{
    m_session.setCurrentIdentity(identity); // clears AlertsChecked; lists refill on the signal
    populateUserData();
    m_session.setCalendarDate(m_session.clock().today());
    m_tabs->setCurrentIndex(TabClients);
}

void MainWindow::reloadFromDatabase()
{
    // Reloading is no change of identity: the alerts stay checked and the calendar keeps its
    // day (setting the identity again would clear the one and move the other to today).
    const bool alertsChecked = m_session.alertsChecked();
    const QDate calendarDate = m_session.calendarDate();
    populateIdentities(); // the client drop-downs, lists and calendar follow the identity
    populateUserData();
    m_tabs->setCurrentIndex(TabClients);
    m_session.setAlertsChecked(alertsChecked);
    if (m_calendar) // redrawn from this database, on the same day
        m_calendar->showDay(calendarDate);
}

void MainWindow::backUpDatabase()
{
    BackupRestore(m_session, this, [this] { reloadFromDatabase(); }).backUp();
}

void MainWindow::restoreDatabase()
{
    BackupRestore(m_session, this, [this] { reloadFromDatabase(); }).restore();
}

void MainWindow::listPrinters()
{
    m_envelopeSettings->listInstalledPrinters();
}

void MainWindow::runAlertCheck()
{
    if (m_session.alertsChecked())
        return;
    m_session.setAlertsChecked(true);
    emit alertCheckDue();
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        runAlertCheck();
}

void MainWindow::onTabChanged(int index)
{
    // Selecting a tab does, in this order: hide the expense editor, list unpaid invoices, list
    // expenses, open the layout designer; and always last reset the invoice entry (which also
    // refills its client list). The other tabs are built before the first of them is shown.
    if (index != TabClients)
        buildHiddenTabs();
    if (!m_hiddenTabsBuilt)
        return;
    m_expenses->closeEditor(); // a pending cell edit is saved first
    if (index == TabFindInvoices)
        m_invoiceList->showUnpaid();
    if (index == TabExpenses)
        m_expenses->viewExpenses();
    if (index == TabInvoiceLayout)
        openLayoutDesigner();
    m_makeInvoice->reset();
}

// The designer is modal; once it is closed the "Make Invoice" tab is shown.
void MainWindow::openLayoutDesigner()
{
    LayoutDesigner designer(m_session, this);
    designer.exec();
    m_tabs->setCurrentIndex(TabMakeInvoice);
}

// A new identity becomes current, and the designer opens on its layout before its settings
// are loaded.
void MainWindow::openAddIdentity()
{
    AddIdentityDialog dialog(m_session, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_session.setCurrentIdentity(dialog.createdIdentity()); // clears AlertsChecked
    m_session.setCalendarDate(m_session.clock().today());
    if (m_tabs->currentIndex() == TabInvoiceLayout)
        openLayoutDesigner();
    else
        m_tabs->setCurrentIndex(TabInvoiceLayout);
    populateUserData();
    if (m_session.prompter().confirm(tr(kTradingDetailsQuestion)))
        openTradingDetails();
}

void MainWindow::openTradingDetails()
{
    TradingDetailsDialog::edit(m_session, m_session.currentIdentity(), this);
}

void MainWindow::showInvoice(int invoiceId)
{
    if (!m_invoicePreview)
        m_invoicePreview = new InvoicePreview(m_session, this);
    m_invoicePreview->showInvoice(invoiceId);
}

void MainWindow::openHelp()
{
    if (!m_help) {
        m_help = new HelpWindow(m_session, this);
        m_help->setAttribute(Qt::WA_DeleteOnClose);
        m_help->open();
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

HelpWindow* MainWindow::helpWindow() const
{
    return m_help;
}

void MainWindow::openCalculator()
{
    if (!m_calculator) {
        m_calculator = new CalculatorWindow(m_session.locale().locale().decimalPoint().at(0));
        m_calculator->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_calculator->show();
    m_calculator->raise();
    m_calculator->activateWindow();
}

CalculatorWindow* MainWindow::calculatorWindow() const
{
    return m_calculator;
}

void MainWindow::checkForUpdates()
{
    if (!m_update)
        m_update = new UpdateCommand(m_session, UpdateCommand::builtInSettings(m_session), this);
    m_update->run();
}

void MainWindow::openMakerWebSite()
{
    if (!QDesktopServices::openUrl(QUrl(kMakerWebAddress)))
        m_session.prompter().inform(
            tr("The web address %1 could not be opened.").arg(kMakerWebAddress));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_session.prompter().confirm(tr("Quit Program.. proceed ?"), tr("Quit"))) {
        event->ignore();
        return;
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != this && w->isVisible())
            w->close();
    }
    m_session.db().close();
    saveWindowState();
    event->accept();
}

void MainWindow::rememberStateIn(const QString& settingsFile)
{
    m_stateFile = settingsFile;
    const std::optional<WindowMemory::State> saved = WindowMemory(m_stateFile).read();
    if (!saved)
        return;
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    if (const QRect place = WindowMemory::fitOnScreens(saved->geometry, screens); !place.isEmpty())
        setGeometry(place);
    if (saved->maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::saveWindowState() const
{
    if (m_stateFile.isEmpty())
        return;
    WindowMemory::State state;
    state.geometry = isMaximized() ? normalGeometry() : geometry();
    state.maximized = isMaximized();
    WindowMemory(m_stateFile).write(state); // a failed write only forgets the place
}
