#pragma once

#include <QString>

// The current identity's page settings, taken from its layout record.
struct PageSettings {
    bool vatRegistered = false;
    double vatRate = 0;                         // percent, e.g. 17.5
    QString taxCaption = QStringLiteral("VAT"); // name of the tax: "VAT", "GST"
    QString identityName;                       // as printed in the text logo
};
