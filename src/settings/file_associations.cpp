#include "settings/file_associations.h"

#include <shlobj.h>

#include "settings/portable/association_rules.h"
#include "win/error.h"

namespace vantry {
namespace {

// The program that opened the extension so far: the user's own choice, else the
// machine's (the usual case, such as .txt -> txtfile), as the merged view shows it.
std::wstring previousOwner(const RegistryKey& userKey, std::wstring_view extension) {
    std::wstring owner = userKey.readText(L"").value_or(L"");
    if (owner.empty()) {
        if (const RegistryKey merged = RegistryKey::openToRead(HKEY_CLASSES_ROOT, extensionKeyPath(extension))) {
            owner = merged.readText(L"").value_or(L"");
        }
    }
    return owner;
}

}  // namespace

FileAssociations::FileAssociations(SettingsStore& store, std::wstring programPath, RegistryRoot classes)
    : store_(store), programPath_(std::move(programPath)), classes_(classes) {}

void FileAssociations::associateExtension(std::wstring_view extension) {
    try {
        if (const RegistryKey key = RegistryKey::create(classes_, extensionKeyPath(extension))) {
            const std::wstring previous = previousOwner(key, extension);
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

bool FileAssociations::contextEntryPresent() { return store_.registryValueExists(kContextCommandKey, L"", classes_); }

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
