#include "layout/ui/LayoutDesigner.h"

#include "core/Clock.h"
#include "core/Prompter.h"
#include "core/ui/KeyRuleGlue.h"
#include "core/ui/Mnemonics.h"
#include "core/ui/NamedWidgets.h"
#include "core/ui/Session.h"
#include "layout/IdentityLayoutFile.h"
#include "layout/LayoutFiles.h"
#include "layout/ui/LayoutPreview.h"
#include "layout/ui/StyleEditor.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <limits>

using DesignerRules::Kind;
using DesignerRules::Mark;
using DesignerRules::Section;

namespace {

enum class Type { Picture, Line, Label };

// Where each element starts, and how the designer treats it. Positions are twips within the
// element's section; a fixed size is kept whatever the caption (0 x 0: sized to the caption).
struct ElementDef {
    const char* name;
    Section section;
    Kind kind;
    Type type;
    QRect start;
    bool fixedSize;
    Qt::Alignment alignment;
    const char* caption; // the caption before a layout is loaded
};

// clang-format off
const ElementDef kDefs[] = {
    {"picLogo",           Section::Header, Kind::Plain,        Type::Picture, {360, 600, 2535, 855},   true,  Qt::AlignLeft,    ""},
    {"PicLine",           Section::Header, Kind::DividerLine,  Type::Line,    {DesignerRules::kLineLeft, 2880, 11055, 105}, true, Qt::AlignLeft, ""},
    {"lblAddress",        Section::Header, Kind::Plain,        Type::Label,   {6360, 480, 3180, 1575}, false, Qt::AlignLeft,    "lblAddress"},
    {"lblTextLogo",       Section::Header, Kind::Plain,        Type::Label,   {480, 2040, 0, 0},       false, Qt::AlignLeft,    "txtlogo"},
    {"lblInvoice",        Section::Header, Kind::InvoiceTitle, Type::Label,   {6960, 3120, 1860, 555}, false, Qt::AlignLeft,    "Invoice"},
    {"lblClientAddress",  Section::Body,   Kind::Plain,        Type::Label,   {360, 240, 3840, 1417},  true,  Qt::AlignLeft,    "Client Address"},
    {"lblDate",           Section::Body,   Kind::Figure,       Type::Label,   {360, 1800, 0, 0},       false, Qt::AlignLeft,    "lblDate"},
    {"lblDescription",    Section::Body,   Kind::Plain,        Type::Label,   {360, 2160, 1260, 270},  false, Qt::AlignLeft,    "Description"},
    {"lblInvoiceContent", Section::Body,   Kind::Plain,        Type::Label,   {360, 2520, 8292, 1095}, true,  Qt::AlignLeft,    "Invoice Content"},
    {"lblSubTotal",       Section::Body,   Kind::Figure,       Type::Label,   {6240, 3840, 1035, 270}, false, Qt::AlignRight,   "Sub Total"},
    {"lblVAT",            Section::Body,   Kind::Figure,       Type::Label,   {6840, 4140, 450, 270},  false, Qt::AlignRight,   "VAT"},
    {"lblTotal",          Section::Body,   Kind::Figure,       Type::Label,   {6720, 4440, 570, 270},  false, Qt::AlignRight,   "Total"},
    {"lblFooter",         Section::Footer, Kind::Plain,        Type::Label,   {1560, 240, 7515, 1095}, true,  Qt::AlignHCenter, "lblFooter"},
};
// clang-format on

// The record's fields of one text element; null where the record keeps no such field.
struct Binding {
    const char* name;
    QString LayoutRecord::*font;
    QString LayoutRecord::*colour;
    double LayoutRecord::*size;
    bool LayoutRecord::*bold;
    bool LayoutRecord::*italic;
    qint16 LayoutRecord::*border;
    qint16 LayoutRecord::*left;
    qint16 LayoutRecord::*top;
    qint16 LayoutRecord::*width;
    qint16 LayoutRecord::*height;
    QString LayoutRecord::*caption;
    bool loadWidth; // the client address and content keep the designer's width on loading
};

#define BILLCRAFT_FONT(p)                                                                          \
    &LayoutRecord::p##Font, &LayoutRecord::p##Colour, &LayoutRecord::p##FontSize,                  \
        &LayoutRecord::p##FontBold, &LayoutRecord::p##FontItalic, &LayoutRecord::p##BorderStyle
#define F(field) &LayoutRecord::field

// clang-format off
const Binding kBindings[] = {
    {"lblTextLogo",       BILLCRAFT_FONT(lblTextLogo),       F(lblTextLogoLeft),       F(lblTextLogoTop),       F(lblTextLogoWidth),       nullptr,                 F(lblTextLogoCaption),    true},
    {"lblAddress",        BILLCRAFT_FONT(lblAddress),        F(lblAddressLeft),        F(lblAddressTop),        F(lblAddressWidth),        F(lblAddressHeight),     F(lblAddressCaption),     true},
    {"lblInvoice",        BILLCRAFT_FONT(lblInvoice),        F(lblInvoiceLeft),        F(lblInvoiceTop),        F(lblInvoiceWidth),        F(lblInvoiceHeight),     F(lblInvoiceCaption),     true},
    {"lblClientAddress",  BILLCRAFT_FONT(lblclientAddress),  F(lblclientAddressLeft),  F(lblclientAddressTop),  F(lblclientAddressWidth),  nullptr,                 nullptr,                  false},
    {"lblInvoiceContent", BILLCRAFT_FONT(lblInvoiceContent), F(lblInvoiceContentLeft), F(lblInvoiceContentTop), F(lblInvoiceContentWidth), nullptr,                 nullptr,                  false},
    {"lblSubTotal",       BILLCRAFT_FONT(lblSubTotal),       F(lblSubTotalLeft),       nullptr,                 F(lblSubTotalWidth),       F(lblSubTotalHeight),    F(lblSubTotalCaption),    true},
    {"lblVAT",            BILLCRAFT_FONT(lblVAT),            F(lblVATLeft),            nullptr,                 F(lblVATWidth),            F(lblVATHeight),         F(lblVATCaption),         true},
    {"lblTotal",          BILLCRAFT_FONT(lblTotal),          F(lblTotalLeft),          nullptr,                 F(lblTotalWidth),          F(lblTotalHeight),       F(lblTotalCaption),       true},
    {"lblDescription",    BILLCRAFT_FONT(lblDescription),    F(lblDescriptionLeft),    F(lblDescriptionTop),    F(lblDescriptionWidth),    F(lblDescriptionHeight), F(lblDescriptionCaption), true},
    {"lblFooter",         BILLCRAFT_FONT(lblFooter),         F(lblFooterLeft),         F(lblFooterTop),         nullptr,                   nullptr,                 F(lblFooterCaption),      true},
    {"lblDate",           BILLCRAFT_FONT(lblDate),           F(lblDateLeft),           F(lblDateTop),           nullptr,                   nullptr,                 nullptr,                  true},
};
// clang-format on

#undef F
#undef BILLCRAFT_FONT

// The text elements the preview report also has, which its width rule moves.
const char* const kPreviewed[] = {
    "lblTextLogo", "lblInvoice", "lblClientAddress", "lblInvoiceContent", "lblSubTotal",
    "lblVAT",      "lblTotal",   "lblDescription",   "lblDate",           "lblFooter"};

const QString kDateNotice = QStringLiteral("This date box automatically puts the date in\n"
                                           "No text changes will be saved\n"
                                           "Although Colours and Fonts will be");

// A logo larger than this on either side is stored scaled down: it prints a few centimetres
// wide, and a camera's full picture would only make every preview and print slow.
constexpr int kMaxLogoSide = 4000;
constexpr int kScaledLogoSide = 2400;

qint16 toInt16(double v)
{
    if (!std::isfinite(v))
        return 0;
    return qint16(std::clamp(std::lround(v), long(std::numeric_limits<qint16>::min()),
                             long(std::numeric_limits<qint16>::max())));
}

int colourValue(const QString& text)
{
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    if (!ok || v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        return 0;
    return int(v);
}

QColor screenColour(const QString& text, const QPalette& palette)
{
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    if (!ok || v < 0 || v > 0xFFFFFF) // a system colour: the window text of this desktop
        return palette.color(QPalette::WindowText);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

QColor fromValue(int v)
{
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

// Texts are measured as on a 96-DPI screen, 15 twips a pixel, as the layout files' widths are.
struct Measure {
    QImage device{1, 1, QImage::Format_Mono};
    Measure()
    {
        const int dotsPerMeter = qRound(96 / 0.0254);
        device.setDotsPerMeterX(dotsPerMeter);
        device.setDotsPerMeterY(dotsPerMeter);
    }
};

QString displayText(const QString& caption)
{
    return QString(caption).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The picture, read at most at kScaledLogoSide when it is larger than kMaxLogoSide, so that a
// huge photo never holds the window up. A null image when it is no picture Qt can read.
QImage readLogo(const QString& path, bool* huge = nullptr)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    const bool tooBig = size.width() > kMaxLogoSide || size.height() > kMaxLogoSide;
    if (tooBig)
        reader.setScaledSize(size.scaled(kScaledLogoSide, kScaledLogoSide, Qt::KeepAspectRatio));
    if (huge)
        *huge = tooBig;
    return reader.read();
}

// The picture as the designer shows it: no larger than `shown` (device pixels), keeping its
// proportions. A logo may be a photo of thousands of pixels a side; read whole, it would cost
// more than the rest of the window together, and be shrunk again on every paint. JPEG pictures
// are decoded at the smaller size directly.
QImage readLogoShownIn(const QString& path, QSize shown)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QSize size = reader.size();
    // The reader's size is before the picture's own rotation is applied.
    if (reader.transformation() & QImageIOHandler::TransformationRotate90)
        size.transpose();
    if (size.isValid() && shown.isValid() &&
        (size.width() > shown.width() || size.height() > shown.height())) {
        QSize scaled = size.scaled(shown, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
        if (reader.transformation() & QImageIOHandler::TransformationRotate90)
            scaled.transpose();
        reader.setScaledSize(scaled);
    }
    return reader.read();
}

} // namespace

// --- Elements and sections ------------------------------------------------------------------

class LayoutDesigner::Element : public QWidget {
public:
    Element(LayoutDesigner& designer, const ElementDef& definition, QWidget* parent)
        : QWidget(parent)
        , m_designer(designer)
        , def(definition)
        , caption(QLatin1String(definition.caption))
    {
        setObjectName(QLatin1String(def.name));
        setAccessibleName(def.type == Type::Picture ? QStringLiteral("Logo")
                          : def.type == Type::Line  ? QStringLiteral("Divider Line")
                                                    : caption);
        setMouseTracking(true); // the grab offset follows the pointer
        setFocusPolicy(Qt::ClickFocus);
        font.setFamily(QStringLiteral("Verdana"));
        font.setPointSizeF(9.75);
        setTwips(def.start);
    }

    void setTwips(QRect r)
    {
        twips = r;
        setGeometry(toPixels(r.left()), toPixels(r.top()), std::max(toPixels(r.width()), 1),
                    std::max(toPixels(r.height()), 1));
        update();
    }

    bool isLabel() const { return def.type == Type::Label; }

    // The caption is what the element shows, so it is its accessible name too.
    void setCaption(const QString& text)
    {
        caption = text;
        setAccessibleName(displayText(text).simplified());
        update();
    }

    // The size the caption takes in its font: wrapped within the width when it wraps.
    QSize naturalSize() const
    {
        const Measure measure; // a 1 x 1 picture: cheap to make for each measurement
        const QFontMetricsF metrics(font, &measure.device);
        const QString text = displayText(caption);
        QRectF box;
        if (wraps)
            box = metrics.boundingRect(QRectF(0, 0, std::max(toPixels(twips.width()) - 2, 1), 1e6),
                                       Qt::TextWordWrap, text);
        else
            box = metrics.boundingRect(QRectF(0, 0, 1e6, 1e6), 0, text);
        const double lines = std::max(1.0, std::ceil(box.height() / metrics.lineSpacing()));
        const int w = wraps ? twips.width() : toTwips(std::ceil(box.width()) + 2);
        return {w, toTwips(std::ceil(lines * metrics.lineSpacing()) + 2)};
    }

    void autoSize()
    {
        if (isLabel() && !def.fixedSize)
            setTwips(QRect(twips.topLeft(), naturalSize()));
    }

    DesignerRules::Selectable selectable() const { return {twips, mark}; }

    LayoutDesigner& m_designer;
    const ElementDef& def;
    QRect twips;
    QString caption;
    QFont font;
    QString colour = LayoutFields::kWindowTextColour;
    bool boxed = true;
    Mark mark = Mark::None;
    bool wraps = false;
    QImage image; // the logo, read at the size it is shown

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QRect r = rect();
        QColor background = Qt::white;
        if (mark == Mark::Anchor)
            background = fromValue(DesignerRules::kAlignAnchorColour);
        else if (mark == Mark::Member)
            background = fromValue(DesignerRules::kAlignMemberColour);
        if (def.type == Type::Line) {
            p.fillRect(r, mark == Mark::None ? palette().color(QPalette::Window) : background);
            p.fillRect(QRect(0, r.height() / 2 - 1, r.width(), 2), Qt::black);
            return;
        }
        p.fillRect(r, background);
        if (def.type == Type::Picture) {
            if (!image.isNull()) {
                const QSize s =
                    image.deviceIndependentSize().toSize().scaled(r.size(), Qt::KeepAspectRatio);
                QRect target(QPoint(), s);
                target.moveCenter(r.center());
                p.drawImage(target, image);
            } else {
                p.setPen(Qt::gray);
                p.drawText(r, Qt::AlignCenter, QStringLiteral("Logo"));
            }
        } else {
            // Points at the designer's scale (96 dots an inch), whatever the screen's own.
            QFont scaled = font;
            scaled.setPointSizeF(font.pointSizeF() * 96 / std::max(logicalDpiY(), 1));
            p.setFont(scaled);
            p.setPen(screenColour(colour, palette()));
            const int flags =
                (def.alignment | Qt::AlignTop).toInt() | (wraps ? int(Qt::TextWordWrap) : 0);
            p.drawText(r.adjusted(1, 1, -1, -1), flags, displayText(caption));
        }
        // A sunken single-line border: dark above and left, lighter below and right.
        p.setPen(palette().color(QPalette::Mid));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        p.setPen(palette().color(QPalette::Shadow));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        if (hasFocus()) {
            p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DashLine));
            p.drawRect(r.adjusted(0, 0, -1, -1));
        }
    }
    void mousePressEvent(QMouseEvent* e) override { m_designer.elementPressed(this, e); }
    void mouseMoveEvent(QMouseEvent* e) override { m_designer.elementMoved(this, e); }
    void mouseReleaseEvent(QMouseEvent* e) override { m_designer.elementReleased(this, e); }
    void keyPressEvent(QKeyEvent* e) override
    {
        if (!m_designer.elementKey(this, e))
            QWidget::keyPressEvent(e);
    }
    void focusInEvent(QFocusEvent*) override { update(); }
    void focusOutEvent(QFocusEvent*) override { update(); }
};

