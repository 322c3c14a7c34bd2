#include "appointments/ui/CalendarTab.h"

#include "appointments/ui/AlertsWindow.h"
#include "appointments/ui/AppointmentDialog.h"
#include "core/Clock.h"
#include "core/GridData.h"
#include "core/Prompter.h"
#include "core/ui/NamedWidgets.h"
#include "core/ui/Session.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTableWidget>
#include <QVBoxLayout>
#include <utility>

namespace {

// The columns of the appointment list; AppointId, the row's key, is all but hidden.
enum AppColumn { ColKey, ColDate, ColDetails, ColTime, ColAlert, AppColumnCount };
constexpr int kAppColumnTwips[] = {15, 1500, 5000, 1500};

QTableWidget* table(const char* name, const QString& accessibleName, QWidget* parent)
{
    auto* t = new QTableWidget(parent);
    t->setObjectName(QLatin1String(name));
    t->setAccessibleName(accessibleName);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setSectionsClickable(false);
    t->horizontalHeader()->setHighlightSections(false);
    return t;
}

} // namespace

CalendarTab::CalendarTab(Session& session, QWidget* parent)
    : QGroupBox(tr("Calendar"), parent)
    , m_session(session)
    , m_store(session.db())
{
    setObjectName(QStringLiteral("FraCalendar"));
    setAccessibleName(title());
    buildControls();
    // Another identity's diary opens on today.
    connect(&m_session, &Session::identityChanged, this, &CalendarTab::showToday);
}

void CalendarTab::buildControls()
{
    QPushButton* previous =
        namedButton(QStringLiteral("CmdMinusAMonth"), QStringLiteral("<<"), this);
    QPushButton* next = namedButton(QStringLiteral("CmdPlusAMonth"), QStringLiteral(">>"), this);
    m_month = new QLabel(this);
    m_month->setObjectName(QStringLiteral("lblDate"));
    m_month->setAlignment(Qt::AlignCenter);

    m_calendar = table("flxCalendar", tr("Calendar"), this);
    m_calendar->setRowCount(MonthGrid::kWeekRows);
    m_calendar->setColumnCount(MonthGrid::kColumns);
    m_calendar->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_calendar->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int columnWidth = twipsToPixels(MonthGrid::kColumnTwips);
    for (int c = 0; c < MonthGrid::kColumns; ++c)
        m_calendar->setColumnWidth(c, columnWidth);
    const int frame = 2 * m_calendar->frameWidth();
    m_calendar->setFixedSize(MonthGrid::kColumns * columnWidth + frame,
                             m_calendar->horizontalHeader()->sizeHint().height() +
                                 MonthGrid::kWeekRows * m_calendar->rowHeight(0) + frame);
    m_calendar->installEventFilter(this);

    buildAppointmentList();

    QPushButton* add =
        namedButton(QStringLiteral("cmdAddAppointment"), tr("Add Appointment"), this);
    QPushButton* view =
        namedButton(QStringLiteral("cmdViewAppointments"), tr("View Appointments"), this);
    QPushButton* all = namedButton(QStringLiteral("cmdAllAlerts"), tr("All Appointments"), this);
    auto* info = new QLabel(tr("Right click to edit appointments"), this);
    info->setObjectName(QStringLiteral("lblCalendarInfo"));
    info->setAccessibleName(info->text());
    buildMenu();

    auto* monthRow = new QHBoxLayout;
    monthRow->addWidget(previous);
    monthRow->addWidget(m_month, 1);
    monthRow->addWidget(next);
    auto* left = new QVBoxLayout;
    left->addLayout(monthRow);
    left->addWidget(m_calendar);
    left->addStretch(1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {add, view, all})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* layout = new QGridLayout(this);
    layout->addLayout(left, 0, 0);
    layout->addWidget(m_appointments, 0, 1);
    layout->addLayout(buttons, 1, 0, 1, 2);
    layout->addWidget(info, 2, 0, 1, 2);
    layout->setColumnStretch(1, 1);

    connect(previous, &QPushButton::clicked, this,
            [this] { showDay(m_session.calendarDate().addMonths(-1)); });
    connect(next, &QPushButton::clicked, this,
            [this] { showDay(m_session.calendarDate().addMonths(1)); });
    connect(m_calendar, &QTableWidget::cellClicked, this, &CalendarTab::onDayClicked);
    connect(add, &QPushButton::clicked, this, &CalendarTab::addAppointment);
    connect(view, &QPushButton::clicked, this, [this] { showAlerts(AlertList::DueOnRequest); });
    connect(all, &QPushButton::clicked, this, [this] { showAlerts(AlertList::All); });
}

