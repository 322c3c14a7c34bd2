#pragma once

#include "support/ScriptedPrompter.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <functional>

// Steps of the window tests, done as a user does them.

// The question every quit asks.
inline const QString kQuitQuestion = QStringLiteral("Quit Program.. proceed ?");

// Quits the main window (or any window that asks first), answering Yes.
inline void quitAnsweringYes(ScriptedPrompter& prompter, QWidget& window)
{
    prompter.expectQuestion(kQuitQuestion, Prompter::Answer::Yes);
    window.close();
}

// Shows the window and waits until it has the focus.
inline bool showActive(QWidget& window)
{
    window.show();
    return QTest::qWaitForWindowActive(&window);
}

// Clicks the middle of a cell.
inline void clickCell(QAbstractItemView* view, int row, int column,
                      Qt::MouseButton button = Qt::LeftButton)
{
    const QRect cell = view->visualRect(view->model()->index(row, column));
    QTest::mouseClick(view->viewport(), button, {}, cell.center());
}

// Right-clicks a cell and chooses the named action of the menu that comes up.
inline void chooseFromMenu(QAbstractItemView* view, int row, int column, QMenu* menu,
                           const char* action)
{
    clickCell(view, row, column, Qt::RightButton);
    QTRY_VERIFY(menu->isVisible());
    QAction* chosen = menu->findChild<QAction*>(QLatin1String(action));
    QVERIFY2(chosen, action);
    chosen->trigger();
    menu->hide();
}

// The first visible child of type T.
template <typename T> T* shown(const QObject* parent)
{
    for (T* w : parent->findChildren<T*>()) {
        if (w->isVisible())
            return w;
    }
    return nullptr;
}

// Answers the next modal dialog the program opens; fails rather than hangs when none comes.
inline void whenModal(std::function<void(QWidget*)> answer)
{
    QTimer::singleShot(0, [answer] {
        QWidget* modal = nullptr;
        for (int i = 0; i < 200 && !(modal = QApplication::activeModalWidget()); ++i)
            QTest::qWait(10);
        if (!modal)
            qFatal("no modal dialog appeared");
        answer(modal);
    });
}

// Another window takes the focus from `window` and gives it back, as a dialog does.
inline void focusAwayAndBack(QWidget& window)
{
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    other.close();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// Puts `text` into the named line edit of `form`, as a paste does.
inline void typeInto(QWidget* form, const char* field, const QString& text)
{
    auto* edit = form->findChild<QLineEdit*>(QLatin1String(field));
    QVERIFY2(edit, field);
    edit->setText(text);
}

// Every label of `form` that names a field gives the field its text as the accessible name, so
// that a screen reader says what the field is for.
inline void verifyLabelsNameTheirFields(const QWidget* form)
{
    for (const QLabel* label : form->findChildren<QLabel*>()) {
        if (label->buddy())
            QCOMPARE(label->buddy()->accessibleName(), label->text());
    }
}
