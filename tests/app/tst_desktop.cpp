#include "app/MainWindow.h"
#include "app/WindowMemory.h"
#include "appointments/ui/AppointmentDialog.h"
#include "core/ui/Icons.h"
#include "core/ui/Mnemonics.h"
#include "core/ui/PictureButton.h"
#include "expenses/ui/AddExpenseDialog.h"
#include "identities/ui/AddIdentityDialog.h"
#include "identities/ui/SwitchIdentitiesDialog.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// Whether any pixel of the picture can be seen.
bool drawsSomething(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
        }
    }
    return false;
}

// An icon theme in `folder` named "Plain" with one red 32-pixel picture called `name`.
void makeTheme(const QString& folder, const QString& name)
{
    QDir(folder).mkpath(QStringLiteral("Plain/32x32/apps"));
    writeAll(folder + QStringLiteral("/Plain/index.theme"),
             "[Icon Theme]\nName=Plain\nDirectories=32x32/apps\n\n"
             "[32x32/apps]\nSize=32\nType=Fixed\n");
    QImage red(32, 32, QImage::Format_ARGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(folder + QStringLiteral("/Plain/32x32/apps/%1.png").arg(name)));
}

// Runs a validator on a file; its output when it fails.
QString validate(const QString& program, const QStringList& arguments)
{
    if (QStandardPaths::findExecutable(program).isEmpty())
        return program + QStringLiteral(" is not installed (scripts/install-deps installs it)");
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    if (!p.waitForFinished(60000))
        return program + QStringLiteral(" did not finish");
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QString::fromUtf8(p.readAll());
    return {};
}

// The key=value lines of a desktop entry's main group.
QHash<QString, QString> desktopEntry(const QString& path)
{
    QHash<QString, QString> entry;
    for (const QByteArray& line : readAll(path).split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0)
            entry.insert(QString::fromUtf8(line.left(eq)), QString::fromUtf8(line.mid(eq + 1)));
    }
    return entry;
}

// The push buttons of `form` whose captions have a letter, and that a user can reach.
QList<QPushButton*> captionedButtons(const QWidget* form)
{
    QList<QPushButton*> found;
    for (QPushButton* b : form->findChildren<QPushButton*>()) {
        const QString caption = Mnemonics::plain(b->text());
        if (std::any_of(caption.begin(), caption.end(), [](QChar c) { return c.isLetter(); }))
            found << b;
    }
    return found;
}

// Every captioned button marks a letter, reads as its caption, and no two buttons with
// different captions mark the same letter (one form, no pages).
void checkMnemonics(const QWidget* form, const QString& formName)
{
    QHash<QChar, QString> byLetter;
    for (const QPushButton* b : captionedButtons(form)) {
        const QString what = formName + u'/' + b->objectName() + QStringLiteral(": ") + b->text();
        const QChar letter = Mnemonics::marked(b->text());
        QVERIFY2(!letter.isNull(), qPrintable(what));
        QCOMPARE(b->accessibleName(), Mnemonics::plain(b->text()));
        const QString caption = Mnemonics::plain(b->text());
        QVERIFY2(byLetter.value(letter, caption) == caption, qPrintable(what));
        byLetter.insert(letter, caption);
    }
}

// The focusable controls of `form`, in the order Tab visits them.
QList<QWidget*> tabChain(QWidget* form)
{
    QList<QWidget*> chain;
    for (QWidget* w = form->nextInFocusChain(); w != form; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(form) && w->isEnabled() &&
            form->isAncestorOf(w) && !w->focusProxy())
            chain << w;
    }
    return chain;
}

