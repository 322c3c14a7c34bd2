#include "einvoice/EInvoice.h"

#include <array>
#include <utility>

namespace EInvoice {
namespace {

constexpr std::array<std::pair<VatCategory, const char*>, 7> kCodes{{
    {VatCategory::Standard, "S"},
    {VatCategory::Zero, "Z"},
    {VatCategory::Exempt, "E"},
    {VatCategory::ReverseCharge, "AE"},
    {VatCategory::IntraCommunity, "K"},
    {VatCategory::Export, "G"},
    {VatCategory::NotSubject, "O"},
}};

} // namespace

QString categoryCode(VatCategory category)
{
    for (const auto& [c, code] : kCodes) {
        if (c == category)
            return QLatin1String(code);
    }
    return {};
}

bool categoryFromCode(const QString& code, VatCategory* category)
{
    for (const auto& [c, text] : kCodes) {
        if (code == QLatin1String(text)) {
            *category = c;
            return true;
        }
    }
    return false;
}

} // namespace EInvoice
