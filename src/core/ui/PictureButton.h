#pragma once

#include <QLabel>

// A small picture that acts as a button: pressing the mouse on it draws a single-line border,
// releasing removes it, and a release over the picture is a click.
class PictureButton : public QLabel {
    Q_OBJECT
public:
    // The accessible name is the tool tip, or accessibleName when there is no tool tip.
    PictureButton(const QString& objectName, const QIcon& icon, const QString& toolTip,
                  const QString& accessibleName = {}, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
