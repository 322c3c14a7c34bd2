#include "core/ui/CountryCombo.h"

#include "core/Countries.h"

#include <QLocale>

CountryCombo::CountryCombo(const QLocale& display, QWidget* parent)
    : QComboBox(parent)
{
    addItem(QString(), QString());
    for (const Countries::Country& c : Countries::list(display))
        addItem(QStringLiteral("%1 (%2)").arg(c.name, c.code), c.code);
    setMaxVisibleItems(20);
    setSizeAdjustPolicy(QComboBox::AdjustToContents); // the longest name shows whole when chosen
}

void CountryCombo::setCode(const QString& code)
{
    int index = findData(code);
    if (index < 0) {
        addItem(code, code);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

QString CountryCombo::code() const
{
    return currentData().toString();
}
