// The program's only door to the registry: keys opened or created under a root, text
// values read and written. Everything else asks through here, so the failures a user
// without rights would meet can be produced here in tests (Wine's registry has no
// permissions).
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "win/handles.h"

namespace vantry {

// A root as the program names keys under it. Key paths may begin with "\"; `prefix` is
// put before them, so the per-user file types can be named as HKEY_CLASSES_ROOT shows
// them while they are written under HKEY_CURRENT_USER\Software\Classes.
struct RegistryRoot {
    RegistryRoot(HKEY rootKey) : key(rootKey) {}  // NOLINT: a plain root converts
    RegistryRoot(HKEY rootKey, std::wstring_view keyPrefix) : key(rootKey), prefix(keyPrefix) {}
    // The path handed to the registry: without a leading "\", after the prefix.
    std::wstring fullPath(std::wstring_view keyPath) const;

    HKEY key;
    std::wstring_view prefix;
};

// The current user's file types, which Windows merges into HKEY_CLASSES_ROOT; writing
// there needs no administrator rights.
RegistryRoot userClassesRoot();

class RegistryKey {
public:
    RegistryKey() = default;
    // With full access, as the settings are opened; empty when the key cannot be.
    static RegistryKey open(const RegistryRoot& root, std::wstring_view keyPath);
    static RegistryKey create(const RegistryRoot& root, std::wstring_view keyPath);
    // Only to read, as keys the user may not change are opened (the machine's file types).
    static RegistryKey openToRead(const RegistryRoot& root, std::wstring_view keyPath);
    // Removes the key with everything under it; false when it was not there.
    static bool deleteTree(const RegistryRoot& root, std::wstring_view keyPath);

    explicit operator bool() const { return static_cast<bool>(key_); }

    // Throws when the registry cannot say.
    bool hasValue(std::wstring_view valueName) const;
    // REG_SZ and REG_EXPAND_SZ (verbatim) up to the first zero; nothing when the value
    // does not exist. Any other type, or a failed read, throws.
    std::optional<std::wstring> readText(std::wstring_view valueName) const;
    // Stores REG_SZ; throws when the registry refuses.
    void writeText(std::wstring_view valueName, std::wstring_view text) const;
    void deleteValue(std::wstring_view valueName) const;

private:
    explicit RegistryKey(HKEY key);
    static RegistryKey openWith(const RegistryRoot& root, std::wstring_view keyPath, REGSAM access);
    UniqueRegistryKey key_;
};

}  // namespace vantry
