#include "layout/LayoutRecord.h"

#include <array>

namespace LayoutFields {

namespace {

#define BILLCRAFT_INT(name)                                                                        \
    LayoutField{#name, LayoutField::Type::Int, 0, &LayoutRecord::name, nullptr, nullptr, nullptr},
#define BILLCRAFT_BOOL(name)                                                                       \
    LayoutField{#name, LayoutField::Type::Bool, 0, nullptr, &LayoutRecord::name, nullptr, nullptr},
#define BILLCRAFT_REAL(name)                                                                       \
    LayoutField{#name, LayoutField::Type::Real, 0, nullptr, nullptr, &LayoutRecord::name, nullptr},
#define BILLCRAFT_TEXT(name, size)                                                                 \
    LayoutField{#name,   LayoutField::Type::Text, size, nullptr, nullptr,                          \
                nullptr, &LayoutRecord::name},

#define BILLCRAFT_ONE(...) +1
static_assert(0 BILLCRAFT_LAYOUT_FIELDS(BILLCRAFT_ONE, BILLCRAFT_ONE, BILLCRAFT_ONE,
                                        BILLCRAFT_ONE) == kCount);
#undef BILLCRAFT_ONE

const std::array<LayoutField, kCount> kFields = {
    BILLCRAFT_LAYOUT_FIELDS(BILLCRAFT_INT, BILLCRAFT_BOOL, BILLCRAFT_REAL, BILLCRAFT_TEXT)};

#undef BILLCRAFT_INT
#undef BILLCRAFT_BOOL
#undef BILLCRAFT_REAL
#undef BILLCRAFT_TEXT

} // namespace

std::span<const LayoutField> all()
{
    return kFields;
}

} // namespace LayoutFields
