#include "layout/ui/LayoutDesigner.h"

#include "core/Clock.h"
#include "core/Prompter.h"
#include "core/ui/KeyRuleGlue.h"
#include "core/ui/Mnemonics.h"
#include "core/ui/NamedWidgets.h"
#include "core/ui/Session.h"
#include "layout/IdentityLayoutFile.h"
#include "layout/LayoutFiles.h"
#include "layout/ui/DesignerElement.h"
#include "layout/ui/DesignerLogo.h"
#include "layout/ui/DesignerSection.h"
#include "layout/ui/LayoutPreview.h"
#include "layout/ui/StyleEditor.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRubberBand>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstdint>

using DesignerRules::Mark;
using DesignerRules::Section;

namespace {

QCheckBox* namedCheck(const char* name, const QString& caption, QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(caption);
    return box;
}

QLabel* namedLabel(const char* name, const QString& caption, QWidget* parent)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QLatin1String(name));
    l->setAccessibleName(caption);
    return l;
}

} // namespace

LayoutDesigner::LayoutDesigner(Session& session, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("frmLayout"));
    setWindowTitle(tr("Invoice Layout"));
    buildWindow();
    load();
    Mnemonics::give(this);
}

LayoutDesigner::~LayoutDesigner() = default;

// --- Building the window ------------------------------------------------------------------------

void LayoutDesigner::buildWindow()
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("TabLayout"));
    m_tabs->setAccessibleName(QStringLiteral("TabLayout"));
    QWidget* header = buildSectionPage(Section::Header, "FraLayout", tr("Header Layout"),
                                       DesignerRules::kHeaderHeight);
    auto* switches = new QHBoxLayout;
    m_showLine = namedCheck("chkShowDividerLine", tr("Show Divider Line"), this);
    m_thinAddress = namedCheck("chkThinAddress", tr("Address As Line"), this);
    m_useLogo = namedCheck("chkUseLogo", tr("Use Logo"), this);
    for (QCheckBox* box : {m_showLine, m_thinAddress, m_useLogo})
        switches->addWidget(box);
    switches->addStretch(1);
    static_cast<QVBoxLayout*>(header->layout())->insertLayout(0, switches);
    buildSectionPage(Section::Body, "fraBody", tr("Body Layout"), DesignerRules::kBodyHeight);
    buildSectionPage(Section::Footer, "fraFooter", tr("Footer Layout"),
                     DesignerRules::kFooterHeight);

    for (int i = 0; i < m_model.count(); ++i)
        m_elements.push_back(
            new DesignerElement(m_model, i, *this, section(m_model.def(i).section)));
    connect(&m_model, &DesignerModel::elementChanged, this,
            [this](int i) { m_elements[std::size_t(i)]->sync(); });
    connect(&m_model, &DesignerModel::switchesChanged, this, &LayoutDesigner::showSwitches);
    connect(m_showLine, &QCheckBox::toggled, &m_model, &DesignerModel::setShowLine);
    connect(m_useLogo, &QCheckBox::toggled, &m_model, &DesignerModel::setUseLogo);
    connect(m_thinAddress, &QCheckBox::toggled, &m_model, &DesignerModel::setAddressAsLine);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buildSide());

    m_outline = new QRubberBand(QRubberBand::Rectangle, this);
    connect(new QShortcut(QKeySequence::Undo, this), &QShortcut::activated, this,
            &LayoutDesigner::undo);
    connect(new QShortcut(QKeySequence::Redo, this), &QShortcut::activated, this,
            &LayoutDesigner::redo);
}

QWidget* LayoutDesigner::buildSectionPage(Section s, const char* name, const QString& caption,
                                          int heightTwips)
{
    auto* page = new QWidget(m_tabs);
    auto* layout = new QVBoxLayout(page);
    m_sections[int(s)] = new DesignerSection(s, name, caption, heightTwips, page);
    layout->addWidget(m_sections[int(s)]);
    layout->addStretch(1);
    m_tabs->addTab(page, caption);
    return page;
}

