// Cost of the address test that runs on every pointer move, and of switching word
// wrap, over a 10 MB NFO document. Usage: pointer_bench FILE
#include <cstdio>
#include <string>

#include "bench_window.h"
#include "shell/resource.h"

namespace {

using vantry::bench::secondsSince;

// Moves the pointer over every cell of a grid across the visible text, many times.
double microsecondsPerMove(vantry::Tnfonote& window) {
    const HWND memo = window.memo().handle();
    RECT client{};
    GetClientRect(memo, &client);
    constexpr int kRounds = 20;
    int moves = 0;
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    for (int round = 0; round < kRounds; ++round) {
        for (int y = 4; y < client.bottom; y += 16) {
            for (int x = 4; x < client.right; x += 24) {
                SendMessageW(memo, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
                ++moves;
            }
        }
    }
    return secondsSince(start) * 1e6 / moves;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return 2;
    vantry::bench::BenchWindow bench(argv[1]);
    vantry::Tnfonote& window = *bench;
    window.show();
    const HWND memo = window.memo().handle();
    const DWORD middle = static_cast<DWORD>(window.memo().textLength() / 2);

    for (bool wrapped : {false, true}) {
        window.memo().setSelection({middle, middle});
        SendMessageW(memo, EM_SCROLLCARET, 0, 0);
        std::printf("pointer test, word wrap %-3s: %.1f us per move\n", wrapped ? "on" : "off",
                    microsecondsPerMove(window));
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        SendMessageW(window.handle(), WM_COMMAND, IDM_WORD_WRAP, 0);
        std::printf("switching word wrap %s: %.2f s\n", wrapped ? "off" : "on", secondsSince(start));
    }
    return 0;
}
