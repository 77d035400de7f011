#include "settings/settings_store.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "win/error.h"
#include "win/handles.h"

namespace vantry {
namespace {

// A key path that begins with "\" is taken from the root.
std::wstring relativeKeyPath(std::wstring_view keyPath) {
    if (keyPath.starts_with(L'\\')) keyPath.remove_prefix(1);
    return std::wstring(keyPath);
}

UniqueRegistryKey openKey(HKEY root, std::wstring_view keyPath) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, relativeKeyPath(keyPath).c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) {
        return {};
    }
    return UniqueRegistryKey(key);
}

bool valueExists(HKEY key, std::wstring_view valueName) {
    return RegQueryValueExW(key, std::wstring(valueName).c_str(), nullptr, nullptr, nullptr,
                            nullptr) == ERROR_SUCCESS;
}

void writeValue(HKEY key, std::wstring_view valueName, std::wstring_view text) {
    const std::wstring data(text);
    const LSTATUS status =
        RegSetValueExW(key, std::wstring(valueName).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                       static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    if (status != ERROR_SUCCESS) throw Error(systemErrorText(static_cast<DWORD>(status)));
}

// REG_SZ and REG_EXPAND_SZ (verbatim) up to the first zero; any other type throws;
// nothing when the value does not exist. Most settings fit the first read.
std::optional<std::wstring> readText(HKEY key, const std::wstring& valueName) {
    // Room for an odd last byte, which no whole code unit holds; the text is taken from
    // the length read, since the stored data need not end with a zero.
    std::vector<wchar_t> data(256, L'\0');
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    LSTATUS status =
        RegQueryValueExW(key, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    if (status == ERROR_MORE_DATA) {
        data.assign(size / sizeof(wchar_t) + 1, L'\0');
        size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        status = RegQueryValueExW(key, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                                  &size);
    }
    if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
    if (status != ERROR_SUCCESS) throw Error(systemErrorText(static_cast<DWORD>(status)));
    if (type != REG_SZ && type != REG_EXPAND_SZ) throw Error(L"Invalid data type for '" + valueName + L"'");
    const std::wstring_view text(data.data(), std::min<size_t>(size / sizeof(wchar_t), data.size()));
    return std::wstring(text.substr(0, text.find(L'\0')));
}

}  // namespace

SettingsStore::SettingsStore(std::wstring keyPath, MessageSink showError)
    : keyPath_(std::move(keyPath)), showError_(std::move(showError)) {}

std::wstring SettingsStore::readSetting(int number) {
    const std::wstring name = settingName(number);
    std::wstring result;
    try {
        UniqueRegistryKey opened;
        if (!heldKey_) opened = openKey(HKEY_CURRENT_USER, keyPath_);
        const HKEY key = heldKey_ ? heldKey_ : opened.get();
        std::optional<std::wstring> stored;
        if (key) stored = readText(key, name);
        if (stored) {
            result = std::move(*stored);
        } else {
            result = settingDefault(number);
            writeSetting(number, result);
        }
    } catch (const Error&) {
        showError_(L"Internal error(3).\n\nCan't read windows registry entry: " + name);
    }
    return result;
}

void SettingsStore::writeSetting(int number, std::wstring_view text) {
    if (heldKey_) return writeValue(heldKey_, settingName(number), text);
    writeRegistryString(settingName(number), text, keyPath_, HKEY_CURRENT_USER);
}

SettingsStore::HeldOpen::HeldOpen(SettingsStore& store) : store_(store) {
    if (store_.heldKey_) return;  // an outer one holds it
    HKEY opened = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, relativeKeyPath(store_.keyPath_).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &opened, nullptr) == ERROR_SUCCESS) {
        store_.heldKey_ = opened;
        owner_ = true;
    }
}

SettingsStore::HeldOpen::~HeldOpen() {
    if (owner_) RegCloseKey(std::exchange(store_.heldKey_, nullptr));
}

void SettingsStore::writeRegistryString(std::wstring_view valueName, std::wstring_view text,
                                        std::wstring_view keyPath, HKEY root) {
    HKEY opened = nullptr;
    if (RegCreateKeyExW(root, relativeKeyPath(keyPath).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &opened, nullptr) != ERROR_SUCCESS) {
        showError_(L"Internal error(2).\n\nCan't write to windows registry: " + std::wstring(keyPath));
        return;
    }
    const UniqueRegistryKey key(opened);
    writeValue(key.get(), valueName, text);
}

bool SettingsStore::registryValueExists(std::wstring_view keyPath, std::wstring_view valueName,
                                        HKEY root) {
    const UniqueRegistryKey key = openKey(root, keyPath);
    return key && valueExists(key.get(), valueName);
}

void SettingsStore::deleteRegistryValue(std::wstring_view keyPath, std::wstring_view valueName,
                                        HKEY root) {
    const UniqueRegistryKey key = openKey(root, keyPath);
    if (key && valueExists(key.get(), valueName)) {
        RegDeleteValueW(key.get(), std::wstring(valueName).c_str());
    }
}

void SettingsStore::deleteRegistryKey(std::wstring_view keyPath, HKEY root) {
    if (!openKey(root, keyPath)) return;
    const std::wstring path = relativeKeyPath(keyPath);
    RegDeleteTreeW(root, path.c_str());
    RegDeleteKeyW(root, path.c_str());
}

}  // namespace vantry
