// File > Print and File > File information.
#include "documents/printing.h"
#include "shell/message_box.h"
#include "shell/nfo01.h"
#include "shell/windows.h"

namespace vantry {

void Tnfonote::Print1Click() {
    if (!printerInstalled() &&
        systemUi().messageBox(handle(), std::wstring(kNoPrinterQuestion), L"Confirm", MB_YESNO | MB_ICONQUESTION) !=
            IDYES) {
        return;
    }
    std::optional<PrintDialogAnswer> printer = systemUi().printDialog(handle());
    if (printer) printDocument(*printer);
}

void Tnfonote::printDocument(PrintDialogAnswer& printer) {
    printJob_.nfoFont = document_.isNfoFont;
    printJob_.copies = copiesToPrint(printer.copies);
    PrintFont font = choosePrintFont(printJob_.nfoFont, memoFontProfile_, Memo1.fontCharSet());
    if (readWithAnsiCodePage(document_.documentEncoding)) font.face = faceForAnsiText(font.face);
    const HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    const bool printed = vantry::printDocument(printJob_, printer.printer.get(), printer.collate, font, ShownLines(Memo1));
    SetCursor(previous);
    if (!printed) showMessageBox(std::wstring(kNoLineFitsMessage), L"Vantry", MB_OK | MB_ICONERROR);
}

void Tnfonote::Fileproperties1Click() {
    if (FileInfoDialog) FileInfoDialog->showFileInformation(document_.fileName);
}

}  // namespace vantry
