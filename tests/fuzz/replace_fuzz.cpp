// Find and the Replace All plan against the step-by-step loop that rewrites the text
// for every hit, on small documents.
#include "fuzz_support.h"
#include "tools/portable/text_search.h"

using namespace vantry;

static const LowerCaseTable kLower = asciiLowerCaseTable();

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    fuzz::Input input(data, size);
    const bool matchCase = input.byte() % 2;
    const std::int32_t cap = input.byte() % 8 + 1;
    const bool narrow = input.byte() % 8 != 0;
    const std::wstring search = input.text(4, narrow);
    const std::wstring replacement = input.text(6, narrow);
    const std::wstring text = input.text(300, narrow);

    const size_t from = text.empty() ? 0 : input.byte() % (text.size() + 1);
    const auto found = findInText(text, search, from, matchCase, kLower);
    size_t naive = std::wstring::npos;
    if (!search.empty() && from < text.size()) {
        naive = matchCase ? text.find(search, from) : fuzz::lowered(text).find(fuzz::lowered(search), from);
    }
    fuzz::require(found == (naive == std::wstring::npos ? std::nullopt : std::optional<size_t>(naive)));

    const ReplaceAllPlan plan = planReplaceAll(text, search, replacement, matchCase, kLower, cap);
    const ReplaceAllPlan model = fuzz::steppedReplaceAll(text, search, replacement, matchCase, cap);
    fuzz::require(plan.count == model.count && plan.text == model.text &&
                  plan.lastReplacement == model.lastReplacement);
    fuzz::require(plan.capped == model.capped);
    return 0;
}
