// Cost of the text tools on large documents: Replace All on 1 MB with 10,000 hits and on
// 10 MB, next to a model of a replace loop that rewrites the whole text for every hit
// (text work only, without the control: a lower bound of that loop's cost), F3 with the
// match near the end, and one Replace. Usage: find_bench FOLDER
#include <cstdio>
#include <string>

#include "bench_window.h"
#include "shell/nfo01.h"
#include "tools/find_window.h"
#include "tools/message_dialog.h"
#include "tools/portable/text_search.h"
#include "tools/tool_resources.h"

namespace {

using vantry::bench::secondsSince;

// Every hit: the tail copied and lower-cased, searched, then the whole text rebuilt twice.
double stepByStepSeconds(std::wstring text, const std::wstring& search, const std::wstring& replacement, int maxHits) {
    const vantry::LowerCaseTable lower = vantry::asciiLowerCaseTable();
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    size_t from = 0;
    for (int hits = 0; hits < maxHits; ++hits) {
        std::wstring tail = text.substr(from);
        for (wchar_t& c : tail) c = lower[static_cast<char16_t>(c)];
        const size_t at = tail.find(search);
        if (at == std::wstring::npos) break;
        const size_t position = from + at;
        text = text.substr(0, position) + text.substr(position + search.size());
        text = text.substr(0, position) + replacement + text.substr(position);
        from = position + replacement.size();
    }
    return secondsSince(start);
}

// Lines of about 105 characters, every `hitEvery`-th starting with the search text.
std::wstring document(size_t lines, size_t hitEvery) {
    const std::wstring line =
        L"plain text of a release note, with nothing to find in it at all" + std::wstring(38, L'.') + L"\r\n";
    std::wstring text;
    text.reserve(lines * line.size());
    for (size_t number = 1; number <= lines; ++number) {
        text += number % hitEvery == 0 ? L"needle" + line.substr(6) : line;
    }
    return text;
}

std::wstring writeDocument(const std::wstring& folder, const wchar_t* name, const std::wstring& text) {
    const std::wstring path = folder + name;
    return vantry::bench::writeBenchFile(path, std::string(text.begin(), text.end()));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return 2;
    const std::wstring folder = std::wstring(argv[1]) + L"\\";
    struct Run {
        const wchar_t* name;
        size_t megabytes;
        size_t lines;
        size_t hitEvery;
        int modelHits;
    };
    const Run runs[] = {{L"find1.txt", 1, 10000, 1, 10000}, {L"find10.txt", 10, 100000, 10, 100}};
    for (const Run& run : runs) {
        const std::wstring text = document(run.lines, run.hitEvery);
        const std::wstring path = writeDocument(folder, run.name, text);
        vantry::bench::BenchWindow window(path);
        vantry::TmessageDialog message(window->handle());
        vantry::TMyFind find(window->handle(), *window);
        window->attachToolWindows({.message = &message});
        SetDlgItemTextW(find.handle(), IDC_FIND_TEXT, L"needle");
        SetDlgItemTextW(find.handle(), IDC_REPLACE_TEXT, L"pin");

        const DWORD nearEnd = static_cast<DWORD>(window->memo().textLength()) - 400;
        window->memo().setSelection({nearEnd, nearEnd});
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        find.runSearch(false);
        const double f3 = secondsSince(start);
        QueryPerformanceCounter(&start);
        find.replaceButtonClick();
        const double replace = secondsSince(start);

        QueryPerformanceCounter(&start);
        find.replaceAllButtonClick();
        const double replaceAll = secondsSince(start);
        // Every step of that loop rebuilds the whole text, so its time grows with the hits.
        const double model = stepByStepSeconds(text, L"needle", L"pin", run.modelHits);
        const double hits = double(run.lines / run.hitEvery);
        const double projected = model * hits / run.modelHits;
        std::printf(
            "%zu MB, %s\n  F3 %.3f s, Replace %.3f s, Replace All %.2f s; the step-by-step loop's text work: "
            "%.2f s for %d hits, %.1f s for all (%.0fx)\n",
            run.megabytes, vantry::bench::narrow(message.text()).c_str(), f3, replace, replaceAll, model, run.modelHits,
            projected, projected / replaceAll);
        window->attachToolWindows({});
        DeleteFileW(path.c_str());
    }
    return 0;
}
