#include "settings/file_associations.h"

#include <shlobj.h>

#include "settings/association_rules.h"
#include "win/error.h"

namespace vantry {

FileAssociations::FileAssociations(SettingsStore& store, std::wstring programPath, RegistryRoot classes)
    : store_(store), programPath_(std::move(programPath)), classes_(classes) {}

void FileAssociations::associateExtension(std::wstring_view extension) {
    try {
        if (const RegistryKey key = RegistryKey::create(classes_, extensionKeyPath(extension))) {
            const std::wstring previous = key.readText(L"").value_or(L"");
            if (keepsBackup(previous)) key.writeText(kBackupValueName, previous);
            key.writeText(L"", kProgId);
        } else {
            store_.showError(L"Internal error(5).\n\nCan't create windows registry key.");
        }
        store_.writeRegistryString(L"", L"Open", kProgIdShellKey, classes_);
        store_.writeRegistryString(L"", defaultIcon(programPath_), kProgIdIconKey, classes_);
        store_.writeRegistryString(L"", openCommand(programPath_), kProgIdCommandKey, classes_);
    } catch (const Error&) {
        store_.showError(L"Internal error(6).\n\nCan't write to windows registry.");
    }
    notifyAssociationsChanged();
}

bool FileAssociations::contextEntryPresent() {
    return store_.registryValueExists(kContextCommandKey, L"", classes_);
}

void FileAssociations::addContextEntry() {
    store_.writeRegistryString(L"", openCommand(programPath_), kContextCommandKey, classes_);
    notifyAssociationsChanged();
}

void FileAssociations::removeContextEntry() {
    store_.deleteRegistryKey(kContextVerbKey, classes_);
    notifyAssociationsChanged();
}

void notifyAssociationsChanged() { SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr); }

}  // namespace vantry
