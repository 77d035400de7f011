// What File > Export as PNG draws: every line of the document as the control holds it,
// one below the other, with no wrapping.
#pragma once

#include <string_view>
#include <vector>

namespace vantry {

// A bitmap larger than this in either direction cannot be made on every Windows.
inline constexpr int kLargestImageSide = 32767;

inline constexpr std::wstring_view kNothingToExportMessage = L"There is nothing to export: the document is empty.";
inline constexpr std::wstring_view kImageTooLargeMessage =
    L"The document is too large to export as one image: it would be more than 32,767 pixels "
    L"wide or high.";

inline constexpr std::wstring_view kExportOverDocumentMessage =
    L"The picture cannot be saved over the document it shows. Choose another name for it.";

// The lines between CR LF breaks; a final break ends the last line without starting
// another. Nothing for an empty text.
std::vector<std::wstring_view> documentLines(std::wstring_view text);

}  // namespace vantry
