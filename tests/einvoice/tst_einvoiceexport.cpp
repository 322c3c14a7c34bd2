#include "EInvoiceCheck.h"
#include "core/Money.h"
#include "einvoice/EInvoiceExport.h"
#include "einvoice/EInvoiceReader.h"
#include "einvoice/FacturX.h"
#include "support/CaseFile.h"
#include "support/EInvoiceTerms.h"
#include "support/PdfText.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace {

using EInvoice::Format;

constexpr Format kFormats[] = {Format::FacturX, Format::XRechnung, Format::Ubl};

qint64 units(const QString& typed)
{
    return Money::parse(typed)->units();
}

// An identity and a client with every term the three formats ask for, and invoice 0124 of
// `value` / `vat` / `total` dated the test's today.
void books(TestEnv& env, bool registered, const QString& rate, const QString& value,
           const QString& vat, const QString& total)
{
    const int identity = env.addIdentity(QStringLiteral("Harbour Joinery"));
    env.exec(QStringLiteral("UPDATE TblUserData SET VatReg = ?, VatRate = ? WHERE Identity = ?"),
             {registered ? -1 : 0, rate.toDouble(), identity});
    const int client = env.addClient(QStringLiteral("Smith & Sons Ltd"), identity);
    giveEInvoiceTerms(env, identity, client);
    env.exec(QStringLiteral("INSERT INTO TblInvoices(ClientID, InvoiceNumber, Content, \"Value\", "
                            "VAT, Total, \"Date\", Identity) VALUES (?, '0124', "
                            "'Oak staircase', ?, ?, ?, 46359, ?)"),
             {client, units(value), units(vat), units(total), identity});
}

Result<QByteArray> write(TestEnv& env, Format format, const QString& path = {})
{
    InvoicePdfRequest request{env.folder(), QStringLiteral("0124"), path, std::nullopt};
    Result<QByteArray> made = Failure{};
    const Status done = InvoicePdfJob::withInvoice(
        request, LocaleText(testLocale()), [&](Database& db, const InvoicePdfJob::Found& found) {
            made = EInvoiceExport::bytes(db, found, testLocale(), format, env.clock.now());
            return Status(Done{});
        });
    if (!done)
        return Failure{done.error()};
    return made;
}

} // namespace

class TestEInvoiceExport : public QObject {
    Q_OBJECT
private slots:
    // Each invoice of the books in each format: the official rules find no fault, the
    // Factur-X page still reads as the printed invoice, and reading the file back gives the
    // terms the books hold and the amounts rounded to cents.
    void invoicesOfTheBooks()
    {
        EINVOICE_REQUIRE_RULES();
        QList<QByteArray> xmls;
        QStringList names;
        for (const QStringList& c : CaseFile::read(QStringLiteral("einvoice/books.txt"))) {
            TestEnv env;
            books(env, c[1] == u"-1", c[2], c[3], c[4], c[5]);
            for (const Format format : kFormats) {
                const QString name = c[0] + u'/' + EInvoiceExport::nameOf(format);
                const Result<QByteArray> made = write(env, format);
                QVERIFY2(made, qPrintable(name + QStringLiteral(": ") + made.error()));
                QByteArray xml = *made;
                if (format == Format::FacturX) {
                    const QString pdf = env.file(QStringLiteral("0124.pdf"));
                    QFile out(pdf);
                    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(*made) == made->size());
                    out.close();
                    QVERIFY2(pdfText(pdf).contains(QStringLiteral("Oak staircase")),
                             qPrintable(name));
                    xml = *FacturX::embeddedXml(*made);
                }
                const Result<EInvoice::Read> read = EInvoiceReader::read(*made);
                QVERIFY2(read, qPrintable(name + QStringLiteral(": ") + read.error()));
                const EInvoice::Invoice& back = read->invoice;
                QCOMPARE(back.number, QStringLiteral("0124"));
                QCOMPARE(back.seller.vatId, QStringLiteral("GB123456789"));
                QCOMPARE(back.buyer.name, QStringLiteral("Smith & Sons Ltd"));
                QCOMPARE(back.buyerReference, QStringLiteral("PO-77"));
                QCOMPARE(back.payment.iban, QStringLiteral("GB33BUKB20201555555555"));
                QCOMPARE(back.dueDate, back.issueDate.addDays(30));
                QCOMPARE(back.taxBasis.toPlainString(), Money::parse(c[6])->toPlainString());
                QCOMPARE(back.taxTotal.toPlainString(), Money::parse(c[7])->toPlainString());
                QCOMPARE(back.grandTotal.toPlainString(), Money::parse(c[8])->toPlainString());
                xmls << xml;
                names << name;
            }
        }
        const QList<EInvoiceCheck::Verdict> verdicts = EInvoiceCheck::validateXmls(xmls);
        for (int i = 0; i < verdicts.size(); ++i)
            QVERIFY2(verdicts[i].ran && verdicts[i].fatal == 0,
                     qPrintable(names[i] + QStringLiteral("\n") + verdicts[i].output));
    }

    // A term the books lack is named with the place to enter it, and no file is written.
    void missingTermIsNamedAndNothingWritten()
    {
        TestEnv env;
        books(env, true, QStringLiteral("20"), QStringLiteral("100"), QStringLiteral("20"),
              QStringLiteral("120"));
        env.exec(QStringLiteral("UPDATE TblUserData SET VatId = NULL, TaxNumber = NULL"));
        const QString path = env.file(QStringLiteral("0124.pdf"));
        InvoicePdfRequest request{env.folder(), QStringLiteral("0124"), path, std::nullopt};
        const Status done =
            EInvoiceExport::runJob(request, Format::FacturX, LocaleText(testLocale()));
        QCOMPARE(done.error(), QStringLiteral("The e-invoice needs your VAT number or tax number: "
                                              "enter one under Trading details."));
        QVERIFY(!QFileInfo::exists(path));
    }
};

QTEST_MAIN(TestEInvoiceExport)
#include "tst_einvoiceexport.moc"
