#pragma once

#include "encoding/devicemodel.h"
#include "encoding/wirebytes.h"

#include <cstddef>
#include <cstdint>
#include <span>

// The pages hand over lists of integers that may be shorter than the layout
// they fill. Every encoder reads them through these, so a missing value
// counts as 0 and nothing is read past the end.
namespace encoding {

using Values = std::span<const int>;

constexpr int valueAt(Values values, std::size_t index)
{
    return index < values.size() ? values[index] : 0;
}

using wirebytes::low8;

using Family = devicemodel::Family;

} // namespace encoding
