#include "app/WindowMemory.h"

#include "core/SafeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

namespace {

const QString kGroup = QStringLiteral("MainWindow");
// Larger than any screen; a value beyond it is damage, not a window.
constexpr int kMaxCoordinate = 100000;

std::optional<int> readInt(const QSettings& settings, const QString& key, int low, int high)
{
    bool ok = false;
    const int value = settings.value(key).toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

} // namespace

QString WindowMemory::defaultFile()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Billcraft/Billcraft.ini"));
}

std::optional<WindowMemory::State> WindowMemory::read() const
{
    if (!QFileInfo::exists(m_file))
        return std::nullopt;
    QSettings settings(m_file, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return std::nullopt;
    settings.beginGroup(kGroup);
    const auto x = readInt(settings, QStringLiteral("x"), -kMaxCoordinate, kMaxCoordinate);
    const auto y = readInt(settings, QStringLiteral("y"), -kMaxCoordinate, kMaxCoordinate);
    const auto width = readInt(settings, QStringLiteral("width"), 1, kMaxCoordinate);
    const auto height = readInt(settings, QStringLiteral("height"), 1, kMaxCoordinate);
    const auto maximized = readInt(settings, QStringLiteral("maximized"), 0, 1);
    if (!x || !y || !width || !height || !maximized)
        return std::nullopt;
    return State{QRect(*x, *y, *width, *height), *maximized == 1};
}

bool WindowMemory::write(const State& state) const
{
    // Written whole rather than through QSettings, which leaves a file it cannot parse alone.
    const QRect& g = state.geometry;
    const QByteArray ini = QStringLiteral("[%1]\nx=%2\ny=%3\nwidth=%4\nheight=%5\n"
                                          "maximized=%6\n")
                               .arg(kGroup)
                               .arg(g.x())
                               .arg(g.y())
                               .arg(g.width())
                               .arg(g.height())
                               .arg(state.maximized ? 1 : 0)
                               .toUtf8();
    return QDir().mkpath(QFileInfo(m_file).absolutePath()) && SafeFile::write(m_file, ini);
}

QRect WindowMemory::fitOnScreens(const QRect& saved, const QList<QRect>& screens)
{
    if (saved.isEmpty() || screens.isEmpty())
        return {};
    QRect screen = screens.first();
    qint64 best = 0;
    for (const QRect& s : screens) {
        const QRect common = s.intersected(saved);
        const qint64 area = qint64(common.width()) * common.height();
        if (area > best) {
            best = area;
            screen = s;
        }
    }
    QRect fitted(saved.topLeft(), saved.size().boundedTo(screen.size()));
    fitted.moveLeft(std::clamp(fitted.left(), screen.left(), screen.right() - fitted.width() + 1));
    fitted.moveTop(std::clamp(fitted.top(), screen.top(), screen.bottom() - fitted.height() + 1));
    return fitted;
}
