#pragma once

#include "core/KeyRules.h"

#include <QObject>

class LocaleText;
class Prompter;
class QAbstractSlider;
class QComboBox;
class QLineEdit;

// Attaches the shared entry rules (KeyRules) to fields, one line per field. Each rule lives in a
// small object owned by its widget, so it goes when the widget goes. A field may carry several
// rules (digits only and the colour clamp, for example).
namespace KeyRuleGlue {

// Digits, Backspace and one decimal point.
void attachMoneyKeys(QLineEdit* field);
// As attachMoneyKeys, and the minus sign anywhere.
void attachSignedMoneyKeys(QLineEdit* field);
// No key stroke, Backspace included, once the field holds `limit` characters. The Delete key,
// cutting and pasting are not key strokes: they still work, and pasted text is not cut.
void attachLengthLimit(QLineEdit* field, int limit = KeyRules::kDefaultLengthLimit);
// Digits and Backspace only.
void attachDigitsOnly(QLineEdit* field);
// Every change of the box's text moves the slider; above 254 the box becomes "255". An empty
// box leaves the slider where it is.
void attachColourClamp(QLineEdit* field, QAbstractSlider* slider);
// On leaving the field a date is rewritten in the locale's short form; anything else is answered
// with "There is an error with your date" and the focus goes back into the field. The prompter
// must outlive the field.
void attachDateOnLeave(QLineEdit* field, const LocaleText& locale, Prompter& prompter);

} // namespace KeyRuleGlue

// Completes a client's name in an editable drop-down as it is typed. Each item carries its
// client number as Qt::UserRole data.
class ClientTypeAhead final : public QObject {
    Q_OBJECT
public:
    // Watches `combo` and is owned by it. The drop-down's own completer is removed: it would
    // complete on the key press, before this rule sees what the user has typed.
    explicit ClientTypeAhead(QComboBox* combo);

    // The rule for one released key (a Qt::Key): when the key takes part, the text becomes the
    // first item that starts with it, ignoring case, with the completed remainder selected.
    // Returns that item's client number; 0 when the key does not take part or nothing matches.
    static int complete(QComboBox* combo, int qtKey);

signals:
    // After every key released in the drop-down, with complete()'s result.
    void keyReleased(int clientNumber);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* m_combo;
};
