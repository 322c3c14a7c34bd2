#include "app/MainWindow.h"
#include "app/QtPrompter.h"
#include "core/Clock.h"
#include "core/DataFolder.h"
#include "core/Database.h"
#include "core/LocaleText.h"
#include "core/Session.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>

namespace {

int refuseToStart(Prompter& prompter, const QString& message)
{
    std::fprintf(stderr, "Billcraft: %s\n", qUtf8Printable(message));
    prompter.inform(message, {}, Prompter::Icon::Critical);
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Billcraft"));
    QApplication::setApplicationVersion(QStringLiteral(BILLCRAFT_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Invoicing for sole traders and small companies."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataFolderOption(
        QStringLiteral("data-folder"),
        QStringLiteral("Keep the database and layout files in <dir> instead of %1.")
            .arg(QDir::toNativeSeparators(DataFolder::defaultPath())),
        QStringLiteral("dir"));
    parser.addOption(dataFolderOption);
    parser.process(app);

    QtPrompter prompter;
    const QString folder = parser.isSet(dataFolderOption)
                               ? QDir(parser.value(dataFolderOption)).absolutePath()
                               : DataFolder::defaultPath();
    if (const QString problem = DataFolder::prepare(folder); !problem.isEmpty())
        return refuseToStart(prompter, problem);

    Database db;
    if (!db.open(QDir(folder).filePath(Database::kFileName)))
        return refuseToStart(prompter, db.errorString());

    SystemClock clock;
    Session session(db, prompter, clock, LocaleText(QLocale::system()), folder);
    MainWindow window(session);
    prompter.setFallbackParent(&window);
    window.startUp();
    window.show();
    return app.exec();
}
