#include "documents/file_saving.h"

#include <algorithm>
#include <climits>
#include <optional>

#include "documents/document_file.h"
#include "base/paths.h"
#include "win/error.h"
#include "win/handles.h"

namespace vantry {
namespace {

constexpr DWORD kChunkSize = 1u << 20;
constexpr int kTemporaryNameAttempts = 100;
constexpr UINT kGb18030CodePage = 54936;

[[noreturn]] void throwFileError(const wchar_t* what, const std::wstring& path, DWORD code) {
    throw Error(std::wstring(what) + L" \"" + path + L"\". " + systemErrorText(code));
}

bool writeWithWin32(HANDLE file, const char* data, DWORD size, DWORD& written) {
    return WriteFile(file, data, size, &written, nullptr) != FALSE;
}

bool replaceWithWin32(const std::wstring& target, const std::wstring& replacement) {
    return ReplaceFileW(target.c_str(), replacement.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                        nullptr) != FALSE;
}

// A new, empty file in the target's folder (so that moving it over the target never
// crosses volumes), removed again unless it has taken the target's place.
class TemporaryFile {
public:
    // `target` as the file functions take it, `shownTarget` as the user named it.
    TemporaryFile(const std::wstring& target, const std::wstring& shownTarget) {
        static unsigned counter = 0;
        DWORD code = ERROR_FILE_EXISTS;
        for (int attempt = 0; attempt < kTemporaryNameAttempts && code == ERROR_FILE_EXISTS; ++attempt) {
            path_ = pathBeside(target, L"~vantry-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                           std::to_wstring(++counter) + L".tmp");
            if (path_ == target) continue;
            file_.reset(
                CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
            if (file_) return;
            code = GetLastError();
        }
        throwFileError(L"Cannot create file", shownTarget, code);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        file_.reset();
        if (!kept_) DeleteFileW(path_.c_str());
    }

    HANDLE handle() const { return file_.get(); }
    const std::wstring& path() const { return path_; }
    void close() { file_.reset(); }
    void keep() { kept_ = true; }

private:
    std::wstring path_;
    UniqueFileHandle file_;
    bool kept_ = false;
};

void writeAll(HANDLE file, std::string_view bytes, const FileChunkWriter& writeChunk, const std::wstring& path) {
    while (!bytes.empty()) {
        const DWORD size = static_cast<DWORD>(std::min<size_t>(bytes.size(), kChunkSize));
        DWORD written = 0;
        SetLastError(ERROR_SUCCESS);
        if (!writeChunk(file, bytes.data(), size, written) || written == 0) {
            const DWORD code = GetLastError();
            throwFileError(L"Cannot write file", path, code != ERROR_SUCCESS ? code : ERROR_WRITE_FAULT);
        }
        bytes.remove_prefix(written);
    }
    if (!FlushFileBuffers(file)) throwFileError(L"Cannot write file", path, GetLastError());
}

// After ReplaceFileW failed with one of these, the old file is gone or renamed and only
// the temporary file holds the document.
bool replaceLeftNoTarget(DWORD code) {
    return code == ERROR_UNABLE_TO_MOVE_REPLACEMENT || code == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2;
}

// The volume and the file's index on it, which every name of a file shares.
std::optional<BY_HANDLE_FILE_INFORMATION> fileIdentity(const std::wstring& path) {
    const UniqueFileHandle file(CreateFileW(fileSystemPath(path).c_str(), 0,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION information{};
    if (!file || !GetFileInformationByHandle(file.get(), &information)) return std::nullopt;
    return information;
}

}  // namespace

namespace {

bool encodeInCodePage(UINT codePage, std::wstring_view text, bool exactOnly, std::string& out) {
    if (text.empty()) return true;
    if (text.size() > static_cast<size_t>(INT_MAX)) throw Error(L"Text too large to save");
    const int units = static_cast<int>(text.size());
    // A code page that holds all of Unicode (the system's "UTF-8 for worldwide language
    // support", or GB 18030) refuses the exact-only flags; only a lone surrogate is lost.
    if (codePage == CP_ACP) codePage = GetACP();
    const bool holdsAllOfUnicode = codePage == CP_UTF8 || codePage == kGb18030CodePage;
    if (holdsAllOfUnicode && exactOnly && hasUnpairedSurrogate(text)) return false;
    const bool checkExact = exactOnly && !holdsAllOfUnicode;
    const DWORD flags = checkExact ? WC_NO_BEST_FIT_CHARS : 0;
    const int length = WideCharToMultiByte(codePage, flags, text.data(), units, nullptr, 0, nullptr, nullptr);
    if (length <= 0) throw Error(systemErrorText(GetLastError()));
    const size_t start = out.size();
    out.resize(start + static_cast<size_t>(length));
    BOOL usedDefault = FALSE;
    WideCharToMultiByte(codePage, flags, text.data(), units, out.data() + start, length, nullptr,
                        checkExact ? &usedDefault : nullptr);
    if (usedDefault) {
        out.resize(start);
        return false;
    }
    return true;
}

}  // namespace

bool sameFile(const std::wstring& first, const std::wstring& second) {
    const auto one = fileIdentity(first);
    const auto other = fileIdentity(second);
    if (one && other) {
        return one->dwVolumeSerialNumber == other->dwVolumeSerialNumber &&
               one->nFileIndexHigh == other->nFileIndexHigh && one->nFileIndexLow == other->nFileIndexLow;
    }
    const std::wstring a = ordinaryPath(fileSystemPath(first));
    const std::wstring b = ordinaryPath(fileSystemPath(second));
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

void saveFileBytes(const std::wstring& path, std::string_view bytes, const FileChunkWriter& writeChunk,
                   const FileReplacer& replaceFile) {
    const std::wstring target = fileSystemPath(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
        throwFileError(L"Cannot create file", path, ERROR_ACCESS_DENIED);
    }
    TemporaryFile temporary(target, path);
    writeAll(temporary.handle(), bytes, writeChunk ? writeChunk : FileChunkWriter(writeWithWin32), path);
    temporary.close();

    constexpr DWORD kMoveOver = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    bool replaced = exists ? (replaceFile ? replaceFile : FileReplacer(replaceWithWin32))(target, temporary.path())
                           : MoveFileExW(temporary.path().c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) != FALSE;
    if (!replaced) {
        const DWORD code = GetLastError();
        if (!exists || !replaceLeftNoTarget(code)) throwFileError(L"Cannot create file", path, code);
        replaced = MoveFileExW(temporary.path().c_str(), target.c_str(), kMoveOver) != FALSE;
        if (!replaced) {
            const DWORD moveCode = GetLastError();
            temporary.keep();
            throw Error(L"Cannot create file \"" + path + L"\". " + systemErrorText(moveCode) +
                        L" The text was saved as \"" + ordinaryPath(temporary.path()) + L"\".");
        }
    }
    temporary.keep();
    // Windows keeps the replaced file's attributes; make sure of it where that is not so.
    if (exists && GetFileAttributesW(target.c_str()) != attributes) SetFileAttributesW(target.c_str(), attributes);
}

bool SystemByteTextEncoder::encodeAnsi(std::wstring_view text, bool exactOnly, std::string& out) const {
    return encodeInCodePage(CP_ACP, text, exactOnly, out);
}

bool SystemByteTextEncoder::encodeUserAnsi(std::wstring_view text, bool exactOnly, std::string& out) const {
    return encodeInCodePage(userAnsiCodePage(), text, exactOnly, out);
}

void SystemByteTextEncoder::encodeUtf8(std::wstring_view text, std::string& out) const {
    if (text.empty()) return;
    if (text.size() > static_cast<size_t>(INT_MAX)) throw Error(L"Text too large to save");
    const int units = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), units, nullptr, 0, nullptr, nullptr);
    if (length <= 0) throw Error(systemErrorText(GetLastError()));
    const size_t start = out.size();
    out.resize(start + static_cast<size_t>(length));
    WideCharToMultiByte(CP_UTF8, 0, text.data(), units, out.data() + start, length, nullptr, nullptr);
}

}  // namespace vantry
