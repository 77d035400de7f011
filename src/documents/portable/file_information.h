// The texts of the file information window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantry {

// "1 Kb (1536 byte)": whole kilobytes, then the bytes.
std::wstring fileSizeText(std::uint64_t bytes);

struct SauceRecord;
// The record's fields as the window lists them, a line each ("Title:\tFire"), then its
// comment lines; `shownDate` is the date as the user writes dates.
std::wstring sauceRecordText(const SauceRecord& record, std::wstring_view shownDate);

inline constexpr std::wstring_view kNoFileCaption = L"No file opened";

}  // namespace vantry
