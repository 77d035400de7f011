// File > Print, File > Export as PNG and File > File information.
#include "documents/file_saving.h"
#include "documents/portable/image_export.h"
#include "base/paths.h"
#include "documents/png_export.h"
#include "documents/printing.h"
#include "shell/nfo01.h"
#include "documents/document_file.h"
#include "documents/file_info_dialog.h"

namespace vantry {

void Tnfonote::Print1Click() {
    if (!printerInstalled() && systemUi().messageBox(handle(), std::wstring(kNoPrinterQuestion), L"Confirm",
                                                     MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    std::optional<PrintDialogAnswer> printer = systemUi().printDialog(handle());
    if (printer) printDocument(*printer);
}

void Tnfonote::printDocument(PrintDialogAnswer& printer) {
    printJob_.nfoFont = document_.isNfoFont;
    printJob_.copies = copiesToPrint(printer.copies);
    PrintFont font = choosePrintFont(printJob_.nfoFont, look_.fontProfile(), Memo1.fontCharSet());
    if (textInAnsiCodePage()) font.face = faceForAnsiText(font.face);
    const HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    const std::wstring jobName = document_.fileName == kNoFileName ? L"Untitled" : fileNameOf(document_.fileName);
    const bool printed =
        vantry::printDocument(printJob_, printer.printer.get(), printer.collate, font, ShownLines(Memo1), jobName);
    SetCursor(previous);
    if (!printed) showMessage(std::wstring(kNoLineFitsMessage), MB_OK | MB_ICONERROR);
}

// The picture is made before the file is asked for, so that a document too large for one
// bitmap is refused before the user chooses where it would go.
void Tnfonote::ExportPng1Click() {
    const std::wstring text = Memo1.text();
    const std::vector<std::wstring_view> lines = documentLines(text);
    if (lines.empty()) {
        showMessage(std::wstring(kNothingToExportMessage), MB_OK | MB_ICONINFORMATION);
        return;
    }
    const std::string png = documentPng(lines, look_.font(), backgroundColor(), textColor());
    FileDialogRequest request;
    request.owner = handle();
    request.save = true;
    request.title = L"Export as PNG";
    using namespace std::string_literals;
    request.filter = L"PNG image (*.png)\0*.png\0All files (*.*)\0*.*\0"s;
    request.defaultExtension = L"png";
    if (document_.fileName != kNoFileName) request.fileName = fileNameOf(document_.fileName) + L".png";
    const std::optional<FileDialogAnswer> answer = systemUi().fileDialog(request);
    if (!answer) return;
    if (document_.fileName != kNoFileName && sameFile(answer->path, document_.fileName)) {
        showMessage(std::wstring(kExportOverDocumentMessage), MB_OK | MB_ICONWARNING);
        return;
    }
    saveFileBytes(answer->path, png);
}

void Tnfonote::Fileproperties1Click() {
    if (TFileInfoDialog* fileInfo = tools_.fileInfo.get())
        fileInfo->showFileInformation(document_.fileName, document_.trailingBytes);
}

}  // namespace vantry
