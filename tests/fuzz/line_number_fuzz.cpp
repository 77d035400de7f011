// The go-to-line entry: what is accepted follows the grammar and has the value a plain
// reading gives.
#include <algorithm>
#include <cstdlib>

#include "fuzz_support.h"
#include "tools/portable/line_numbers.h"

using namespace vantry;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    std::wstring text;
    const std::wstring_view alphabet = L" +-$xX0123456789aAfFgZ\t";
    for (std::uint8_t c = input.byte(); c != 0 && text.size() < 24; c = input.byte())
        text += alphabet[c % alphabet.size()];
    const auto value = parseLineNumber(text);

    // The plain reading: spaces, a sign, a prefix, digits.
    std::string narrow(text.begin(), text.end());
    size_t at = narrow.find_first_not_of(' ');
    if (at == std::string::npos) return fuzz::require(!value), 0;
    bool negative = false;
    if (narrow[at] == '+' || narrow[at] == '-') negative = narrow[at++] == '-';
    int base = 10;
    for (const char* prefix : {"0x", "0X", "$", "x", "X"}) {
        if (narrow.compare(at, std::string(prefix).size(), prefix) == 0) {
            base = 16;
            at += std::string(prefix).size();
            break;
        }
    }
    const std::string digits = narrow.substr(at);
    const bool wellFormed = !digits.empty() && digits.find_first_not_of(base == 16 ? "0123456789abcdefABCDEF"
                                                                                   : "0123456789") == std::string::npos;
    if (!wellFormed) return fuzz::require(!value), 0;
    long long magnitude = 0;  // saturates far above what fits
    for (const char digit : digits) {
        magnitude = std::min(magnitude * base + std::strtoll(std::string(1, digit).c_str(), nullptr, 16), 1LL << 40);
    }
    const bool fits = base == 16 ? magnitude <= 0xFFFFFFFFLL : magnitude <= (negative ? 0x80000000LL : 0x7FFFFFFFLL);
    fuzz::require(value.has_value() == fits);
    if (fits) {
        const long long read =
            base == 16 ? static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude)) : magnitude;
        fuzz::require(*value == static_cast<std::int32_t>(negative ? -read : read));
    }
    return 0;
}
