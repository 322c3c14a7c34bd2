#pragma once

#include <QChar>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>

class LocaleText;

// The entry rules that fields of several windows share: which key strokes a field takes, how a
// colour box drives its slider, how a typed date is tidied when the user leaves its field, and
// how the client drop-down completes a name. Plain functions of characters, key codes and texts;
// KeyRuleGlue (core/ui) attaches them to widgets.
namespace KeyRules {

inline constexpr QChar kBackspace{u'\b'};
inline constexpr int kDefaultLengthLimit = 249;
inline constexpr const char* kDateError =
    QT_TRANSLATE_NOOP("KeyRules", "There is an error with your date");
// kDateError in the user's language.
QString dateErrorText();

// The key strokes the key rules judge: a character the key typed, or Backspace. Other control
// characters (Tab, Enter, Escape, Delete, Ctrl shortcuts) move or edit and are left alone.
bool isTypedKey(QChar ch);

// Digits, Backspace and one decimal point; with allowMinus also "-", anywhere and any number of
// times, since the rule does not judge the form of the number. A second point is refused even
// when the field's point is selected and the key would replace it.
bool acceptMoneyKey(QChar ch, const QString& currentText, bool allowMinus = false);

// Once the field holds `limit` characters it takes no key stroke at all, Backspace included.
bool acceptLengthKey(const QString& currentText, int limit = kDefaultLengthLimit);

// ch itself when it is a digit 0-9 or Backspace, else QChar() (the key stroke is dropped).
QChar digitsOnlyKey(QChar ch);

// What a red, green or blue box's text means for its 0..255 slider.
struct ColourComponent {
    int value = 0;
    bool clamped = false; // above 254: the box must read "255", caret at its end
};
// nullopt for an empty box, or one that holds more than digits (pasted), which leaves the
// slider where it is. Leading zeros count for nothing: "007" is 7.
std::optional<ColourComponent> colourComponent(const QString& text);

// The typed date in the locale's short form, nullopt when the text is no date (empty included).
std::optional<QString> tidyDate(const QString& text, const LocaleText& locale);

// Whether a released key (a Qt::Key) takes part in the client type-ahead: A-Z, the digits of
// the main keyboard and the keypad (same key codes, keypad modifier), and Space.
bool takesPartInTypeAhead(int qtKey);

// The first item whose first typed.size() characters equal `typed`, ignoring letter case; -1
// when none does. An empty text matches the first item.
qsizetype firstItemStartingWith(const QString& typed, const QStringList& items);

} // namespace KeyRules
