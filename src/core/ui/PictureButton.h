#pragma once

#include "core/ui/Icons.h"

#include <QLabel>
#include <QStyle>
#include <functional>

// A small picture that acts as a button: pressing the mouse on it draws a single-line border,
// releasing removes it, and a release over the picture is a click.
class PictureButton : public QLabel {
    Q_OBJECT
public:
    static constexpr int kPictureSize = 32; // pixels

    // The accessible name is the tool tip, or accessibleName when there is no tool tip.
    PictureButton(const QString& objectName, const QIcon& icon, const QString& toolTip,
                  const QString& accessibleName = {}, QWidget* parent = nullptr);
    // The same with the picture of one of the program's actions (the desktop theme's, or the
    // program's own), made only once the button has been painted: decoding them all cost
    // start-up more than building the rest of the window. Until then the button keeps the
    // picture's place.
    PictureButton(const QString& objectName, Icons::Action picture, const QString& toolTip,
                  const QString& accessibleName = {}, QWidget* parent = nullptr);

    // Whether the picture is shown (an action's picture waits for the first paint).
    bool hasPicture() const { return !m_pending; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setUp(const QString& objectName, const QString& toolTip, const QString& accessibleName);
    void keepPlace();
    void showPicture();

    std::function<QIcon()> m_pending; // makes the picture still to be shown
    bool m_scheduled = false;
};