// flxAppointments: the day's appointments, one a row, the key column all but hidden.
void CalendarTab::buildAppointmentList()
{
    m_appointments = table("flxAppointments", tr("Appointments"), this);
    m_appointments->setColumnCount(AppColumnCount);
    QStringList headings;
    for (const char* field :
         {QT_TRANSLATE_NOOP("GridHeading", "AppointId"), QT_TRANSLATE_NOOP("GridHeading", "Date"),
          QT_TRANSLATE_NOOP("GridHeading", "Details"), QT_TRANSLATE_NOOP("GridHeading", "Time"),
          QT_TRANSLATE_NOOP("GridHeading", "Alert")})
        headings << QCoreApplication::translate("GridHeading", field);
    m_appointments->setHorizontalHeaderLabels(headings);
    m_appointments->horizontalHeader()->setMinimumSectionSize(1);
    for (int c = 0; c < int(std::size(kAppColumnTwips)); ++c)
        m_appointments->setColumnWidth(c, twipsToPixels(kAppColumnTwips[c]));
    m_appointments->setWordWrap(false);
    m_appointments->viewport()->installEventFilter(this);
}

// PopAppsMenu, the menu of an appointment's row.
void CalendarTab::buildMenu()
{
    m_menu = new QMenu(tr("Menu"), this);
    m_menu->setObjectName(QStringLiteral("PopAppsMenu"));
    const auto addAction = [this](const char* name, const char* caption,
                                  void (CalendarTab::*slot)()) {
        QAction* a = m_menu->addAction(tr(caption));
        a->setObjectName(QLatin1String(name));
        if (slot)
            connect(a, &QAction::triggered, this, slot);
    };
    addAction("EditApp", QT_TR_NOOP("Edit"), &CalendarTab::editAppointment);
    addAction("DeleteApp", QT_TR_NOOP("Delete"), &CalendarTab::deleteAppointment);
    addAction("ExitAppMnu", QT_TR_NOOP("Exit Menu"), nullptr); // closes the menu, nothing else
}

int CalendarTab::twipsToPixels(int twips) const
{
    return std::max(1, (twips * logicalDpiX() + 720) / 1440);
}

void CalendarTab::showDay(QDate day)
{
    if (!day.isValid())
        return;
    m_session.setCalendarDate(day);
    drawCalendar();
    refreshList();
}

void CalendarTab::showToday()
{
    showDay(m_session.clock().today());
}

void CalendarTab::refreshList()
{
    m_listStale = true;
    if (isVisible())
        fillAppointments();
}

void CalendarTab::showEvent(QShowEvent* event)
{
    QGroupBox::showEvent(event);
    if (m_listStale)
        fillAppointments();
}

void CalendarTab::drawCalendar()
{
    m_grid = ::monthGrid(m_session.calendarDate(), m_session.locale());
    m_month->setText(m_grid.caption);
    m_month->setAccessibleName(m_grid.caption);
    m_calendar->clearContents();
    m_calendar->setHorizontalHeaderLabels(m_grid.header);
    for (int row = 1; row <= MonthGrid::kWeekRows; ++row) {
        for (int column = 0; column < MonthGrid::kColumns; ++column) {
            const int day = m_grid.dayAt(row, column);
            if (day == 0)
                continue;
            auto* item = new QTableWidgetItem(QString::number(day));
            item->setTextAlignment(Qt::AlignCenter);
            m_calendar->setItem(row - 1, column, item);
        }
    }
    m_calendar->item(m_grid.selectedRow - 1, m_grid.selectedColumn)
        ->setBackground(MonthGrid::kHighlight);
    m_calendar->setCurrentCell(m_grid.selectedRow - 1, m_grid.selectedColumn);
}

void CalendarTab::onDayClicked(int row, int column)
{
    const int day = m_grid.dayAt(row + 1, column);
    if (day == 0) { // a blank cell: the selected day stays the current cell
        m_calendar->setCurrentCell(m_grid.selectedRow - 1, m_grid.selectedColumn);
        return;
    }
    const QDate shown = m_session.calendarDate();
    showDay(QDate(shown.year(), shown.month(), day));
}

bool CalendarTab::onCalendarKey(int key)
{
    const QDate day = m_session.calendarDate();
    switch (key) {
    case Qt::Key_Left:
        showDay(day.addDays(-1));
        return true;
    case Qt::Key_Right:
        showDay(day.addDays(1));
        return true;
    case Qt::Key_Up:
        showDay(day.addDays(-7));
        return true;
    case Qt::Key_Down:
        showDay(day.addDays(7));
        return true;
    case Qt::Key_PageUp:
        showDay(day.addMonths(-1));
        return true;
    case Qt::Key_PageDown:
        showDay(day.addMonths(1));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        addAppointment();
        return true;
    default:
        return false;
    }
}

bool CalendarTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_calendar && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        return onCalendarKey(key->key());
    }
    if (watched == m_appointments->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<const QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton)
            onAppointmentMenu(m_appointments->rowAt(mouse->position().toPoint().y()),
                              mouse->globalPosition().toPoint());
    }
    return QGroupBox::eventFilter(watched, event);
}

