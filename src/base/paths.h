// Path texts as the program shows and compares them. Only the backslash separates
// folders, as on Windows.
#pragma once

#include <string>
#include <string_view>

namespace vantry {

inline constexpr std::wstring_view kNoFileName = L"0";  // fileName of a document without a file

enum class ExtensionKind { Nfo = 0, Text = 1, Neither = 2 };

// By the extension of the full path, without regard to case: "nfo" and "diz" are NFO
// files, "txt" text files; no file ("0") and anything else is neither.
ExtensionKind extensionKind(std::wstring_view fileName);

// The text after the last "."; the whole name when it holds no "." or ends with ".".
std::wstring extensionOf(std::wstring_view name);

// A-Z as a-z; every other character as it is (file names compare so in any locale).
wchar_t lowerAscii(wchar_t c);

// Whether extensionOf(name) is `extension`, without regard to case, as Windows compares
// extensions ("README.NFO" is an NFO file). `extension` is lower-case ASCII.
bool hasExtension(std::wstring_view name, std::wstring_view extension);

// The name after the last backslash (the whole path when there is none).
std::wstring fileNameOf(std::wstring_view path);

// The path up to and including its last backslash; the whole path when there is none.
std::wstring directoryOf(std::wstring_view path);

// A full path as the file functions take it at any length: from 248 characters on,
// "C:\..." becomes "\\?\C:\..." and "\\server\share\..." "\\?\UNC\server\share\...".
// Shorter paths, relative ones and paths already in that form stay as they are.
std::wstring extendedLengthPath(std::wstring_view fullPath);
// The path as users see it: the "\\?\" form taken off again.
std::wstring ordinaryPath(std::wstring_view path);

// A file named `name` in the folder of `target` (a full path in either form), in the
// "\\?\" form when its own length needs it: a name longer than the target's can
// need it where the target does not.
std::wstring pathBeside(std::wstring_view target, std::wstring_view name);

}  // namespace vantry