QVBoxLayout* LayoutDesigner::buildSide()
{
    auto* side = new QVBoxLayout;
    m_vatRegistered = namedCheck("chkVatRegistered", tr("VAT Registered"), this);
    side->addWidget(m_vatRegistered);
    auto* rateRow = new QHBoxLayout;
    QLabel* rateLabel = namedLabel("lblVatRate", tr("VAT Rate"), this);
    m_vatRate = new QLineEdit(this);
    m_vatRate->setObjectName(QStringLiteral("txtVatRate"));
    m_vatRate->setAccessibleName(tr("VAT Rate"));
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
    button("cmdAlignLefts", tr("Align Lefts"), [this] { m_model.alignLefts(); });
    button("cmdAlignRights", tr("Align Rights"), [this] { m_model.alignRights(); });
    button("cmdPreview", tr("Preview"), &LayoutDesigner::preview);
    button("cmdSave", tr("Save"), &LayoutDesigner::save);
    buildCords(side);
    side->addWidget(namedLabel("lblEditTip2", tr("Tip: Left Click to Drag"), this));
    side->addWidget(namedLabel("lblEditinfo", tr("Tip: Right Click to edit Label text"), this));
    side->addWidget(namedLabel("Label1", tr("Tip: Shift + Right Click to Use Auto Align"), this));
    side->addStretch(1);
    return side;
}

void LayoutDesigner::buildCords(QVBoxLayout* side)
{
    auto* cords = new QGroupBox(tr("Cords"), this);
    cords->setObjectName(QStringLiteral("fraCords"));
    cords->setAccessibleName(tr("Cords"));
    auto* grid = new QGridLayout(cords);
    m_startTop = namedLabel("lblStartTop", QStringLiteral("0"), cords);
    m_startLeft = namedLabel("lblStartLeft", QStringLiteral("0"), cords);
    m_finishTop = namedLabel("lblFinishTop", QStringLiteral("0"), cords);
    m_finishLeft = namedLabel("lblFinishLeft", QStringLiteral("0"), cords);
    // The numbers have no caption of their own: their names say what they are.
    m_startTop->setAccessibleName(tr("Grab Top"));
    m_startLeft->setAccessibleName(tr("Grab Left"));
    m_finishTop->setAccessibleName(tr("Drop Top"));
    m_finishLeft->setAccessibleName(tr("Drop Left"));
    grid->addWidget(m_startTop, 0, 0);
    grid->addWidget(m_startLeft, 0, 1);
    grid->addWidget(m_finishTop, 1, 0);
    grid->addWidget(m_finishLeft, 1, 1);
    side->addWidget(cords);
}

// --- Looking up --------------------------------------------------------------------------------

DesignerElement* LayoutDesigner::element(const QString& name) const
{
    const int i = m_model.indexOf(name);
    return i < 0 ? nullptr : m_elements[std::size_t(i)];
}

DesignerSection* LayoutDesigner::section(Section s) const
{
    return m_sections[int(s)];
}

QRect LayoutDesigner::elementRect(const QString& name) const
{
    const int i = m_model.indexOf(name);
    return i < 0 ? QRect() : m_model.element(i).rect;
}

