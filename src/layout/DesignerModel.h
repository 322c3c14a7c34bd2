#pragma once

#include "layout/DesignerRules.h"
#include "layout/LayoutRecord.h"

#include <QAnyStringView>
#include <QFont>
#include <QObject>
#include <QRect>
#include <QString>
#include <QUndoStack>
#include <optional>
#include <span>
#include <vector>

// The layout designer's page as data, without widgets: every element's geometry (twips within
// its section), look and alignment mark, the logo choice and the header's switches. Every edit
// is one command on undoStack(); the designer's widgets only draw this state and turn the mouse
// and keys into the edits below.
class DesignerModel : public QObject {
    Q_OBJECT
public:
    enum class Type { Picture, Line, Label };

    // Where an element starts and how the designer treats it. A fixed size is kept whatever the
    // caption; the others are sized to their caption.
    struct ElementDef {
        const char* name;
        DesignerRules::Section section;
        DesignerRules::Kind kind;
        Type type;
        QRect start;
        bool fixedSize;
        Qt::Alignment alignment;
        const char* caption; // before a layout is loaded
    };
    static std::span<const ElementDef> definitions();
    // A caption as drawn: the record's line breaks are "\r\n".
    static QString displayText(const QString& caption);
    // The decimal colour text as a number; 0 when it is none.
    static int colourValue(const QString& text);

    // What the style editor sets on a text element.
    struct Style {
        QString caption; // lines separated by "\r\n"
        QFont font;
        QString colour; // decimal text of red + 256 green + 65536 blue, or a system colour
        bool boxed = false;
        bool operator==(const Style&) const = default;
    };

    struct Element {
        QRect rect; // twips within its section
        Style style;
        DesignerRules::Mark mark = DesignerRules::Mark::None;
        bool wraps = false; // the address as a line wraps within its width
        bool operator==(const Element&) const = default;
    };

    // Everything an undo step restores.
    struct State {
        std::vector<Element> elements;
        QString logoName; // as the layout names it, trimmed
        bool useLogo = false;
        bool showLine = true;
        bool addressAsLine = false;
        bool operator==(const State&) const = default;
    };

    // The editor's undo depth, as the designer always had.
    static constexpr int kUndoLimit = 100;

    explicit DesignerModel(QObject* parent = nullptr);
    ~DesignerModel() override;

    int count() const { return int(m_state.elements.size()); }
    int indexOf(QAnyStringView name) const; // -1 for no such element
    const ElementDef& def(int i) const { return definitions()[std::size_t(i)]; }
    const Element& element(int i) const { return m_state.elements[std::size_t(i)]; }
    const State& state() const { return m_state; }
    QUndoStack& undoStack() { return m_undo; }
    std::optional<DesignerRules::Anchor> anchor() const { return m_anchor; }
    QString lastSelected() const { return m_lastSelected; }

    // --- Loading: not undoable, and the undo history starts afresh ------------------------------

    // The record's elements, logo and switches; `dateCaption` is the sample date shown.
    void load(const LayoutRecord& r, const QString& dateCaption);
    // The layout as it stands; the VAT fields and the identity are the window's.
    LayoutRecord record() const;

    // --- Edits: one undo step each, none when nothing changes ------------------------------------

    // The element grabbed at `grab` (twips within it) dropped at `at` (within section `onto`).
    void drop(int i, DesignerRules::Section onto, QPointF grab, QPointF at);
    // An arrow key; repeated nudges of one element are one undo step.
    void nudge(int i, int dx, int dy);
    void alignLefts();
    void alignRights();
    void restyle(int i, const Style& style);
    void setAddressAsLine(bool asLine);
    void setUseLogo(bool use);
    void setShowLine(bool show);
    void chooseLogo(const QString& name); // and use it
    // Moves every previewed element reaching past the preview's right limit; their names.
    QStringList fitForPreview();

    // --- Selection for alignment: not an edit of its own, undone with the edit it leads to ------

    void selectForAlign(int i);
    void clearAlignSelection();
    void forgetAnchor() { m_anchor.reset(); } // a save ends an alignment

signals:
    void elementChanged(int i);
    void switchesChanged(); // logo name, use logo, show line, address as line

private:
    class Command;
    static State initialState();
    // Takes the state, telling the views what differs; the commands' undo and redo.
    void setState(const State& s);
    void push(const QString& text, State after, int mergeId = -1, int element = -1);
    void markAnchor(State& s, int i, bool colour);
    void autoSize(Element& e, int i) const;
    void align(bool lefts);

    State m_state;
    QUndoStack m_undo;
    std::optional<DesignerRules::Anchor> m_anchor;
    QString m_lastSelected;
    // The address as loaded: turning Address As Line off brings its caption and size back.
    QString m_savedAddressCaption;
    QRect m_savedAddressRect;
};
