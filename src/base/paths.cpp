#include "base/paths.h"

namespace vantry {

std::wstring extensionOf(std::wstring_view name) {
    const size_t dot = name.rfind(L'.');
    if (dot == std::wstring_view::npos || dot + 1 == name.size()) return std::wstring(name);
    return std::wstring(name.substr(dot + 1));
}

wchar_t lowerAscii(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool hasExtension(std::wstring_view name, std::wstring_view extension) {
    const std::wstring actual = extensionOf(name);
    if (actual.size() != extension.size()) return false;
    for (size_t i = 0; i < actual.size(); ++i) {
        if (lowerAscii(actual[i]) != extension[i]) return false;
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

namespace {
constexpr std::wstring_view kExtendedPrefix = L"\\\\?\\";
constexpr std::wstring_view kExtendedUncPrefix = L"\\\\?\\UNC\\";
// The longest folder path the file functions take without the extended form.
constexpr size_t kLongestOrdinaryPath = 247;
}  // namespace

std::wstring extendedLengthPath(std::wstring_view fullPath) {
    if (fullPath.size() <= kLongestOrdinaryPath || fullPath.starts_with(kExtendedPrefix) ||
        fullPath.starts_with(L"\\\\.\\")) {
        return std::wstring(fullPath);
    }
    if (fullPath.starts_with(L"\\\\")) return std::wstring(kExtendedUncPrefix) + std::wstring(fullPath.substr(2));
    const bool drivePath =
        fullPath.size() >= 3 && fullPath[1] == L':' && fullPath[2] == L'\\' &&
        ((fullPath[0] >= L'A' && fullPath[0] <= L'Z') || (fullPath[0] >= L'a' && fullPath[0] <= L'z'));
    return drivePath ? std::wstring(kExtendedPrefix) + std::wstring(fullPath) : std::wstring(fullPath);
}

std::wstring pathBeside(std::wstring_view target, std::wstring_view name) {
    return extendedLengthPath(directoryOf(ordinaryPath(target)) + std::wstring(name));
}

std::wstring ordinaryPath(std::wstring_view path) {
    if (path.starts_with(kExtendedUncPrefix)) return L"\\\\" + std::wstring(path.substr(kExtendedUncPrefix.size()));
    if (path.starts_with(kExtendedPrefix)) return std::wstring(path.substr(kExtendedPrefix.size()));
    return std::wstring(path);
}

ExtensionKind extensionKind(std::wstring_view fileName) {
    if (fileName == kNoFileName) return ExtensionKind::Neither;
    if (hasExtension(fileName, L"nfo") || hasExtension(fileName, L"diz")) return ExtensionKind::Nfo;
    if (hasExtension(fileName, L"txt")) return ExtensionKind::Text;
    return ExtensionKind::Neither;
}

}  // namespace vantry
