#include "core/ui/Mnemonics.h"

#include <QHash>
#include <QPushButton>
#include <QStackedWidget>

namespace Mnemonics {

int choose(const QString& caption, const QSet<QChar>& taken)
{
    const auto freeLetter = [&](qsizetype i) {
        return caption[i].isLetter() && !taken.contains(caption[i].toLower());
    };
    // Word starts first, then the rest of the letters.
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const bool wordStart = i == 0 || !caption[i - 1].isLetterOrNumber();
        if (wordStart && freeLetter(i))
            return int(i);
    }
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (freeLetter(i))
            return int(i);
    }
    return -1;
}

QString plain(const QString& caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        out += caption[i];
    }
    return out;
}

QChar marked(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] != u'&')
            return caption[i + 1].toLower();
        ++i; // "&&" is a plain ampersand
    }
    return {};
}

namespace {

// The page of the nearest stacked widget (a tab widget's pages are one) that holds `w` inside
// `form`, or `form` itself: buttons of one such page can show together.
const QWidget* pageOf(const QWidget* w, const QWidget* form)
{
    for (const QWidget* p = w; p && p != form; p = p->parentWidget()) {
        if (qobject_cast<const QStackedWidget*>(p->parentWidget()))
            return p;
    }
    return form;
}

} // namespace

void give(QWidget* form)
{
    const QList<QPushButton*> buttons = form->findChildren<QPushButton*>();
    // Letters already marked are kept, for their page and every page below the form.
    QHash<const QWidget*, QSet<QChar>> taken;
    for (const QPushButton* b : buttons) {
        if (const QChar c = marked(b->text()); !c.isNull())
            taken[pageOf(b, form)].insert(c);
    }
    // Buttons directly on the form first: their letters hold on every page.
    QList<QPushButton*> ordered;
    for (QPushButton* b : buttons) {
        if (pageOf(b, form) == form)
            ordered << b;
    }
    for (QPushButton* b : buttons) {
        if (pageOf(b, form) != form)
            ordered << b;
    }
    QHash<const QWidget*, QHash<QString, int>> sameCaption;
    for (QPushButton* b : ordered) {
        const QString caption = b->text();
        if (caption.contains(u'&'))
            continue;
        const QWidget* page = pageOf(b, form);
        int at = sameCaption[page].value(caption, -1);
        if (at < 0) {
            QSet<QChar> used = taken.value(page);
            if (page != form)
                used.unite(taken.value(form));
            at = choose(caption, used);
            if (at < 0)
                continue;
            taken[page].insert(caption[at].toLower());
            sameCaption[page].insert(caption, at);
        }
        if (b->accessibleName().isEmpty())
            b->setAccessibleName(caption);
        b->setText(QString(caption).insert(at, u'&'));
    }
}

} // namespace Mnemonics