class LayoutDesigner::SectionView : public QFrame {
public:
    SectionView(Section s, const char* name, const QString& caption, int heightTwips,
                QWidget* parent)
        : QFrame(parent)
        , section(s)
    {
        setObjectName(QLatin1String(name));
        setAccessibleName(caption); // its tab's caption
        setFixedSize(toPixels(DesignerRules::kSectionWidth), toPixels(heightTwips));
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, palette().color(QPalette::Base));
        setPalette(p);
    }

    Section section;
};

// --- The window -------------------------------------------------------------------------------

int LayoutDesigner::toPixels(double twips)
{
    return int(std::lround(twips * kPixelsPerTwip));
}

int LayoutDesigner::toTwips(double pixels)
{
    return int(std::lround(pixels / kPixelsPerTwip));
}

LayoutDesigner::LayoutDesigner(Session& session, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("frmLayout"));
    setWindowTitle(QStringLiteral("Invoice Layout"));
    buildWindow();
    load();
    Mnemonics::give(this);
}

LayoutDesigner::~LayoutDesigner() = default;

void LayoutDesigner::buildWindow()
{
    const auto check = [this](const char* name, const QString& caption) {
        auto* box = new QCheckBox(caption, this);
        box->setObjectName(QLatin1String(name));
        box->setAccessibleName(caption);
        return box;
    };
    const auto label = [this](const char* name, const QString& caption, QWidget* parent) {
        auto* l = new QLabel(caption, parent ? parent : this);
        l->setObjectName(QLatin1String(name));
        l->setAccessibleName(caption);
        return l;
    };

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("TabLayout"));
    m_tabs->setAccessibleName(QStringLiteral("TabLayout"));
    auto* headerPage = new QWidget(m_tabs);
    auto* headerLayout = new QVBoxLayout(headerPage);
    auto* switches = new QHBoxLayout;
    m_showLine = check("chkShowDividerLine", QStringLiteral("Show Divider Line"));
    m_thinAddress = check("chkThinAddress", QStringLiteral("Address As Line"));
    m_useLogo = check("chkUseLogo", QStringLiteral("Use Logo"));
    for (QCheckBox* box : {m_showLine, m_thinAddress, m_useLogo})
        switches->addWidget(box);
    switches->addStretch(1);
    headerLayout->addLayout(switches);
    m_sections[0] = new SectionView(Section::Header, "FraLayout", QStringLiteral("Header Layout"),
                                    DesignerRules::kHeaderHeight, headerPage);
    headerLayout->addWidget(m_sections[0]);
    headerLayout->addStretch(1);
    m_tabs->addTab(headerPage, QStringLiteral("Header Layout"));
    auto* bodyPage = new QWidget(m_tabs);
    auto* bodyLayout = new QVBoxLayout(bodyPage);
    m_sections[1] = new SectionView(Section::Body, "fraBody", QStringLiteral("Body Layout"),
                                    DesignerRules::kBodyHeight, bodyPage);
    bodyLayout->addWidget(m_sections[1]);
    bodyLayout->addStretch(1);
    m_tabs->addTab(bodyPage, QStringLiteral("Body Layout"));
    auto* footerPage = new QWidget(m_tabs);
    auto* footerLayout = new QVBoxLayout(footerPage);
    m_sections[2] = new SectionView(Section::Footer, "fraFooter", QStringLiteral("Footer Layout"),
                                    DesignerRules::kFooterHeight, footerPage);
    footerLayout->addWidget(m_sections[2]);
    footerLayout->addStretch(1);
    m_tabs->addTab(footerPage, QStringLiteral("Footer Layout"));

    for (const ElementDef& def : kDefs)
        m_elements.push_back(new Element(*this, def, section(def.section)));

    connect(m_showLine, &QCheckBox::toggled, this,
            [this](bool ticked) { element(QStringLiteral("PicLine"))->setVisible(ticked); });
    connect(m_useLogo, &QCheckBox::toggled, this, &LayoutDesigner::onUseLogo);
    connect(m_thinAddress, &QCheckBox::toggled, this, &LayoutDesigner::onThinAddress);

    auto* side = new QVBoxLayout;
    m_vatRegistered = check("chkVatRegistered", QStringLiteral("VAT Registered"));
    side->addWidget(m_vatRegistered);
    auto* rateRow = new QHBoxLayout;
    QLabel* rateLabel = label("lblVatRate", QStringLiteral("VAT Rate"), nullptr);
    m_vatRate = new QLineEdit(this);
    m_vatRate->setObjectName(QStringLiteral("txtVatRate"));
    m_vatRate->setAccessibleName(QStringLiteral("VAT Rate"));
    m_vatRate->setMaximumWidth(80);
    rateLabel->setBuddy(m_vatRate);
    KeyRuleGlue::attachMoneyKeys(m_vatRate);
    rateRow->addWidget(rateLabel);
    rateRow->addWidget(m_vatRate);
    side->addLayout(rateRow);
    const auto button = [&](const char* name, const QString& caption, auto slot) {
        QPushButton* b = namedButton(QLatin1String(name), caption, this);
        connect(b, &QPushButton::clicked, this, slot);
        side->addWidget(b);
    };
    button("cmdAlignLefts", QStringLiteral("Align Lefts"), &LayoutDesigner::alignLefts);
    button("cmdAlignRights", QStringLiteral("Align Rights"), &LayoutDesigner::alignRights);
    button("cmdPreview", QStringLiteral("Preview"), &LayoutDesigner::preview);
    button("cmdSave", QStringLiteral("Save"), &LayoutDesigner::save);

    auto* cords = new QGroupBox(QStringLiteral("Cords"), this);
    cords->setObjectName(QStringLiteral("fraCords"));
    cords->setAccessibleName(QStringLiteral("Cords"));
    auto* cordsGrid = new QGridLayout(cords);
    m_startTop = label("lblStartTop", QStringLiteral("0"), cords);
    m_startLeft = label("lblStartLeft", QStringLiteral("0"), cords);
    m_finishTop = label("lblFinishTop", QStringLiteral("0"), cords);
    m_finishLeft = label("lblFinishLeft", QStringLiteral("0"), cords);
    // The numbers have no caption of their own: their names say what they are.
    m_startTop->setAccessibleName(QStringLiteral("Grab Top"));
    m_startLeft->setAccessibleName(QStringLiteral("Grab Left"));
    m_finishTop->setAccessibleName(QStringLiteral("Drop Top"));
    m_finishLeft->setAccessibleName(QStringLiteral("Drop Left"));
    cordsGrid->addWidget(m_startTop, 0, 0);
    cordsGrid->addWidget(m_startLeft, 0, 1);
    cordsGrid->addWidget(m_finishTop, 1, 0);
    cordsGrid->addWidget(m_finishLeft, 1, 1);
    side->addWidget(cords);
    side->addWidget(label("lblEditTip2", QStringLiteral("Tip: Left Click to Drag"), nullptr));
    side->addWidget(
        label("lblEditinfo", QStringLiteral("Tip: Right Click to edit Label text"), nullptr));
    side->addWidget(
        label("Label1", QStringLiteral("Tip: Shift + Right Click to Use Auto Align"), nullptr));
    side->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(side);

    m_outline = new QRubberBand(QRubberBand::Rectangle, this);
    connect(new QShortcut(QKeySequence::Undo, this), &QShortcut::activated, this,
            &LayoutDesigner::undo);
}

