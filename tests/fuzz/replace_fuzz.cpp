// Find and the Replace All plan against the step-by-step loop that rewrites the text
// for every hit, on small documents.
#include <algorithm>

#include "fuzz_support.h"
#include "tools/portable/text_search.h"

using namespace vantry;

namespace {

const LowerCaseTable kLower = asciiLowerCaseTable();

std::wstring lowered(std::wstring text) {
    for (wchar_t& c : text) c = kLower[static_cast<char16_t>(c)];
    return text;
}

}  // namespace

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
        naive = matchCase ? text.find(search, from) : lowered(text).find(lowered(search), from);
    }
    fuzz::require(found == (naive == std::wstring::npos ? std::nullopt : std::optional<size_t>(naive)));

    const ReplaceAllPlan plan = planReplaceAll(text, search, replacement, matchCase, kLower, cap);
    std::wstring model = text;
    std::int32_t count = 0;
    std::optional<size_t> last;
    size_t next = 0;
    while (count < cap && !search.empty() && next <= model.size()) {
        const size_t at = matchCase ? model.find(search, next) : lowered(model).find(lowered(search), next);
        if (at == std::wstring::npos) break;
        model = model.substr(0, at) + replacement + model.substr(at + search.size());
        last = at;
        next = at + replacement.size();
        ++count;
    }
    fuzz::require(plan.count == count && plan.text == model && plan.lastReplacement == last);
    fuzz::require(plan.capped == (count >= cap));
    return 0;
}
