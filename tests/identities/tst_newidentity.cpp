#include "core/DaySerial.h"
#include "identities/NewIdentity.h"
#include "invoices/InvoiceStore.h"
#include "layout/IdentityLayoutFile.h"
#include "support/CaseFile.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QTest>

namespace {

Result<NewIdentity::Outcome> create(TestEnv& env, const QString& name, const QString& start,
                                    const LayoutRecord& base = LayoutRecord::designerDefaults())
{
    return NewIdentity::create(env.db, env.folder(), {name, start}, base, TestEnv::kToday,
                               testLocale());
}

int count(TestEnv& env, const char* table)
{
    return env.db.scalar(QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(table)))
        .toInt();
}

} // namespace

class TestNewIdentity : public QObject {
    Q_OBJECT

private slots:
    void startingRow_data()
    {
        CaseFile::addRows(QStringLiteral("identities/starting-row.txt"),
                          {"locale", "typed", "row"});
    }
    void startingRow()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QTEST(NewIdentity::startingRowNumber(typed, QLocale(locale)).value_or("none"), "row");
    }

    // The identity row, the starting row and the layout file; the first invoice follows on.
    void creatingAnIdentity()
    {
        TestEnv env;
        const int first = env.addIdentity(QStringLiteral("Harbour Joinery"));
        LayoutRecord base = LayoutRecord::designerDefaults();
        base.lblTotalLeft = 7000; // the arrangement of the identity current until now
        base.PicLogoName = QStringLiteral("logo.png");
        base.PicLogoShow = true;
        base.VatReg = true;
        base.VatRate = 17.5;
        base.PicLineShow = false;

        const Result<NewIdentity::Outcome> made =
            create(env, QStringLiteral("  Acme  "), QStringLiteral("1001"), base);
        QVERIFY2(made && made->ok(), qPrintable(made.error()));
        const int acme = made->created.identity;
        QVERIFY(acme > first);
        QCOMPARE(made->created.startingRow, QStringLiteral("01000"));
        QCOMPARE(env.db.scalar(
                     QStringLiteral("SELECT TextLogo FROM TblUserData WHERE Identity = ?"), {acme}),
                 QVariant(QStringLiteral("Acme")));
        QSqlQuery q = env.db.prepare(QStringLiteral(
            "SELECT InvoiceNumber, Content, \"Date\", ClientID, \"Value\", Total FROM TblInvoices "
            "WHERE Identity = ?"));
        q.addBindValue(acme);
        QVERIFY(env.db.exec(q) && q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("01000"));
        QCOMPARE(q.value(1).toString(), QStringLiteral(" Start "));
        QCOMPARE(q.value(2).toDouble(), DaySerial::fromDate(TestEnv::kToday));
        QCOMPARE(q.value(3).toInt() + q.value(4).toInt() + q.value(5).toInt(), 0);
        QCOMPARE(*InvoiceStore(env.db).nextNumber(acme), std::optional<QString>("01001"));

        const std::optional<LayoutRecord> file =
            IdentityLayoutFile::read(env.file(IdentityLayoutFile::fileName(acme)));
        QVERIFY(file);
        LayoutRecord expected = base;
        expected.PicLogoName.clear();
        expected.PicLogoShow = false;
        expected.lblTextLogoCaption = QStringLiteral("Acme");
        expected.lblTextLogoFontSize = 10;
        expected.PicLineShow = true;
        expected.VatRate = 0;
        expected.VatReg = false;
        expected.Identity = qint16(acme);
        QCOMPARE(*file, expected);

        // Without a first number there is no starting row. The name is stored and compared
        // without its apostrophe; the text logo keeps it.
        const auto ohara = create(env, QStringLiteral("O'Hara Ltd"), QString());
        QVERIFY(ohara && ohara->ok());
        const int id = ohara->created.identity;
        QVERIFY(ohara->created.startingRow.isEmpty());
        QCOMPARE(env.db.scalar(
                     QStringLiteral("SELECT TextLogo FROM TblUserData WHERE Identity = ?"), {id}),
                 QVariant(QStringLiteral("OHara Ltd")));
        QCOMPARE(count(env, "TblInvoices"), 1);
        QCOMPARE(IdentityLayoutFile::read(env.file(IdentityLayoutFile::fileName(id)))
                     .value_or(LayoutRecord())
                     .lblTextLogoCaption,
                 QStringLiteral("O'Hara Ltd"));
    }

    void refusals_data()
    {
        CaseFile::addRows(QStringLiteral("identities/refusals.txt"), {"name", "start", "refusal"});
        QTest::newRow("too long") << QString(101, u'x') << "100"
                                  << "The Company Name can have at most 100 characters.";
    }
    // Nothing is stored when the name is refused.
    void refusals()
    {
        QFETCH(QString, name);
        QFETCH(QString, start);
        QFETCH(QString, refusal);
        TestEnv env;
        env.addIdentity(QStringLiteral("Acme"));
        env.addIdentity(QStringLiteral("OHara Ltd"));
        const Result<NewIdentity::Outcome> made = create(env, name, start);
        QVERIFY(made);
        QCOMPARE(made->refusal, refusal);
        QCOMPARE(count(env, "TblUserData"), 2);
        QCOMPARE(count(env, "TblInvoices"), 0);
        QVERIFY(!QFile::exists(env.file(QStringLiteral("3.dat"))));
    }

    // A failure midway leaves no row and no file: the layout file cannot be written, or the
    // starting row cannot be inserted.
    void failureLeavesNothing_data()
    {
        QTest::addColumn<bool>("fileFails");
        QTest::newRow("layout file") << true;
        QTest::newRow("starting row") << false;
    }
    void failureLeavesNothing()
    {
        QFETCH(bool, fileFails);
        TestEnv env;
        env.addIdentity(QStringLiteral("Main")); // 1; the new one would be 2
        const QString file = env.file(QStringLiteral("2.dat"));
        if (fileFails)
            QVERIFY(QDir(env.folder()).mkdir(QStringLiteral("2.dat")));
        else
            env.exec(QStringLiteral("CREATE TRIGGER NoStart BEFORE INSERT ON TblInvoices "
                                    "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        const Result<NewIdentity::Outcome> made =
            create(env, QStringLiteral("Acme"), QStringLiteral("1001"));
        QVERIFY(!made);
        QVERIFY(made.error().startsWith(QStringLiteral("The new identity could not be stored")));
        QCOMPARE(count(env, "TblUserData"), 1);
        QCOMPARE(count(env, "TblInvoices"), 0);
        QVERIFY(!QFileInfo(file).isFile());
    }
};

QTEST_GUILESS_MAIN(TestNewIdentity)
#include "tst_newidentity.moc"
