// The main window's saving: File > Save and Save As, the one routine that writes, the
// Save dialog's filter order and the question that protects unsaved changes.
#include "shell/nfo01.h"

#include "documents/document_file.h"
#include "documents/file_saving.h"
#include "documents/portable/text_encoder.h"
#include "shell/encoding_list.h"
#include "win/system_ui.h"

namespace vantry {

void Tnfonote::Save1Click() { saveDocument(); }

void Tnfonote::SaveAs1Click() { saveDocumentAs(); }

// Save writes what the file began with (its mark, or one kept aside) before the text.
bool Tnfonote::saveDocument() {
    if (document_.fileName == kNoFileName) return saveDocumentAs();
    return writeDocument(document_.fileName, document_.documentEncoding, document_.leadingBytes);
}

// Save As writes with the encoding chosen in its dialog, which the document then keeps
// for the next Save, as if it had been opened from that file.
bool Tnfonote::saveDocumentAs() {
    FileDialogRequest request;
    request.owner = handle();
    request.save = true;
    request.filter = saveFilterList(saveDialog_.nfoFirst);
    request.filterIndex = saveDialog_.filterIndex;
    request.defaultExtension = L"txt";
    request.listUnder = encodingListUnderDialog();
    request.encodingIndex = saveDialog_.encodingIndex;
    const std::optional<FileDialogAnswer> answer = systemUi().fileDialog(request);
    if (isEncodingListIndex(request.encodingIndex)) saveDialog_.encodingIndex = request.encodingIndex;
    if (!answer) return false;
    saveDialog_.filterIndex = answer->filterIndex;
    const TextEncoding encoding =
        isEncodingListIndex(answer->encodingIndex)
            ? encodingFromName(kEncodingListEntries[static_cast<size_t>(answer->encodingIndex)])
            : TextEncoding::None;
    if (!writeDocument(answer->path, encoding)) return false;
    setDocumentEncoding(encoding);
    updateCaption();
    applyFontSelection();
    recentFiles_.add(document_.fileName, encoding);  // reopened later in what it was saved in
    return true;
}

bool Tnfonote::writeDocument(const std::wstring& path, TextEncoding encoding) {
    return writeDocument(path, encoding, byteOrderMark(encoding));
}

// Throws when the file cannot be written; the file on disk is then as it was. False
// when the user would rather not write, in the encoding the file was read with, what
// its reading could not keep, or lose characters that the code page cannot store.
bool Tnfonote::writeDocument(const std::wstring& path, TextEncoding encoding, std::string_view leadingBytes) {
    if (!document_.readExactly && readsAlike(encoding, document_.documentEncoding, ansiCodePage())) {
        const std::wstring name = encodingStatusText(document_.documentEncoding, document_.leadingBytes, true,
                                                     ansiCodePage(), userAnsiCodePage());
        if (showMessage(inexactReadingQuestion(name), MB_OKCANCEL | MB_ICONWARNING) != IDOK) return false;
    }
    std::wstring text = Memo1.text();
    const SystemByteTextEncoder encoder;
    // A SAUCE record goes back after the text in whatever encoding the text is written.
    const std::string& record = document_.trailingBytes;
    std::optional<std::string> bytes = encodeForSaving(text, encoding, encoder, false, leadingBytes, record);
    if (!bytes) {
        if (showMessage(unmappableQuestion(encoding), MB_OKCANCEL | MB_ICONWARNING) != IDOK) return false;
        bytes = encodeForSaving(text, encoding, encoder, true, leadingBytes, record);
    }
    saveFileBytes(path, *bytes);
    bytes.reset();
    document_.fileName = path;
    document_.leadingBytes = std::string(leadingBytes);  // may be a view of itself
    document_.readExactly = true;                        // the file now holds what was written
    referenceText_ = std::move(text);
    updateStatusBar();  // no longer "(lossy)"
    return true;
}

bool Tnfonote::askToSaveChanges() {
    if (!settings_.isOn(kAskToSave)) return true;
    if (!isModified()) return true;
    switch (showMessage(L"Save changes to text?", MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
        case IDYES: return saveDocument();
        case IDNO: return true;
        default: return false;
    }
}

void Tnfonote::setSaveFilterOrder() { saveDialog_.nfoFirst = nfoFilterFirst(extensionKind(), settings_.fontSelection); }

void Tnfonote::setDocumentEncoding(TextEncoding encoding) {
    document_.documentEncoding = encoding;
    // The list follows the enumeration; the user's own code page has no entry there.
    saveDialog_.encodingIndex = encoding == TextEncoding::UserAnsi ? 0 : static_cast<int>(encoding);
}

}  // namespace vantry
