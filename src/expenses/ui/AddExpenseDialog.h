#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class Session;

// frmAddExpense: a new expense of the current identity, with its mileage. Leaving the rate with
// a mileage and a rate of two characters or more each works out the value; "Add" always does
// when both are given. Bad input is answered with one message listing every problem, and the
// window stays open with everything typed; after a save it emits added() and closes.
class AddExpenseDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kNoDate = QT_TR_NOOP("You must enter a Date");
    static constexpr const char* kBadDate = QT_TR_NOOP("Your Date is incorrect!");
    static constexpr const char* kNoValue = QT_TR_NOOP("You must enter a Value");
    static constexpr const char* kBadValue = QT_TR_NOOP("Your Value is incorrect!");
    static constexpr const char* kBadMileage = QT_TR_NOOP("Your Mileage is incorrect!");
    static constexpr const char* kBadRate = QT_TR_NOOP("Your Mileage Rate is incorrect!");
    static constexpr const char* kBadVat = QT_TR_NOOP("Your VAT is incorrect!");

    explicit AddExpenseDialog(Session& session, QWidget* parent = nullptr);

signals:
    void added();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onAdd();
    // mileage x rate into the value box; false when either cannot be read.
    bool workOutValue();

    Session& m_session;
    QLineEdit* m_date;
    QLineEdit* m_clientRef;
    QLineEdit* m_description;
    QLineEdit* m_mileage;
    QLineEdit* m_rate;
    QLineEdit* m_value;
    QLineEdit* m_vat;
};
