#pragma once

namespace sylvane::core {

// The limits of the key table file format, checked where a file is read.
inline constexpr int MaxRows = 30000; // highest row number of a key table
inline constexpr int MaxFields = 50;  // highest field number of a key table

} // namespace sylvane::core
