#pragma once

#include "calculator/Calculator.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

// frmCalculator: the desk calculator, a free window of its own (no owner) that keeps nothing
// once closed. The keys and the keyboard drive one Calculator; the display always keeps the
// focus, with the caret after its last character.
class CalculatorWindow : public QWidget {
    Q_OBJECT
public:
    // `point` is the locale's decimal separator.
    explicit CalculatorWindow(QChar point, QWidget* parent = nullptr);

    const Calculator& calculator() const { return m_calculator; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void press(Calculator::Key key);
    void refresh();

    Calculator m_calculator;
    QLineEdit* m_screen = nullptr;
    QPushButton* m_memoryPlus = nullptr;
};
