#include "WindowsToFit.h"
#include "app/LanguageBox.h"
#include "app/MainWindow.h"
#include "core/Translations.h"
#include "support/Catalogue.h"
#include "support/TestEnv.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QTreeWidget>

// The German and French catalogues are finished and sound, a German start speaks German down to
// Qt's own dialogs, and no caption is cut off in any of the three languages.
class TestLanguages : public QObject {
    Q_OBJECT

    // The catalogue of `language` as lupdate makes it from today's sources.
    static QList<CatalogueMessage> updated(const QString& language)
    {
        static QTemporaryDir dir;
        const QString name = QStringLiteral("billcraft_%1.ts").arg(language);
        const QString copy = dir.filePath(name);
        QFile::remove(copy);
        if (!QFile::copy(QStringLiteral(BILLCRAFT_SOURCE_DIR "/translations/") + name, copy))
            qFatal("no %s", qPrintable(name));
        updateCatalogue(copy, {QStringLiteral("-no-obsolete"), QStringLiteral("-silent")});
        return readCatalogue(copy);
    }

    // What a translation must keep of its source: every %1 argument, and a mnemonic when the
    // source has one (a caption reachable by Alt+letter in English is so in every language).
    static QString soundness(const CatalogueMessage& m)
    {
        static const QRegularExpression argument(QStringLiteral("%L?\\d"));
        QStringList sourceArgs, translatedArgs;
        for (const auto& match : argument.globalMatch(m.source))
            sourceArgs << match.captured().remove(u'L');
        for (const auto& match : argument.globalMatch(m.translation))
            translatedArgs << match.captured().remove(u'L');
        for (QStringList* args : {&sourceArgs, &translatedArgs}) {
            args->sort();
            args->removeDuplicates(); // a plural's forms each repeat them
        }
        if (sourceArgs != translatedArgs)
            return QStringLiteral("arguments differ");
        const auto mnemonic = [](QString text) {
            return text.remove(QStringLiteral("&&")).contains(u'&');
        };
        if (mnemonic(m.source) && !mnemonic(m.translation))
            return QStringLiteral("mnemonic lost");
        return {};
    }

    // Every translator the test installed is taken out again.
    static void speak(const QString& language)
    {
        qDeleteAll(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
        Translations::install(*qApp, QLocale(language), {QStringLiteral(BILLCRAFT_QM_DIR)});
    }

private slots:
    void initTestCase()
    {
        // The program finds its catalogues beside itself, as in a build tree.
        const QString beside =
            QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
        QVERIFY(QFileInfo::exists(beside) || QFile::link(QStringLiteral(BILLCRAFT_QM_DIR), beside));
    }

    void cleanup() { speak(QStringLiteral("en")); }

    void choosingALanguage_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("said");
        QTest::newRow("German") << "de"
                                << "Billcraft zeigt seine Texte ab dem nächsten Start in dieser "
                                   "Sprache.";
        QTest::newRow("French") << "fr"
                                << "Billcraft affichera ses textes dans cette langue à partir du "
                                   "prochain démarrage.";
        QTest::newRow("English") << "en"
                                 << "Billcraft will show its texts in this language from its next "
                                    "start.";
    }

    // The choice is kept for the next start and said in the language chosen; the box shows it.
    void choosingALanguage()
    {
        QFETCH(QString, choice);
        QFETCH(QString, said);
        TestEnv env;
        {
            LanguageBox box(*env.session, nullptr);
            QCOMPARE(box.currentData().toString(), QString()); // the desktop's at first
            env.prompter.expectMessage(said);
            emit box.activated(box.findData(choice));
            emit box.activated(box.findData(choice)); // the same again: nothing to say
            VERIFY_PROMPTS(env.prompter);
        }
        QCOMPARE(env.session->preferences().value(Translations::kPreference), choice);
        QCOMPARE(LanguageBox(*env.session, nullptr).currentData().toString(), choice);
        QCOMPARE(Translations::locale(choice, QLocale("de_CH")).language(),
                 QLocale(choice).language());
        QCOMPARE(Translations::locale(QStringLiteral("es"), QLocale("de_CH")), QLocale("de_CH"));
    }

    void cataloguesAreFinishedAndSound_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << QStringLiteral("de");
        QTest::newRow("French") << QStringLiteral("fr");
    }

    void cataloguesAreFinishedAndSound()
    {
        QFETCH(QString, language);
        QStringList faults;
        const QList<CatalogueMessage> all = updated(language);
        for (const CatalogueMessage& m : all) {
            const QString why = !m.type.isEmpty() || m.translation.isEmpty()
                                    ? QStringLiteral("unfinished")
                                    : soundness(m);
            if (!why.isEmpty())
                faults << QStringLiteral("%1 / %2: %3").arg(m.context, m.source, why);
        }
        QCOMPARE(faults.join(u'\n'), QString());
        QVERIFY(all.size() > 1000);
    }

    // The desktop's German: the program's texts and Qt's standard buttons are German, and no
    // widget on any tab shows a text the catalogue has in German.
    void germanStartSpeaksGerman()
    {
        QHash<QString, QString> english; // English source texts whose German differs
        for (const CatalogueMessage& m :
             readCatalogue(QStringLiteral(BILLCRAFT_SOURCE_DIR "/translations/billcraft_de.ts")))
            if (m.translation != m.source)
                english.insert(m.source, m.translation);

        QVERIFY(Translations::install(*qApp, Translations::locale({}, QLocale("de_DE")),
                                      {QStringLiteral(BILLCRAFT_QM_DIR)}));
        QMessageBox box(QMessageBox::Question, {}, {}, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::No)->text(), QStringLiteral("&Nein"));
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));

        TestEnv env;
        QCOMPARE(Translations::current(), QStringLiteral("de"));
        QStringList englishShown;
        forEachWindowToFit(env, [&](QWidget* window) {
            if (window->objectName() == u"frmTradingDetails")
                QVERIFY(child<QComboBox>(window, "cboCountryCode")->findText("Deutschland (DE)") >
                        0);
            if (auto* help = qobject_cast<HelpWindow*>(window)) {
                help->populateTree(); // the German help, which start-up installed beside any other
                QCOMPARE(child<QTreeWidget>(help, "treeHelp")->topLevelItem(0)->text(0),
                         QStringLiteral("Willkommen bei Billcraft"));
            }
            if (auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("SSTab1"))) {
                QStringList captions;
                for (int i = 0; i < tabs->count(); ++i)
                    captions << tabs->tabText(i);
                QCOMPARE(captions,
                         QStringList({"Kunden", "Neue Rechnung", "Rechnungssuche", "Ausgaben",
                                      "Rechnungslayout", "Kalender", "Berichte"}));
            }
            for (const QString& text : shownTexts(window))
                if (english.contains(text))
                    englishShown << window->objectName() + u' ' + text;
        });
        englishShown.removeDuplicates();
        QCOMPARE(englishShown.join(u'\n'), QString());
    }

    void noTextIsCutOff_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QStringLiteral("en");
        QTest::newRow("German") << QStringLiteral("de");
        QTest::newRow("French") << QStringLiteral("fr");
    }

    void noTextIsCutOff()
    {
        QFETCH(QString, language);
        speak(language);
        TestEnv env;
        QStringList cuts;
        forEachWindowToFit(env, [&](QWidget* window) { cuts << cutOff(window); });
        QCOMPARE(cuts.join(u'\n'), QString());
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
