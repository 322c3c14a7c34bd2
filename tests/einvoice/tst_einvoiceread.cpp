#include "core/DaySerial.h"
#include "einvoice/EInvoiceHtml.h"
#include "einvoice/EInvoiceReader.h"
#include "einvoice/ReceivedExpense.h"
#include "support/CaseFile.h"
#include "support/EInvoiceShapes.h"
#include "support/TestEnv.h"
#include "support/Windowless.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

namespace {

using EInvoice::Format;
using EInvoiceShapes::money;

QByteArray example(const QString& file)
{
    return readAll(QStringLiteral(BILLCRAFT_TEST_DATA "/einvoice/read/") + file);
}

// An official example with every occurrence of each line of `find` replaced by the same line
// of `replace`; the file "-" stands for `replace` alone.
QByteArray variant(const QString& file, const QString& find, const QString& replace)
{
    if (file == u"-")
        return replace.toUtf8();
    QString text = QString::fromUtf8(example(file));
    const QStringList from = find.split(u'\n', Qt::SkipEmptyParts);
    const QStringList to = replace.split(u'\n');
    for (qsizetype i = 0; i < from.size(); ++i) {
        if (!text.contains(from[i]))
            qFatal("%s holds no %s", qPrintable(file), qPrintable(from[i]));
        text.replace(from[i], to.value(i));
    }
    return text.toUtf8();
}

const QHash<QString, Format> kFormats{{QStringLiteral("Cii"), Format::Cii},
                                      {QStringLiteral("XRechnung"), Format::XRechnung},
                                      {QStringLiteral("Ubl"), Format::Ubl},
                                      {QStringLiteral("FacturX"), Format::FacturX}};

// A text element nested `depth` deep inside a CII root.
QByteArray nested(int depth)
{
    QByteArray xml = "<r:CrossIndustryInvoice "
                     "xmlns:r=\"urn:un:unece:uncefact:data:standard:CrossIndustryInvoice:100\">";
    return xml + QByteArray("<a>").repeated(depth - 1) + QByteArray("</a>").repeated(depth - 1) +
           "</r:CrossIndustryInvoice>";
}

// CII_example4 (three lines) with its first line repeated until it has `count`.
QByteArray withLines(int count)
{
    const QByteArray xml = example(QStringLiteral("CII_example4.xml"));
    const qsizetype from = xml.indexOf("<ram:IncludedSupplyChainTradeLineItem>");
    const qsizetype to = xml.indexOf("</ram:IncludedSupplyChainTradeLineItem>") +
                         qsizetype(qstrlen("</ram:IncludedSupplyChainTradeLineItem>"));
    const QByteArray line = xml.mid(from, to - from);
    return xml.left(from) + line.repeated(count - 3) + xml.mid(from);
}

QString text(Money m)
{
    return m.toPlainString();
}

// Every term of the model as "name=value", to compare an invoice written with one read back.
QStringList terms(const EInvoice::Invoice& i)
{
    QStringList t{i.number,   i.issueDate.toString(Qt::ISODate),   QString::number(i.typeCode),
                  i.currency, i.dueDate.toString(Qt::ISODate),     i.buyerReference,
                  i.note,     i.deliveryDate.toString(Qt::ISODate)};
    for (const EInvoice::Party* p : {&i.seller, &i.buyer}) {
        const EInvoice::Address& a = p->address;
        t << p->name << p->tradingName << p->vatId << p->taxNumber << p->electronicAddress
          << p->electronicAddressScheme << a.line1 << a.line2 << a.line3 << a.city << a.postCode
          << a.subdivision << a.countryCode << p->contact.name << p->contact.phone
          << p->contact.email;
    }
    const EInvoice::Payment& pay = i.payment;
    t << QString::number(pay.meansCode) << pay.remittance << pay.iban << pay.accountName << pay.bic
      << pay.terms;
    for (const EInvoice::Line& l : i.lines)
        t << l.id << l.name << text(l.quantity) << l.unitCode << text(l.netPrice)
          << text(l.netAmount) << EInvoice::categoryCode(l.category) << text(l.ratePercent);
    for (const EInvoice::VatBreakdown& v : i.vat)
        t << EInvoice::categoryCode(v.category) << text(v.ratePercent) << text(v.taxableAmount)
          << text(v.taxAmount) << v.exemptionReason << v.exemptionCode;
    for (const Money m : {i.lineTotal, i.allowanceTotal, i.chargeTotal, i.taxBasis, i.taxTotal,
                          i.grandTotal, i.paidAmount, i.roundingAmount, i.amountDue})
        t << text(m);
    return t;
}

// The terms each official example is read for, in examples.txt.
const QList<const char*> kExampleTerms{"format", "number",    "seller", "issued", "due",
                                       "buyer",  "vatId",     "iban",   "net",    "vat",
                                       "total",  "amountDue", "lines",  "vatRows"};

} // namespace

