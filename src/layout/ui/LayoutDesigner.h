#pragma once

#include "layout/DesignerRules.h"
#include "layout/LayoutRecord.h"
#include "printing/InvoicePage.h"

#include <QDialog>
#include <QFont>
#include <QImage>
#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRubberBand;
class QTabWidget;
class Session;
class StyleEditor;

// frmLayout, "Invoice Layout": the current identity's invoice page as three sections of
// movable elements, drawn at true scale. Left-drag moves an element (the drop rules are
// DesignerRules'), Shift + right press selects for alignment, a right click opens the style
// editor (or, on the logo, chooses the picture). Arrow keys nudge the element last pressed by
// 15 twips; Ctrl+Z undoes the last move. Nothing is written until Save; closing asks
// "Save Changes?".
class LayoutDesigner : public QDialog {
    Q_OBJECT
public:
    class Element;
    class SectionView;

    // Screen pixels per twip: the one scale of the designer (96 dots an inch, 15 twips a pixel).
    static constexpr double kPixelsPerTwip = 1.0 / 15;
    static int toPixels(double twips);
    static int toTwips(double pixels);

    // Loads the current identity's layout (or the initial arrangement), telling the user about a
    // missing logo or a damaged file.
    explicit LayoutDesigner(Session& session, QWidget* parent = nullptr);
    ~LayoutDesigner() override;

    // The layout as the window's controls stand, as Save would write it.
    LayoutRecord record() const;
    // Writes the layout file; false (and the user told why) when it cannot be written or the
    // VAT rate is refused.
    bool save();
    // The sample invoice laid out with the unsaved layout, after the preview's own moves.
    InvoicePage::Layout previewLayout();
    static InvoiceSheet sampleSheet(QDate today);

    // Geometry of an element in twips within its section ("lblTotal").
    QRect elementRect(const QString& name) const;
    QString elementCaption(const QString& name) const;
    // The logo's picture as the window holds it, in device pixels: at most the size it is shown.
    QImage logoPicture() const;
    Element* element(const QString& name) const;
    SectionView* section(DesignerRules::Section s) const;
    QString cords() const; // "grab top, grab left, drop top, drop left", as fraCords shows them
    void undo();

    // Called by the elements and sections.
    void elementPressed(Element* e, QMouseEvent* event);
    void elementMoved(Element* e, QMouseEvent* event);
    void elementReleased(Element* e, QMouseEvent* event);
    bool elementKey(Element* e, QKeyEvent* event);

public slots:
    void reject() override; // a user's close: "Save Changes?"

private:
    struct Snapshot {
        std::vector<QRect> rects;
        std::vector<DesignerRules::Mark> marks;
        std::vector<bool> boxed;
    };

    void buildWindow();
    void load();
    void applyRecord(const LayoutRecord& r);
    void showDateSample();
    void loadLogo(const QString& name, bool tell);
    void chooseLogo();
    void openStyleEditor(Element* e);
    void applyStyle(Element* e);
    void preview();

    void selectForAlign(Element* e);
    void makeAlignAnchor(Element* e, bool colour = true);
    void clearAlignSelection();
    void alignLefts();
    void alignRights();
    void align(bool lefts);
    void onThinAddress(bool ticked);
    void onUseLogo(bool ticked);

    void remember();
    SectionView* sectionAt(Element* e, QPointF localPos, QPointF* inSection) const;
    void setCords(QLabel* top, QLabel* left, QPointF twips);

    Session& m_session;
    std::vector<Element*> m_elements;
    SectionView* m_sections[3] = {};
    QTabWidget* m_tabs = nullptr;
    QCheckBox* m_useLogo = nullptr;
    QCheckBox* m_showLine = nullptr;
    QCheckBox* m_thinAddress = nullptr;
    QCheckBox* m_vatRegistered = nullptr;
    QLineEdit* m_vatRate = nullptr;
    QLabel* m_startTop = nullptr;
    QLabel* m_startLeft = nullptr;
    QLabel* m_finishTop = nullptr;
    QLabel* m_finishLeft = nullptr;
    QRubberBand* m_outline = nullptr;
    StyleEditor* m_editor = nullptr;

    QString m_logoName; // as the layout names it, trimmed
    DesignerRules::AddressShape m_savedAddress;
    std::optional<DesignerRules::Anchor> m_anchor;
    QString m_lastSelected;

    Element* m_dragged = nullptr;
    QPointF m_grab;          // twips within the dragged element
    bool m_dragging = false; // the pointer has moved far enough to be a drag
    QPoint m_pressPixels;
    std::vector<Snapshot> m_undo;
};
