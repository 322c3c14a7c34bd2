#include "einvoice/FacturX.h"
#include "invoices/InvoiceMail.h"
#include "support/CaseFile.h"
#include "support/EInvoiceTerms.h"
#include "support/MailFixture.h"
#include "support/PdfText.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

namespace {

struct Sending {
    explicit Sending(TestEnv& env)
        : files(env.db, env.folder())
        , context{files, locale, env.clock.now(), env.file(QStringLiteral("Outbox"))}
    {}
    Result<MailMessage> prepare(TestEnv& env, int invoiceId)
    {
        return InvoiceMail::prepare(env.db, context, invoiceId);
    }
    QStringList outbox() const { return QDir(context.outbox).entryList(QDir::Files); }

    SharedFiles files;
    LocaleText locale{testLocale()};
    InvoiceMail::Context context;
};

} // namespace

class TestInvoiceMail : public QObject {
    Q_OBJECT

private slots:
    void messageFromTemplates_data()
    {
        CaseFile::addRows(QStringLiteral("invoices/mail.txt"),
                          {"subjectTemplate", "bodyTemplate", "company", "firstName", "lastName",
                           "email", "paymentDays", "to", "subject", "body"});
    }
    // The client's address, and the templates (the default wording when none is kept) filled
    // with the invoice's number, money and dates in the locale's words, each field once.
    void messageFromTemplates()
    {
        QFETCH(QString, subjectTemplate);
        QFETCH(QString, bodyTemplate);
        QFETCH(QString, company);
        QFETCH(QString, firstName);
        QFETCH(QString, lastName);
        QFETCH(QString, email);
        QFETCH(QString, paymentDays);
        TestEnv env;
        MailBooks books(env);
        env.exec(QStringLiteral("UPDATE TblClients SET Company = ?, FirstName = ?, LastName = ?, "
                                "Email = ?"),
                 {company, firstName, lastName, email});
        env.exec(QStringLiteral("UPDATE TblUserData SET MailSubject = ?, MailBody = ?, "
                                "PaymentDays = ?"),
                 {subjectTemplate, bodyTemplate, paymentDays.toInt()});
        Sending sending(env);
        const Result<MailMessage> message = sending.prepare(env, books.addInvoice("0124"));
        QVERIFY2(message, qPrintable(message.error()));
        QTEST(message->to, "to");
        QTEST(message->subject, "subject");
        QTEST(message->body, "body");
    }