LayoutDesigner::Element* LayoutDesigner::element(const QString& name) const
{
    for (Element* e : m_elements) {
        if (e->objectName() == name)
            return e;
    }
    return nullptr;
}

LayoutDesigner::SectionView* LayoutDesigner::section(Section s) const
{
    return m_sections[int(s)];
}

QRect LayoutDesigner::elementRect(const QString& name) const
{
    const Element* e = element(name);
    return e ? e->twips : QRect();
}

QString LayoutDesigner::elementCaption(const QString& name) const
{
    const Element* e = element(name);
    return e ? e->caption : QString();
}

QImage LayoutDesigner::logoPicture() const
{
    return element(QStringLiteral("picLogo"))->image;
}

QString LayoutDesigner::cords() const
{
    return QStringList{m_startTop->text(), m_startLeft->text(), m_finishTop->text(),
                       m_finishLeft->text()}
        .join(u',');
}

// --- Loading ----------------------------------------------------------------------------------

void LayoutDesigner::load()
{
    LayoutRecord initial = LayoutRecord::designerDefaults();
    initial.lblTextLogoCaption = QStringLiteral("txtlogo");
    initial.lblAddressCaption = QStringLiteral("lblAddress");
    initial.lblInvoiceCaption = QStringLiteral("Invoice");
    initial.lblFooterCaption = QStringLiteral("lblFooter");
    initial.PicLineShow = true;

    const QString path =
        m_session.dataFile(IdentityLayoutFile::fileName(m_session.currentIdentity()));
    LayoutRecord r = initial;
    bool fromFile = false;
    if (QFileInfo::exists(path)) {
        QString why;
        if (std::optional<LayoutRecord> read = IdentityLayoutFile::read(path, &why)) {
            r = *read;
            fromFile = true;
        } else {
            m_session.prompter().inform(
                (why.isEmpty() ? QStringLiteral("%1 cannot be read.").arg(path) : why) +
                    QStringLiteral("\nThe designer shows the initial arrangement; the file is "
                                   "left as it is until you save."),
                {}, Prompter::Icon::Warning);
        }
    }
    applyRecord(r);
    if (fromFile)
        loadLogo(r.PicLogoName.trimmed(), true);
    showDateSample();
    const Element* address = element(QStringLiteral("lblAddress"));
    m_savedAddress = {address->caption, address->twips.left(), address->twips.width(),
                      address->twips.height()};
}

