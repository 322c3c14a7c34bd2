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
        QCOMPARE(
            env.db.scalar("SELECT InvoiceNumber || '|' || Content || '|' || \"Date\" || '|' || "
                          "(ifnull(ClientID, 0) + ifnull(\"Value\", 0) + ifnull(Total, 0)) "
                          "FROM TblInvoices WHERE Identity = ?",
                          {acme}),
            QVariant("01000| Start |46359.0|0"));
        QCOMPARE(*InvoiceStore(env.db).nextNumber(acme), std::optional<QString>("01001"));

        const std::optional<LayoutRecord> file =
            IdentityLayoutFile::read(env.file(IdentityLayoutFile::fileName(acme)));
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
        QCOMPARE(IdentityLayoutFile::read(env.file(IdentityLayoutFile::fileName(id)))
                     .value_or(LayoutRecord())
                     .lblTextLogoCaption,
                 "O'Hara Ltd");
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
        QFETCH(QString, name);
        QFETCH(QString, start);
        QFETCH(QString, refusal);
        TestEnv env;
        env.addIdentity("Acme");
        env.addIdentity("OHara Ltd");
        const Result<NewIdentity::Outcome> made = create(env, name, start);
        QVERIFY(made);
        QCOMPARE(made->refusal, refusal);
        QCOMPARE(count(env, "TblUserData"), 2);
        QCOMPARE(count(env, "TblInvoices"), 0);
        QVERIFY(!QFile::exists(env.file("3.dat")));
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
        env.addIdentity("Main"); // 1; the new one would be 2
        const QString file = env.file("2.dat");
        if (fileFails)
            QVERIFY(QDir(env.folder()).mkdir("2.dat"));
        else
            env.exec(QStringLiteral("CREATE TRIGGER NoStart BEFORE INSERT ON TblInvoices "
                                    "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        const Result<NewIdentity::Outcome> made = create(env, "Acme", "1001");
        QVERIFY(!made);
        QVERIFY(made.error().startsWith("The new identity could not be stored"));
        QCOMPARE(count(env, "TblUserData"), 1);
        QCOMPARE(count(env, "TblInvoices"), 0);
        QVERIFY(!QFileInfo(file).isFile());
    }
};

QTEST_GUILESS_MAIN(TestNewIdentity)
#include "tst_newidentity.moc"
