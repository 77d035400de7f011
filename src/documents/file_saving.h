// Writing documents to disk so that a failed save never damages the file that was
// there: the bytes go to a new file beside it, which then takes its place in one step.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "documents/portable/text_encoder.h"

namespace vantry {

// WriteFile's contract; tests put a failing one in its place.
using FileChunkWriter = std::function<bool(HANDLE file, const char* data, DWORD size, DWORD& written)>;
// ReplaceFileW's contract (no backup name): true, or false with the error in
// GetLastError; tests put a failing one in its place.
using FileReplacer = std::function<bool(const std::wstring& target, const std::wstring& replacement)>;

// Creates or replaces `path` with exactly `bytes`. An existing file keeps its
// attributes and security (ReplaceFileW). A read-only file is refused. On a failure
// before the old file is touched, the temporary file is removed, `path` is left as it
// was, and Error is thrown: "Cannot create file "<path>". <system text>" when the file
// cannot be made or put in place, "Cannot write file "<path>". <system text>" when
// writing fails. When the replace fails half-way (the old file already moved away), the
// new file is moved into place instead; should that fail too, it is kept under its
// temporary name, which the error names, so the text is never lost.
void saveFileBytes(const std::wstring& path, std::string_view bytes, const FileChunkWriter& writeChunk = {},
                   const FileReplacer& replaceFile = {});

// Whether two paths name one file as the file system sees it, whatever the case, the
// long or short (8.3) form or the "\\?\" form. Where either file does not exist, the
// full paths are compared without regard to case, as Windows compares names.
bool sameFile(const std::wstring& first, const std::wstring& second);

// Code page ANSI and UTF-8 through WideCharToMultiByte.
class SystemByteTextEncoder final : public ByteTextEncoder {
public:
    bool encodeAnsi(std::wstring_view text, bool exactOnly, std::string& out) const override;
    void encodeUtf8(std::wstring_view text, std::string& out) const override;
    bool encodeUserAnsi(std::wstring_view text, bool exactOnly, std::string& out) const override;
};

}  // namespace vantry