void LayoutDesigner::applyRecord(const LayoutRecord& r)
{
    for (const Binding& b : kBindings) {
        Element* e = element(QLatin1String(b.name));
        const bool sizedByCaption =
            e->objectName() == u"lblAddress" || e->objectName() == u"lblInvoice";
        QFont font((r.*b.font).trimmed());
        font.setPointSizeF(r.*b.size > 0 ? r.*b.size : 10);
        font.setBold(r.*b.bold);
        font.setItalic(r.*b.italic);
        e->font = font;
        e->colour = (r.*b.colour).trimmed();
        if (b.caption)
            e->setCaption((r.*b.caption).trimmed());
        e->boxed = r.*b.border == 1;
        e->autoSize();
        QRect g = e->twips;
        // A size of 0 or less (a record that never had one) keeps the caption's size, so the
        // element can still be seen and grabbed.
        if (!sizedByCaption) {
            if (b.width && b.loadWidth && r.*b.width > 0)
                g.setWidth(r.*b.width);
            if (b.height && r.*b.height > 0)
                g.setHeight(r.*b.height);
        }
        g.moveLeft(r.*b.left);
        if (b.top)
            g.moveTop(r.*b.top);
        e->setTwips(g);
    }
    m_logoName = r.PicLogoName.trimmed();
    Element* logo = element(QStringLiteral("picLogo"));
    const QSize logoSize = r.PicLogoWidth > 0 && r.PicLogoHeight > 0
                               ? QSize(r.PicLogoWidth, r.PicLogoHeight)
                               : logo->def.start.size();
    logo->setTwips(QRect(QPoint(r.PicLogoLeft, r.PicLogoTop), logoSize));
    m_useLogo->setChecked(r.PicLogoShow);
    onUseLogo(r.PicLogoShow);
    Element* line = element(QStringLiteral("PicLine"));
    line->setTwips(QRect(QPoint(line->twips.left(), r.PicLineTop), line->twips.size()));
    m_showLine->setChecked(r.PicLineShow);
    line->setVisible(r.PicLineShow);
    m_vatRegistered->setChecked(r.VatReg);
    m_vatRate->setText(QString::number(r.VatRate));
}

