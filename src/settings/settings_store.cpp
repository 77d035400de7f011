#include "settings/settings_store.h"

#include <optional>
#include <utility>

#include "win/error.h"

namespace vantry {

SettingsStore::SettingsStore(std::wstring keyPath, MessageSink showError)
    : keyPath_(std::move(keyPath)), showError_(std::move(showError)) {}

std::wstring SettingsStore::readSetting(int number) {
    const std::wstring name = settingName(number);
    bool failed = false;
    std::optional<std::wstring> stored = readStored(name, failed);
    if (stored) return std::move(*stored);
    if (failed) return {};
    std::wstring result = settingDefault(number);
    writeSetting(number, result);
    return result;
}

std::optional<std::wstring> SettingsStore::readValue(std::wstring_view name) {
    bool failed = false;
    return readStored(name, failed);
}

std::optional<std::wstring> SettingsStore::readStored(std::wstring_view name, bool& failed) {
    try {
        RegistryKey opened;
        if (!heldKey_) opened = RegistryKey::open(HKEY_CURRENT_USER, keyPath_);
        const RegistryKey& key = heldKey_ ? heldKey_ : opened;
        if (key) return key.readText(name);
    } catch (const Error&) {
        failed = true;
        showError_(L"Internal error(3).\n\nCan't read windows registry entry: " + std::wstring(name));
    }
    return std::nullopt;
}

void SettingsStore::writeSetting(int number, std::wstring_view text) { writeValue(settingName(number), text); }

void SettingsStore::writeValue(std::wstring_view name, std::wstring_view text) {
    if (heldKey_) return heldKey_.writeText(name, text);
    writeRegistryString(name, text, keyPath_, HKEY_CURRENT_USER);
}

SettingsStore::HeldOpen::HeldOpen(SettingsStore& store) : store_(store) {
    if (store_.heldKey_) return;  // an outer one holds it
    store_.heldKey_ = RegistryKey::create(HKEY_CURRENT_USER, store_.keyPath_);
    owner_ = static_cast<bool>(store_.heldKey_);
}

SettingsStore::HeldOpen::~HeldOpen() {
    if (owner_) store_.heldKey_ = RegistryKey();
}

void SettingsStore::writeRegistryString(std::wstring_view valueName, std::wstring_view text, std::wstring_view keyPath,
                                        const RegistryRoot& root) {
    const RegistryKey key = RegistryKey::create(root, keyPath);
    if (!key) {
        showError_(L"Internal error(2).\n\nCan't write to windows registry: " + std::wstring(keyPath));
        return;
    }
    key.writeText(valueName, text);
}

bool SettingsStore::registryValueExists(std::wstring_view keyPath, std::wstring_view valueName,
                                        const RegistryRoot& root) {
    try {
        const RegistryKey key = RegistryKey::open(root, keyPath);
        return key && key.hasValue(valueName);
    } catch (const Error&) {
        showError_(L"Internal error(4).\n\nCan't read windows registry entries.");
        return false;
    }
}

void SettingsStore::deleteRegistryValue(std::wstring_view keyPath, std::wstring_view valueName,
                                        const RegistryRoot& root) {
    if (registryValueExists(keyPath, valueName, root)) RegistryKey::open(root, keyPath).deleteValue(valueName);
}

void SettingsStore::deleteRegistryKey(std::wstring_view keyPath, const RegistryRoot& root) {
    RegistryKey::deleteTree(root, keyPath);
}

void SettingsStore::showError(const std::wstring& message) const { showError_(message); }

}  // namespace vantry
