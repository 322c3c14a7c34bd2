#include "BenchEngine.h"

#include "core/Database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <cstring>

namespace BenchEngine {

namespace {

constexpr char kEngineVariable[] = "BILLCRAFT_BENCH_ENGINE";
constexpr char kServerVariable[] = "BILLCRAFT_BENCH_SERVER";
constexpr char kEngineFlag[] = "--engine=";
constexpr char kServerFlag[] = "--server=";

bool cluster(const QString& action, const QString& state)
{
    return QProcess::execute(QStringLiteral(BILLCRAFT_PG_CLUSTER_SCRIPT), {action, state}) == 0;
}

// Runs `sql` on the server's own database (named by the URL), for what must happen outside
// the books: making their database.
Result<bool> administer(const ServerAddress& admin, const QString& sql, const QVariantList& values)
{
    const QString connection = QStringLiteral("bench-admin");
    QString error;
    bool row = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
        db.setHostName(admin.host);
        db.setPort(admin.port);
        db.setUserName(admin.user);
        db.setDatabaseName(admin.database);
        db.setConnectOptions(admin.connectOptions());
        if (!db.open()) {
            error = db.lastError().text();
        } else {
            // CREATE DATABASE cannot be prepared: a statement without values runs as it is.
            QSqlQuery q(db);
            bool done = false;
            if (values.isEmpty()) {
                done = q.exec(sql);
            } else if (q.prepare(sql)) {
                for (const QVariant& v : values)
                    q.addBindValue(v);
                done = q.exec();
            }
            if (!done)
                error = q.lastError().text();
            else
                row = q.next();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    if (!error.isEmpty())
        return Failure{error};
    return row;
}

bool isLoopback(const QString& host)
{
    return host.isEmpty() || host.startsWith(u'/') || host == u"localhost" ||
           host == u"127.0.0.1" || host == u"::1";
}

} // namespace

bool onServer()
{
    return qEnvironmentVariable(kEngineVariable) == u"postgresql";
}

QString name()
{
    return onServer() ? QStringLiteral("PostgreSQL") : QStringLiteral("SQLite");
}

PrivateServer::~PrivateServer()
{
    if (!m_state.isEmpty())
        cluster(QStringLiteral("stop"), m_state);
}

PrivateServer configure(int& argc, char** argv)
{
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strncmp(arg, kEngineFlag, sizeof kEngineFlag - 1) == 0) {
            qputenv(kEngineVariable, arg + sizeof kEngineFlag - 1);
        } else if (std::strncmp(arg, kServerFlag, sizeof kServerFlag - 1) == 0) {
            qputenv(kServerVariable, arg + sizeof kServerFlag - 1);
            qputenv(kEngineVariable, "postgresql");
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    const QString engine = qEnvironmentVariable(kEngineVariable);
    if (!engine.isEmpty() && engine != u"sqlite" && engine != u"postgresql")
        qFatal("unknown engine %s: sqlite or postgresql", qPrintable(engine));
    if (!onServer() || !qEnvironmentVariableIsEmpty(kServerVariable))
        return {};
    // Beside the program, so that a run cut short leaves its server where the next run's
    // start stops it.
    const QString state =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("pg-bench-cluster"));
    // Commits as durable as a file's: the tests' server skips the flush, a real one does not.
    if (qEnvironmentVariableIsEmpty("BILLCRAFT_PG_FSYNC"))
        qputenv("BILLCRAFT_PG_FSYNC", "on");
    if (!cluster(QStringLiteral("start"), state))
        qFatal("cannot start a private PostgreSQL server in %s", qPrintable(state));
    PrivateServer server(state);
    QFile url(QDir(state).filePath(QStringLiteral("url")));
    if (!url.open(QIODevice::ReadOnly))
        qFatal("the private PostgreSQL server wrote no URL into %s", qPrintable(state));
    qputenv(kServerVariable, url.readAll().trimmed());
    return server;
}

bool Place::open(Database& db) const
{
    return server ? db.openServer(*server) : db.open(QDir(folder).filePath(Database::kFileName));
}

QStringList Place::arguments() const
{
    QStringList out{folder};
    if (server)
        out << server->url();
    return out;
}

Place Place::fromArguments(const QStringList& arguments)
{
    Place p;
    p.folder = arguments.value(0);
    if (arguments.size() > 1) {
        const Result<ServerAddress> address = ServerAddress::fromUrl(arguments[1]);
        if (!address)
            qFatal("%s", qPrintable(address.error()));
        p.server = *address;
    }
    return p;
}

Result<Place> place(const QString& folder, const QString& name)
{
    static const QRegularExpression plain(QStringLiteral("^[a-z0-9_]+$"));
    if (!plain.match(name).hasMatch())
        return Failure{QStringLiteral("not a name for bench books: ") + name};
    if (!onServer())
        return Place{folder, std::nullopt};
    Result<ServerAddress> admin = ServerAddress::fromUrl(qEnvironmentVariable(kServerVariable));
    if (!admin)
        return Failure{admin.error()};
    ServerAddress books = *admin;
    books.database = QStringLiteral("billcraft_bench_") + name;
    const Result<bool> made = administer(
        *admin, QStringLiteral("SELECT 1 FROM pg_database WHERE datname = ?"), {books.database});
    if (!made)
        return Failure{made.error()};
    // The name is checked above: a database name cannot be bound.
    if (!*made) {
        if (const Result<bool> created =
                administer(*admin, QStringLiteral("CREATE DATABASE ") + books.database, {});
            !created)
            return Failure{created.error()};
    }
    return Place{folder, books};
}

std::optional<double> serverCpuSeconds(Database& db)
{
    if (!db.isServer() || !isLoopback(db.server().host))
        return std::nullopt;
    const Result<QVariant> pid = db.value(QStringLiteral("SELECT pg_backend_pid()"));
    if (!pid)
        return std::nullopt;
    // The first field is the time the process has run on a CPU, in nanoseconds.
    QFile stat(QStringLiteral("/proc/%1/schedstat").arg(pid->toLongLong()));
    if (!stat.open(QIODevice::ReadOnly))
        return std::nullopt;
    bool ok = false;
    const double ns = stat.readLine().split(' ').value(0).toDouble(&ok);
    return ok ? std::optional<double>(ns * 1e-9) : std::nullopt;
}

} // namespace BenchEngine