void LayoutDesigner::showDateSample()
{
    // The longest month name (the first of them) makes the widest date.
    const QLocale& locale = m_session.locale().locale();
    int longest = 1;
    for (int m = 2; m <= 12; ++m) {
        if (locale.monthName(m).size() > locale.monthName(longest).size())
            longest = m;
    }
    Element* date = element(QStringLiteral("lblDate"));
    date->setCaption(m_session.locale().toLongDate(QDate(2007, longest, 12)));
    date->autoSize();
}

void LayoutDesigner::loadLogo(const QString& name, bool tell)
{
    Element* logo = element(QStringLiteral("picLogo"));
    logo->image = QImage();
    logo->update();
    if (name.isEmpty())
        return;
    const QString path = LayoutFiles::logoPath(m_session.dataFolder(), name);
    if (!QFileInfo(path).isFile()) {
        if (tell)
            m_session.prompter().inform(QStringLiteral("Cant find logo"));
        return;
    }
    const qreal ratio = logo->devicePixelRatioF();
    logo->image = readLogoShownIn(
        path,
        (QSizeF(toPixels(logo->twips.width()), toPixels(logo->twips.height())) * ratio).toSize());
    logo->image.setDevicePixelRatio(ratio);
    if (logo->image.isNull() && tell)
        m_session.prompter().inform(QStringLiteral("The logo %1 is not a picture that can be read.")
                                        .arg(QDir::toNativeSeparators(path)),
                                    {}, Prompter::Icon::Warning);
}

