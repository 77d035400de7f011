#include "settings/portable/association_rules.h"

#include <algorithm>
#include <iterator>

#include "base/paths.h"

namespace vantry {
namespace {

// Files that Windows runs, or that the shell itself needs to open as it does (shortcuts,
// installers, scripts, libraries, system parts): opened as text instead, every program
// of that kind on the machine would stop working.
constexpr std::wstring_view kSystemExtensions[] = {
    L"exe",
    L"com",
    L"bat",
    L"cmd",
    L"pif",
    L"scr",
    L"msi",
    L"msp",
    L"msu",
    L"mst",
    L"lnk",
    L"url",
    L"cpl",
    L"dll",
    L"sys",
    L"drv",
    L"ocx",
    L"ax",
    L"efi",
    L"ps1",
    L"ps1xml",
    L"ps2",
    L"ps2xml",
    L"psc1",
    L"psc2",
    L"psd1",
    L"psm1",
    L"vb",
    L"vbs",
    L"vbe",
    L"js",
    L"jse",
    L"ws",
    L"wsc",
    L"wsf",
    L"wsh",
    L"hta",
    L"reg",
    L"inf",
    L"ins",
    L"isp",
    L"job",
    L"jar",
    L"msc",
    L"msh",
    L"msh1",
    L"msh2",
    L"mshxml",
    L"msh1xml",
    L"msh2xml",
    L"scf",
    L"shb",
    L"shs",
    L"chm",
    L"hlp",
    L"cab",
    L"application",
    L"appref-ms",
    L"gadget",
    L"library-ms",
    L"search-ms",
    L"searchconnector-ms",
    L"settingcontent-ms",
    L"website",
    L"xbap",
    L"appx",
    L"appxbundle",
    L"msix",
    L"msixbundle",
    L"diagcab",
};

}  // namespace

std::wstring extensionKeyPath(std::wstring_view extension) { return L"\\." + std::wstring(extension); }

std::wstring openCommand(std::wstring_view programPath) { return L"\"" + std::wstring(programPath) + L"\" \"%1\""; }

std::wstring defaultIcon(std::wstring_view programPath) { return std::wstring(programPath) + L",0"; }

std::wstring strippedExtension(std::wstring_view typed) {
    for (int pass = 0; pass < 3 && !typed.empty() && (typed.front() == L'.' || typed.front() == L'*'); ++pass) {
        typed.remove_prefix(1);
    }
    return std::wstring(typed);
}

CustomExtension customExtension(std::wstring_view typed) {
    std::wstring extension = strippedExtension(typed);
    if (extension.empty()) return {L"", std::wstring(kTypeAnExtensionMessage)};
    const bool namesOtherKeys =
        std::any_of(extension.begin(), extension.end(), [](wchar_t c) { return c == L'\\' || c < L' ' || c == 0x7F; });
    if (isSystemExtension(extension)) {
        return {L"", L"\"" + extension +
                         L"\" files are run or used by Windows itself. Associated with Vantry, "
                         L"they would all open as text, so Vantry does not associate them."};
    }
    if (namesOtherKeys) {
        return {L"", L"\"" + extension +
                         L"\" cannot be associated: an extension cannot hold a backslash or a control character."};
    }
    return {std::move(extension), std::nullopt};
}

// Compared as Windows compares names: in any case, and without the dots and blanks it
// drops from the end of a file name.
bool isSystemExtension(std::wstring_view extension) {
    while (!extension.empty() && (extension.front() == L'.' || extension.front() == L'*')) extension.remove_prefix(1);
    while (!extension.empty() && (extension.back() == L'.' || extension.back() == L' ')) extension.remove_suffix(1);
    std::wstring lower(extension);
    for (wchar_t& c : lower) c = lowerAscii(c);
    return std::ranges::find(kSystemExtensions, std::wstring_view(lower)) != std::end(kSystemExtensions);
}

std::wstring associationQuestion(std::wstring_view extension) {
    return L"All files with the extension \"" + std::wstring(extension) + L"\" will be associated with Vantry.";
}

}  // namespace vantry
