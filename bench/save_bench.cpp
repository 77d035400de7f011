// Cost of File > Save on a large document: for ANSI, UTF-8 and UTF-16, the time from
// the command to the file being in place, next to the time it takes only to read the
// text back from the control, and the buffers the save holds besides the document.
// Usage: save_bench FILE OUTPUT
#include <cstdio>
#include <string>

#include "bench_window.h"

namespace {

using vantry::bench::secondsSince;

double megabytes(SIZE_T bytes) { return double(bytes) / (1024.0 * 1024.0); }

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return 2;
    vantry::bench::BenchWindow window(argv[1]);
    const double textMegabytes = megabytes(static_cast<SIZE_T>(window->memo().textLength()) * sizeof(wchar_t));
    std::printf("document: %.1f MB of text in the control\n", textMegabytes);

    LARGE_INTEGER start;
    {
        QueryPerformanceCounter(&start);
        const std::wstring copy = window->memo().text();
        std::printf("reading the text back from the control: %.3f s\n", secondsSince(start));
    }

    using vantry::TextEncoding;
    const std::pair<TextEncoding, const char*> encodings[] = {
        {TextEncoding::Ansi, "ANSI"}, {TextEncoding::Utf8, "UTF-8"}, {TextEncoding::Utf16LE, "UTF-16"}};
    for (const auto& [encoding, name] : encodings) {
        QueryPerformanceCounter(&start);
        window->writeDocument(argv[2], encoding);
        const double seconds = secondsSince(start);
        // What a save holds at once besides the document: its copy of the text and the bytes.
        LARGE_INTEGER size{};
        WIN32_FILE_ATTRIBUTE_DATA data{};
        GetFileAttributesExW(argv[2], GetFileExInfoStandard, &data);
        size.LowPart = data.nFileSizeLow;
        size.HighPart = static_cast<LONG>(data.nFileSizeHigh);
        std::printf("save %-6s: %.3f s, buffers held: %.1f MB text + %.1f MB bytes\n", name, seconds, textMegabytes,
                    megabytes(static_cast<SIZE_T>(size.QuadPart)));
    }
    DeleteFileW(argv[2]);
    return 0;
}
