// The per-user settings key: reading a setting (storing its default on first use),
// writing one, and the general registry operations the rest of the program needs.
// Failures are shown as numbered messages and the program carries on; a write that
// fails once its key is open throws, for the operation that asked for it to report.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "settings/registry_key.h"
#include "settings/portable/settings_table.h"

namespace vantry {

class SettingsStore {
public:
    using MessageSink = std::function<void(const std::wstring& message)>;

    // keyPath is the settings key under HKEY_CURRENT_USER, "\Software\Vantry" in the
    // program; showError shows one of the store's messages.
    SettingsStore(std::wstring keyPath, MessageSink showError);

    const std::wstring& keyPath() const { return keyPath_; }

    std::wstring readSetting(int number);
    void writeSetting(int number, std::wstring_view text);

    // A value of the settings key beside the numbered settings: its text, or nothing
    // when it is not there (a value that cannot be read is reported, and counts as not
    // there). Nothing is stored in its place.
    std::optional<std::wstring> readValue(std::wstring_view name);
    void writeValue(std::wstring_view name, std::wstring_view text);

    // Keeps the settings key open while it lives, for the many reads of start-up and the
    // twenty writes of the recent files: one registry call a setting instead of five.
    // Where the key cannot be opened, each call goes on to open it and report itself.
    class HeldOpen {
    public:
        explicit HeldOpen(SettingsStore& store);
        HeldOpen(const HeldOpen&) = delete;
        HeldOpen& operator=(const HeldOpen&) = delete;
        ~HeldOpen();

    private:
        SettingsStore& store_;
        bool owner_ = false;
    };

    // Messages name `keyPath` as given, under its root.
    void writeRegistryString(std::wstring_view valueName, std::wstring_view text, std::wstring_view keyPath,
                             const RegistryRoot& root);
    bool registryValueExists(std::wstring_view keyPath, std::wstring_view valueName, const RegistryRoot& root);
    void deleteRegistryValue(std::wstring_view keyPath, std::wstring_view valueName, const RegistryRoot& root);
    void deleteRegistryKey(std::wstring_view keyPath, const RegistryRoot& root);

    // Shows one of the numbered registry messages.
    void showError(const std::wstring& message) const;

private:
    // The stored text; nothing when absent, or when unreadable (reported, `failed` set).
    std::optional<std::wstring> readStored(std::wstring_view name, bool& failed);

    std::wstring keyPath_;
    MessageSink showError_;
    RegistryKey heldKey_;
};

}  // namespace vantry
