// Stored integer settings: only a sign and digits are numbers, and every number the
// program writes reads back as itself.
#include "fuzz_support.h"
#include "settings/portable/settings_table.h"

using namespace vantry;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const std::wstring text = input.text(40, input.byte() % 2 == 0);
    if (const auto value = parseSettingInteger(text)) {
        size_t start = !text.empty() && (text[0] == L'+' || text[0] == L'-') ? 1 : 0;
        fuzz::require(start < text.size());
        for (size_t i = start; i < text.size(); ++i) fuzz::require(text[i] >= L'0' && text[i] <= L'9');
        fuzz::require(parseSettingInteger(formatSettingInteger(*value)) == value);
    }
    std::int32_t number = 0;
    for (int i = 0; i < 4; ++i)
        number = static_cast<std::int32_t>(static_cast<std::uint32_t>(number) << 8 | input.byte());
    fuzz::require(parseSettingInteger(formatSettingInteger(number)) == number);
    return 0;
}
