#pragma once

#include <QImage>
#include <QWidget>

class DesignerModel;
class LayoutDesigner;

// One element of the layout designer's page (a text, the logo or the divider line), drawn at
// true scale from the designer's model. Mouse and keys go to the designer, which turns them into
// edits of the model.
class DesignerElement : public QWidget {
    Q_OBJECT
public:
    DesignerElement(DesignerModel& model, int index, LayoutDesigner& designer, QWidget* parent);

    int index() const { return m_index; }
    // Takes the model's geometry and caption.
    void sync();

    // The logo, read at the size it is shown (device pixels); null for the others.
    QImage image;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent*) override { update(); }
    void focusOutEvent(QFocusEvent*) override { update(); }

private:
    void paintText(QPainter& p, QRect r);

    DesignerModel& m_model;
    int m_index;
    LayoutDesigner& m_designer;
};