void LayoutDesigner::onUseLogo(bool ticked)
{
    element(QStringLiteral("picLogo"))->setVisible(ticked);
    element(QStringLiteral("lblTextLogo"))->setVisible(!ticked);
}

void LayoutDesigner::onThinAddress(bool ticked)
{
    Element* address = element(QStringLiteral("lblAddress"));
    DesignerRules::AddressShape shape =
        ticked ? DesignerRules::addressAsLine(m_savedAddress)
               : DesignerRules::addressFromLine(m_savedAddress, address->twips.left());
    address->setCaption(shape.caption);
    address->wraps = ticked;
    address->setTwips(QRect(shape.left, address->twips.top(), shape.width, shape.height));
    if (ticked)
        address->autoSize();
}

// --- The record -------------------------------------------------------------------------------

LayoutRecord LayoutDesigner::record() const
{
    LayoutRecord r;
    for (const Binding& b : kBindings) {
        const Element* e = element(QLatin1String(b.name));
        r.*b.font = e->font.family();
        r.*b.colour = e->colour;
        r.*b.size = e->font.pointSizeF();
        r.*b.bold = e->font.bold();
        r.*b.italic = e->font.italic();
        r.*b.border = e->boxed ? 1 : 0;
        r.*b.left = toInt16(e->twips.left());
        if (b.top)
            r.*b.top = toInt16(e->twips.top());
        if (b.width)
            r.*b.width = toInt16(e->twips.width());
        if (b.height)
            r.*b.height = toInt16(e->twips.height());
        if (b.caption)
            r.*b.caption = e->caption;
    }
    const QRect logo = elementRect(QStringLiteral("picLogo"));
    r.PicLogoLeft = toInt16(logo.left());
    r.PicLogoTop = toInt16(logo.top());
    r.PicLogoWidth = toInt16(logo.width());
    r.PicLogoHeight = toInt16(logo.height());
    r.PicLogoName = m_logoName;
    r.PicLogoShow = m_useLogo->isChecked();
    r.PicLineTop = toInt16(elementRect(QStringLiteral("PicLine")).top());
    r.PicLineShow = m_showLine->isChecked();
    bool numeric = false;
    const double rate = m_vatRate->text().trimmed().toDouble(&numeric);
    r.VatRate = numeric && std::isfinite(rate) ? rate : 0;
    r.VatReg = m_vatRegistered->isChecked();
    r.Identity = toInt16(m_session.currentIdentity());
    return r;
}

bool LayoutDesigner::save()
{
    clearAlignSelection();
    m_anchor.reset();
    const LayoutRecord r = record();
    if (!LayoutFields::kVatRateRange.contains(r.VatRate)) {
        m_session.prompter().inform(
            QStringLiteral("The VAT Rate must be a percentage from %1 to %2.")
                .arg(LayoutFields::kVatRateRange.min)
                .arg(LayoutFields::kVatRateRange.max));
        m_vatRate->setFocus();
        return false;
    }
    QString why;
    const QString path =
        m_session.dataFile(IdentityLayoutFile::fileName(m_session.currentIdentity()));
    if (!IdentityLayoutFile::write(path, r, &why)) {
        m_session.prompter().inform(why, {}, Prompter::Icon::Warning);
        return false;
    }
    // The invoice entry works with the rate and the tax's name the identity now has.
    PageSettings settings = m_session.pageSettings();
    settings.vatRate = r.VatRate;
    if (!r.lblVATCaption.isEmpty())
        settings.taxCaption = r.lblVATCaption;
    m_session.setPageSettings(settings);
    return true;
}

void LayoutDesigner::reject()
{
    const Prompter::Answer answer = m_session.prompter().ask({QStringLiteral("Save Changes?"),
                                                              {},
                                                              Prompter::Buttons::YesNoCancel,
                                                              Prompter::Icon::Question,
                                                              Prompter::Answer::Yes});
    if (answer == Prompter::Answer::Cancel)
        return;
    // A save that fails keeps the window open, so that nothing is lost.
    if (answer == Prompter::Answer::Yes && !save())
        return;
    QDialog::reject();
}

// --- Preview ----------------------------------------------------------------------------------

