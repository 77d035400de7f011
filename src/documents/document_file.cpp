#include "documents/document_file.h"

#include <shlobj.h>
#include <shobjidl.h>

#include <climits>
#include <vector>

#include "base/paths.h"
#include "documents/file_saving.h"
#include "win/error.h"
#include "win/handles.h"

namespace vantry {
namespace {

[[noreturn]] void throwCannotOpen(const std::wstring& path, DWORD code) {
    throw Error(L"Cannot open file \"" + path + L"\". " + systemErrorText(code));
}

std::wstring multiByteToWide(UINT codePage, std::string_view bytes, size_t extraCapacity) {
    if (bytes.empty()) return {};
    if (bytes.size() > static_cast<size_t>(INT_MAX)) throw Error(L"Text exceeds memo capacity");
    const int byteCount = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), byteCount, nullptr, 0);
    if (length <= 0) throw Error(systemErrorText(GetLastError()));
    std::wstring text;
    text.reserve(static_cast<size_t>(length) + extraCapacity);
    text.resize(static_cast<size_t>(length));
    MultiByteToWideChar(codePage, 0, bytes.data(), byteCount, text.data(), length);
    return text;
}

}  // namespace

std::wstring fileSystemPath(const std::wstring& path) {
    const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return path;
    std::wstring full(needed, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed) return path;
    full.resize(length);
    return extendedLengthPath(full);
}

std::wstring longPathOf(const std::wstring& path) {
    const std::wstring system = fileSystemPath(path);
    std::wstring buffer(4096, L'\0');
    DWORD length = GetLongPathNameW(system.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length >= buffer.size()) {
        buffer.assign(length, L'\0');
        length = GetLongPathNameW(system.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    }
    if (length == 0 || length >= buffer.size()) return path;
    buffer.resize(length);
    return ordinaryPath(buffer);
}

std::string readFileBytes(const std::wstring& path) {
    const UniqueFileHandle file(CreateFileW(fileSystemPath(path).c_str(), GENERIC_READ,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                            OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) throwCannotOpen(path, GetLastError());
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) throwCannotOpen(path, GetLastError());
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + done, chunk, &read, nullptr)) {
            throwCannotOpen(path, GetLastError());
        }
        if (read == 0) break;  // the file shrank while it was read
        done += read;
    }
    bytes.resize(done);
    return bytes;
}

std::wstring SystemByteTextDecoder::decodeAnsi(std::string_view bytes, size_t extraCapacity) const {
    return multiByteToWide(CP_ACP, bytes, extraCapacity);
}

std::wstring SystemByteTextDecoder::decodeUtf8(std::string_view bytes, size_t extraCapacity) const {
    return multiByteToWide(CP_UTF8, bytes, extraCapacity);
}

std::wstring SystemByteTextDecoder::decodeUserAnsi(std::string_view bytes, size_t extraCapacity) const {
    return multiByteToWide(userAnsiCodePage(), bytes, extraCapacity);
}

unsigned ansiCodePage() { return GetACP(); }

// Asked once: the status bar names it at every key.
unsigned userAnsiCodePage() {
    static const unsigned codePage = [] {
        if (GetACP() != CP_UTF8) return GetACP();
        DWORD locale = 0;
        GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                        reinterpret_cast<wchar_t*>(&locale), sizeof locale / sizeof(wchar_t));
        constexpr UINT kWestern = 1252;  // for a locale with no code page of its own
        return locale == 0 || locale == CP_UTF8 || !IsValidCodePage(locale) ? kWestern : static_cast<UINT>(locale);
    }();
    return codePage;
}

TextEncoding unmarkedTextEncoding() {
    if (ansiCodePage() != CP_UTF8) return TextEncoding::None;
    // The program's own table where it has one.
    return windowsTableEncoding(userAnsiCodePage()).value_or(TextEncoding::UserAnsi);
}

TextEncoding userFacingAnsi() { return ansiCodePage() == CP_UTF8 ? TextEncoding::UserAnsi : TextEncoding::Ansi; }

DecodedDocument readDocumentFile(const std::wstring& path, TextEncoding chosen) {
    const std::string bytes = readFileBytes(path);
    const ReadingRules rules{extensionKind(path) == ExtensionKind::Nfo, unmarkedTextEncoding()};
    return decodeDocument(bytes, chosen, SystemByteTextDecoder{}, SystemByteTextEncoder{}, rules);
}

HRESULT resolveShortcut(const std::wstring& shortcutPath, std::wstring& targetPath) {
    constexpr DWORD kLongPath = 32767;
    targetPath.clear();
    ComPtr<IShellLinkW> link;
    HRESULT status = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.putVoid());
    if (FAILED(status)) return status;
    ComPtr<IPersistFile> file;
    status = link->QueryInterface(IID_IPersistFile, file.putVoid());
    if (FAILED(status)) return status;
    status = file->Load(shortcutPath.c_str(), STGM_READ);
    if (FAILED(status)) return status;
    status = link->Resolve(nullptr, SLR_UPDATE);
    if (FAILED(status)) return status;
    std::vector<wchar_t> buffer(kLongPath + 1, L'\0');
    WIN32_FIND_DATAW findData{};
    status = link->GetPath(buffer.data(), static_cast<int>(kLongPath), &findData, SLGP_RAWPATH);
    if (FAILED(status)) return status;
    targetPath = buffer.data();
    return status;
}

}  // namespace vantry
