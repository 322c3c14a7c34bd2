#pragma once

#include "einvoice/CiiWriter.h"
#include "einvoice/EInvoiceAmounts.h"
#include "einvoice/UblWriter.h"
#include "support/CaseFile.h"

// The shapes of invoice Billcraft makes (tests/data/einvoice/shapes.txt), as complete models in
// any of the formats it writes: shared by the tests that write them and those that read them.
namespace EInvoiceShapes {

using EInvoice::Format;
using EInvoice::Invoice;

// The formats Billcraft writes, and their names in the case files.
inline const QList<Format> kFormats{Format::FacturX, Format::XRechnung, Format::Ubl};
inline const QStringList kFormatNames{"Factur-X", "XRechnung", "UBL"};

inline Money money(const QString& text)
{
    const std::optional<Money> m = Money::parse(text);
    if (!m)
        qFatal("no amount: %s", qPrintable(text));
    return *m;
}

inline QByteArray written(const Invoice& invoice, Format format)
{
    if (format == Format::Ubl)
        return UblWriter::write(invoice);
    return CiiWriter::write(invoice, format == Format::XRechnung
                                         ? CiiWriter::Profile::XRechnung
                                         : CiiWriter::Profile::FacturXEn16931);
}

// What is stored of an invoice and its parties, as a row of shapes.txt gives it.
struct Shape {
    QString value = "100", vat = "20", rate = "20";
    bool registered = true;
    QString sellerCountry = "GB", buyerCountry = "GB", buyerVatId;
    QString buyerName = "Northwind Traders", content = "Kitchen cupboards, fitted";
    QString iban = "GB33BUKB20201555555555";
};

inline Shape shapeOf(const QStringList& f)
{
    QString content = f[9];
    if (content.startsWith(u'*'))
        content = QString("Oak staircase, handrail and spindles; ")
                      .repeated(200)
                      .left(content.mid(1).toInt());
    return {f[1], f[2], f[3], f[4] == u"yes", f[5], f[6], f[7], f[8], content, f[10]};
}

inline QList<QStringList> all()
{
    return CaseFile::read("einvoice/shapes.txt");
}

// A complete invoice, every term an e-invoice in any of the three formats needs, its amounts
// filled by the amount rules from the stored amounts of `shape`.
inline Invoice complete(const Shape& shape = {})
{
    Invoice in;
    in.number = "0124";
    in.issueDate = in.deliveryDate = QDate(2026, 12, 3);
    in.currency = "GBP";
    in.buyerReference = "04011000-12345-34";
    EInvoice::Party& s = in.seller;
    s.name = "Harbour Joinery Ltd";
    s.vatId = shape.sellerCountry + "123456789";
    s.taxNumber = "1234567890";
    (shape.registered ? s.taxNumber : s.vatId).clear();
    s.electronicAddress = s.contact.email = "accounts@harbour.example";
    s.electronicAddressScheme = in.buyer.electronicAddressScheme = "EM";
    s.address = {"1 Quay Street", {}, {}, "Bristol", "BS1 4DJ", {}, shape.sellerCountry};
    s.contact.name = "Ann Smith", s.contact.phone = "+44 117 496 0000";
    in.buyer.name = shape.buyerName;
    in.buyer.vatId = shape.buyerVatId;
    in.buyer.electronicAddress = "invoices@northwind.example";
    in.buyer.address = {"5 Market Row", "Unit 2", {}, "Leeds", "LS1 6AB", {}, shape.buyerCountry};
    EInvoiceAmounts::setPayment(in, shape.iban, "BUKBGB22", 30);
    const Status filled =
        EInvoiceAmounts::fill(in, shape.content, {money(shape.value), money(shape.vat), {}},
                              {money(shape.rate), shape.registered});
    if (!filled)
        qFatal("the amount rules refused a fixture: %s", qPrintable(filled.error()));
    return in;
}

} // namespace EInvoiceShapes
