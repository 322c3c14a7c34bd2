#include "app/MainWindow.h"

#include "core/Database.h"
#include "core/Prompter.h"
#include "core/Session.h"
#include "core/ui/PictureButton.h"
#include "invoices/ui/EnvelopeSettings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

MainWindow::MainWindow(Session& session, QWidget* parent)
    : QMainWindow(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("frmFront"));
    setWindowTitle(QStringLiteral("Billcraft version"));

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
    QStyle* s = style();
    struct Def {
        const char* name;
        QStyle::StandardPixmap icon;
        const char* toolTip;
        const char* accessibleName;
    };
    // Features connect their clicks; a picture-button stays disabled until its window exists.
    const Def defs[] = {
        {"picHelp", QStyle::SP_DialogHelpButton, "", "Help"},
        {"picUpdate", QStyle::SP_BrowserReload, "Check For Web Updates", ""},
        {"PicRestore", QStyle::SP_DialogOpenButton, "Restore", ""},
        {"picBackUp", QStyle::SP_DialogSaveButton, "Back Up", ""},
        {"picAddIdentity", QStyle::SP_FileDialogNewFolder, "Add User", ""},
        {"picIdentities", QStyle::SP_FileDialogDetailedView, "Switch Users", ""},
        {"PicCalc", QStyle::SP_ComputerIcon, "Calculator", ""},
    };
    for (const Def& d : defs) {
        auto* button =
            new PictureButton(QLatin1String(d.name), s->standardIcon(d.icon),
                              QLatin1String(d.toolTip), QLatin1String(d.accessibleName), row);
        button->setEnabled(false);
        layout->addWidget(button);
    }
    layout->addStretch(1);

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
        "Clients",        "Make Invoice", "Find Invoices", "Expenses",
        "Invoice Layout", "Calendar",     "Reports",
    };
    for (int i = 0; i < TabCount; ++i) {
        auto* page = new QWidget(m_tabs);
        page->setObjectName(QStringLiteral("SSTab1Page%1").arg(i));
        new QVBoxLayout(page);
        m_tabs->addTab(page, QLatin1String(kCaptions[i]));
    }

    m_envelopeSettings = new EnvelopeSettings(tabPage(ClientsTab));
    tabPage(ClientsTab)->layout()->addWidget(m_envelopeSettings);
    static_cast<QVBoxLayout*>(tabPage(ClientsTab)->layout())->addStretch(1);

    connect(m_tabs, &QTabWidget::currentChanged, this, &MainWindow::onTabChanged);
}

QWidget* MainWindow::tabPage(Tab tab) const { return m_tabs->widget(tab); }

void MainWindow::startUp()
{
    // The currency symbol (1) is read by the session from the locale; the connection (2, 3) is
    // opened before the window exists, so a database that cannot be used never shows a window.
    m_tabs->setCurrentIndex(ClientsTab); // 9
    listPrinters();                      // 12
    // 15: databases made before client notes existed gain the column.
    if (m_session.db().addColumnIfMissing(QStringLiteral("TblClients"), QStringLiteral("Notes"),
                                          QStringLiteral("Memo")) == Database::AddColumn::Failed)
        qWarning("Client notes column could not be added: %s",
                 qUtf8Printable(m_session.db().errorString()));
}

void MainWindow::listPrinters() { m_envelopeSettings->listInstalledPrinters(); }

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

void MainWindow::onTabChanged(int /*index*/)
{
    // Each feature adds what selecting its tab does, in this order: hide the expense editor,
    // list unpaid invoices, list expenses, refill the invoice client list, open the layout
    // designer, and always last reset the invoice entry.
}

void MainWindow::openMakerWebSite()
{
    if (!QDesktopServices::openUrl(QUrl(kMakerWebAddress)))
        m_session.prompter().inform(
            QStringLiteral("The web address %1 could not be opened.").arg(kMakerWebAddress));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    const Prompter::Answer answer = m_session.prompter().ask(
        {QStringLiteral("Quit Program.. proceed ?"), QStringLiteral("Quit"),
         Prompter::Buttons::YesNo, Prompter::Icon::Question, Prompter::Answer::No});
    if (answer != Prompter::Answer::Yes) {
        event->ignore();
        return;
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != this && w->isVisible())
            w->close();
    }
    m_session.db().close();
    event->accept();
}
