#pragma once

#include <QSet>
#include <QString>

class QWidget;

// Keyboard mnemonics (Alt + an underlined letter) for the push buttons of a form.
namespace Mnemonics {

// Marks a letter in the caption of every push button under `form` that has none yet, unique
// among the buttons that can show together: buttons on different pages of a tab or stacked
// widget may share a letter, and buttons of the same caption (one shown in place of the other)
// share theirs. A caption with no free letter is left as it is. Accessible names stay the
// captions as read, without the marker.
void give(QWidget* form);

// The position in `caption` of the letter to mark: the first letter of the caption, else of a
// later word, else any letter, whose lower case is not in `taken`; -1 when there is none.
int choose(const QString& caption, const QSet<QChar>& taken);

// The caption as shown and read: "Sa&ve" gives "Save", "&&" gives "&".
QString plain(const QString& caption);

// The letter a caption marks (lower case), or a null QChar.
QChar marked(const QString& caption);

} // namespace Mnemonics
