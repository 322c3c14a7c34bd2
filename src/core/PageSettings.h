#pragma once

#include <QCoreApplication>
#include <QString>

// The current identity's page settings, taken from its layout record.
struct PageSettings {
    bool vatRegistered = false;
    double vatRate = 0; // percent, e.g. 17.5
    // Name of the tax: "VAT", "GST"; the program's word for it until an identity names it.
    QString taxCaption = QCoreApplication::translate("PageSettings", "VAT");
    QString identityName; // as printed in the text logo
};
