#include "einvoice/EInvoiceHtml.h"

#include "core/LocaleText.h"
#include "einvoice/EInvoiceReader.h"

#include <QStringList>

namespace {

using namespace EInvoice;

QString esc(const QString& text)
{
    return text.toHtmlEscaped().replace(u'\n', QLatin1String("<br>"));
}

QString cell(const QString& escaped, bool number = false)
{
    return number ? QStringLiteral("<td align=\"right\">%1</td>").arg(escaped)
                  : QStringLiteral("<td>%1</td>").arg(escaped);
}

// The page, written section by section in the user's locale.
class PageWriter {
    Q_DECLARE_TR_FUNCTIONS(EInvoiceHtml)
public:
    PageWriter(const Read& read, const LocaleText& locale)
        : m_read(read)
        , m_invoice(read.invoice)
        , m_locale(locale)
        , m_form(CurrencyForm::of(locale.locale(), read.invoice.currency.toHtmlEscaped()))
    {
        // A code is no symbol: "NOK 1,273.00" reads better than "NOK1,273.00".
        if (!m_form.prefix.isEmpty() && m_form.prefix.back().isLetter())
            m_form.prefix += QChar::Nbsp;
        if (!m_form.suffix.isEmpty() && m_form.suffix.front().isLetter())
            m_form.suffix.prepend(QChar::Nbsp);
    }

    QString write()
    {
        m_html = QStringLiteral("<html><body>");
        heading();
        parties();
        lines();
        vat();
        totals();
        payment();
        if (!m_invoice.note.isEmpty())
            m_html += QStringLiteral("<h3>%1</h3><p>%2</p>").arg(tr("Notes"), esc(m_invoice.note));
        return m_html + QStringLiteral("</body></html>");
    }

private:
    // Whole cents as the locale writes money; a unit price with more decimals keeps them.
    QString money(Money amount) const
    {
        if (amount.units() % 100 == 0)
            return amount.toCurrencyString(m_locale.locale(), m_form);
        return decimal(amount) + u' ' + m_invoice.currency.toHtmlEscaped();
    }

    // A quantity, rate or price with the decimals it has (at least two for money).
    QString decimal(Money amount, int atLeast = 0) const
    {
        const QLocale& l = m_locale.locale();
        const qint64 units = amount.units();
        const quint64 magnitude = units < 0 ? quint64(-(units + 1)) + 1 : quint64(units);
        QString fraction = QStringLiteral("%1").arg(magnitude % Money::kScale, 4, 10, QChar(u'0'));
        while (fraction.size() > atLeast && fraction.endsWith(u'0'))
            fraction.chop(1);
        QString text = l.toString(qulonglong(magnitude / Money::kScale));
        if (!fraction.isEmpty())
            text += l.decimalPoint() + fraction;
        return units < 0 ? l.negativeSign() + text : text;
    }

    QString date(QDate day) const { return day.isValid() ? m_locale.toLongDate(day) : QString(); }

    // A row of the heading table, left out when it has no value.
    void fact(const QString& caption, const QString& escapedValue)
    {
        if (!escapedValue.isEmpty())
            m_html += QStringLiteral("<tr><th align=\"left\">%1</th>%2</tr>")
                          .arg(caption, cell(escapedValue));
    }

    void heading()
    {
        const QString title = EInvoiceReader::isCreditNote(m_invoice.typeCode)
                                  ? tr("Credit note %1")
                                  : tr("Invoice %1");
        m_html += QStringLiteral("<h2>%1</h2><table cellpadding=\"2\">")
                      .arg(title.arg(esc(m_invoice.number)));
        fact(tr("From"), esc(m_invoice.seller.name));
        fact(tr("Issued"), date(m_invoice.issueDate));
        fact(tr("Due"), date(m_invoice.dueDate));
        fact(tr("Delivered"), date(m_invoice.deliveryDate));
        fact(tr("Currency"), esc(m_invoice.currency));
        fact(tr("Buyer reference"), esc(m_invoice.buyerReference));
        fact(tr("Format"), esc(EInvoiceReader::formatName(m_read.format)));
        m_html += QStringLiteral("</table>");
    }

    QString country(const QString& code) const
    {
        const QLocale::Territory territory = QLocale::codeToTerritory(code);
        return territory == QLocale::AnyTerritory ? code : QLocale::territoryToString(territory);
    }

    QString party(const QString& caption, const Party& p) const
    {
        QStringList rows{QStringLiteral("<b>%1</b>").arg(esc(p.name))};
        const Address& a = p.address;
        for (const QString& line : {p.tradingName, a.line1, a.line2, a.line3,
                                    QStringList{a.postCode, a.city}.join(u' ').trimmed(),
                                    a.subdivision, country(a.countryCode)})
            rows << esc(line);
        const auto labelled = [&rows](const QString& label, const QString& value) {
            if (!value.isEmpty())
                rows << label.arg(esc(value));
        };
        labelled(tr("VAT number: %1"), p.vatId);
        labelled(tr("Tax number: %1"), p.taxNumber);
        labelled(tr("Electronic address: %1"), p.electronicAddress);
        labelled(tr("Contact: %1"), p.contact.name);
        labelled(tr("Phone: %1"), p.contact.phone);
        labelled(tr("E-mail: %1"), p.contact.email);
        rows.removeAll(QString());
        return QStringLiteral("<td valign=\"top\" width=\"50%\"><h3>%1</h3>%2</td>")
            .arg(caption, rows.join(QLatin1String("<br>")));
    }

