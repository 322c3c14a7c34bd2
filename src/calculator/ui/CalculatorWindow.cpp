#include "calculator/ui/CalculatorWindow.h"

#include "core/ui/NamedWidgets.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

const QColor kMemoryInUse(255, 192, 192); // light red while the memory holds a value

} // namespace

CalculatorWindow::CalculatorWindow(QChar point, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_calculator(point)
{
    setObjectName(QStringLiteral("frmCalculator"));
    setWindowTitle(tr("Calculator"));

    m_screen = new QLineEdit(this);
    m_screen->setObjectName(QStringLiteral("txtScreen"));
    m_screen->setAccessibleName(tr("Display"));
    m_screen->setAlignment(Qt::AlignRight);
    // Only the keys below change the display: no pasting, dropping or composing into it.
    m_screen->setContextMenuPolicy(Qt::NoContextMenu);
    m_screen->setDragEnabled(false);
    m_screen->setAcceptDrops(false);
    m_screen->setAttribute(Qt::WA_InputMethodEnabled, false);
    QFont big = m_screen->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    m_screen->setFont(big);
    m_screen->installEventFilter(this);

    using K = Calculator::Key;
    struct Def {
        const char* name;
        QString caption;
        K key;
        int row, column;
    };
    const Def defs[] = {
        {"CmdCancel", tr("CE"), K::Cancel, 1, 0},
        {"cmdClearMemory", tr("CM"), K::ClearMemory, 1, 1},
        {"CmdMemoryRecal", tr("RM"), K::MemoryRecall, 1, 2},
        {"CmdMemoryPlus", tr("M+"), K::MemoryPlus, 1, 3},
        {"CmdChangeSign", QStringLiteral("-/+"), K::ChangeSign, 1, 4},
        {"CmdSeven", QStringLiteral("7"), K::Digit7, 2, 0},
        {"CmdEight", QStringLiteral("8"), K::Digit8, 2, 1},
        {"CmdNine", QStringLiteral("9"), K::Digit9, 2, 2},
        {"CmdDivide", QStringLiteral("\u00F7"), K::Divide, 2, 3},
        {"cmdSqRoot", QStringLiteral("\u221A"), K::SquareRoot, 2, 4},
        {"CmdFour", QStringLiteral("4"), K::Digit4, 3, 0},
        {"CmdFive", QStringLiteral("5"), K::Digit5, 3, 1},
        {"CmdSix", QStringLiteral("6"), K::Digit6, 3, 2},
        {"CmdTimes", QStringLiteral("\u00D7"), K::Times, 3, 3},
        {"cmdPercent", QStringLiteral("%"), K::Percent, 3, 4},
        {"cmdOne", QStringLiteral("1"), K::Digit1, 4, 0},
        {"CmdTwo", QStringLiteral("2"), K::Digit2, 4, 1},
        {"CmdThree", QStringLiteral("3"), K::Digit3, 4, 2},
        {"CmdMinus", QStringLiteral("-"), K::Minus, 4, 3},
        {"cmdZero", QStringLiteral("0"), K::Digit0, 5, 0},
        {"CmdPoint", QString(point), K::Point, 5, 1},
        {"cmdEquals", QStringLiteral("="), K::Equals, 5, 2},
        {"cmdPlus", QStringLiteral("+"), K::Plus, 4, 4},
    };
    auto* grid = new QGridLayout(this);
    grid->addWidget(m_screen, 0, 0, 1, 5);
    for (const Def& d : defs) {
        QPushButton* b = namedButton(QLatin1String(d.name), d.caption, this);
        b->setFocusPolicy(Qt::NoFocus); // the display keeps the keyboard
        b->setMinimumSize(44, 36);
        const K key = d.key;
        connect(b, &QPushButton::clicked, this, [this, key] { press(key); });
        if (key == K::Plus) { // the tall plus key of a desk calculator
            b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
            grid->addWidget(b, d.row, d.column, 2, 1);
        } else {
            grid->addWidget(b, d.row, d.column);
        }
        if (key == K::MemoryPlus)
            m_memoryPlus = b;
    }
    m_memoryPlus->setAutoFillBackground(true);
    refresh();
    m_screen->setFocus();
}

void CalculatorWindow::press(Calculator::Key key)
{
    m_calculator.press(key);
    refresh();
}

// Shows the display and the memory's colour, and gives the display the focus with the caret
// after its last character and nothing selected.
void CalculatorWindow::refresh()
{
    m_screen->setText(m_calculator.display());
    m_screen->deselect();
    m_screen->end(false);
    m_screen->setFocus();
    QPalette palette = m_memoryPlus->palette();
    palette.setColor(QPalette::Button, m_calculator.memoryInUse()
                                           ? kMemoryInUse
                                           : this->palette().color(QPalette::Button));
    m_memoryPlus->setPalette(palette);
}

// Typed keys are pressed as the calculator's keys; the characters themselves never reach the
// display.
bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_screen || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    using K = Calculator::Key;
    const QString text = key->text();
    std::optional<K> pressed;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || text == u"=")
        pressed = K::Equals;
    else if (key->key() == Qt::Key_Backspace)
        pressed = K::Backspace;
    else if (text.size() == 1 && text[0] >= u'0' && text[0] <= u'9')
        pressed = Calculator::digit(text[0].unicode() - u'0');
    else if (text == u"." || text == QString(m_calculator.point()))
        pressed = K::Point;
    else if (text == u"+")
        pressed = K::Plus;
    else if (text == u"-")
        pressed = K::Minus;
    else if (text == u"*")
        pressed = K::Times;
    else if (text == u"/")
        pressed = K::Divide;
    if (pressed)
        press(*pressed);
    else
        refresh();
    return true;
}
