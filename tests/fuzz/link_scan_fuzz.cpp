// The address scans over a line under the pointer: whatever they return is a word of
// the line, within the length limits, and the shell only ever gets web or mail targets.
#include "fuzz_support.h"
#include "tools/portable/link_scan.h"

using namespace vantry;

namespace {

bool isDelimiter(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r'; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const size_t pick = input.byte() | input.byte() << 8;
    const bool narrow = input.byte() % 4 != 0;
    const std::wstring line = input.text(4000, narrow);
    if (line.empty()) return 0;
    const size_t column = pick % line.size();
    for (const bool collect : {false, true}) {
        if (const auto web = webAddressAt(line, column, collect)) {
            fuzz::require(!web->empty() && web->size() < 500);
            fuzz::require(line.find(*web) != std::wstring::npos);
            for (wchar_t c : *web) fuzz::require(!isDelimiter(c));
            if (collect) {  // the quick look saw the same word (before a final stop or comma went)
                const auto prefix = webAddressAt(line, column, false);
                fuzz::require(prefix && (web->starts_with(*prefix) || prefix->starts_with(*web)));
            }
            const std::wstring target = shellTarget(AddressKind::Web, *web);
            fuzz::require(target == *web);
        }
    }
    if (const auto email = emailAddressAt(line, column)) {
        fuzz::require(email->size() >= 4 && email->size() < 200);  // five with a final stop dropped
        fuzz::require(line.find(*email) != std::wstring::npos);
        fuzz::require(email->find(L'@') != std::wstring::npos);
        fuzz::require(isOpenableAddress(shellTarget(AddressKind::Email, *email)));
    }
    return 0;
}