    void parties()
    {
        m_html +=
            QStringLiteral("<table width=\"100%\" cellpadding=\"4\"><tr>%1%2</tr></table>")
                .arg(party(tr("Seller"), m_invoice.seller), party(tr("Buyer"), m_invoice.buyer));
    }

    QString rate(VatCategory category, Money percent) const
    {
        return category == VatCategory::NotSubject
                   ? categoryCode(category)
                   : QStringLiteral("%1 %2 %").arg(categoryCode(category), decimal(percent));
    }

    void headerRow(const QStringList& captions)
    {
        m_html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                                 "width=\"100%\"><tr>");
        for (const QString& c : captions)
            m_html += QStringLiteral("<th>%1</th>").arg(c);
        m_html += QStringLiteral("</tr>");
    }

    void lines()
    {
        if (m_invoice.lines.isEmpty())
            return;
        m_html += QStringLiteral("<h3>%1</h3>").arg(tr("Lines"));
        headerRow({tr("Line"), tr("Item"), tr("Quantity"), tr("Unit"), tr("Price"), tr("Net"),
                   tr("VAT")});
        for (const Line& line : m_invoice.lines)
            m_html += QStringLiteral("<tr>%1%2%3%4%5%6%7</tr>")
                          .arg(cell(esc(line.id)), cell(esc(line.name)),
                               cell(decimal(line.quantity), true), cell(esc(line.unitCode)),
                               cell(money(line.netPrice), true), cell(money(line.netAmount), true),
                               cell(rate(line.category, line.ratePercent), true));
        m_html += QStringLiteral("</table>");
    }

    void vat()
    {
        if (m_invoice.vat.isEmpty())
            return;
        m_html += QStringLiteral("<h3>%1</h3>").arg(tr("VAT breakdown"));
        headerRow({tr("VAT"), tr("Taxable"), tr("VAT amount"), tr("Exemption reason")});
        for (const VatBreakdown& v : m_invoice.vat) {
            const QString reason =
                QStringList{v.exemptionCode, v.exemptionReason}.join(u' ').trimmed();
            m_html += QStringLiteral("<tr>%1%2%3%4</tr>")
                          .arg(cell(rate(v.category, v.ratePercent), true),
                               cell(money(v.taxableAmount), true), cell(money(v.taxAmount), true),
                               cell(esc(reason)));
        }
        m_html += QStringLiteral("</table>");
    }

    void total(const QString& caption, Money amount, bool always = false, bool bold = false)
    {
        if (!always && amount.isZero())
            return;
        const QString shown = bold ? QStringLiteral("<b>%1</b>").arg(money(amount)) : money(amount);
        m_html += QStringLiteral("<tr><td>%1</td>%2</tr>").arg(caption, cell(shown, true));
    }

    void totals()
    {
        const Invoice& i = m_invoice;
        m_html += QStringLiteral("<h3>%1</h3><table cellpadding=\"2\">").arg(tr("Totals"));
        total(tr("Lines"), i.lineTotal, true);
        total(tr("Allowances"), i.allowanceTotal);
        total(tr("Charges"), i.chargeTotal);
        total(tr("Total without VAT"), i.taxBasis, true);
        total(tr("VAT"), i.taxTotal, true);
        total(tr("Total with VAT"), i.grandTotal, true, true);
        total(tr("Paid"), i.paidAmount);
        total(tr("Rounding"), i.roundingAmount);
        total(tr("Amount due"), i.amountDue, true, true);
        m_html += QStringLiteral("</table>");
    }

    QString means(int code) const
    {
        switch (code) {
        case 0:
            return {};
        case 10:
            return tr("Cash");
        case 30:
            return tr("Credit transfer");
        case 31:
            return tr("Debit transfer");
        case 42:
            return tr("Payment to bank account");
        case 48:
            return tr("Bank card");
        case 49:
            return tr("Direct debit");
        case 57:
            return tr("Standing agreement");
        case 58:
            return tr("SEPA credit transfer");
        case 59:
            return tr("SEPA direct debit");
        default:
            return tr("Means %1").arg(code);
        }
    }

    void payment()
    {
        const Payment& p = m_invoice.payment;
        m_html += QStringLiteral("<h3>%1</h3><table cellpadding=\"2\">").arg(tr("Payment"));
        fact(tr("Means"), esc(means(p.meansCode)));
        fact(tr("Account holder"), esc(p.accountName));
        fact(tr("IBAN"), esc(p.iban));
        fact(tr("BIC"), esc(p.bic));
        fact(tr("Terms"), esc(p.terms));
        fact(tr("Reference"), esc(p.remittance));
        m_html += QStringLiteral("</table>");
    }

    const Read& m_read;
    const Invoice& m_invoice;
    const LocaleText& m_locale;
    CurrencyForm m_form;
    QString m_html;
};

} // namespace

QString EInvoiceHtml::page(const Read& read, const LocaleText& locale)
{
    return PageWriter(read, locale).write();
}
