#pragma once

// The program's windows at their normal size, and the texts in them that do not fit.

#include "app/MainWindow.h"
#include "app/SharedBooksDialog.h"
#include "appointments/ui/AlertsWindow.h"
#include "appointments/ui/AppointmentDialog.h"
#include "banking/ui/CsvMappingDialog.h"
#include "banking/ui/MatchStatementWindow.h"
#include "calculator/ui/CalculatorWindow.h"
#include "clients/ClientStore.h"
#include "clients/ui/BuyerDetailsDialog.h"
#include "einvoice/ui/ReceivedInvoiceWindow.h"
#include "expenses/ui/AddExpenseDialog.h"
#include "help/ui/HelpWindow.h"
#include "identities/ui/AddIdentityDialog.h"
#include "identities/ui/SwitchIdentitiesDialog.h"
#include "identities/ui/TradingDetailsDialog.h"
#include "invoices/ui/InvoicePreview.h"
#include "invoices/ui/MailSettingsDialog.h"
#include "invoices/ui/ReminderSettingsDialog.h"
#include "invoices/ui/ReminderWindow.h"
#include "layout/ui/StyleEditor.h"
#include "support/TestEnv.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <functional>

namespace fit {

inline int textWidth(const QWidget* w, const QString& text)
{
    return w->fontMetrics().size(Qt::TextShowMnemonic, text).width();
}

inline QString where(const QWidget* w, const QString& text)
{
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(w->window()->objectName(),
             w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                       : w->objectName(),
             text);
}

// Room for the text of a button: its contents less the frame, or beside the check indicator.
inline int buttonRoom(QAbstractButton* b)
{
    QStyleOptionButton o;
    o.initFrom(b);
    o.text = b->text();
    const QStyle::SubElement element = qobject_cast<QCheckBox*>(b) ? QStyle::SE_CheckBoxContents
                                       : qobject_cast<QRadioButton*>(b)
                                           ? QStyle::SE_RadioButtonContents
                                           : QStyle::SE_PushButtonContents;
    int room = b->style()->subElementRect(element, &o, b).width();
    if (!b->icon().isNull() && !b->text().isEmpty())
        room -= b->iconSize().width() + 4;
    return room;
}

} // namespace fit

// Every plain text a user reads or hears in `window` as it stands: captions, labels, titles,
// headings, list entries, menu entries, tips, placeholders and accessible names.
inline QStringList shownTexts(QWidget* window)
{
    QStringList texts = {window->windowTitle()};
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        texts << w->toolTip() << w->accessibleName();
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            texts << b->text();
        else if (auto* l = qobject_cast<QLabel*>(w))
            texts << l->text();
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            texts << g->title();
        else if (auto* e = qobject_cast<QLineEdit*>(w))
            texts << e->placeholderText();
        else if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                texts << c->itemText(i);
        else if (auto* h = qobject_cast<QHeaderView*>(w))
            for (int i = 0; h->model() && i < h->count(); ++i)
                texts << h->model()->headerData(i, h->orientation()).toString();
    }
    for (const QAction* action : window->findChildren<QAction*>())
        texts << action->text() << action->toolTip();
    texts.removeAll(QString());
    return texts;
}

// The texts in `window` that are wider than the room their widget gives them, one line each:
// "window widget "text" needs N px, has M".
inline QStringList cutOff(QWidget* window)
{
    // The smallest screen the windows are made for; a window wider than it shows nothing cut
    // off, but not all of itself either.
    constexpr int kScreenWidth = 1280;
    QStringList cuts;
    if (window->width() > kScreenWidth)
        cuts << QStringLiteral("%1 is %2 px wide").arg(window->objectName()).arg(window->width());
    const auto check = [&](const QWidget* w, const QString& text, int needed, int room) {
        if (!text.isEmpty() && needed > room)
            cuts << QStringLiteral("%1 needs %2 px, has %3")
                        .arg(fit::where(w, text))
                        .arg(needed)
                        .arg(room);
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        if (auto* b = qobject_cast<QAbstractButton*>(w);
            b && !qobject_cast<QTabBar*>(w->parent())) {
            check(b, b->text(), fit::textWidth(b, b->text()), fit::buttonRoom(b));
        } else if (auto* l = qobject_cast<QLabel*>(w);
                   l && !l->wordWrap() && !l->text().isEmpty()) {
            check(l, l->text(), l->minimumSizeHint().width(), l->width());
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            check(g, g->title(), fit::textWidth(g, g->title()) + 16, g->width());
        } else if (auto* t = qobject_cast<QTabBar*>(w)) {
            check(t, t->tabText(0), t->sizeHint().width(), t->width());
        } else if (auto* c = qobject_cast<QComboBox*>(w); c && !c->isEditable()) {
            QStyleOptionComboBox o;
            o.initFrom(c);
            const int room =
                c->style()
                    ->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, c)
                    .width();
            for (int i = 0; i < c->count(); ++i)
                check(c, c->itemText(i), fit::textWidth(c, c->itemText(i)), room);
        } else if (auto* h = qobject_cast<QHeaderView*>(w);
                   h && h->model() && h->orientation() == Qt::Horizontal) {
            constexpr int kHiddenWidth = 4; // a key column kept out of sight
            const int margin = 2 * h->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h);
            for (int i = 0; i < h->count(); ++i) {
                const QString text = h->model()->headerData(i, Qt::Horizontal).toString();
                if (!h->isSectionHidden(i) && h->sectionSize(i) > kHiddenWidth)
                    check(h, text, fit::textWidth(h, text) + margin, h->sectionSize(i));
            }
        }
    }
    return cuts;
}

