#include "einvoice/FacturX.h"
#include "invoices/InvoiceMail.h"
#include "support/CaseFile.h"
#include "support/EInvoiceTerms.h"
#include "support/MailFixture.h"
#include "support/PdfText.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

namespace {

// The invoice's message, its attachment written into the test folder's outbox.
Result<MailMessage> prepare(TestEnv& env, int invoiceId)
{
    const SharedFiles files(env.db, env.folder());
    const LocaleText locale(testLocale());
    return InvoiceMail::prepare(
        env.db, {files, locale, env.clock.now(), env.file(QStringLiteral("Outbox"))}, invoiceId);
}

QStringList outbox(const TestEnv& env)
{
    return QDir(env.file(QStringLiteral("Outbox"))).entryList(QDir::Files);
}

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
        TestEnv env;
        MailBooks books(env);
        QFETCH(QString, company);
        QFETCH(QString, firstName);
        QFETCH(QString, lastName);
        QFETCH(QString, email);
        env.exec(QStringLiteral("UPDATE TblClients SET Company = ?, FirstName = ?, LastName = ?, "
                                "Email = ?"),
                 {company, firstName, lastName, email});
        QFETCH(QString, subjectTemplate);
        QFETCH(QString, bodyTemplate);
        QFETCH(QString, paymentDays);
        env.exec(QStringLiteral("UPDATE TblUserData SET MailSubject = ?, MailBody = ?, "
                                "PaymentDays = ?"),
                 {subjectTemplate, bodyTemplate, paymentDays.toInt()});
        const Result<MailMessage> message = prepare(env, books.addInvoice("0124"));
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
        env.exec(QStringLiteral("UPDATE TblUserData SET MailFacturX = ?"), {facturX ? -1 : 0});
        books.addInvoice(QStringLiteral("0123"));
        const int invoice = books.addInvoice(number);
        env.exec(QStringLiteral("UPDATE TblInvoices SET Total = 990000 WHERE InvoiceID <> ?"),
                 {invoice});
        const Result<MailMessage> message = prepare(env, invoice);
        QVERIFY2(message, qPrintable(message.error()));
        QCOMPARE(message->attachment, env.file(QStringLiteral("Outbox/") + file));
        QCOMPARE(outbox(env), QStringList{file});
        const QString text = pdfText(message->attachment);
        if (text.isNull())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QVERIFY2(text.contains(number) && text.contains(QStringLiteral("£117.50")) &&
                     !text.contains(QStringLiteral("£99.00")),
                 qPrintable(text));
        const Result<QByteArray> xml = FacturX::embeddedXml(readAll(message->attachment));
        QCOMPARE(bool(xml), facturX);
        QVERIFY(!facturX || xml->contains("<ram:ID>0124</ram:ID>"));
    }

    void refusedMessageLeavesNoFile_data()
    {
        CaseFile::addRows(QStringLiteral("invoices/mail-refused.txt"), {"statement", "why"});
    }
    // What cannot go says why, and leaves no file in the outbox to be sent by mistake.
    void refusedMessageLeavesNoFile()
    {
        QFETCH(QString, statement);
        QFETCH(QString, why);
        TestEnv env;
        MailBooks books(env);
        const int invoice = books.addInvoice(QStringLiteral("0124"));
        env.exec(statement);
        const Result<MailMessage> message = prepare(env, invoice);
        QVERIFY(!message);
        QVERIFY2(message.error().startsWith(why), qPrintable(message.error()));
        QVERIFY(outbox(env).isEmpty());
    }

    void settingsStored_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("body");
        QTest::addColumn<bool>("keptEmpty"); // both templates stored as NULL
        QTest::newRow("own wording") << "Rechnung {number}"
                                     << "Guten Tag,\nanbei." << false;
        QTest::newRow("the default wording")
            << InvoiceMail::defaultSubject() << InvoiceMail::defaultBody() << true;
        QTest::newRow("blank") << ""
                               << "  \n " << true;
    }
    // Own wording is kept as typed, for that identity alone; the default wording and blanks as
    // nothing, so a later default still reaches the identity.
    void settingsStored()
    {
        QFETCH(QString, subject);
        QFETCH(QString, body);
        QFETCH(bool, keptEmpty);
        TestEnv env;
        env.addIdentity(QStringLiteral("Other"));
        const int identity = env.addIdentity(QStringLiteral("Harbour Joinery"));
        QVERIFY(InvoiceMail::saveSettings(env.db, identity, {subject, body, true}));
        const Result<MailSettings> back = InvoiceMail::loadSettings(env.db, identity);
        QCOMPARE(back->subject, keptEmpty ? QString() : subject);
        QCOMPARE(back->body, keptEmpty ? QString() : body);
        QVERIFY(back->facturX);
        const auto count = [&env](const char* where) {
            return env.db
                .scalar(QStringLiteral("SELECT COUNT(*) FROM TblUserData WHERE ") +
                        QLatin1String(where))
                .toInt();
        };
        QCOMPARE(count("MailSubject IS NULL AND MailBody IS NULL"), keptEmpty ? 2 : 1);
        QCOMPARE(count("MailFacturX = -1"), 1);
        QVERIFY(!InvoiceMail::saveSettings(env.db, 999, {subject, body, false}));
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
