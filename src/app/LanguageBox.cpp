#include "app/LanguageBox.h"

#include "core/Prompter.h"
#include "core/Translations.h"
#include "core/ui/Session.h"

namespace {

// Each language under its own name, as a user looking for theirs reads it.
QString ownName(const QString& language)
{
    if (language == u"en")
        return QStringLiteral("English"); // not the locale's "American English"
    const QString name = QLocale(language).nativeLanguageName();
    return name.left(1).toUpper() + name.mid(1); // "français" stands alone here: "Français"
}

const char* const kNextStart =
    QT_TRANSLATE_NOOP("LanguageBox", "Billcraft will show its texts in this language from its "
                                     "next start.");

} // namespace

LanguageBox::LanguageBox(Session& session, QWidget* parent)
    : QComboBox(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("cboLanguage"));
    setAccessibleName(tr("Language"));
    setToolTip(tr("Language"));
    addItem(tr("Desktop language"), QString());
    for (const QString& language : Translations::languages())
        addItem(ownName(language), language);
    const int chosen =
        findData(session.preferences().value(Translations::kPreference), Qt::UserRole);
    setCurrentIndex(qMax(chosen, 0));
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(this, &QComboBox::activated, this, &LanguageBox::choose);
}

void LanguageBox::choose(int index)
{
    const QString language = itemData(index).toString();
    Preferences& preferences = m_session.preferences();
    if (language == preferences.value(Translations::kPreference))
        return;
    if (const Status kept = preferences.setValue(Translations::kPreference, language); !kept) {
        m_session.prompter().inform(
            tr("The choice could not be kept for the next start: %1").arg(kept.error()), {},
            Prompter::Icon::Warning);
        return;
    }
    // Said in the language chosen, which the user reads best from now on.
    const QString shown = QLocale::languageToCode(Translations::locale(language).language());
    m_session.prompter().inform(Translations::inLanguage(shown, "LanguageBox", kNextStart), {},
                                Prompter::Icon::Information);
}
