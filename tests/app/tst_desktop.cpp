#include "app/MainWindow.h"
#include "app/WindowMemory.h"
#include "appointments/ui/AppointmentDialog.h"
#include "core/ui/Icons.h"
#include "core/ui/Mnemonics.h"
#include "core/ui/PictureButton.h"
#include "expenses/ui/AddExpenseDialog.h"
#include "identities/ui/AddIdentityDialog.h"
#include "identities/ui/SwitchIdentitiesDialog.h"
#include "support/CaseFile.h"
#include "support/TestEnv.h"
#include "support/UiSteps.h"

#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

namespace {

// Whether any pixel of the picture can be seen.
bool drawsSomething(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
    return false;
}

// An icon theme in `folder` named "Plain" with one red 32-pixel picture called `name`.
void makeTheme(const QString& folder, const QString& name)
{
    QDir(folder).mkpath("Plain/32x32/apps");
    writeAll(folder + "/Plain/index.theme", "[Icon Theme]\nName=Plain\nDirectories=32x32/apps\n\n"
                                            "[32x32/apps]\nSize=32\nType=Fixed\n");
    QImage red(32, 32, QImage::Format_ARGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(folder + QStringLiteral("/Plain/32x32/apps/%1.png").arg(name)));
}

// Runs a validator on a file; its output when it fails.
QString validate(const QString& program, const QStringList& arguments)
{
    if (QStandardPaths::findExecutable(program).isEmpty())
        return program + " is not installed (scripts/install-deps installs it)";
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    if (!p.waitForFinished(60000))
        return program + " did not finish";
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QString::fromUtf8(p.readAll());
    return {};
}

// Every captioned button marks a letter and reads as its caption, and no two buttons with
// different captions mark the same letter (one form, no pages). Tab goes down the form, left
// to right along a row (controls whose middles are level), and down one column before the next.
void checkKeyboard(QWidget* form, const QString& formName)
{
    QHash<QChar, QString> byLetter;
    for (const QPushButton* b : form->findChildren<QPushButton*>()) {
        const QString caption = Mnemonics::plain(b->text());
        QCOMPARE(b->accessibleName(), caption);
        if (Mnemonics::choose(caption, {}) < 0)
            continue; // no letter to mark
        const QString what = formName + u'/' + b->objectName() + ": " + b->text();
        const QChar letter = Mnemonics::marked(b->text());
        QVERIFY2(!letter.isNull(), qPrintable(what));
        QVERIFY2(byLetter.value(letter, caption) == caption, qPrintable(what));
        byLetter.insert(letter, caption);
    }
    QList<QWidget*> chain;
    for (QWidget* w = form->nextInFocusChain(); w != form; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(form) && w->isEnabled() &&
            form->isAncestorOf(w) && !w->focusProxy())
            chain << w;
    }
    for (qsizetype i = 1; i < chain.size(); ++i) {
        const QRect a(chain[i - 1]->mapTo(form, QPoint()), chain[i - 1]->size());
        const QRect b(chain[i]->mapTo(form, QPoint()), chain[i]->size());
        const bool sameRow = b.top() < a.center().y() && a.top() < b.center().y();
        const bool nextColumn = b.left() >= a.right();
        const bool inOrder =
            sameRow ? b.left() >= a.left() : b.top() >= a.center().y() || nextColumn;
        QVERIFY2(inOrder, qPrintable(QStringLiteral("%1: %2 then %3")
                                         .arg(formName, chain[i - 1]->objectName(),
                                              chain[i]->objectName())));
    }
}

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        // No desktop theme: only the program's own pictures can be found.
        QIcon::setThemeSearchPaths({m_noThemes.path()});
        QIcon::setThemeName("none");
    }

    // Without an icon theme every picture-button of every tab shows the program's own picture,
    // one for each action. Alt+1 to Alt+7 choose the tabs; every captioned button of every tab
    // and dialog has a mnemonic and reads as its caption; Tab goes through each form in
    // reading order.
    void everyTabShowsItsPicturesAndTheKeyboardReachesEverything()
    {
        TestEnv env;
        env.addIdentity("Own Ltd");
        MainWindow w(*env.session);
        w.startUp();
        QVERIFY(showActive(w));
        QStringList pictures;
        for (int tab :
             {MainWindow::TabReports, MainWindow::TabFindInvoices, MainWindow::TabCalendar,
              MainWindow::TabExpenses, MainWindow::TabMakeInvoice, MainWindow::TabClients}) {
            QTest::keyClick(&w, Qt::Key(Qt::Key_1 + tab), Qt::AltModifier);
            QCOMPARE(w.tabs()->currentIndex(), tab);
            QWidget* page = w.tabPage(MainWindow::Tab(tab));
            checkKeyboard(page, w.tabs()->tabText(tab));
            for (const PictureButton* b : w.findChildren<PictureButton*>()) {
                if (!b->isVisible() || pictures.contains(b->objectName()))
                    continue;
                QTRY_VERIFY2(b->hasPicture(), qPrintable(b->objectName()));
                QVERIFY2(drawsSomething(b->pixmap()), qPrintable(b->objectName()));
                pictures << b->objectName();
            }
        }
        pictures.sort();
        QCOMPARE(pictures,
                 QStringList({"PicCalc", "PicRestore", "PicVATCSV", "PicVatExel", "picAddIdentity",
                              "picBackUp", "picCSV", "picCSV2", "picExcel", "picExcel2", "picHelp",
                              "picIdentities", "picPrintEnvelopes", "picUpdate"}));
        QSet<QString> drawings;
        for (Icons::Action action : Icons::kAllActions) {
            const Icons::Names names = Icons::names(action);
            QVERIFY(!names.theme.isEmpty());
            drawings.insert(names.fallback);
            QCOMPARE(Icons::icon(action).pixmap(32, 32).toImage(),
                     QIcon(names.fallback).pixmap(32, 32).toImage());
        }
        QCOMPARE(drawings.size(), qsizetype(std::size(Icons::kAllActions)));
        QVERIFY(drawsSomething(Icons::application().pixmap(64, 64)));

        AddIdentityDialog addIdentity(*env.session, &w);
        SwitchIdentitiesDialog switchIdentity(*env.session, {{1, "Own Ltd"}}, &w);
        AddExpenseDialog addExpense(*env.session, &w);
        AppointmentDialog appointment(*env.session, TestEnv::kToday, &w);
        for (QDialog* dialog : std::initializer_list<QDialog*>{&addIdentity, &switchIdentity,
                                                               &addExpense, &appointment}) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            checkKeyboard(dialog, dialog->objectName());
            dialog->hide();
        }
        quitAnsweringYes(env.prompter, w);
        VERIFY_PROMPTS(env.prompter);
    }

    // With a theme, its picture wins, under the first of an action's names it has.
    void theDesktopThemeWinsWhereItHasThePicture()
    {
        QTemporaryDir themes;
        makeTheme(themes.path(), Icons::names(Icons::Action::Help).theme.last());
        QIcon::setThemeSearchPaths({themes.path()});
        QIcon::setThemeName("Plain");
        const QImage help = Icons::icon(Icons::Action::Help).pixmap(32, 32).toImage();
        QCOMPARE(help.pixelColor(16, 16), QColor(Qt::red));
        const Icons::Names calc = Icons::names(Icons::Action::Calculator);
        QCOMPARE(Icons::icon(Icons::Action::Calculator).pixmap(32, 32).toImage(),
                 QIcon(calc.fallback).pixmap(32, 32).toImage());
    }

    // The desktop entry and the AppStream file pass their validators and name the program.
    void desktopEntryAndMetainfoValidate()
    {
        const QString desktop = QStringLiteral(BILLCRAFT_DESKTOP_FILE);
        const QString metainfo = QStringLiteral(BILLCRAFT_METAINFO_FILE);
        const QString id = QStringLiteral(BILLCRAFT_APP_ID);
        QString problem = validate("desktop-file-validate", {desktop});
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        problem = validate("appstreamcli", {"validate", "--no-net", metainfo});
        QVERIFY2(problem.isEmpty(), qPrintable(problem));

        const QString entry = QString::fromUtf8(readAll(desktop));
        for (const QString& line :
             QStringList{"Name=Billcraft", "GenericName=Invoicing", "Exec=billcraft", "Icon=" + id,
                         "Categories=Office;Finance;", "Keywords=.+"})
            QVERIFY2(entry.contains(QRegularExpression(u'^' + line + u'$',
                                                       QRegularExpression::MultilineOption)),
                     qPrintable(line));
        const QString component = QString::fromUtf8(readAll(metainfo));
        for (const QString& part :
             QStringList{"<id>" + id + "</id>", ">" + id + ".desktop</launchable>", "<screenshot ",
                         "<release version=\"" BILLCRAFT_VERSION "\""})
            QVERIFY2(component.contains(part), qPrintable(part));
    }

    // Moved, resized, on another tab and quit: the next start, on another data folder, comes
    // back in the same place and size, on "Clients"; the data folder itself is not kept.
    void theWindowComesBackWhereItWasLeft()
    {
        QTemporaryDir config;
        const QString file = config.filePath("Billcraft/Billcraft.ini");
        const QRect place(140, 60, 1200, 700);
        for (int run = 0; run < 2; ++run) {
            TestEnv env;
            MainWindow w(*env.session);
            w.startUp();
            w.rememberStateIn(file); // the first run has no file yet: the defaults
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            QCOMPARE(w.tabs()->currentIndex(), int(MainWindow::TabClients));
            if (run == 0) {
                w.setGeometry(place);
                w.tabs()->setCurrentIndex(MainWindow::TabExpenses);
            } else {
                QCOMPARE(w.geometry(), place);
            }
            quitAnsweringYes(env.prompter, w);
            QVERIFY(!w.isVisible());
            VERIFY_PROMPTS(env.prompter);
            QVERIFY(!readAll(file).contains(env.folder().toUtf8()));
        }
    }

    // What cannot be a window is passed over, and the next write replaces it.
    void whatTheSettingsFileMayHold_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QRect>("geometry"); // empty: the file is passed over
        const QByteArray good = "x=-10\ny=20\nwidth=300\nheight=200\nmaximized=1\ntab=6\n";
        // An older file's tab is passed over.
        QTest::newRow("whole") << "[MainWindow]\n" + good << QRect(-10, 20, 300, 200);
        QTest::newRow("missing key")
            << QByteArray("[MainWindow]\nx=1\ny=2\nwidth=3\nmaximized=0\n") << QRect();
        QTest::newRow("not a number")
            << "[MainWindow]\n" + QByteArray(good).replace("x=-10", "x=left") << QRect();
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\x00\xff[MainWindow\n", 20)
                                << QRect();
    }

    void whatTheSettingsFileMayHold()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QRect, geometry);
        QTemporaryDir dir;
        const WindowMemory memory(dir.filePath("Billcraft.ini"));
        writeAll(memory.file(), ini);
        const std::optional<WindowMemory::State> state = memory.read();
        QCOMPARE(state.has_value(), !geometry.isEmpty());
        const WindowMemory::State next = state.value_or(WindowMemory::State{QRect(1, 2, 3, 4)});
        if (state) {
            QCOMPARE(state->geometry, geometry);
            QVERIFY(state->maximized);
        }
        QVERIFY(memory.write(next));
        QCOMPARE(memory.read()->geometry, next.geometry);
    }

    void aSavedPlaceFitsTheScreensThereAreNow_data()
    {
        CaseFile::addRows("app/screens.txt", {"saved", "screens", "fitted"});
    }
    void aSavedPlaceFitsTheScreensThereAreNow()
    {
        QFETCH(QString, saved);
        QFETCH(QString, screens);
        QFETCH(QString, fitted);
        const auto rect = [](const QString& text) {
            const QStringList n = text.split(u' ', Qt::SkipEmptyParts);
            return n.size() == 4 ? QRect(n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt())
                                 : QRect();
        };
        QList<QRect> now;
        for (const QString& screen : screens.split(u';', Qt::SkipEmptyParts))
            now << rect(screen);
        QCOMPARE(WindowMemory::fitOnScreens(rect(saved), now), rect(fitted));
    }

    void theLetterAMnemonicMarks_data()
    {
        CaseFile::addRows("app/mnemonics.txt", {"caption", "taken", "at"});
    }
    void theLetterAMnemonicMarks()
    {
        QFETCH(QString, caption);
        QFETCH(QString, taken);
        QTEST(QString::number(Mnemonics::choose(caption, QSet<QChar>(taken.begin(), taken.end()))),
              "at");
        QCOMPARE(Mnemonics::plain("Sa&ve && Close"), "Save & Close");
        QCOMPARE(Mnemonics::marked("&& &Close"), QChar(u'c'));
    }

private:
    QTemporaryDir m_noThemes;
};

int main(int argc, char* argv[])
{
    // A screen larger than the main window, which does not fit the offscreen default.
    QTemporaryFile screens;
    if (!screens.open())
        return 1;
    screens.write(R"({"screens": [{"name": "Wide", "x": 0, "y": 0, "width": 1600,
                                    "height": 1000, "logicalDpi": 96, "dpr": 1}]})");
    screens.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    TestDesktop test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_desktop.moc"
