#include "settings/registry_key.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "win/error.h"

namespace vantry {
namespace {

void throwIfFailed(LSTATUS status) {
    if (status != ERROR_SUCCESS) throw Error(systemErrorText(static_cast<DWORD>(status)));
}

}  // namespace

std::wstring RegistryRoot::fullPath(std::wstring_view keyPath) const {
    if (keyPath.starts_with(L'\\')) keyPath.remove_prefix(1);
    std::wstring_view head = prefix;
    if (head.starts_with(L'\\')) head.remove_prefix(1);
    if (head.empty()) return std::wstring(keyPath);
    return std::wstring(head) + L"\\" + std::wstring(keyPath);
}

RegistryRoot userClassesRoot() { return {HKEY_CURRENT_USER, L"\\Software\\Classes"}; }

RegistryKey::RegistryKey(HKEY key) : key_(key) {}

RegistryKey RegistryKey::open(const RegistryRoot& root, std::wstring_view keyPath) {
    return openWith(root, keyPath, KEY_ALL_ACCESS);
}

RegistryKey RegistryKey::openToRead(const RegistryRoot& root, std::wstring_view keyPath) {
    return openWith(root, keyPath, KEY_READ);
}

RegistryKey RegistryKey::openWith(const RegistryRoot& root, std::wstring_view keyPath, REGSAM access) {
    const std::wstring path = root.fullPath(keyPath);
    HKEY key = nullptr;
    if (RegOpenKeyExW(root.key, path.c_str(), 0, access, &key) != ERROR_SUCCESS) return {};
    return RegistryKey(key);
}

RegistryKey RegistryKey::create(const RegistryRoot& root, std::wstring_view keyPath) {
    const std::wstring path = root.fullPath(keyPath);
    HKEY key = nullptr;
    if (RegCreateKeyExW(root.key, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return {};
    }
    return RegistryKey(key);
}

bool RegistryKey::deleteTree(const RegistryRoot& root, std::wstring_view keyPath) {
    if (!open(root, keyPath)) return false;
    const std::wstring path = root.fullPath(keyPath);
    RegDeleteTreeW(root.key, path.c_str());
    RegDeleteKeyW(root.key, path.c_str());
    return true;
}

bool RegistryKey::hasValue(std::wstring_view valueName) const {
    const LSTATUS status =
        RegQueryValueExW(key_.get(), std::wstring(valueName).c_str(), nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_FILE_NOT_FOUND) return false;
    throwIfFailed(status);
    return true;
}

std::optional<std::wstring> RegistryKey::readText(std::wstring_view valueName) const {
    const std::wstring name(valueName);
    // Room for an odd last byte, which no whole code unit holds; the text is taken from
    // the length read, since the stored data need not end with a zero. Most values fit
    // the first read.
    std::vector<wchar_t> data(256, L'\0');
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    LSTATUS status =
        RegQueryValueExW(key_.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    if (status == ERROR_MORE_DATA) {
        data.assign(size / sizeof(wchar_t) + 1, L'\0');
        size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        status =
            RegQueryValueExW(key_.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    }
    if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
    throwIfFailed(status);
    if (type != REG_SZ && type != REG_EXPAND_SZ) throw Error(L"Invalid data type for '" + name + L"'");
    const std::wstring_view text(data.data(), std::min<size_t>(size / sizeof(wchar_t), data.size()));
    return std::wstring(text.substr(0, text.find(L'\0')));
}

void RegistryKey::writeText(std::wstring_view valueName, std::wstring_view text) const {
    const std::wstring data(text);
    throwIfFailed(RegSetValueExW(key_.get(), std::wstring(valueName).c_str(), 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(data.c_str()),
                                 static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t))));
}

void RegistryKey::deleteValue(std::wstring_view valueName) const {
    RegDeleteValueW(key_.get(), std::wstring(valueName).c_str());
}

}  // namespace vantry
