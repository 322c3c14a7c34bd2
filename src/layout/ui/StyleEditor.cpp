#include "layout/ui/StyleEditor.h"

#include "core/Prompter.h"
#include "core/ui/KeyRuleGlue.h"
#include "core/ui/Mnemonics.h"
#include "core/ui/NamedWidgets.h"
#include "core/ui/Session.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

QLabel* namedLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAccessibleName(text);
    return label;
}

template <typename T> T* named(T* widget, const char* name, const QString& label)
{
    widget->setObjectName(QLatin1String(name));
    widget->setAccessibleName(label);
    return widget;
}

} // namespace

StyleEditor::StyleEditor(Session& session, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("frmEdit"));
    setWindowTitle(tr("Edit"));

    auto* layout = new QVBoxLayout(this);
    auto* captionRow = new QHBoxLayout;
    captionRow->addWidget(namedLabel("lblCaption", tr("Caption"), this));
    m_caption = named(new QLineEdit(this), "txtCaption", tr("Caption"));
    captionRow->addWidget(m_caption, 1);
    layout->addLayout(captionRow);
    m_captionLines = named(new QPlainTextEdit(this), "txtCaptionMultiLine", tr("Caption"));
    m_captionLines->hide();
    layout->addWidget(m_captionLines);
    layout->addLayout(buildFontRows());
    layout->addWidget(buildStyleFrame());
    layout->addWidget(buildColourFrame());
    layout->addWidget(buildBoxFrame());

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton* ok = namedButton(QStringLiteral("cmdOK"), tr("OK"), this);
    QPushButton* cancel = namedButton(QStringLiteral("cmdCancel"), tr("Cancel"), this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    showColour();
    Mnemonics::give(this);
}

// The face and size, each a click away from the font dialog.
QGridLayout* StyleEditor::buildFontRows()
{
    auto* grid = new QGridLayout;
    grid->addWidget(namedLabel("lblFont", tr("Font"), this), 0, 0);
    m_fontName = namedLabel("lblFontName", QString(), this);
    m_fontName->setCursor(Qt::PointingHandCursor);
    m_fontName->installEventFilter(this);
    grid->addWidget(m_fontName, 0, 1);
    grid->addWidget(namedLabel("lblFontSize", tr("Font Size"), this), 1, 0);
    m_fontSize = namedLabel("lblSelectedFontSize", QString(), this);
    m_fontSize->setCursor(Qt::PointingHandCursor);
    m_fontSize->installEventFilter(this);
    grid->addWidget(m_fontSize, 1, 1);
    QPushButton* fonts = namedButton(QStringLiteral("cmdFonts"), tr("Choose Font"), this);
    connect(fonts, &QPushButton::clicked, this, &StyleEditor::chooseFont);
    grid->addWidget(fonts, 0, 2, 2, 1);
    return grid;
}

QGroupBox* StyleEditor::buildStyleFrame()
{
    auto* frame = named(new QGroupBox(tr("Font Style"), this), "fraFontStyle", tr("Font Style"));
    auto* row = new QHBoxLayout(frame);
    m_italic = named(new QCheckBox(tr("Italic"), frame), "chkItalic", tr("Italic"));
    m_bold = named(new QCheckBox(tr("Bold"), frame), "chkBold", tr("Bold"));
    m_normal = named(new QCheckBox(tr("Normal"), frame), "chkNormal", tr("Normal"));
    for (QCheckBox* box : {m_italic, m_bold, m_normal})
        row->addWidget(box);
    // Normal shows that neither bold nor italic is set; ticking it clears them.
    connect(m_bold, &QCheckBox::toggled, this,
            [this] { m_normal->setChecked(!m_bold->isChecked() && !m_italic->isChecked()); });
    connect(m_italic, &QCheckBox::toggled, this,
            [this] { m_normal->setChecked(!m_bold->isChecked() && !m_italic->isChecked()); });
    connect(m_normal, &QCheckBox::clicked, this, [this](bool ticked) {
        if (ticked)
            setStyleBoxes(false, false);
        else
            m_normal->setChecked(!m_bold->isChecked() && !m_italic->isChecked());
    });
    return frame;
}

