#include "core/SharedFiles.h"
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
    SharedFiles files(env.db, env.folder());
    return NewIdentity::create(env.db, files, {name, start}, base, TestEnv::kToday, testLocale());
}

// The identity's layout as the books hold it; nullopt without one.
std::optional<LayoutRecord> layoutOf(TestEnv& env, int identity)
{
    const Result<std::optional<LayoutRecord>> read =
        IdentityLayoutFile::read(SharedFiles(env.db, env.folder()), identity);
    if (!read)
        qFatal("%s", qPrintable(read.error()));
    return *read;
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
        CaseFile::addRows("identities/starting-row.txt", {"locale", "typed", "row"});
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
        const int first = env.addIdentity("Harbour Joinery");
        LayoutRecord base = LayoutRecord::designerDefaults();
        base.lblTotalLeft = 7000; // the arrangement of the identity current until now
        base.PicLogoName = "logo.png";
        base.PicLogoShow = true;
        base.VatReg = true;
        base.VatRate = 17.5;
        base.PicLineShow = false;

        const Result<NewIdentity::Outcome> made = create(env, "  Acme  ", "1001", base);
        QVERIFY2(made && made->ok(), qPrintable(made.error()));
        const int acme = made->created.identity;
        QVERIFY(acme > first);
        QCOMPARE(made->created.startingRow, "01000");
        QCOMPARE(env.db.scalar("SELECT TextLogo FROM TblUserData WHERE Identity = ?", {acme}),
                 QVariant("Acme"));
        // The starting row: dated today (serial 46359), no client and nothing owed.
        const auto start =
            env.db.one("SELECT InvoiceNumber, Content, \"Date\", "
                       "coalesce(ClientID, 0) + coalesce(\"Value\", 0) + coalesce(Total, 0) "
                       "FROM TblInvoices WHERE Identity = ?",
                       {acme}, [](const Row& r) {
                           return QStringList{r[0].toString(), r[1].toString(),
                                              QString::number(r[2].toDouble()),
                                              QString::number(r[3].toDouble())};
                       });
        QVERIFY(start && *start);
        QCOMPARE(**start, QStringList({"01000", " Start ", "46359", "0"}));
        QCOMPARE(*InvoiceStore(env.db).nextNumber(acme), std::optional<QString>("01001"));

        const std::optional<LayoutRecord> file = layoutOf(env, acme);
        QVERIFY(file);
        LayoutRecord expected = base;
        expected.PicLogoName.clear();
        expected.PicLogoShow = false;
        expected.lblTextLogoCaption = "Acme";
        expected.lblTextLogoFontSize = 10;
        expected.PicLineShow = true;
        expected.VatRate = 0;
        expected.VatReg = false;
        expected.Identity = qint16(acme);
        QCOMPARE(*file, expected);

        // Without a first number there is no starting row. The name is stored and compared
        // without its apostrophe; the text logo keeps it.
        const auto ohara = create(env, "O'Hara Ltd", QString());
        QVERIFY(ohara && ohara->ok());
        const int id = ohara->created.identity;
        QVERIFY(ohara->created.startingRow.isEmpty());
        QCOMPARE(env.db.scalar("SELECT TextLogo FROM TblUserData WHERE Identity = ?", {id}),
                 QVariant("OHara Ltd"));
        QCOMPARE(count(env, "TblInvoices"), 1);
        QCOMPARE(layoutOf(env, id).value_or(LayoutRecord()).lblTextLogoCaption, "O'Hara Ltd");
    }

    void refusals_data()
    {
        CaseFile::addRows("identities/refusals.txt", {"name", "start", "refusal"});
        QTest::newRow("too long") << QString(101, u'x') << "100"
                                  << "The Company Name can have at most 100 characters.";
    }
    // Nothing is stored when the name is refused.
    void refusals()
    {
        const auto [name, start, refusal] = CaseFile::fetchEach({"name", "start", "refusal"});
        TestEnv env;
        env.addIdentity("Acme");
        env.addIdentity("OHara Ltd");
        const Result<NewIdentity::Outcome> made = create(env, name, start);
        QVERIFY(made);
        QCOMPARE(made->refusal, refusal);
        QCOMPARE(count(env, "TblUserData"), 2);
        QCOMPARE(count(env, "TblInvoices"), 0);
        QVERIFY(!layoutOf(env, 3));
    }

    // A failure midway leaves no row and no file: the layout file cannot be written, or the
    // starting row cannot be inserted (on a server the file is a row of the same transaction).
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
        env.addIdentity("Main"); // 1; the new one would be 2
        if (env.db.isServer())
            env.exec(fileFails ? "ALTER TABLE BillcraftFiles ADD CHECK (Name <> '2.dat')"
                               : "ALTER TABLE TblInvoices ADD CHECK (Content <> ' Start ')");
        else if (fileFails)
            QVERIFY(QDir(env.folder()).mkdir("2.dat"));
        else
            env.exec(QStringLiteral("CREATE TRIGGER NoStart BEFORE INSERT ON TblInvoices "
                                    "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        const Result<NewIdentity::Outcome> made = create(env, "Acme", "1001");
        QVERIFY(!made);
        QVERIFY(made.error().startsWith("The new identity could not be stored"));
        QCOMPARE(count(env, "TblUserData"), 1);
        QCOMPARE(count(env, "TblInvoices"), 0);
        if (env.db.isServer())
            QVERIFY(!layoutOf(env, 2));
        else
            QVERIFY(!QFileInfo(env.file("2.dat")).isFile());
    }
};

QTEST_GUILESS_MAIN(TestNewIdentity)
#include "tst_newidentity.moc"
