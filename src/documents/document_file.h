// Reading documents from disk: the bytes of a file, the system's text conversions and
// the target of a shell shortcut.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "documents/portable/text_encoding.h"

namespace vantry {

// A path as the file functions take it at any length: full, and in the "\\?\" form
// from 248 characters on, where Windows would otherwise stop at 260.
std::wstring fileSystemPath(const std::wstring& path);

// The long form of a path (GetLongPathNameW); the path itself when that fails.
std::wstring longPathOf(const std::wstring& path);

// All bytes of a file, read while other programs may read and write it. Throws Error
// "Cannot open file "<path>". <system text>" when it cannot be opened or read.
std::string readFileBytes(const std::wstring& path);

// Code page ANSI and UTF-8 through MultiByteToWideChar with no flags.
class SystemByteTextDecoder final : public ByteTextDecoder {
public:
    std::wstring decodeAnsi(std::string_view bytes, size_t extraCapacity) const override;
    std::wstring decodeUtf8(std::string_view bytes, size_t extraCapacity) const override;
    std::wstring decodeUserAnsi(std::string_view bytes, size_t extraCapacity) const override;
};

// The system's ANSI code page, as the status bar and the faces name it.
unsigned ansiCodePage();
// The ANSI code page of the user's locale: 1252 where the locale has none of its own.
unsigned userAnsiCodePage();

// What a file without a mark that is not UTF-8 (and no NFO file) is read with: the ANSI
// code page, or on a system whose ANSI code page is UTF-8, the code page of the user's
// locale, so that its bytes survive.
TextEncoding unmarkedTextEncoding();
// What "ANSI" means to a user: the system's code page, or where that is UTF-8 (which
// has an item of its own), the code page of the user's locale.
TextEncoding userFacingAnsi();

// Reads a file and decodes it as opening a document does: in `chosen`, or with None by
// its mark and bytes, by the kind its name gives and the system's code pages. Throws as
// readFileBytes does.
DecodedDocument readDocumentFile(const std::wstring& path, TextEncoding chosen);

// The path a shortcut (.lnk) points to; empty when it cannot be resolved. Returns the
// COM status of the last step. COM must be initialised on the calling thread.
HRESULT resolveShortcut(const std::wstring& shortcutPath, std::wstring& targetPath);

}  // namespace vantry