    void attachmentIsTheInvoice_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("facturX");
        QTest::addColumn<QString>("file");
        QTest::newRow("printed page") << "0124" << false << "Invoice 0124.pdf";
        QTest::newRow("Factur-X") << "0124" << true << "Invoice 0124.pdf";
        QTest::newRow("a number naming folders") << "../A/7" << false << "Invoice .._A_7.pdf";
    }
    // The invoice asked for, written into the outbox (and nowhere else) as the page prints it,
    // carrying its CII when the identity sends e-invoices.
    void attachmentIsTheInvoice()
    {
        QFETCH(QString, number);
        QFETCH(bool, facturX);
        QFETCH(QString, file);
        TestEnv env;
        MailBooks books(env);
        giveEInvoiceTerms(env, books.identity, books.client);
        QVERIFY(InvoiceMail::saveSettings(env.db, books.identity, {{}, {}, facturX}));
        books.addInvoice(QStringLiteral("0123"));
        const int invoice = books.addInvoice(number);
        env.exec(QStringLiteral("UPDATE TblInvoices SET Total = 990000 WHERE InvoiceID <> ?"),
                 {invoice});
        Sending sending(env);
        const Result<MailMessage> message = sending.prepare(env, invoice);
        QVERIFY2(message, qPrintable(message.error()));
        QCOMPARE(message->attachment, QDir(sending.context.outbox).absoluteFilePath(file));
        QCOMPARE(sending.outbox(), QStringList{file});

        const QString text = pdfText(message->attachment);
        if (text.isNull())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QVERIFY2(text.contains(number) && text.contains(QStringLiteral("£117.50")),
                 qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("£99.00")));
        const Result<QByteArray> xml = FacturX::embeddedXml(readAll(message->attachment));
        QCOMPARE(bool(xml), facturX);
        if (facturX)
            QVERIFY(xml->contains("<ram:ID>0124</ram:ID>"));
    }

    // An invoice that cannot be an e-invoice says what is missing; no file waits in the outbox
    // to be sent by mistake.
    void eInvoiceMissingATermIsRefused()
    {
        TestEnv env;
        MailBooks books(env);
        QVERIFY(InvoiceMail::saveSettings(env.db, books.identity, {{}, {}, true}));
        Sending sending(env);
        const Result<MailMessage> message = sending.prepare(env, books.addInvoice("0124"));
        QVERIFY(!message);
        QVERIFY2(message.error().startsWith(QStringLiteral("The e-invoice needs")),
                 qPrintable(message.error()));
        QVERIFY(sending.outbox().isEmpty());
        QVERIFY(!sending.prepare(env, 999));
    }

    void settingsStored_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("body");
        QTest::addColumn<bool>("facturX");
        QTest::addColumn<bool>("keptEmpty"); // both templates stored NULL
        QTest::newRow("own wording") << "Rechnung {number}"
                                     << "Guten Tag,\nanbei die Rechnung." << true << false;
        QTest::newRow("the default wording")
            << InvoiceMail::defaultSubject() << InvoiceMail::defaultBody() << false << true;
        QTest::newRow("blank") << ""
                               << "  \n " << false << true;
    }
    // Own wording is kept as typed; the default wording and blanks are kept as nothing, so a
    // later default still reaches the identity.
    void settingsStored()
    {
        QFETCH(QString, subject);
        QFETCH(QString, body);
        QFETCH(bool, facturX);
        QFETCH(bool, keptEmpty);
        TestEnv env;
        const int other = env.addIdentity(QStringLiteral("Other"));
        const int identity = env.addIdentity(QStringLiteral("Harbour Joinery"));
        QVERIFY(InvoiceMail::saveSettings(env.db, identity, {subject, body, facturX}));
        const Result<MailSettings> back = InvoiceMail::loadSettings(env.db, identity);
        QVERIFY2(back, qPrintable(back.error()));
        QCOMPARE(back->subject, keptEmpty ? QString() : subject);
        QCOMPARE(back->body, keptEmpty ? QString() : body);
        QCOMPARE(back->facturX, facturX);
        QCOMPARE(env.db
                     .scalar(QStringLiteral("SELECT COUNT(*) FROM TblUserData WHERE "
                                            "MailSubject IS NULL AND MailBody IS NULL"))
                     .toInt(),
                 keptEmpty ? 2 : 1);
        QCOMPARE(env.db
                     .scalar(QStringLiteral("SELECT MailFacturX FROM TblUserData "
                                            "WHERE Identity = ?"),
                             {identity})
                     .toInt(),
                 facturX ? -1 : 0);
        QVERIFY(!InvoiceMail::loadSettings(env.db, other)->facturX);
        QVERIFY(!InvoiceMail::saveSettings(env.db, 999, {subject, body, facturX}));
        QVERIFY(!InvoiceMail::loadSettings(env.db, 999));
    }

    // The day the invoice went is its day serial, on that invoice alone, and the lists hear of it.
    void sendingIsRecorded()
    {
        TestEnv env;
        MailBooks books(env);
        const int sent = books.addInvoice(QStringLiteral("0124"));
        const int other = books.addInvoice(QStringLiteral("0125"));
        QSignalSpy changed(&env.db.changes(), &DatabaseChanges::changed);
        QVERIFY(InvoiceMail::recordSent(env.db, sent, env.clock.today()));
        QCOMPARE(books.sentOn(sent).toDouble(), 46359.0);
        QVERIFY(books.sentOn(other).isNull());
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed[0][0].value<DatabaseChanges::Tables>(),
                 DatabaseChanges::Tables(DatabaseChanges::Invoices));
        QVERIFY(!InvoiceMail::recordSent(env.db, 999, env.clock.today()));
    }
};

QTEST_MAIN(TestInvoiceMail)
#include "tst_invoicemail.moc"