void CalendarTab::fillAppointments()
{
    m_listStale = false;
    m_appointments->setRowCount(0);
    const QDate day = m_session.calendarDate();
    const Result<QList<Appointment>> rows = m_store.day(m_session.currentIdentity(), day);
    if (!rows)
        return reportFailure(rows.error());
    if (GridData::exceedsCellLimit(rows->size(), AppColumnCount)) {
        m_session.prompter().inform(GridData::tr(GridData::kTooManyRecordsMessage));
        return;
    }
    const LocaleText& locale = m_session.locale();
    const auto set = [this](int row, int column, const QString& text) {
        m_appointments->setItem(row, column, new QTableWidgetItem(text));
    };
    if (rows->isEmpty()) {
        m_appointments->setRowCount(1);
        set(0, ColDate, locale.toShortDate(day));
        set(0, ColDetails, tr("No Appointments"));
        return;
    }
    m_appointments->setRowCount(int(rows->size()));
    for (int row = 0; row < rows->size(); ++row) {
        const Appointment& a = rows->at(row);
        set(row, ColKey, QString::number(a.appointId));
        set(row, ColDate, locale.toShortDate(a.date));
        set(row, ColDetails, a.details);
        set(row, ColTime, AppointmentStore::timeText(a.time, locale));
        set(row, ColAlert, a.alert ? tr("True") : tr("False"));
    }
}

void CalendarTab::onAppointmentMenu(int row, const QPoint& globalPos)
{
    const QTableWidgetItem* key = row < 0 ? nullptr : m_appointments->item(row, ColKey);
    bool numeric = false;
    const int id = key ? key->text().toInt(&numeric) : 0;
    if (!numeric) // the "No Appointments" row
        return;
    m_menuAppointment = id;
    m_menuDetails = m_appointments->item(row, ColDetails)->text();
    m_menu->popup(globalPos);
}

void CalendarTab::addAppointment()
{
    auto* dialog = new AppointmentDialog(m_session, m_session.calendarDate(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    connect(dialog, &AppointmentDialog::saved, this, &CalendarTab::refreshList);
    dialog->show();
}

void CalendarTab::editAppointment()
{
    const int id = std::exchange(m_menuAppointment, 0);
    m_menuDetails.clear();
    if (id == 0)
        return;
    // One edit window at a time. One the user has typed into keeps what was typed, whichever
    // appointment is asked for; an untouched one takes the appointment asked for.
    if (m_editWindow && (m_editWindow->editAppointId() == id || m_editWindow->isModified())) {
        m_editWindow->raise();
        m_editWindow->activateWindow();
        return;
    }
    const Result<std::optional<Appointment>> found = m_store.load(id);
    if (!found)
        return reportFailure(found.error());
    if (!*found) {
        m_session.prompter().inform(tr("This appointment has been deleted."));
        refreshList();
        return;
    }
    if (!m_editWindow) {
        m_editWindow = new AppointmentDialog(m_session, QDate(), this);
        m_editWindow->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_editWindow, &AppointmentDialog::saved, this, &CalendarTab::refreshList);
    }
    m_editWindow->edit(**found);
    m_editWindow->show();
    m_editWindow->raise();
    m_editWindow->activateWindow();
}

void CalendarTab::deleteAppointment()
{
    const int id = std::exchange(m_menuAppointment, 0);
    const QString details = std::exchange(m_menuDetails, QString());
    if (id == 0)
        return;
    if (!m_session.prompter().confirm(tr("This Will Delete %1 proceed ?").arg(details),
                                      tr("Delete?"), Prompter::Icon::Critical))
        return;
    if (const Status removed = m_store.remove(id); !removed)
        reportFailure(removed.error());
    refreshList();
}

void CalendarTab::runAlertCheck()
{
    showAlerts(AlertList::Due);
}

void CalendarTab::showAlerts(AlertList which)
{
    const std::optional<QDate> upTo =
        which == AlertList::All ? std::nullopt : std::optional<QDate>(m_session.calendarDate());
    const Result<QList<Appointment>> alerts = m_store.alerts(m_session.currentIdentity(), upTo);
    if (!alerts)
        return reportFailure(alerts.error());
    // The check at start-up (and after a switch of identity) also hands out, once each, the
    // invoices that have become overdue since the last one.
    Result<QList<Reminders::DueInvoice>> overdue = QList<Reminders::DueInvoice>();
    if (which == AlertList::Due)
        overdue = Reminders::takeNewlyOverdue(m_session.db(), m_session.currentIdentity(),
                                              m_session.clock().today());
    if (!overdue)
        reportFailure(overdue.error()); // the appointments are still worth showing
    if (alerts->isEmpty() && (!overdue || overdue->isEmpty())) {
        if (which != AlertList::Due) // the check at start-up is silent
            m_session.prompter().inform(tr("You have no appointments"));
        return;
    }
    auto* window = new AlertsWindow(m_session, *alerts,
                                    overdue ? *overdue : QList<Reminders::DueInvoice>(), this);
    connect(window, &AlertsWindow::invoiceChosen, this, &CalendarTab::invoiceWanted);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    connect(window, &AlertsWindow::dayChosen, this, [this](QDate day) {
        showDay(day);
        emit calendarWanted();
    });
    // A cancelled alert shows False in the day's list.
    connect(window, &QDialog::finished, this, &CalendarTab::refreshList);
    window->show();
}

void CalendarTab::reportFailure(const QString& error)
{
    m_session.prompter().inform(tr("The database reported an error:\n%1").arg(error), {},
                                Prompter::Icon::Warning);
}
