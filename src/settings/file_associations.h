// Making Vantry the program that opens a file type, and the "View with Vantry" entry of
// every file's context menu. The keys go to the current user's file types.
#pragma once

#include <string>
#include <string_view>

#include "settings/registry_key.h"
#include "settings/settings_store.h"

namespace vantry {

class FileAssociations {
public:
    FileAssociations(SettingsStore& store, std::wstring programPath, RegistryRoot classes = userClassesRoot());

    // The extension (without its dot) opens with Vantry; a previous owner is kept in
    // "Vantry_backup". Failures are reported and the other keys still written.
    void associateExtension(std::wstring_view extension);

    bool contextEntryPresent();
    void addContextEntry();
    void removeContextEntry();

private:
    SettingsStore& store_;
    std::wstring programPath_;
    RegistryRoot classes_;
};

// Tells the shell that file types changed, so icons and verbs follow at once.
void notifyAssociationsChanged();

}  // namespace vantry