InvoiceSheet LayoutDesigner::sampleSheet(QDate today)
{
    InvoiceSheet s;
    s.invoiceNumber = QStringLiteral("0123");
    s.content = QStringLiteral("Invoice Content");
    s.date = today;
    s.value = Money::fromUnits(1'000'000); // 100.00
    s.vat = Money::fromUnits(175'000);
    s.total = Money::fromUnits(1'175'000);
    s.salutation = QStringLiteral("Mr");
    s.firstName = QStringLiteral("John");
    s.lastName = QStringLiteral("Smith");
    s.company = QStringLiteral("Client Company Ltd");
    s.address1 = QStringLiteral("1 High Street");
    s.town = QStringLiteral("Anytown");
    s.postCode = QStringLiteral("AB1 2CD");
    return s;
}

InvoicePage::Layout LayoutDesigner::previewLayout()
{
    // The page has room up to 11595 twips: a text element reaching past it is moved left, in
    // the designer too, so that the next save keeps what the preview showed.
    bool remembered = false;
    for (const char* name : kPreviewed) {
        Element* e = element(QLatin1String(name));
        const DesignerRules::PreviewPlace place = DesignerRules::previewPlace(e->twips);
        if (!place.moved)
            continue;
        if (!remembered)
            remember();
        remembered = true;
        e->setTwips(QRect(QPoint(place.left, e->twips.top()), e->twips.size()));
        m_session.prompter().inform(QStringLiteral("One of your lables required moving ") +
                                    e->objectName());
    }
    return InvoicePage::layOut(record(), sampleSheet(m_session.clock().today()), m_session.locale(),
                               m_session.dataFolder(), InvoicePage::paperTextColour());
}

void LayoutDesigner::preview()
{
    auto* window = new LayoutPreview(previewLayout(), this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open(); // modal over the designer
}

// --- Mouse and keys ---------------------------------------------------------------------------

void LayoutDesigner::setCords(QLabel* top, QLabel* left, QPointF twips)
{
    top->setText(QString::number(std::lround(twips.y())));
    left->setText(QString::number(std::lround(twips.x())));
}

LayoutDesigner::SectionView* LayoutDesigner::sectionAt(Element* e, QPointF localPos,
                                                       QPointF* inSection) const
{
    const QPoint global = e->mapToGlobal(localPos.toPoint());
    for (SectionView* s : m_sections) {
        if (!s->isVisible())
            continue;
        const QPoint p = s->mapFromGlobal(global);
        if (s->rect().contains(p)) {
            *inSection = QPointF(toTwips(p.x()), toTwips(p.y()));
            return s;
        }
    }
    return nullptr;
}

void LayoutDesigner::elementPressed(Element* e, QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragged = e;
        m_dragging = false;
        m_pressPixels = event->position().toPoint();
        m_grab = QPointF(toTwips(event->position().x()), toTwips(event->position().y()));
        setCords(m_startTop, m_startLeft, m_grab);
        return;
    }
    if (event->button() != Qt::RightButton || e->objectName() == u"lblFooter")
        return; // the footer takes no part in a selection
    if (event->modifiers() & Qt::ShiftModifier)
        selectForAlign(e);
    else
        clearAlignSelection();
}

void LayoutDesigner::elementMoved(Element* e, QMouseEvent* event)
{
    if (m_dragged != e || !(event->buttons() & Qt::LeftButton)) {
        setCords(m_startTop, m_startLeft,
                 QPointF(toTwips(event->position().x()), toTwips(event->position().y())));
        return;
    }
    if (!m_dragging && (event->position().toPoint() - m_pressPixels).manhattanLength() <
                           QApplication::startDragDistance())
        return;
    m_dragging = true;
    QPointF drop;
    if (sectionAt(e, event->position(), &drop))
        setCords(m_finishTop, m_finishLeft, drop);
    // The outline follows the pointer, held where the element was grabbed.
    const QPoint topLeft = mapFromGlobal(e->mapToGlobal(event->position().toPoint())) -
                           QPoint(toPixels(m_grab.x()), toPixels(m_grab.y()));
    m_outline->setGeometry(QRect(topLeft, e->size()));
    m_outline->show();
    m_outline->raise();
}

void LayoutDesigner::elementReleased(Element* e, QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_dragged == e) {
        m_outline->hide();
        m_dragged = nullptr;
        QPointF drop;
        SectionView* onto = m_dragging ? sectionAt(e, event->position(), &drop) : nullptr;
        m_dragging = false;
        if (!onto)
            return; // a click, or a drop outside the sections: nothing moves
        setCords(m_finishTop, m_finishLeft, drop);
        remember();
        const DesignerRules::DropResult placed =
            DesignerRules::drop(e->def.kind, onto->section, e->twips, m_grab, drop);
        e->setTwips(placed.rect);
        if (placed.becomesAnchor) {
            m_anchor = DesignerRules::Anchor{placed.rect.left(), placed.rect.width()};
            if (e->mark == Mark::Member)
                makeAlignAnchor(e);
        }
        return;
    }
    if (event->button() != Qt::RightButton || !e->rect().contains(event->position().toPoint()))
        return;
    if (e->objectName() == u"picLogo") {
        if (!(event->modifiers() & Qt::ShiftModifier))
            chooseLogo();
    } else if (e->isLabel()) {
        openStyleEditor(e);
    }
}

bool LayoutDesigner::elementKey(Element* e, QKeyEvent* event)
{
    int dx = 0, dy = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        dx = -DesignerRules::kNudge;
        break;
    case Qt::Key_Right:
        dx = DesignerRules::kNudge;
        break;
    case Qt::Key_Up:
        dy = -DesignerRules::kNudge;
        break;
    case Qt::Key_Down:
        dy = DesignerRules::kNudge;
        break;
    case Qt::Key_Escape:
        if (m_dragged) { // Escape drops nothing
            m_outline->hide();
            m_dragged = nullptr;
            m_dragging = false;
            return true;
        }
        return false;
    default:
        return false;
    }
    const QRect moved = DesignerRules::nudge(e->def.kind, e->twips, dx, dy);
    if (moved != e->twips) {
        remember();
        e->setTwips(moved);
    }
    return true;
}

// --- Undo ---------------------------------------------------------------------------------------

void LayoutDesigner::remember()
{
    Snapshot s;
    for (const Element* e : m_elements) {
        s.rects.push_back(e->twips);
        s.marks.push_back(e->mark);
        s.boxed.push_back(e->boxed);
    }
    m_undo.push_back(std::move(s));
    constexpr std::size_t kUndoDepth = 100;
    if (m_undo.size() > kUndoDepth)
        m_undo.erase(m_undo.begin());
}

void LayoutDesigner::undo()
{
    if (m_undo.empty())
        return;
    const Snapshot s = std::move(m_undo.back());
    m_undo.pop_back();
    for (std::size_t i = 0; i < m_elements.size(); ++i) {
        m_elements[i]->mark = s.marks[i];
        m_elements[i]->boxed = s.boxed[i];
        m_elements[i]->setTwips(s.rects[i]);
    }
}

