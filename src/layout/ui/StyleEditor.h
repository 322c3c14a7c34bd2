#pragma once

#include <QDialog>
#include <QFont>
#include <QString>

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QScrollBar;
class Session;

// frmEdit: the caption, font, colour and box of one text element of the layout designer. It
// edits a copy: OK hands the choices back through style(), Cancel leaves the element as it was.
class StyleEditor : public QDialog {
    Q_OBJECT
public:
    struct Style {
        QString caption; // lines separated by "\r\n" for the address
        QFont font;      // family, point size (fractional), bold, italic
        int colour = 0;  // red + 256 green + 65536 blue; negative for a system colour
        bool boxed = false;
    };

    explicit StyleEditor(Session& session, QWidget* parent = nullptr);

    // Fills the editor from the element `name`; `multiLine` for the address.
    void fill(const QString& name, const Style& style, bool multiLine);
    QString elementName() const { return m_name; }
    // The choices as they stand.
    Style style() const;

    // The sliders from a colour: its components, each below 1 taken as 0 (a system colour,
    // which is negative, gives black).
    void setColourSliders(int colour);
    int colour() const;

private:
    QGridLayout* buildFontRows();
    QGroupBox* buildStyleFrame();
    QGroupBox* buildColourFrame();
    QGroupBox* buildBoxFrame();
    void chooseFont();
    void setFontFace(const QString& family);
    void setFontSize(double points);
    void setStyleBoxes(bool bold, bool italic);
    void showColour();
    bool eventFilter(QObject* watched, QEvent* event) override;

    Session& m_session;
    QString m_name;
    bool m_multiLine = false;
    QLineEdit* m_caption = nullptr;
    QPlainTextEdit* m_captionLines = nullptr;
    QLabel* m_fontName = nullptr;
    QLabel* m_fontSize = nullptr;
    QCheckBox* m_italic = nullptr;
    QCheckBox* m_bold = nullptr;
    QCheckBox* m_normal = nullptr;
    QScrollBar* m_sliders[3] = {};
    QLineEdit* m_boxes[3] = {};
    QLabel* m_swatch = nullptr;
    QRadioButton* m_noBox = nullptr;
    QRadioButton* m_box = nullptr;
    double m_points = 10;
};
