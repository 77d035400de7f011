#include "settings/registry_key.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "win/error.h"

namespace vantry {
namespace {

RegistryFault& registryFault() {
    static RegistryFault fault;
    return fault;
}

LSTATUS injected(RegistryCall call, const std::wstring& path) {
    const RegistryFault& fault = registryFault();
    return fault ? fault(call, path) : ERROR_SUCCESS;
}

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

void setRegistryFaultForTests(RegistryFault fault) { registryFault() = std::move(fault); }

RegistryKey::RegistryKey(HKEY key, std::wstring path) : key_(key), path_(std::move(path)) {}

RegistryKey RegistryKey::open(const RegistryRoot& root, std::wstring_view keyPath) {
    return openWith(root, keyPath, KEY_ALL_ACCESS);
}

RegistryKey RegistryKey::openToRead(const RegistryRoot& root, std::wstring_view keyPath) {
    return openWith(root, keyPath, KEY_READ);
}

RegistryKey RegistryKey::openWith(const RegistryRoot& root, std::wstring_view keyPath, REGSAM access) {
    std::wstring path = root.fullPath(keyPath);
    HKEY key = nullptr;
    if (injected(RegistryCall::Open, path) != ERROR_SUCCESS ||
        RegOpenKeyExW(root.key, path.c_str(), 0, access, &key) != ERROR_SUCCESS) {
        return {};
    }
    return {key, std::move(path)};
}

RegistryKey RegistryKey::create(const RegistryRoot& root, std::wstring_view keyPath) {
    std::wstring path = root.fullPath(keyPath);
    HKEY key = nullptr;
    if (injected(RegistryCall::Create, path) != ERROR_SUCCESS ||
        RegCreateKeyExW(root.key, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
            ERROR_SUCCESS) {
        return {};
    }
    return {key, std::move(path)};
}

bool RegistryKey::deleteTree(const RegistryRoot& root, std::wstring_view keyPath) {
    if (!open(root, keyPath)) return false;
    const std::wstring path = root.fullPath(keyPath);
    RegDeleteTreeW(root.key, path.c_str());
    RegDeleteKeyW(root.key, path.c_str());
    return true;
}

bool RegistryKey::hasValue(std::wstring_view valueName) const {
    throwIfFailed(injected(RegistryCall::Read, path_));
    const LSTATUS status =
        RegQueryValueExW(key_.get(), std::wstring(valueName).c_str(), nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_FILE_NOT_FOUND) return false;
    throwIfFailed(status);
    return true;
}

std::optional<std::wstring> RegistryKey::readText(std::wstring_view valueName) const {
    throwIfFailed(injected(RegistryCall::Read, path_));
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
        status = RegQueryValueExW(key_.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                                  &size);
    }
    if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
    throwIfFailed(status);
    if (type != REG_SZ && type != REG_EXPAND_SZ) throw Error(L"Invalid data type for '" + name + L"'");
    const std::wstring_view text(data.data(), std::min<size_t>(size / sizeof(wchar_t), data.size()));
    return std::wstring(text.substr(0, text.find(L'\0')));
}

void RegistryKey::writeText(std::wstring_view valueName, std::wstring_view text) const {
    throwIfFailed(injected(RegistryCall::Write, path_));
    const std::wstring data(text);
    throwIfFailed(RegSetValueExW(key_.get(), std::wstring(valueName).c_str(), 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(data.c_str()),
                                 static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t))));
}

void RegistryKey::deleteValue(std::wstring_view valueName) const {
    RegDeleteValueW(key_.get(), std::wstring(valueName).c_str());
}

}  // namespace vantry
