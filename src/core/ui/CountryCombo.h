#pragma once

#include <QComboBox>

class QLocale;

// A drop-down list of countries for an ISO 3166-1 alpha-2 code: an empty entry for "none",
// then "Name (CODE)" for every country as `display` sorts the names; typing a name's first
// letters finds it.
class CountryCombo : public QComboBox {
    Q_OBJECT
public:
    CountryCombo(const QLocale& display, QWidget* parent = nullptr);

    // Chooses the country; a code that is not in the list (a stored value from elsewhere) is
    // added as it is, so that it is shown, checked and never silently dropped.
    void setCode(const QString& code);
    // The chosen code; empty for the empty entry.
    QString code() const;
};