QString LayoutDesigner::elementCaption(const QString& name) const
{
    const int i = m_model.indexOf(name);
    return i < 0 ? QString() : m_model.element(i).style.caption;
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

void LayoutDesigner::undo()
{
    m_model.undoStack().undo();
}

void LayoutDesigner::redo()
{
    m_model.undoStack().redo();
}

// --- Loading ----------------------------------------------------------------------------------

void LayoutDesigner::load()
{
    LayoutRecord r = LayoutRecord::designerDefaults();
    r.lblTextLogoCaption = QStringLiteral("txtlogo");
    r.lblAddressCaption = QStringLiteral("lblAddress");
    r.lblInvoiceCaption =
        LayoutRecord::defaultCaption(QT_TRANSLATE_NOOP("LayoutRecord", "Invoice"));
    r.lblFooterCaption = QStringLiteral("lblFooter");
    r.PicLineShow = true;

    bool fromFile = false;
    const Result<std::optional<LayoutRecord>> read =
        IdentityLayoutFile::read(m_session.files(), m_session.currentIdentity());
    if (!read) {
        m_session.prompter().inform(read.error() +
                                        tr("\nThe designer shows the initial arrangement; the "
                                           "file is left as it is until you save."),
                                    {}, Prompter::Icon::Warning);
    } else if (*read) {
        r = **read;
        fromFile = true;
    }
    // The picture is read once, below, and only for a layout that names it.
    m_shownLogo = r.PicLogoName.trimmed();
    m_model.load(r, dateSample());
    if (fromFile)
        loadLogo(m_shownLogo, true);
    m_vatRegistered->setChecked(r.VatReg);
    m_vatRate->setText(QString::number(r.VatRate));
    showSwitches();
}

// The switches and what they show, as the model has them.
void LayoutDesigner::showSwitches()
{
    const DesignerModel::State& s = m_model.state();
    for (auto [box, ticked] : {std::pair{m_useLogo, s.useLogo}, std::pair{m_showLine, s.showLine},
                               std::pair{m_thinAddress, s.addressAsLine}}) {
        const QSignalBlocker quiet(box);
        box->setChecked(ticked);
    }
    element(QStringLiteral("picLogo"))->setVisible(s.useLogo);
    element(QStringLiteral("lblTextLogo"))->setVisible(!s.useLogo);
    element(QStringLiteral("PicLine"))->setVisible(s.showLine);
    if (s.logoName != m_shownLogo) // an undone or redone choice of picture
        loadLogo(s.logoName, false);
}

// The longest month name (the first of them) makes the widest date.
QString LayoutDesigner::dateSample() const
{
    const QLocale& locale = m_session.locale().locale();
    int longest = 1;
    for (int m = 2; m <= 12; ++m) {
        if (locale.monthName(m).size() > locale.monthName(longest).size())
            longest = m;
    }
    return m_session.locale().toLongDate(QDate(2007, longest, 12));
}

void LayoutDesigner::loadLogo(const QString& name, bool tell)
{
    DesignerElement* logo = element(QStringLiteral("picLogo"));
    m_shownLogo = name;
    logo->image = QImage();
    logo->update();
    if (name.isEmpty())
        return;
    const Result<std::optional<QByteArray>> bytes = LayoutFiles::readLogo(m_session.files(), name);
    if (!bytes) {
        if (tell)
            m_session.prompter().inform(bytes.error(), {}, Prompter::Icon::Warning);
        return;
    }
    if (!*bytes) {
        if (tell)
            m_session.prompter().inform(tr("Cant find logo"));
        return;
    }
    const qreal ratio = logo->devicePixelRatioF();
    const QRect twips = m_model.element(logo->index()).rect;
    logo->image = DesignerLogo::readShownIn(
        **bytes, (QSizeF(toPixels(twips.width()), toPixels(twips.height())) * ratio).toSize());
    logo->image.setDevicePixelRatio(ratio);
    if (logo->image.isNull() && tell)
        m_session.prompter().inform(
            tr("The logo %1 is not a picture that can be read.")
                .arg(m_session.files().describe(LayoutFiles::logoFileName(name))),
            {}, Prompter::Icon::Warning);
}

// --- The record -------------------------------------------------------------------------------

LayoutRecord LayoutDesigner::record() const
{
    LayoutRecord r = m_model.record();
    bool numeric = false;
    const double rate = m_vatRate->text().trimmed().toDouble(&numeric);
    r.VatRate = numeric && std::isfinite(rate) ? rate : 0;
    r.VatReg = m_vatRegistered->isChecked();
    r.Identity = qint16(std::clamp(m_session.currentIdentity(), int(INT16_MIN), int(INT16_MAX)));
    return r;
}

bool LayoutDesigner::save()
{
    m_model.clearAlignSelection();
    m_model.forgetAnchor();
    const LayoutRecord r = record();
    if (!LayoutFields::kVatRateRange.contains(r.VatRate)) {
        m_session.prompter().inform(tr("The VAT Rate must be a percentage from %1 to %2.")
                                        .arg(LayoutFields::kVatRateRange.min)
                                        .arg(LayoutFields::kVatRateRange.max));
        m_vatRate->setFocus();
        return false;
    }
    if (const Status written =
            IdentityLayoutFile::write(m_session.files(), m_session.currentIdentity(), r);
        !written) {
        m_session.prompter().inform(written.error(), {}, Prompter::Icon::Warning);
        return false;
    }
    m_model.undoStack().setClean();
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
    const Prompter::Answer answer = m_session.prompter().ask({tr("Save Changes?"),
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
    s.content = tr("Invoice Content");
    s.date = today;
    s.value = Money::fromUnits(1'000'000); // 100.00
    s.vat = Money::fromUnits(175'000);
    s.total = Money::fromUnits(1'175'000);
    s.salutation = tr("Mr");
    s.firstName = tr("John");
    s.lastName = tr("Smith");
    s.company = tr("Client Company Ltd");
    s.address1 = tr("1 High Street");
    s.town = tr("Anytown");
    s.postCode = tr("AB1 2CD");
    return s;
}

InvoicePage::Layout LayoutDesigner::previewLayout()
{
    // The page has room up to 11595 twips: a text element reaching past it is moved left, in
    // the designer too, so that the next save keeps what the preview showed.
    for (const QString& name : m_model.fitForPreview())
        m_session.prompter().inform(tr("One of your lables required moving ") + name);
    return InvoicePage::layOut(record(), sampleSheet(m_session.clock().today()), m_session.locale(),
                               &m_session.files(), InvoicePage::paperTextColour());
}

void LayoutDesigner::preview()
{
    auto* window = new LayoutPreview(previewLayout(), this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open(); // modal over the designer
}

// --- Logo and style ---------------------------------------------------------------------------

void LayoutDesigner::chooseLogo()
{
    Prompter::FileRequest request;
    request.title = tr("Load Picture");
    request.folder = m_session.dataFolder();
    request.filters = {
        tr("All image files (*.bmp *.jpg *.jpeg *.pcx *.gif *.png *.BMP *.JPG *.JPEG "
           "*.PCX *.GIF *.PNG)"),
        tr("BMP files (*.bmp *.BMP)"),
        tr("JPEG files (*.jpg *.jpeg *.JPG *.JPEG)"),
        tr("GIF files (*.gif *.GIF)"),
        tr("PCX files (*.pcx *.PCX)"),
        tr("PNG files (*.png *.PNG)"),
    };
    const std::optional<QString> chosen = m_session.prompter().openFileName(request);
    if (!chosen || chosen->isEmpty())
        return;
    QString name, why;
    switch (DesignerLogo::copyIn(*chosen, m_session.files(), &name, &why)) {
    case DesignerLogo::CopyResult::NotAPicture:
        m_session.prompter().inform(tr("%1 is not a picture that can be used as a logo.")
                                        .arg(QDir::toNativeSeparators(*chosen)),
                                    {}, Prompter::Icon::Warning);
        return;
    case DesignerLogo::CopyResult::CannotCopy:
        m_session.prompter().inform(tr("The logo could not be copied into the books.\n%1").arg(why),
                                    {}, Prompter::Icon::Warning);
        return;
    case DesignerLogo::CopyResult::Copied:
        break;
    }
    loadLogo(name, true);
    m_model.chooseLogo(name);
}

void LayoutDesigner::openStyleEditor(DesignerElement* e)
{
    const DesignerModel::Element& current = m_model.element(e->index());
    if (current.mark != Mark::None)
        return; // part of an alignment selection
    if (e->objectName() == u"lblDate")
        m_session.prompter().inform(tr("This date box automatically puts the date in\n"
                                       "No text changes will be saved\n"
                                       "Although Colours and Fonts will be"));
    delete m_editor;
    m_editor = new StyleEditor(m_session, this);
    StyleEditor::Style style;
    style.caption = current.style.caption;
    style.font = current.style.font;
    style.colour = DesignerModel::colourValue(current.style.colour);
    style.boxed = current.style.boxed;
    m_editor->fill(e->objectName(), style, e->objectName() == u"lblAddress");
    connect(m_editor, &QDialog::accepted, this, [this, e] { applyStyle(e); });
    m_editor->open(); // modal over the designer
}

void LayoutDesigner::applyStyle(DesignerElement* e)
{
    const StyleEditor::Style chosen = m_editor->style();
    DesignerModel::Style style = m_model.element(e->index()).style;
    style.caption = chosen.caption;
    style.font = chosen.font;
    // A system colour stays as it is written unless another colour was chosen.
    if (DesignerModel::colourValue(style.colour) != chosen.colour)
        style.colour = QString::number(chosen.colour);
    style.boxed = chosen.boxed;
    m_model.restyle(e->index(), style);
}