class TestEInvoiceRead : public QObject {
    Q_OBJECT

private slots:
    // Every official example reads with the terms it states, and its amounts add up the way
    // the standard's rules say (BR-CO-10, -13, -14, -15, -16), which a term read from the
    // wrong element would break.
    void examples_data()
    {
        CaseFile::addRows(QStringLiteral("einvoice/read/examples.txt"),
                          QList<const char*>{"file"} + kExampleTerms);
    }
    void examples()
    {
        QStringList want = CaseFile::fetch(kExampleTerms);
        for (int m = 8; m <= 11; ++m) // amounts compare by value, however the case writes them
            want[m] = text(money(want[m]));
        QFETCH(QString, file);
        const Result<EInvoice::Read> read = EInvoiceReader::read(example(file));
        QVERIFY2(read, qPrintable(read.error()));
        const EInvoice::Invoice& i = read->invoice;
        QCOMPARE(QStringList({kFormats.key(read->format), i.number, i.seller.name,
                              i.issueDate.toString(Qt::ISODate), i.dueDate.toString(Qt::ISODate),
                              i.buyer.name, i.seller.vatId, i.payment.iban, text(i.taxBasis),
                              text(i.taxTotal), text(i.grandTotal), text(i.amountDue),
                              QString::number(i.lines.size()), QString::number(i.vat.size())}),
                 want);

        MoneySum lineSum, taxable, tax;
        for (const EInvoice::Line& line : i.lines)
            lineSum.add(line.netAmount);
        for (const EInvoice::VatBreakdown& v : i.vat) {
            taxable.add(v.taxableAmount);
            tax.add(v.taxAmount);
        }
        QCOMPARE(lineSum.value(), i.lineTotal);
        QCOMPARE(taxable.value(), i.taxBasis);
        QCOMPARE(tax.value(), i.taxTotal);
        QCOMPARE(i.lineTotal.minus(i.allowanceTotal)->plus(i.chargeTotal), i.taxBasis);
        QCOMPARE(i.taxBasis.plus(i.taxTotal), i.grandTotal);
        QCOMPARE(i.grandTotal.minus(i.paidAmount)->plus(i.roundingAmount), i.amountDue);
    }

    // What Billcraft writes, in each syntax, reads back as the same invoice, term for term.
    void ownOutput_data()
    {
        QTest::addColumn<QStringList>("shape");
        for (const QStringList& shape : EInvoiceShapes::all())
            QTest::newRow(qPrintable(shape[0])) << shape;
    }
    void ownOutput()
    {
        QFETCH(QStringList, shape);
        const EInvoice::Invoice invoice = EInvoiceShapes::complete(EInvoiceShapes::shapeOf(shape));
        for (const Format made : EInvoiceShapes::kFormats) {
            const QByteArray xml = EInvoiceShapes::written(invoice, made);
            const Format format = made == Format::FacturX ? Format::Cii : made; // its XML
            QVERIFY(!xml.isEmpty());
            const Result<EInvoice::Read> read = EInvoiceReader::read(xml);
            QVERIFY2(read, qPrintable(read.error()));
            QCOMPARE(int(read->format), int(format));
            QCOMPARE(terms(read->invoice), terms(invoice));
        }
    }