// Red, green and blue, each a slider and a box that follow each other, and the swatch.
QGroupBox* StyleEditor::buildColourFrame()
{
    auto* frame =
        named(new QGroupBox(tr("Set Font Colour"), this), "fraFontColours", tr("Set Font Colour"));
    auto* grid = new QGridLayout(frame);
    const char* sliderNames[3] = {"ScrollR", "ScrollG", "ScrollB"};
    const char* boxNames[3] = {"txtRed", "txtGreen", "txtBlue"};
    const char* labelNames[3] = {"lblRed", "lblGreen", "lblBlue"};
    const QString captions[3] = {tr("Red"), tr("Green"), tr("Blue")};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(namedLabel(labelNames[i], captions[i], frame), i, 0);
        m_sliders[i] = named(new QScrollBar(Qt::Horizontal, frame), sliderNames[i], captions[i]);
        m_sliders[i]->setRange(0, 255);
        m_sliders[i]->setMinimumWidth(200);
        grid->addWidget(m_sliders[i], i, 1);
        m_boxes[i] = named(new QLineEdit(QStringLiteral("0"), frame), boxNames[i], captions[i]);
        m_boxes[i]->setMaximumWidth(60);
        KeyRuleGlue::attachDigitsOnly(m_boxes[i]);
        KeyRuleGlue::attachColourClamp(m_boxes[i], m_sliders[i]);
        m_boxes[i]->installEventFilter(this); // an empty box becomes "0" when left
        grid->addWidget(m_boxes[i], i, 2);
        QLineEdit* box = m_boxes[i];
        connect(m_sliders[i], &QScrollBar::valueChanged, this, [this, box](int value) {
            // Leading zeros typed in the box stay: only another number replaces its text.
            if (box->text().isEmpty() || box->text().toInt() != value)
                box->setText(QString::number(value));
            showColour();
        });
    }
    m_swatch = namedLabel("lblColour", QString(), frame);
    m_swatch->setAccessibleName(tr("Colour"));
    m_swatch->setFrameShape(QFrame::Box);
    m_swatch->setAutoFillBackground(true);
    m_swatch->setMinimumSize(48, 48);
    grid->addWidget(m_swatch, 0, 3, 3, 1);
    return frame;
}

QGroupBox* StyleEditor::buildBoxFrame()
{
    const QString caption = tr("Border Style (viewable in preview mode not layout mode)");
    auto* frame = named(new QGroupBox(caption, this), "fraBorderStyle", caption);
    auto* row = new QHBoxLayout(frame);
    m_noBox = named(new QRadioButton(tr("No Box"), frame), "optNoBox", tr("No Box"));
    m_box = named(new QRadioButton(tr("Box"), frame), "optBox", tr("Box"));
    row->addWidget(m_noBox);
    row->addWidget(m_box);
    return frame;
}

