#include "documents/portable/image_export.h"

namespace vantry {

std::vector<std::wstring_view> documentLines(std::wstring_view text) {
    std::vector<std::wstring_view> lines;
    while (!text.empty()) {
        const size_t lineBreak = text.find(L"\r\n");
        lines.push_back(text.substr(0, lineBreak));
        if (lineBreak == std::wstring_view::npos) break;
        text.remove_prefix(lineBreak + 2);
    }
    return lines;
}

}  // namespace vantry