    // Odd but valid files read; hostile and broken ones are refused with one line.
    void variants_data()
    {
        CaseFile::addRows(QStringLiteral("einvoice/read/variants.txt"),
                          {"file", "find", "replace", "format", "outcome"});
    }
    void variants()
    {
        const auto [file, find, replace, format, outcome] =
            CaseFile::fetchEach({"file", "find", "replace", "format", "outcome"});
        const Result<EInvoice::Read> read = EInvoiceReader::read(variant(file, find, replace));
        if (format.isEmpty()) {
            QVERIFY(!read);
            if (outcome.endsWith(QLatin1String("...")))
                QVERIFY2(read.error().startsWith(outcome.chopped(3)), qPrintable(read.error()));
            else
                QCOMPARE(read.error(), outcome);
            QVERIFY(!read.error().contains(u'\n'));
            return;
        }
        QVERIFY2(read, qPrintable(read.error()));
        QCOMPARE(kFormats.key(read->format), format);
        QCOMPARE(EInvoiceReader::summaryLines(*read).join(QLatin1String(" / ")), outcome);
    }

    // Inputs too large, too deep or not XML at all: refused quickly, whatever they hold.
    void limits_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QByteArray big = example(QStringLiteral("CII_example4.xml"));
        big.insert(big.indexOf("<rsm:Exchanged"),
                   "<!--" + QByteArray(11 * 1024 * 1024, 'x') + "-->");
        const QHash<QString, QByteArray> inputs{
            {"empty", {}},
            {"picture", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
            {"11 MB", big},
            {"64 deep reads on", nested(64)},
            {"65 deep", nested(65)},
            {"200,001 elements",
             QByteArray(nested(2)).replace("<a></a>", QByteArray("<a/>").repeated(200'000))},
            {"1,001 lines", withLines(1001)}};
        for (const QStringList& row : CaseFile::read(QStringLiteral("einvoice/read/limits.txt"))) {
            QVERIFY2(inputs.contains(row[0]), qPrintable(row[0]));
            QTest::newRow(qPrintable(row[0])) << inputs[row[0]] << row[1];
        }
    }
    void limits()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const Result<EInvoice::Read> read = EInvoiceReader::read(bytes);
        QVERIFY(!read);
        QCOMPARE(read.error(), message);
    }

    void thousandLinesRead()
    {
        const Result<EInvoice::Read> read = EInvoiceReader::read(withLines(1000));
        QVERIFY2(read, qPrintable(read.error()));
        QCOMPARE(read->invoice.lines.size(), 1000);
    }

    // A PDF is read through the XML it carries; a PDF that carries none is refused in one line.
    void pdf()
    {
        const Result<EInvoice::Read> read = EInvoiceReader::read(
            readAll(QStringLiteral(BILLCRAFT_TEST_DATA "/einvoice/facturx/factur-x.pdf")));
        QVERIFY2(read, qPrintable(read.error()));
        QCOMPARE(int(read->format), int(Format::FacturX));
        QCOMPARE(EInvoiceReader::summaryLines(*read).join(QLatin1String(" / ")),
                 QStringLiteral("Müller & Söhne / 0124 / 2026-12-03 / 1000.00 / 200.00 / 1200.00"));

        const Result<EInvoice::Read> none = EInvoiceReader::read("%PDF-1.7\n%%EOF\n");
        QVERIFY(!none);
        QVERIFY(!none.error().isEmpty() && !none.error().contains(u'\n'));
    }

    // The page shows a stranger's markup as text, and the terms a reader needs.
    void page()
    {
        const Result<EInvoice::Read> read = EInvoiceReader::read(variant(
            QStringLiteral("CII_business_example_01.xml"), QStringLiteral("Salescompany ltd."),
            QStringLiteral("&lt;script&gt;alert(1)&lt;/script&gt; &amp; Sons")));
        QVERIFY2(read, qPrintable(read.error()));
        const LocaleText locale(testLocale());
        const QString html = EInvoiceHtml::page(*read, locale);
        QVERIFY(!html.contains(QLatin1String("<script")));
        QTextDocument shown;
        shown.setHtml(html);
        const QString text = shown.toPlainText();
        for (const QString& expected :
             {QStringLiteral("<script>alert(1)</script> & Sons"), QStringLiteral("TOSL108"),
              QStringLiteral("The Buyercompany"), QStringLiteral("NO123456789MVA"),
              QStringLiteral("Norway"), QStringLiteral("NO9386011117947"),
              QStringLiteral("DNBANOKK"), QStringLiteral("Exempt New Means of Transport"),
              locale.toLongDate(QDate(2013, 6, 30)), locale.toLongDate(QDate(2013, 7, 20)),
              QStringLiteral("NOK 1,801.78"), QStringLiteral("NOK 801.78"),
              QStringLiteral("-NOK 25.00")})
            QVERIFY2(text.contains(expected), qPrintable(expected + u'\n' + text));
    }

    // The expense a read invoice makes, stored by the expense store, and found again.
    void expense_data()
    {
        CaseFile::addRows(QStringLiteral("einvoice/read/expenses.txt"),
                          {"file", "find", "replace", "description", "value", "vat"});
        const QString name(300, u'W');
        QTest::newRow("long seller name cut first")
            << "CII_example1.xml"
            << "De Koksmaat" << name
            << name.left(ReceivedExpense::kDescriptionLength - 18) + ", invoice 12115118"
            << "229.6"
            << "20.73";
    }
    void expense()
    {
        const auto [file, find, replace, description, value, vat] =
            CaseFile::fetchEach({"file", "find", "replace", "description", "value", "vat"});
        const Result<EInvoice::Read> read = EInvoiceReader::read(variant(file, find, replace));
        QVERIFY2(read, qPrintable(read.error()));
        const ExpenseFields fields = ReceivedExpense::fieldsOf(read->invoice);

        TestEnv env;
        QCOMPARE(ReceivedExpense::alreadyAdded(env.db, fields, 1).value(), false);
        QVERIFY(ExpenseStore(env.db).add(fields, 1));
        const QVariantList row =
            env.db
                .one(QStringLiteral("SELECT \"Date\", ClientRef, Description, Milage, \"Value\", "
                                    "VAT, Identity FROM TblExpenses"),
                     {},
                     [](const Row& r) {
                         QVariantList values;
                         for (int c = 0; c < 7; ++c)
                             values << r[c];
                         return values;
                     })
                .value()
                .value();
        QCOMPARE(row[0].toDouble(), DaySerial::fromDate(read->invoice.issueDate));
        QCOMPARE(row[1].toString(), QString());
        QCOMPARE(row[2].toString(), description);
        QVERIFY(row[2].toString().size() <= ReceivedExpense::kDescriptionLength);
        QCOMPARE(row[3].toDouble(), 0.0);
        QCOMPARE(row[4].toLongLong(), money(value).units());
        QCOMPARE(row[5].toLongLong(), money(vat).units());
        QCOMPARE(row[6].toInt(), 1);
        QCOMPARE(ReceivedExpense::alreadyAdded(env.db, fields, 1).value(), true);
        QCOMPARE(ReceivedExpense::alreadyAdded(env.db, fields, 2).value(), false);
        VERIFY_PROMPTS(env.prompter);
    }

    // The real program, with no window and no data folder: six lines, or one line and 1.
    void commandLine_data()
    {
        CaseFile::addRows(QStringLiteral("einvoice/read/command-line.txt"),
                          {"file", "exitCode", "out", "err"});
    }
    void commandLine()
    {
        const auto [file, exitCode, out, err] =
            CaseFile::fetchEach({"file", "exitCode", "out", "err"});
        QTemporaryDir home; // where no data folder is
        const WindowlessRun run =
            runWindowless({QStringLiteral("--read-einvoice"),
                           QStringLiteral(BILLCRAFT_TEST_DATA "/einvoice/read/") + file},
                          home.path());
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, exitCode.toInt());
        QCOMPARE(QString::fromUtf8(run.stdOut), out);
        QCOMPARE(run.stdErr, err);
        QVERIFY(QDir(home.path()).isEmpty());
    }
};

QTEST_MAIN(TestEInvoiceRead)
#include "tst_einvoiceread.moc"
