#include "layout/DesignerRules.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace DesignerRules {

namespace {

int whole(double twips)
{
    return int(std::lround(twips));
}

// A figure whose amount would not fit on its right moves left by twice its width and a third.
// The arithmetic is in floating point, as the widths' halves and thirds need.
double figureRoom(double left, double width, int sectionWidth)
{
    if (left + width + width / 2 > sectionWidth)
        return sectionWidth - 2 * width - width / 3;
    return left;
}

} // namespace

int toPixels(double twips)
{
    return whole(twips * kPixelsPerTwip);
}

int toTwips(double pixels)
{
    return whole(pixels / kPixelsPerTwip);
}

DropResult drop(Kind kind, Section onto, QRect rect, QPointF grab, QPointF dropPoint,
                int sectionWidth)
{
    const double width = rect.width();
    double left = dropPoint.x() - grab.x();
    double top = dropPoint.y() - grab.y();
    if (left + width > sectionWidth)
        left = sectionWidth - width;
    bool anchor = false;
    switch (onto) {
    case Section::Header:
        if (kind == Kind::DividerLine)
            left = kLineLeft;
        if (kind == Kind::InvoiceTitle && left + width + width / 2 > sectionWidth)
            left = sectionWidth - width - width / 2;
        anchor = true;
        break;
    case Section::Body:
        if (kind == Kind::Figure)
            left = figureRoom(left, width, sectionWidth);
        anchor = true;
        break;
    case Section::Footer:
        break;
    }
    left = std::max(left, 0.0);
    top = std::max(top, 0.0);
    return {QRect(QPoint(whole(left), whole(top)), rect.size()), anchor};
}

QRect nudge(Kind kind, QRect rect, int dx, int dy, int sectionWidth)
{
    QRect moved = rect;
    moved.moveTop(std::max(rect.top() + dy, 0));
    if (kind != Kind::DividerLine)
        moved.moveLeft(std::clamp(rect.left() + dx, 0, std::max(sectionWidth - rect.width(), 0)));
    return moved;
}

bool alignLefts(std::span<Selectable> items, std::optional<Anchor>& anchor, int sectionWidth)
{
    const std::optional<Anchor> a = std::exchange(anchor, std::nullopt);
    if (!a)
        return false;
    bool moved = false;
    for (Selectable& item : items) {
        if (item.mark == Mark::None)
            continue;
        int left = a->left;
        if (left + item.rect.width() > sectionWidth)
            left = sectionWidth - item.rect.width();
        item.rect.moveLeft(left);
        item.mark = Mark::None;
        moved = true;
    }
    return moved;
}

bool alignRights(std::span<Selectable> items, std::optional<Anchor>& anchor)
{
    const std::optional<Anchor> a = std::exchange(anchor, std::nullopt);
    if (!a)
        return false;
    bool moved = false;
    for (Selectable& item : items) {
        if (item.mark == Mark::None)
            continue;
        item.rect.moveLeft(std::max(a->right() - item.rect.width(), 0));
        item.mark = Mark::None;
        moved = true;
    }
    return moved;
}

AddressShape addressAsLine(const AddressShape& saved, int sectionWidth)
{
    AddressShape line = saved;
    line.caption.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    line.left = kLineInset;
    line.width = sectionWidth - kWidthMargin;
    return line;
}

AddressShape addressFromLine(const AddressShape& saved, int currentLeft)
{
    AddressShape back = saved;
    back.left = currentLeft;
    return back;
}

QRect fitAfterRestyle(Kind kind, QRect rect, int sectionWidth)
{
    double width = rect.width();
    double left = rect.left();
    if (width > sectionWidth) {
        width = sectionWidth - kWidthMargin;
        if (left + width > sectionWidth)
            left = sectionWidth - width;
    }
    if (kind == Kind::Figure)
        left = figureRoom(left, width, sectionWidth);
    return QRect(whole(left), rect.top(), whole(width), rect.height());
}

PreviewPlace previewPlace(QRect rect)
{
    if (rect.left() + rect.width() > kPreviewRightLimit)
        return {kPreviewMovedLeft, true};
    return {rect.left(), false};
}

} // namespace DesignerRules
