#include "documents/paths.h"

namespace vantry {

std::wstring extensionOf(std::wstring_view name) {
    const size_t dot = name.rfind(L'.');
    if (dot == std::wstring_view::npos || dot + 1 == name.size()) return std::wstring(name);
    return std::wstring(name.substr(dot + 1));
}

bool hasExtension(std::wstring_view name, std::wstring_view extension) {
    const std::wstring actual = extensionOf(name);
    if (actual.size() != extension.size()) return false;
    for (size_t i = 0; i < actual.size(); ++i) {
        const wchar_t c = actual[i];
        if ((c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c) != extension[i]) return false;
    }
    return true;
}

std::wstring fileNameOf(std::wstring_view path) {
    const size_t slash = path.rfind(L'\\');
    return std::wstring(slash == std::wstring_view::npos ? path : path.substr(slash + 1));
}

std::wstring directoryOf(std::wstring_view path) {
    const size_t slash = path.rfind(L'\\');
    return std::wstring(slash == std::wstring_view::npos ? path : path.substr(0, slash + 1));
}

}  // namespace vantry
