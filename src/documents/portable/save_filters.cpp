#include "documents/portable/save_filters.h"

namespace vantry {
namespace {
// The whole array but its own terminator: the embedded L'\0's stay.
template <size_t N>
constexpr std::wstring_view withNulls(const wchar_t (&text)[N]) {
    return {text, N - 1};
}

constexpr std::wstring_view kNfoFilter = withNulls(L"nfo file (*.nfo)\0*.nfo\0");
constexpr std::wstring_view kTextFilter = withNulls(L"Text file (*.txt)\0*.txt\0");
constexpr std::wstring_view kOtherFilters = withNulls(L"diz file (*.diz)\0*.diz\0All files (*.*)\0*.*\0");
}  // namespace

bool nfoFilterFirst(ExtensionKind kind, std::wstring_view fontSelection) {
    switch (kind) {
        case ExtensionKind::Nfo: return true;
        case ExtensionKind::Text: return false;
        case ExtensionKind::Neither: break;
    }
    return fontSelection == kAlwaysAscii || fontSelection == kExtensionSelectDefaultAscii;
}

std::wstring saveFilterList(bool nfoFirst) {
    std::wstring list(nfoFirst ? kNfoFilter : kTextFilter);
    list += nfoFirst ? kTextFilter : kNfoFilter;
    list += kOtherFilters;
    return list;
}

}  // namespace vantry
