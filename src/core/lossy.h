#pragma once

#include <optional>

namespace korvane {

// One element of a tolerantly decoded list: the element, or nothing when it could not be read.
template <typename T> struct Lossy { std::optional<T> value; };

} // namespace korvane
