#pragma once

#include "layout/DesignerModel.h"
#include "layout/LayoutRecord.h"
#include "printing/InvoicePage.h"

#include <QDialog>
#include <QImage>
#include <vector>

class DesignerElement;
class DesignerSection;
class QCheckBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMouseEvent;
class QRubberBand;
class QTabWidget;
class QVBoxLayout;
class Session;
class StyleEditor;

// frmLayout, "Invoice Layout": the current identity's invoice page as three sections of
// movable elements, drawn at true scale from a DesignerModel. Left-drag moves an element,
// Shift + right press selects for alignment, a right click opens the style editor (or, on the
// logo, chooses the picture). Arrow keys nudge the element last pressed by 15 twips; Ctrl+Z
// undoes an edit and Ctrl+Shift+Z redoes it. Nothing is written until Save; closing asks
// "Save Changes?".
class LayoutDesigner : public QDialog {
    Q_OBJECT
public:
    // Screen pixels per twip: the one scale of the designer (96 dots an inch, 15 twips a pixel).
    static constexpr double kPixelsPerTwip = DesignerRules::kPixelsPerTwip;
    static int toPixels(double twips) { return DesignerRules::toPixels(twips); }
    static int toTwips(double pixels) { return DesignerRules::toTwips(pixels); }

    // Loads the current identity's layout (or the initial arrangement), telling the user about a
    // missing logo or a damaged file.
    explicit LayoutDesigner(Session& session, QWidget* parent = nullptr);
    ~LayoutDesigner() override;

    DesignerModel& model() { return m_model; }
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
    DesignerElement* element(const QString& name) const;
    DesignerSection* section(DesignerRules::Section s) const;
    QString cords() const; // "grab top, grab left, drop top, drop left", as fraCords shows them
    void undo();
    void redo();

    // Called by the elements.
    void elementPressed(DesignerElement* e, QMouseEvent* event);
    void elementMoved(DesignerElement* e, QMouseEvent* event);
    void elementReleased(DesignerElement* e, QMouseEvent* event);
    bool elementKey(DesignerElement* e, QKeyEvent* event);

public slots:
    void reject() override; // a user's close: "Save Changes?"

private:
    void buildWindow();
    QWidget* buildSectionPage(DesignerRules::Section s, const char* name, const QString& caption,
                              int heightTwips);
    QVBoxLayout* buildSide();
    void buildCords(QVBoxLayout* side);
    void load();
    void showSwitches();
    QString dateSample() const;
    void loadLogo(const QString& name, bool tell);
    void chooseLogo();
    void openStyleEditor(DesignerElement* e);
    void applyStyle(DesignerElement* e);
    void preview();

    DesignerSection* sectionAt(DesignerElement* e, QPointF localPos, QPointF* inSection) const;
    void setCords(QLabel* top, QLabel* left, QPointF twips);
    void endDrag();

    Session& m_session;
    DesignerModel m_model;
    std::vector<DesignerElement*> m_elements; // in the model's order
    DesignerSection* m_sections[3] = {};
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
    QString m_shownLogo; // the logo name whose picture the logo element holds

    DesignerElement* m_dragged = nullptr;
    QPointF m_grab;          // twips within the dragged element
    bool m_dragging = false; // the pointer has moved far enough to be a drag
    QPoint m_pressPixels;
};
