#include "banking/ui/CsvMappingDialog.h"

#include "banking/StatementReading.h"
#include "core/Prompter.h"
#include "core/ui/Mnemonics.h"
#include "core/ui/NamedWidgets.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kPreviewRows = 8;

struct Role {
    const char* name;
    const char* caption;
    // Words a bank's column name for this role contains, lower case.
    QStringList words;
};

const QList<Role>& roles()
{
    static const QList<Role> list{
        {"cboDate",
         QT_TRANSLATE_NOOP("CsvMappingDialog", "Booking date"),
         {"book", "date", "datum"}},
        {"cboAmount",
         QT_TRANSLATE_NOOP("CsvMappingDialog", "Amount (signed)"),
         {"amount", "betrag"}},
        {"cboCredit",
         QT_TRANSLATE_NOOP("CsvMappingDialog", "Money in"),
         {"money in", "credit", "haben"}},
        {"cboDebit",
         QT_TRANSLATE_NOOP("CsvMappingDialog", "Money out"),
         {"money out", "debit", "soll"}},
        {"cboText",
         QT_TRANSLATE_NOOP("CsvMappingDialog", "Remittance text"),
         {"purpose", "description", "verwendungszweck", "remittance", "memo"}},
        {"cboReference",
         QT_TRANSLATE_NOOP("CsvMappingDialog", "Bank reference"),
         {"reference", "referenz"}},
        {"cboCounterparty",
         QT_TRANSLATE_NOOP("CsvMappingDialog", "Payer or payee"),
         {"payer", "payee", "name", "empf", "auftraggeber"}},
        {"cboCurrency",
         QT_TRANSLATE_NOOP("CsvMappingDialog", "Currency"),
         {"currency", "währung", "ccy"}},
    };
    return list;
}

} // namespace

CsvMappingDialog::CsvMappingDialog(QByteArray bytes, const QString& currency, Prompter& prompter,
                                   QWidget* parent)
    : QDialog(parent)
    , m_bytes(std::move(bytes))
    , m_prompter(prompter)
{
    setObjectName(QStringLiteral("frmCsvMapping"));
    setWindowTitle(tr("Columns of the Bank's Statement"));

    auto* form = new QFormLayout;
    m_delimiter = addNamedRow(form, "cboDelimiter", tr("Delimiter"), new QComboBox(this));
    m_delimiter->addItem(tr("Semicolon"), QStringLiteral(";"));
    m_delimiter->addItem(tr("Comma"), QStringLiteral(","));
    m_delimiter->addItem(tr("Tab"), QStringLiteral("\t"));
    const QString first = StatementReading::decoded(m_bytes.left(4096)).section(u'\n', 0, 0);
    m_delimiter->setCurrentIndex(
        m_delimiter->findData(QString(CsvStatement::guessDelimiter(first))));
    m_headerRow = addNamedRow(form, "spnHeaderRow", tr("Header line"), new QSpinBox(this));
    m_headerRow->setRange(1, 20);

    m_preview = new QTableWidget(this);
    m_preview->setObjectName(QStringLiteral("grdPreview"));
    m_preview->setAccessibleName(tr("First lines"));
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->verticalHeader()->hide();

    buildRoles();
    for (QComboBox* role : m_roles)
        form->addRow(role->accessibleName(), role);
    // addRow made labels with these captions; make them the combos' buddies.
    for (QComboBox* role : m_roles) {
        if (auto* label = qobject_cast<QLabel*>(form->labelForField(role)))
            label->setBuddy(role);
    }
    m_dateFormat = addNamedRow(form, "cboDateFormat", tr("Date format"), new QComboBox(this));
    m_dateFormat->setEditable(true);
    m_dateFormat->addItems({QStringLiteral("dd.MM.yyyy"), QStringLiteral("yyyy-MM-dd"),
                            QStringLiteral("dd/MM/yyyy"), QStringLiteral("MM/dd/yyyy"),
                            QStringLiteral("d.M.yyyy"), QStringLiteral("dd-MM-yyyy"),
                            QStringLiteral("dd.MM.yy")});
    m_decimal = addNamedRow(form, "cboDecimalMark", tr("Decimal mark"), new QComboBox(this));
    m_decimal->addItem(tr("Comma (1.234,56)"), true);
    m_decimal->addItem(tr("Point (1,234.56)"), false);
    m_decimal->setCurrentIndex(m_delimiter->currentData().toString() == u"," ? 1 : 0);
    m_currency = addNamedRow(form, "txtCurrency", tr("Currency otherwise"), new QLineEdit(this));
    m_currency->setMaxLength(3);
    m_currency->setText(currency);

    auto* ok = namedButton(QStringLiteral("cmdOK"), tr("OK"), this);
    auto* cancel = namedButton(QStringLiteral("cmdCancel"), tr("Cancel"), this);
    connect(ok, &QPushButton::clicked, this, &CsvMappingDialog::onOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_preview, 1);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(m_delimiter, &QComboBox::currentIndexChanged, this, &CsvMappingDialog::refresh);
    connect(m_headerRow, &QSpinBox::valueChanged, this, &CsvMappingDialog::refresh);
    refresh();
    Mnemonics::give(this);
}

