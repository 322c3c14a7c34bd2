#include "core/ui/KeyRuleGlue.h"

#include "core/LocaleText.h"
#include "core/Prompter.h"

#include <QAbstractSlider>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <functional>

namespace {

// Drops the key strokes a judge refuses. The judge sees each typed character with the field's
// text as it would be before that character.
class KeyStrokeFilter final : public QObject {
public:
    using Judge = std::function<bool(QChar ch, const QString& text)>;

    KeyStrokeFilter(QLineEdit* field, Judge judge)
        : QObject(field)
        , m_field(field)
        , m_judge(std::move(judge))
    {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_field || event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        // Ctrl shortcuts (copy, paste, select all) edit rather than type, whatever text the
        // platform gives them; Ctrl with Alt is AltGr on some keyboards and types.
        const Qt::KeyboardModifiers mods = key->modifiers();
        if ((mods & Qt::MetaModifier) ||
            ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier)))
            return false;
        // Backspace is known by its key: platforms differ in the text they give it.
        const QString typed =
            key->key() == Qt::Key_Backspace ? QString(KeyRules::kBackspace) : key->text();
        if (typed.isEmpty())
            return false;
        QString text = m_field->text();
        for (const QChar ch : typed) {
            if (!KeyRules::isTypedKey(ch))
                return false; // a command key (Delete, Enter, Ctrl+V): not ours to judge
        }
        for (const QChar ch : typed) {
            if (!m_judge(ch, text))
                return true;
            text.append(ch);
        }
        return false;
    }

private:
    QLineEdit* m_field;
    Judge m_judge;
};

// Money and digit fields take no composed input either, which would bypass the key rule.
void attachKeyJudge(QLineEdit* field, KeyStrokeFilter::Judge judge, bool noInputMethod)
{
    if (noInputMethod)
        field->setAttribute(Qt::WA_InputMethodEnabled, false);
    new KeyStrokeFilter(field, std::move(judge));
}

class DateOnLeave final : public QObject {
public:
    DateOnLeave(QLineEdit* field, const LocaleText& locale, Prompter& prompter)
        : QObject(field)
        , m_field(field)
        , m_locale(locale)
        , m_prompter(prompter)
    {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_field || event->type() != QEvent::FocusOut || m_asking)
            return false;
        // Another window or a menu taking the focus for a while is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return false;
        if (const std::optional<QString> date = KeyRules::tidyDate(m_field->text(), m_locale)) {
            if (*date != m_field->text())
                m_field->setText(*date);
            return false;
        }
        // The message waits until the focus has settled: a message box and a focus change
        // nested inside the change under way would leave the field's focus-out half done.
        if (!m_pending) {
            m_pending = true;
            QMetaObject::invokeMethod(this, &DateOnLeave::complain, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void complain()
    {
        m_pending = false;
        // The window may have closed meanwhile; closing it is not leaving the field.
        if (!m_field->isVisible() || KeyRules::tidyDate(m_field->text(), m_locale))
            return;
        // The message box takes the focus and gives it back; that is no leaving either.
        m_asking = true;
        m_prompter.inform(KeyRules::dateErrorText());
        m_asking = false;
        m_field->setFocus(Qt::OtherFocusReason);
    }

    QLineEdit* m_field;
    LocaleText m_locale;
    Prompter& m_prompter;
    bool m_pending = false;
    bool m_asking = false;
};

} // namespace

namespace KeyRuleGlue {

void attachMoneyKeys(QLineEdit* field)
{
    attachKeyJudge(
        field, [](QChar ch, const QString& text) { return KeyRules::acceptMoneyKey(ch, text); },
        true);
}

void attachSignedMoneyKeys(QLineEdit* field)
{
    attachKeyJudge(
        field,
        [](QChar ch, const QString& text) { return KeyRules::acceptMoneyKey(ch, text, true); },
        true);
}

void attachLengthLimit(QLineEdit* field, int limit)
{
    attachKeyJudge(
        field,
        [limit](QChar, const QString& text) { return KeyRules::acceptLengthKey(text, limit); },
        false);
}

void attachDigitsOnly(QLineEdit* field)
{
    attachKeyJudge(
        field, [](QChar ch, const QString&) { return !KeyRules::digitsOnlyKey(ch).isNull(); },
        true);
}

void attachColourClamp(QLineEdit* field, QAbstractSlider* slider)
{
    // The slider is the context: when it goes, so does the connection.
    QObject::connect(field, &QLineEdit::textChanged, slider, [field, slider](const QString& text) {
        const std::optional<KeyRules::ColourComponent> c = KeyRules::colourComponent(text);
        if (!c)
            return;
        if (c->clamped) {
            // setText comes back here once with "255", which is then left as it is.
            if (text != QLatin1String("255"))
                field->setText(QStringLiteral("255"));
            field->setCursorPosition(int(field->text().size()));
        }
        slider->setValue(c->value);
    });
}

void attachDateOnLeave(QLineEdit* field, const LocaleText& locale, Prompter& prompter)
{
    new DateOnLeave(field, locale, prompter);
}

} // namespace KeyRuleGlue

ClientTypeAhead::ClientTypeAhead(QComboBox* combo)
    : QObject(combo)
    , m_combo(combo)
{
    combo->setCompleter(nullptr);
    combo->installEventFilter(this);
}

int ClientTypeAhead::complete(QComboBox* combo, int qtKey)
{
    QLineEdit* edit = combo->lineEdit();
    if (!edit || !KeyRules::takesPartInTypeAhead(qtKey))
        return 0;
    const QString typed = edit->text();
    QStringList items;
    items.reserve(combo->count());
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    const qsizetype match = KeyRules::firstItemStartingWith(typed, items);
    if (match < 0)
        return 0;
    const QString& full = items.at(match);
    edit->setText(full);
    if (!typed.isEmpty())
        edit->setSelection(int(typed.size()), int(full.size() - typed.size()));
    return combo->itemData(int(match), Qt::UserRole).toInt();
}

bool ClientTypeAhead::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_combo && event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        // A held key repeats its press but counts as released once, when it really is.
        if (!key->isAutoRepeat())
            emit keyReleased(complete(m_combo, key->key()));
    }
    return false;
}
