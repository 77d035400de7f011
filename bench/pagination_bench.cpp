// Cost of laying out a print with word wrap on: finding the lines as the control shows
// them wrapped and placing them on pages (the printer draws nothing), at 1 and 10 MB of
// paragraphs that wrap into several lines each. Usage: pagination_bench FOLDER
#include <cstdio>
#include <string>

#include "bench_window.h"
#include "documents/printing.h"
#include "shell/resource.h"

namespace {

using vantry::bench::secondsSince;

class NoPrinter final : public vantry::PrintSink {
public:
    void drawLine(std::int32_t, std::int32_t, std::int32_t) override { ++lines; }
    void newPage() override { ++pages; }
    long lines = 0;
    long pages = 1;
};

// Paragraphs of about 400 characters of words, so that each wraps into several lines.
std::string document(size_t bytes) {
    std::string paragraph;
    for (int word = 0; paragraph.size() < 400; ++word) paragraph += "word" + std::to_string(word * 7919 % 1000) + " ";
    paragraph += "\r\n";
    std::string text;
    text.reserve(bytes + paragraph.size());
    while (text.size() < bytes) text += paragraph;
    return text;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return 2;
    const std::wstring folder = std::wstring(argv[1]) + L"\\";
    double seconds[2] = {};
    for (int run = 0; run < 2; ++run) {
        const size_t megabytes = run == 0 ? 1 : 10;
        const std::wstring path = vantry::bench::writeBenchFile(
            folder + L"pages" + std::to_wstring(megabytes) + L".txt", document(megabytes * 1024 * 1024));
        vantry::bench::BenchWindow bench(path);
        vantry::Tnfonote& window = *bench;
        window.show();
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        SendMessageW(window.handle(), WM_COMMAND, IDM_WORD_WRAP, 0);
        if (!window.memo().wordWrap()) return 1;
        const double wrapping = secondsSince(start);

        QueryPerformanceCounter(&start);
        const vantry::ShownLines lines(window.memo());
        // A Letter page at 600 dots per inch in a 10-point face.
        vantry::PrintJob job;
        job.endLine = lines.count();
        job.measurePage(5100, 6600, 83);
        NoPrinter printer;
        job.printPages(false, printer);
        seconds[run] = secondsSince(start);
        std::printf(
            "%zu MB wrapped: %ld of %ld shown lines laid out on %ld pages in %.3f s (switching word wrap on "
            "took %.3f s)\n",
            megabytes, printer.lines, long(window.memo().lineCount()), printer.pages, seconds[run], wrapping);
        DeleteFileW(path.c_str());
    }
    std::printf("10 MB took %.1fx the time of 1 MB\n", seconds[1] / seconds[0]);
    return 0;
}