void CsvMappingDialog::buildRoles()
{
    for (const Role& role : roles()) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QLatin1String(role.name));
        combo->setAccessibleName(QCoreApplication::translate("CsvMappingDialog", role.caption));
        m_roles << combo;
    }
}

void CsvMappingDialog::refresh()
{
    const QChar delimiter = m_delimiter->currentData().toString().at(0);
    const int header = m_headerRow->value() - 1;
    QString text = StatementReading::decoded(m_bytes.left(256 * 1024));
    for (int skipped = 0; skipped < header && !text.isEmpty(); ++skipped)
        text = text.section(u'\n', 1);
    const Result<QList<QStringList>> rows = CsvStatement::rows(text, delimiter, kPreviewRows + 1);
    const QList<QStringList> lines = rows.ok() ? *rows : QList<QStringList>();
    const QStringList names = lines.value(0);
    m_preview->clear();
    m_preview->setColumnCount(int(names.size()));
    m_preview->setRowCount(int(std::max<qsizetype>(0, lines.size() - 1)));
    m_preview->setHorizontalHeaderLabels(names);
    for (qsizetype r = 1; r < lines.size(); ++r) {
        for (qsizetype c = 0; c < lines[r].size() && c < names.size(); ++c)
            m_preview->setItem(int(r - 1), int(c), new QTableWidgetItem(lines[r][c]));
    }
    m_preview->resizeColumnsToContents(); // a bank's column names are read whole
    for (QComboBox* role : m_roles) {
        role->clear();
        role->addItem(tr("(none)"), -1);
        for (qsizetype c = 0; c < names.size(); ++c)
            role->addItem(names[c].trimmed(), int(c));
    }
    guessRoles(names);
}

void CsvMappingDialog::guessRoles(const QStringList& header)
{
    QList<bool> taken(header.size(), false);
    for (qsizetype r = 0; r < m_roles.size(); ++r) {
        for (qsizetype c = 0; c < header.size(); ++c) {
            const QString name = header[c].toLower();
            const QStringList& words = roles()[r].words;
            const bool fits = std::any_of(words.begin(), words.end(),
                                          [&name](const QString& w) { return name.contains(w); });
            if (fits && !taken[c]) {
                taken[c] = true;
                m_roles[r]->setCurrentIndex(int(c + 1));
                break;
            }
        }
    }
}

CsvMapping CsvMappingDialog::mapping() const
{
    CsvMapping m;
    m.delimiter = m_delimiter->currentData().toString().at(0);
    m.headerRow = m_headerRow->value() - 1;
    m.dateFormat = m_dateFormat->currentText().trimmed();
    m.decimalComma = m_decimal->currentData().toBool();
    int* columns[] = {&m.date, &m.amount,    &m.credit,       &m.debit,
                      &m.text, &m.reference, &m.counterparty, &m.currency};
    for (qsizetype i = 0; i < m_roles.size(); ++i)
        *columns[i] = m_roles[i]->currentData().toInt();
    if (m.amount >= 0)
        m.credit = m.debit = -1;
    m.defaultCurrency = m_currency->text().trimmed().toUpper();
    return m;
}

void CsvMappingDialog::onOk()
{
    const CsvMapping m = mapping();
    if (!m.usable()) {
        m_prompter.inform(tr("Choose the column of the booking date, and the signed amount's "
                             "or the columns of money in and out."));
        return;
    }
    const Result<Statement> read = CsvStatement::read(m_bytes, m);
    if (!read) {
        m_prompter.inform(tr("With these columns the file cannot be read: %1").arg(read.error()),
                          {}, Prompter::Icon::Warning);
        return;
    }
    accept();
}
