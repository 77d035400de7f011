#include "documents/printing.h"

#include <winspool.h>

#include <cstdlib>

#include "win/error.h"
#include "win/handles.h"

namespace vantry {
namespace {

void check(bool succeeded) {
    if (!succeeded) throw Error(systemErrorText(GetLastError()));
}

// StartDoc until EndDoc; a job that does not get there is aborted, so none stays open
// in the spooler.
class PrinterDocument {
public:
    PrinterDocument(HDC printer, const std::wstring& name) : printer_(printer) {
        DOCINFOW document{};
        document.cbSize = sizeof document;
        document.lpszDocName = name.c_str();
        check(StartDocW(printer_, &document) > 0);
        started_ = true;
        if (StartPage(printer_) <= 0) fail();
    }
    PrinterDocument(const PrinterDocument&) = delete;
    PrinterDocument& operator=(const PrinterDocument&) = delete;
    ~PrinterDocument() {
        if (started_) AbortDoc(printer_);
    }

    void newPage() {
        if (EndPage(printer_) <= 0 || StartPage(printer_) <= 0) fail();
    }
    void end() {
        if (EndPage(printer_) <= 0 || EndDoc(printer_) <= 0) fail();
        started_ = false;
    }

private:
    [[noreturn]] void fail() {
        const DWORD error = GetLastError();
        AbortDoc(printer_);
        started_ = false;
        throw Error(systemErrorText(error));
    }

    HDC printer_;
    bool started_ = false;
};

class PrinterPages final : public PrintSink {
public:
    PrinterPages(HDC printer, PrinterDocument& document, const ShownLines& lines)
        : printer_(printer), document_(document), lines_(lines) {}

    void drawLine(std::int32_t line, std::int32_t x, std::int32_t y) override {
        const std::wstring text = printedLineText(lines_.line(line));
        check(TextOutW(printer_, x, y, text.c_str(), static_cast<int>(text.size())) != FALSE);
    }
    void newPage() override { document_.newPage(); }

private:
    HDC printer_;
    PrinterDocument& document_;
    const ShownLines& lines_;
};

GdiObject<HFONT> createPrinterFont(HDC printer, const PrintFont& font) {
    LOGFONTW logFont{};
    logFont.lfHeight = -MulDiv(font.points, GetDeviceCaps(printer, LOGPIXELSY), 72);
    logFont.lfWeight = font.style.bold ? FW_BOLD : FW_NORMAL;
    logFont.lfItalic = font.style.italic ? TRUE : FALSE;
    logFont.lfCharSet = font.charSet;
    font.face.copy(logFont.lfFaceName, LF_FACESIZE - 1);
    GdiObject<HFONT> created(CreateFontIndirectW(&logFont));
    check(static_cast<bool>(created));
    return created;
}

}  // namespace

ShownLines::ShownLines(const EditControl& memo) : text_(memo.text()), lines_(memo.shownLines(text_)) {
    if (!lines_.empty() && lines_.back().length == 0 && (text_.empty() || text_.ends_with(L"\r\n"))) lines_.pop_back();
}

std::wstring_view ShownLines::line(std::int32_t index) const {
    const ShownLine& shown = lines_[static_cast<size_t>(index)];
    return std::wstring_view(text_).substr(shown.start, shown.length);
}

bool printerInstalled() {
    DWORD needed = 0, count = 0;
    EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed, &count);
    if (needed == 0) return false;
    std::vector<BYTE> printers(needed);
    return EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, printers.data(), needed, &needed,
                         &count) &&
           count > 0;
}

bool printDocument(PrintJob& job, HDC printer, bool collate, const PrintFont& font, const ShownLines& lines,
                   const std::wstring& jobName) {
    job.endLine = lines.count();
    job.firstLine = 0;
    job.currentLine = 0;
    const GdiObject<HFONT> printerFont = createPrinterFont(printer, font);
    const ScopedSelection selected(printer, printerFont.get());
    LOGFONTW chosen{};
    GetObjectW(printerFont.get(), sizeof chosen, &chosen);
    job.measurePage(GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES), std::abs(chosen.lfHeight));
    if (job.linesPerPage <= 0) return false;

    // The background stays untouched: an opaque box one unit taller than the line
    // would cover the bottom row of the line above, and NFO lines touch.
    SetBkMode(printer, TRANSPARENT);
    if (font.black) SetTextColor(printer, RGB(0, 0, 0));
    PrinterDocument document(printer, jobName);
    PrinterPages pages(printer, document, lines);
    job.printPages(collate, pages);
    document.end();
    return true;
}

}  // namespace vantry