// Shows each of the program's windows at its normal size, on each tab of the main window, and
// hands it to `visit` before closing it.
inline void forEachWindowToFit(TestEnv& env, const std::function<void(QWidget*)>& visit)
{
    Session& s = *env.session;
    env.addIdentity(QStringLiteral("Billcraft"));
    const auto show = [&](QWidget* window) {
        window->setAttribute(Qt::WA_DeleteOnClose, false); // the test owns it
        // A window that sets no size of its own opens at its size hint on a desktop's screen;
        // the test screen (800 x 600) would hold it to two thirds of its width.
        if (!window->testAttribute(Qt::WA_Resized))
            window->resize(window->sizeHint());
        window->show();
        QCoreApplication::processEvents();
        visit(window);
        window->close();
    };
    {
        MainWindow w(s);
        w.startUp();
        w.show();
        auto* tabs = child<QTabWidget>(&w, "SSTab1");
        for (int i = 0; i < tabs->count(); ++i) {
            // A tab may open a modal window of its own (the layout designer): it is visited and
            // closed from its event loop.
            QTimer::singleShot(0, &w, [&] {
                if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                    visit(modal);
                    modal->done(QDialog::Rejected); // left as it is, unasked
                }
            });
            tabs->setCurrentIndex(i);
            QCoreApplication::processEvents();
            visit(&w);
        }
        w.hide();
    }
    Client acme;
    acme.clientId = env.addClient(QStringLiteral("Acme"));
    acme.identity = 1;
    acme.company = QStringLiteral("Acme");
    StatementEntry credit;
    credit.bookedOn = env.clock.today();
    credit.amount = Money::fromUnits(1'000'000);
    credit.credit = true;
    credit.bankRef = QStringLiteral("REF-1");
    credit.remittance = QStringLiteral("Rechnung 0100");
    // Made together, shown one after another; owned here, whatever a window's own close does.
    QWidget* const windows[] = {
        new AddIdentityDialog(s),
        new SwitchIdentitiesDialog(s, QList<IdentityEntry>{{1, QStringLiteral("Billcraft")}}),
        new TradingDetailsDialog(s, 1, TradingDetails{}, QStringLiteral("Acme")),
        new MailSettingsDialog(s, 1, MailSettings{}),
        new ReminderSettingsDialog(s, 1),
        new ReminderWindow(s),
        new SharedBooksDialog(s),
        new AddExpenseDialog(s),
        new StyleEditor(s),
        new CalculatorWindow(QLocale().decimalPoint().front()),
        new HelpWindow(s),
        new AlertsWindow(s, QList<Appointment>{}),
        new AppointmentDialog(s, env.clock.today()),
        new CsvMappingDialog(QByteArray("Buchungstag;Betrag;Verwendungszweck\n01.12.2026;1,00;x\n"),
                             QStringLiteral("EUR"), env.prompter),
        new InvoicePreview(s),
        new BuyerDetailsDialog(s, acme, BuyerDetails{}),
        new MatchStatementWindow(s, 1, Statement{{}, {}, {credit}}, StatementMatch::Books{}),
        new ReceivedInvoiceWindow(s, EInvoice::Read{}),
    };
    for (QWidget* made : windows) {
        const std::unique_ptr<QWidget> window(made);
        show(window.get());
    }
}
