// What associating a file type with Vantry writes, and which typed extensions it takes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantry {

inline constexpr std::wstring_view kProgId = L"Vantry";
inline constexpr std::wstring_view kBackupValueName = L"Vantry_backup";
inline constexpr std::wstring_view kProgIdShellKey = L"\\Vantry\\Shell";
inline constexpr std::wstring_view kProgIdIconKey = L"\\Vantry\\DefaultIcon";
inline constexpr std::wstring_view kProgIdCommandKey = L"\\Vantry\\Shell\\Open\\Command";
inline constexpr std::wstring_view kContextVerbKey = L"\\*\\shell\\View with Vantry";
inline constexpr std::wstring_view kContextCommandKey = L"\\*\\shell\\View with Vantry\\command";

// The key of an extension, "\.nfo" for "nfo".
std::wstring extensionKeyPath(std::wstring_view extension);

// The program path in quotes, then "%1" in quotes: a path with blanks stays whole.
std::wstring openCommand(std::wstring_view programPath);
std::wstring defaultIcon(std::wstring_view programPath);

// The previous default of an extension's key is kept when it named another program.
inline bool keepsBackup(std::wstring_view previousDefault) {
    return !previousDefault.empty() && previousDefault != kProgId;
}

// A typed extension loses up to three leading "." or "*" characters ("*.diz" is "diz").
std::wstring strippedExtension(std::wstring_view typed);

// Whether an extension (with or without leading dots) is one of the programs, scripts
// and shell files that must keep opening the way Windows opens them.
bool isSystemExtension(std::wstring_view extension);

// The extension to associate, or the message that refuses the typed text: nothing left
// after stripping, a system extension, or a backslash or control character, which
// would name other keys.
struct CustomExtension {
    std::wstring extension;
    std::optional<std::wstring> refusal;
};
CustomExtension customExtension(std::wstring_view typed);

inline constexpr std::wstring_view kTypeAnExtensionMessage =
    L"You must type the extension you want to associate with Vantry in the editbox to the left.";

// The question asked before a typed extension is associated.
std::wstring associationQuestion(std::wstring_view extension);

}  // namespace vantry
