#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <optional>

// Where the main window was and how big it was, kept between runs in one small ini file. The tab
// is not kept (every start shows "Clients"), nor the data folder: every start chooses its own.
class WindowMemory {
public:
    struct State {
        QRect geometry; // the window's normal (not maximized) area, without its frame
        bool maximized = false;
    };

    // <XDG config folder>/Billcraft/Billcraft.ini
    static QString defaultFile();

    explicit WindowMemory(QString file)
        : m_file(std::move(file))
    {}
    const QString& file() const { return m_file; }

    // What the file holds, or nothing when it is missing, damaged or holds values no window can
    // have; such a file is left for the next write to replace. Keys of older files (the tab)
    // are passed over.
    std::optional<State> read() const;
    // False when the file could not be written (the next start then uses the defaults).
    bool write(const State& state) const;

    // `saved` moved, and shrunk where it must be, to lie wholly on the screen area it overlaps
    // most, or on the first area when it overlaps none (a screen unplugged since). Empty when
    // there is no screen or `saved` is empty.
    static QRect fitOnScreens(const QRect& saved, const QList<QRect>& screens);

private:
    QString m_file;
};
