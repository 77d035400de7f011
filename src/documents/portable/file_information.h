// The texts of the file information window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantry {

// "1 Kb (1536 byte)": whole kilobytes, then the bytes.
std::wstring fileSizeText(std::uint64_t bytes);

inline constexpr std::wstring_view kNoFileCaption = L"No file opened";

}  // namespace vantry