void StyleEditor::fill(const QString& name, const Style& style, bool multiLine)
{
    m_name = name;
    m_multiLine = multiLine;
    setWindowTitle(tr("Edit ") + name);
    m_captionLines->setVisible(multiLine);
    if (multiLine)
        m_captionLines->setPlainText(
            QString(style.caption).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    else
        m_caption->setText(style.caption);
    setFontFace(style.font.family());
    setFontSize(style.font.pointSizeF());
    setStyleBoxes(style.font.bold(), style.font.italic());
    setColourSliders(style.colour);
    for (int i = 0; i < 3; ++i)
        m_boxes[i]->setText(QString::number(m_sliders[i]->value()));
    (style.boxed ? m_box : m_noBox)->setChecked(true);
    showColour();
}

StyleEditor::Style StyleEditor::style() const
{
    Style s;
    s.caption = m_multiLine ? m_captionLines->toPlainText().replace(u'\n', QStringLiteral("\r\n"))
                            : m_caption->text();
    s.font = QFont(m_fontName->text());
    s.font.setPointSizeF(m_points);
    s.font.setBold(m_bold->isChecked());
    s.font.setItalic(m_italic->isChecked());
    s.colour = colour();
    s.boxed = m_box->isChecked();
    return s;
}

void StyleEditor::setColourSliders(int colour)
{
    // C++ division and remainder keep the dividend's sign, so a negative (system) colour gives
    // components below 1, which count as 0.
    const int parts[3] = {colour % 256, (colour / 256) % 256, (colour / 65536) % 256};
    for (int i = 0; i < 3; ++i)
        m_sliders[i]->setValue(parts[i] < 1 ? 0 : parts[i]);
}

int StyleEditor::colour() const
{
    return m_sliders[0]->value() + 256 * m_sliders[1]->value() + 65536 * m_sliders[2]->value();
}

void StyleEditor::chooseFont()
{
    QFont initial(m_fontName->text());
    initial.setPointSizeF(m_points);
    initial.setBold(m_bold->isChecked());
    initial.setItalic(m_italic->isChecked());
    const std::optional<QFont> chosen = m_session.prompter().font(initial, tr("Font"));
    if (!chosen)
        return;
    if (!chosen->family().isEmpty())
        setFontFace(chosen->family());
    if (chosen->pointSizeF() > 0)
        setFontSize(chosen->pointSizeF());
    setStyleBoxes(chosen->bold(), chosen->italic());
}

void StyleEditor::setFontFace(const QString& family)
{
    m_fontName->setText(family);
    m_fontName->setAccessibleName(family);
    for (QWidget* box : {static_cast<QWidget*>(m_caption), static_cast<QWidget*>(m_captionLines)}) {
        QFont f = box->font();
        f.setFamily(family);
        box->setFont(f);
    }
}

void StyleEditor::setFontSize(double points)
{
    m_points = points > 0 ? points : 10;
    m_fontSize->setText(QString::number(m_points));
    m_fontSize->setAccessibleName(m_fontSize->text());
    for (QWidget* box : {static_cast<QWidget*>(m_caption), static_cast<QWidget*>(m_captionLines)}) {
        QFont f = box->font();
        f.setPointSizeF(m_points);
        box->setFont(f);
    }
}

void StyleEditor::setStyleBoxes(bool bold, bool italic)
{
    m_bold->setChecked(bold);
    m_italic->setChecked(italic);
    m_normal->setChecked(!bold && !italic);
    for (QWidget* box : {static_cast<QWidget*>(m_caption), static_cast<QWidget*>(m_captionLines)}) {
        QFont f = box->font();
        f.setBold(bold);
        f.setItalic(italic);
        box->setFont(f);
    }
}

void StyleEditor::showColour()
{
    const QColor c(m_sliders[0]->value(), m_sliders[1]->value(), m_sliders[2]->value());
    QPalette p = m_swatch->palette();
    p.setColor(QPalette::Window, c);
    m_swatch->setPalette(p);
    for (QWidget* box : {static_cast<QWidget*>(m_caption), static_cast<QWidget*>(m_captionLines)}) {
        QPalette bp = box->palette();
        bp.setColor(QPalette::Text, c);
        box->setPalette(bp);
    }
}

bool StyleEditor::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == m_fontName || watched == m_fontSize) &&
        event->type() == QEvent::MouseButtonRelease) {
        chooseFont();
        return true;
    }
    if (event->type() == QEvent::FocusOut) {
        for (QLineEdit* box : m_boxes) {
            if (watched == box && box->text().isEmpty())
                box->setText(QStringLiteral("0"));
        }
    }
    return QDialog::eventFilter(watched, event);
}