// Tab goes down the form, and left to right along a row (controls whose middles are level).
void checkTabOrder(QWidget* form, const QString& formName)
{
    const QList<QWidget*> chain = tabChain(form);
    for (qsizetype i = 1; i < chain.size(); ++i) {
        const QRect a(chain[i - 1]->mapTo(form, QPoint()), chain[i - 1]->size());
        const QRect b(chain[i]->mapTo(form, QPoint()), chain[i]->size());
        const bool sameRow = b.top() < a.center().y() && a.top() < b.center().y();
        // A form in columns is read down one column, then the next.
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
        QIcon::setThemeName(QStringLiteral("none"));
    }

    // Every picture-button of every tab shows a picture without any icon theme; the pictures
    // are the program's own, one for each action.
    void pictureButtonsHaveTheirOwnPicturesWithoutATheme()
    {
        TestEnv env;
        MainWindow w(*env.session);
        w.startUp();
        QStringList expected = {
            "picHelp",       "picUpdate", "PicRestore",        "picBackUp", "picAddIdentity",
            "picIdentities", "PicCalc",   "picPrintEnvelopes", "picExcel2", "picCSV",
            "picExcel",      "picCSV2",   "PicVatExel",        "PicVATCSV"};
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QStringList shown;
        for (int tab : {MainWindow::TabClients, MainWindow::TabFindInvoices,
                        MainWindow::TabExpenses, MainWindow::TabReports}) {
            w.tabs()->setCurrentIndex(tab);
            for (const PictureButton* b : w.findChildren<PictureButton*>()) {
                if (!b->isVisible() || shown.contains(b->objectName()))
                    continue;
                QTRY_VERIFY2(b->hasPicture(), qPrintable(b->objectName()));
                QVERIFY2(drawsSomething(b->pixmap()), qPrintable(b->objectName()));
                shown << b->objectName();
            }
        }
        shown.sort();
        expected.sort();
        QCOMPARE(shown, expected);
        env.prompter.expectQuestion(QStringLiteral("Quit Program.. proceed ?"),
                                    Prompter::Answer::Yes);
        w.close();
        VERIFY_PROMPTS(env.prompter);

        QSet<QString> drawings;
        for (Icons::Action action : Icons::kAllActions) {
            const Icons::Names names = Icons::names(action);
            QVERIFY(!names.theme.isEmpty());
            QVERIFY2(QFile::exists(names.fallback), qPrintable(names.fallback));
            drawings.insert(names.fallback);
            const QImage picture = Icons::icon(action).pixmap(32, 32).toImage();
            QCOMPARE(picture, QIcon(names.fallback).pixmap(32, 32).toImage());
        }
        QCOMPARE(drawings.size(), qsizetype(std::size(Icons::kAllActions)));
        QVERIFY(drawsSomething(Icons::application().pixmap(64, 64)));
    }

    // With a theme, its picture wins, under the first of an action's names it has.
    void theDesktopThemeWinsWhereItHasThePicture()
    {
        QTemporaryDir themes;
        makeTheme(themes.path(), Icons::names(Icons::Action::Help).theme.last());
        QIcon::setThemeSearchPaths({themes.path()});
        QIcon::setThemeName(QStringLiteral("Plain"));
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
        QCOMPARE(QFileInfo(desktop).fileName(), id + QStringLiteral(".desktop"));
        QCOMPARE(QFileInfo(metainfo).fileName(), id + QStringLiteral(".metainfo.xml"));
        QString problem = validate(QStringLiteral("desktop-file-validate"), {desktop});
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        problem = validate(QStringLiteral("appstreamcli"),
                           {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo});
        QVERIFY2(problem.isEmpty(), qPrintable(problem));

        const QHash<QString, QString> entry = desktopEntry(desktop);
        const QList<QPair<QString, QString>> fields = {{"Name", "Billcraft"},
                                                       {"GenericName", "Invoicing"},
                                                       {"Exec", "billcraft"},
                                                       {"Icon", id},
                                                       {"Categories", "Office;Finance;"}};
        for (const auto& [key, value] : fields)
            QCOMPARE(entry.value(key), value);
        QVERIFY(!entry.value(QStringLiteral("Keywords")).isEmpty());

        QHash<QString, QString> component; // the component's elements, by name
        QXmlStreamReader xml(readAll(metainfo));
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("component"))
                continue; // its children are read in turn
            const QString name = xml.name().toString();
            component.insert(name, xml.readElementText(QXmlStreamReader::IncludeChildElements));
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(component.value(QStringLiteral("id")), id);
        QCOMPARE(component.value(QStringLiteral("launchable")), id + QStringLiteral(".desktop"));
        for (const char* part : {"summary", "description", "screenshots", "releases"})
            QVERIFY2(!component.value(QLatin1String(part)).trimmed().isEmpty(), part);
    }

    // Moved, resized, on another tab and quit: the next start, on another data folder, comes
    // back the same; the data folder itself is not kept.
    void theWindowComesBackAsItWasLeft()
    {
        QTemporaryDir config;
        const QString file = config.filePath(QStringLiteral("Billcraft/Billcraft.ini"));
        const QRect place(140, 60, 1200, 700);
        {
            TestEnv env;
            MainWindow w(*env.session);
            w.startUp();
            w.rememberStateIn(file); // no file yet: the defaults
            QCOMPARE(w.tabs()->currentIndex(), int(MainWindow::TabClients));
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            w.setGeometry(place);
            w.tabs()->setCurrentIndex(MainWindow::TabReports);
            env.prompter.expectQuestion(QStringLiteral("Quit Program.. proceed ?"),
                                        Prompter::Answer::Yes);
            QVERIFY(w.close());
            VERIFY_PROMPTS(env.prompter);
            QVERIFY(!readAll(file).contains(env.folder().toUtf8()));
        }
        TestEnv env;
        MainWindow w(*env.session);
        w.startUp();
        w.rememberStateIn(file);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.geometry(), place);
        QCOMPARE(w.tabs()->currentIndex(), int(MainWindow::TabReports));
        env.prompter.expectQuestion(QStringLiteral("Quit Program.. proceed ?"),
                                    Prompter::Answer::Yes);
        QVERIFY(w.close());
        VERIFY_PROMPTS(env.prompter);
    }

    // A damaged file is passed over, and replaced when the program quits.
    void aDamagedSettingsFileIsPassedOver()
    {
        QTemporaryDir config;
        const QString file = config.filePath(QStringLiteral("Billcraft.ini"));
        writeAll(file, QByteArray("\x00\xff[MainWindow\nx=oops\n", 20));
        TestEnv env;
        MainWindow again(*env.session);
        again.startUp();
        again.rememberStateIn(file);
        QCOMPARE(again.tabs()->currentIndex(), int(MainWindow::TabClients));
        env.prompter.expectQuestion(QStringLiteral("Quit Program.. proceed ?"),
                                    Prompter::Answer::Yes);
        QVERIFY(again.close());
        QVERIFY(WindowMemory(file).read(MainWindow::TabCount).has_value());
        VERIFY_PROMPTS(env.prompter);
    }

    void whatTheSettingsFileMayHold_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<bool>("read");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("maximized");
        const QByteArray good = "x=-10\ny=20\nwidth=300\nheight=200\nmaximized=1\ntab=6\n";
        QTest::newRow("whole") << "[MainWindow]\n" + good << true << QRect(-10, 20, 300, 200)
                               << true;
        QTest::newRow("missing key")
            << QByteArray("[MainWindow]\nx=1\ny=2\nwidth=3\ntab=0\n") << false << QRect() << false;
        QTest::newRow("tab past the last")
            << QByteArray("[MainWindow]\nx=1\ny=2\nwidth=3\nheight=4\nmaximized=0\ntab=7\n")
            << false << QRect() << false;
        QTest::newRow("no width")
            << QByteArray("[MainWindow]\nx=1\ny=2\nwidth=0\nheight=4\nmaximized=0\ntab=0\n")
            << false << QRect() << false;
        QTest::newRow("not a number")
            << QByteArray("[MainWindow]\nx=left\ny=2\nwidth=3\nheight=4\nmaximized=0\ntab=0\n")
            << false << QRect() << false;
        QTest::newRow("other group") << "[Other]\n" + good << false << QRect() << false;
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\x00\x00", 10) << false << QRect()
                                << false;
    }

    void whatTheSettingsFileMayHold()
    {
        QFETCH(QByteArray, ini);
        QFETCH(bool, read);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Billcraft.ini"));
        writeAll(file, ini);
        const std::optional<WindowMemory::State> state = WindowMemory(file).read(7);
        QCOMPARE(state.has_value(), read);
        if (!state)
            return;
        QTEST(state->geometry, "geometry");
        QTEST(state->maximized, "maximized");
        QVERIFY(WindowMemory(file).write(*state));
        QCOMPARE(WindowMemory(file).read(7)->geometry, state->geometry);
    }

    void aSavedPlaceFitsTheScreensThereAreNow_data()
    {
        QTest::addColumn<QRect>("saved");
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<QRect>("fitted");
        const QRect left(0, 0, 1920, 1080);
        const QRect right(1920, 0, 1280, 1024);
        QTest::newRow("on screen")
            << QRect(100, 100, 800, 600) << QList{left} << QRect(100, 100, 800, 600);
        QTest::newRow("past the right edge")
            << QRect(1500, 900, 800, 600) << QList{left} << QRect(1120, 480, 800, 600);
        QTest::newRow("above the top")
            << QRect(-50, -40, 800, 600) << QList{left} << QRect(0, 0, 800, 600);
        QTest::newRow("larger than the screen")
            << QRect(10, 10, 2500, 1500) << QList{left} << QRect(0, 0, 1920, 1080);
        QTest::newRow("on a screen unplugged since")
            << QRect(2000, 100, 800, 600) << QList{left} << QRect(1120, 100, 800, 600);
        QTest::newRow("mostly on the second")
            << QRect(1800, 50, 800, 600) << QList{left, right} << QRect(1920, 50, 800, 600);
        QTest::newRow("mostly on the first")
            << QRect(1500, 50, 800, 600) << QList{left, right} << QRect(1120, 50, 800, 600);
        QTest::newRow("nothing saved") << QRect() << QList{left} << QRect();
        QTest::newRow("no screen") << QRect(0, 0, 10, 10) << QList<QRect>{} << QRect();
    }

    void aSavedPlaceFitsTheScreensThereAreNow()
    {
        QFETCH(QRect, saved);
        QFETCH(QList<QRect>, screens);
        QTEST(WindowMemory::fitOnScreens(saved, screens), "fitted");
    }

    void theLetterAMnemonicMarks_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("taken");
        QTest::addColumn<int>("at");
        QTest::newRow("first letter") << "Save"
                                      << "" << 0;
        QTest::newRow("next word") << "Make Invoice"
                                   << "m" << 5;
        QTest::newRow("any letter") << "Save"
                                    << "s" << 1;
        QTest::newRow("case does not matter") << "AddNew"
                                              << "a" << 1;
        QTest::newRow("after symbols") << "<< Back"
                                       << "" << 3;
        QTest::newRow("no letter") << ">>"
                                   << "" << -1;
        QTest::newRow("all taken") << "Ok"
                                   << "ok" << -1;
    }

    void theLetterAMnemonicMarks()
    {
        QFETCH(QString, caption);
        QFETCH(QString, taken);
        QSet<QChar> used(taken.begin(), taken.end());
        QTEST(Mnemonics::choose(caption, used), "at");
        QCOMPARE(Mnemonics::plain(QStringLiteral("Sa&ve && Close")),
                 QStringLiteral("Save & Close"));
        QCOMPARE(Mnemonics::marked(QStringLiteral("&& &Close")), QChar(u'c'));
    }

    // Alt+1 to Alt+7 choose the tabs. Every captioned button of every tab and of the dialogs
    // has a mnemonic, reads as its caption, and Tab goes through each form in reading order.
    void theKeyboardReachesEverything()
    {
        TestEnv env;
        env.addIdentity(QStringLiteral("Own Ltd"));
        MainWindow w(*env.session);
        w.startUp();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        for (int tab :
             {MainWindow::TabReports, MainWindow::TabFindInvoices, MainWindow::TabCalendar,
              MainWindow::TabExpenses, MainWindow::TabMakeInvoice, MainWindow::TabClients}) {
            QTest::keyClick(&w, Qt::Key(Qt::Key_1 + tab), Qt::AltModifier);
            QCOMPARE(w.tabs()->currentIndex(), tab);
            QWidget* page = w.tabPage(MainWindow::Tab(tab));
            checkMnemonics(page, w.tabs()->tabText(tab));
            checkTabOrder(page, w.tabs()->tabText(tab));
        }

        AddIdentityDialog addIdentity(*env.session, &w);
        SwitchIdentitiesDialog switchIdentity(*env.session, {{1, QStringLiteral("Own Ltd")}}, &w);
        AddExpenseDialog addExpense(*env.session, &w);
        AppointmentDialog appointment(*env.session, TestEnv::kToday, &w);
        for (QDialog* dialog : std::initializer_list<QDialog*>{&addIdentity, &switchIdentity,
                                                               &addExpense, &appointment}) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            checkMnemonics(dialog, dialog->objectName());
            checkTabOrder(dialog, dialog->objectName());
            dialog->hide();
        }
        env.prompter.expectQuestion(QStringLiteral("Quit Program.. proceed ?"),
                                    Prompter::Answer::Yes);
        w.close();
        VERIFY_PROMPTS(env.prompter);
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