// --- Alignment ----------------------------------------------------------------------------------

// The element's edges become the anchor the others are aligned with. The logo is never coloured,
// but its edges can still be the anchor.
void LayoutDesigner::selectForAlign(Element* e)
{
    makeAlignAnchor(e, e->objectName() != u"picLogo");
    m_anchor = DesignerRules::Anchor{e->twips.left(), e->twips.width()};
}

// The element takes the anchor's colour (an opaque background, so it counts as boxed); the one
// that had it becomes a member.
void LayoutDesigner::makeAlignAnchor(Element* e, bool colour)
{
    if (colour) {
        e->mark = Mark::Anchor;
        e->boxed = true;
        e->update();
    }
    m_lastSelected = e->objectName();
    for (Element* other : m_elements) {
        if (other != e && other->mark == Mark::Anchor) {
            other->mark = Mark::Member;
            other->update();
        }
    }
}

// A selection's colours come off with an opaque background: the element is left unboxed.
void LayoutDesigner::clearAlignSelection()
{
    for (Element* e : m_elements) {
        if (e->mark == Mark::None)
            continue;
        e->mark = Mark::None;
        e->boxed = false;
        e->update();
    }
}

void LayoutDesigner::alignLefts()
{
    align(true);
}

void LayoutDesigner::alignRights()
{
    align(false);
}

void LayoutDesigner::align(bool lefts)
{
    std::vector<DesignerRules::Selectable> items;
    for (const Element* e : m_elements)
        items.push_back(e->selectable());
    const bool anyMarked =
        std::any_of(items.begin(), items.end(), [](const auto& i) { return i.mark != Mark::None; });
    if (m_anchor && anyMarked)
        remember();
    if (lefts)
        DesignerRules::alignLefts(items, m_anchor);
    else
        DesignerRules::alignRights(items, m_anchor);
    for (std::size_t i = 0; i < m_elements.size(); ++i) {
        Element* e = m_elements[i];
        if (e->mark != items[i].mark)
            e->boxed = false; // aligned elements lose their selection's opaque background
        e->mark = items[i].mark;
        e->setTwips(items[i].rect);
    }
}

// --- Logo and style ---------------------------------------------------------------------------

void LayoutDesigner::chooseLogo()
{
    Prompter::FileRequest request;
    request.title = QStringLiteral("Load Picture");
    request.folder = m_session.dataFolder();
    request.filters = {
        QStringLiteral("All image files (*.bmp *.jpg *.jpeg *.pcx *.gif *.png *.BMP *.JPG *.JPEG "
                       "*.PCX *.GIF *.PNG)"),
        QStringLiteral("BMP files (*.bmp *.BMP)"),
        QStringLiteral("JPEG files (*.jpg *.jpeg *.JPG *.JPEG)"),
        QStringLiteral("GIF files (*.gif *.GIF)"),
        QStringLiteral("PCX files (*.pcx *.PCX)"),
        QStringLiteral("PNG files (*.png *.PNG)"),
    };
    const std::optional<QString> chosen = m_session.prompter().openFileName(request);
    if (!chosen || chosen->isEmpty())
        return;
    const QFileInfo source(*chosen);
    QString name = source.fileName();
    const QDir folder(m_session.dataFolder());
    if (!QFileInfo(folder.filePath(name)).isFile()) {
        // Copied in only when it is a picture; a huge one as a smaller PNG of its own.
        bool huge = false;
        const QImage image = readLogo(source.filePath(), &huge);
        if (image.isNull()) {
            m_session.prompter().inform(
                QStringLiteral("%1 is not a picture that can be used as a logo.")
                    .arg(QDir::toNativeSeparators(source.filePath())),
                {}, Prompter::Icon::Warning);
            return;
        }
        bool copied = false;
        if (huge) {
            name = source.completeBaseName() + QStringLiteral(".png");
            copied = QFileInfo(folder.filePath(name)).isFile() ||
                     image.save(folder.filePath(name), "PNG");
        } else {
            copied = QFile::copy(source.filePath(), folder.filePath(name));
        }
        if (!copied) {
            m_session.prompter().inform(QStringLiteral("The logo could not be copied into %1.")
                                            .arg(QDir::toNativeSeparators(m_session.dataFolder())),
                                        {}, Prompter::Icon::Warning);
            return;
        }
    }
    m_logoName = name;
    loadLogo(name, true);
    m_useLogo->setChecked(true);
    onUseLogo(true);
}

void LayoutDesigner::openStyleEditor(Element* e)
{
    if (e->mark != Mark::None)
        return; // part of an alignment selection
    if (e->objectName() == u"lblDate")
        m_session.prompter().inform(kDateNotice);
    delete m_editor;
    m_editor = new StyleEditor(m_session, this);
    StyleEditor::Style style;
    style.caption = e->caption;
    style.font = e->font;
    style.colour = colourValue(e->colour);
    style.boxed = e->boxed;
    m_editor->fill(e->objectName(), style, e->objectName() == u"lblAddress");
    connect(m_editor, &QDialog::accepted, this, [this, e] { applyStyle(e); });
    m_editor->open(); // modal over the designer
}

void LayoutDesigner::applyStyle(Element* e)
{
    const StyleEditor::Style s = m_editor->style();
    e->font = s.font;
    // The date's caption is the printed date: only its look is kept.
    if (e->objectName() != u"lblDate")
        e->setCaption(s.caption);
    if (colourValue(e->colour) != s.colour)
        e->colour = QString::number(s.colour);
    e->boxed = s.boxed;
    e->autoSize();
    e->setTwips(DesignerRules::fitAfterRestyle(e->def.kind, e->twips));
}
