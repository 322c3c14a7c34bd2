#pragma once

#include "banking/CsvStatement.h"

#include <QByteArray>
#include <QDialog>

class Prompter;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QTableWidget;

// frmCsvMapping: the columns of a bank's CSV statement, set once. The file's first lines are
// shown as the columns the chosen delimiter and header line make; a combo box per role names
// the column. OK reads the whole file with the mapping and keeps the window open, saying why,
// when it cannot.
class CsvMappingDialog : public QDialog {
    Q_OBJECT
public:
    // `currency`: the currency of entries when no column gives one.
    CsvMappingDialog(QByteArray bytes, const QString& currency, Prompter& prompter,
                     QWidget* parent = nullptr);

    CsvMapping mapping() const;

private:
    void buildRoles();
    // The header line and the rows after it again, after the delimiter or the header moved.
    void refresh();
    // Columns whose names say what they hold, chosen for roles still unset.
    void guessRoles(const QStringList& header);
    void onOk();

    QByteArray m_bytes;
    Prompter& m_prompter;
    QComboBox* m_delimiter;
    QSpinBox* m_headerRow;
    QTableWidget* m_preview;
    QComboBox* m_dateFormat;
    QComboBox* m_decimal;
    QLineEdit* m_currency;
    QList<QComboBox*>
        m_roles; // date, amount, credit, debit, text, reference, counterparty, currency
};
