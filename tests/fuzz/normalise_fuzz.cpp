// Line breaks normalised in place, growing the text once, against the plain way.
#include "fuzz_support.h"

using namespace vantry;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const bool narrow = input.byte() % 2 == 0;
    const std::wstring text = input.text(1 << 16, narrow);
    std::wstring normalised = text;
    normaliseForEditor(normalised);
    fuzz::require(normalised == fuzz::modelNormalised(text));
    for (size_t i = 0; i < normalised.size(); ++i) {
        fuzz::require(normalised[i] != L'\0');
        if (normalised[i] == L'\r') fuzz::require(i + 1 < normalised.size() && normalised[i + 1] == L'\n');
        if (normalised[i] == L'\n') fuzz::require(i > 0 && normalised[i - 1] == L'\r');
    }
    return 0;
}
