#include "documents/portable/utf8_form.h"

namespace vantry {

Utf8Form utf8FormOf(std::string_view bytes) {
    // Each lead byte's length and the range its first continuation byte must fall in:
    // the ranges shut out overlong forms, surrogates and code points above U+10FFFF.
    struct Lead {
        unsigned char first, last;
        size_t length;
        unsigned char low, high;
    };
    constexpr Lead kLeads[] = {
        {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF}, {0xE1, 0xEC, 3, 0x80, 0xBF},
        {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
        {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
    };
    const auto at = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    bool multiByte = false;
    for (size_t i = 0; i < bytes.size();) {
        const unsigned char lead = at(i);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        const Lead* form = nullptr;
        for (const Lead& candidate : kLeads) {
            if (lead >= candidate.first && lead <= candidate.last) form = &candidate;
        }
        if (form == nullptr || bytes.size() - i < form->length) return Utf8Form::Invalid;
        if (at(i + 1) < form->low || at(i + 1) > form->high) return Utf8Form::Invalid;
        for (size_t k = 2; k < form->length; ++k) {
            if ((at(i + k) & 0xC0) != 0x80) return Utf8Form::Invalid;
        }
        i += form->length;
        multiByte = true;
    }
    return multiByte ? Utf8Form::Valid : Utf8Form::Ascii;
}

}  // namespace vantry
