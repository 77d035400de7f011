// What the fuzz targets share: reading the fuzzer's bytes as values and texts, and
// byte conversions that stand in for the system's (Latin-1 as the code page, UTF-8 by
// its definition), so the rules run natively.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "documents/portable/text_encoder.h"
#include "documents/portable/text_encoding.h"
#include "tools/portable/text_search.h"

namespace vantry::fuzz {

// Fails the run loudly: libFuzzer keeps the input that did it.
inline void require(bool holds) {
    if (!holds) std::abort();
}

// A text for a failure message: ASCII as itself, anything else as "?".
inline std::string narrowed(std::wstring_view text) {
    std::string out;
    for (const wchar_t c : text) out.push_back(c > 0 && c < 0x80 ? static_cast<char>(c) : '?');
    return out;
}

class Input {
public:
    Input(const std::uint8_t* data, size_t size) : bytes_(reinterpret_cast<const char*>(data), size) {}
    std::uint8_t byte() {
        if (bytes_.empty()) return 0;
        const auto value = static_cast<std::uint8_t>(bytes_.front());
        bytes_.remove_prefix(1);
        return value;
    }
    // Two bytes a code unit, from a small alphabet when `narrow` (so that matches happen).
    std::wstring text(size_t maxUnits, bool narrow = false) {
        std::wstring text;
        while (text.size() < maxUnits && bytes_.size() >= 2) {
            const unsigned unit = static_cast<std::uint8_t>(bytes_[0]) | static_cast<std::uint8_t>(bytes_[1]) << 8;
            bytes_.remove_prefix(2);
            if (unit == 0xFFFF) break;  // ends this text
            text.push_back(static_cast<wchar_t>(narrow ? L"aAb \r\n.@:/h"[unit % 11] : unit));
        }
        return text;
    }
    std::string_view rest() const { return bytes_; }

private:
    std::string_view bytes_;
};

class Latin1Decoder final : public ByteTextDecoder {
public:
    std::wstring decodeAnsi(std::string_view bytes, size_t extra) const override {
        std::wstring text;
        text.reserve(bytes.size() + extra);
        for (char byte : bytes) text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(byte)));
        return text;
    }
    std::wstring decodeUtf8(std::string_view bytes, size_t extra) const override;
};

class Latin1Encoder final : public ByteTextEncoder {
public:
    bool encodeAnsi(std::wstring_view text, bool exactOnly, std::string& out) const override {
        const size_t start = out.size();
        for (wchar_t c : text) {
            if (static_cast<unsigned>(c) > 0xFF && exactOnly) {
                out.resize(start);
                return false;
            }
            out.push_back(static_cast<unsigned>(c) > 0xFF ? '?' : static_cast<char>(c));
        }
        return true;
    }
    void encodeUtf8(std::wstring_view text, std::string& out) const override;
};

// UTF-8 of UTF-16 code units: a lone surrogate becomes U+FFFD, as the system does.
inline void Latin1Encoder::encodeUtf8(std::wstring_view text, std::string& out) const {
    for (size_t i = 0; i < text.size(); ++i) {
        std::uint32_t c = static_cast<char16_t>(text[i]);
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && static_cast<char16_t>(text[i + 1]) >= 0xDC00 &&
            static_cast<char16_t>(text[i + 1]) <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char16_t>(text[++i]) - 0xDC00);
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
}

// Well-formed sequences decode to their code units; any other byte to U+FFFD.
inline std::wstring Latin1Decoder::decodeUtf8(std::string_view bytes, size_t extra) const {
    std::wstring text;
    text.reserve(bytes.size() + extra);
    const auto at = [&](size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])); };
    const auto continuation = [&](size_t i) { return i < bytes.size() && (at(i) & 0xC0) == 0x80; };
    for (size_t i = 0; i < bytes.size();) {
        const std::uint32_t lead = at(i);
        std::uint32_t c = 0xFFFD;
        size_t length = 1;
        if (lead < 0x80) {
            c = lead;
        } else if (lead >= 0xC2 && lead < 0xE0 && continuation(i + 1)) {
            c = ((lead & 0x1F) << 6) | (at(i + 1) & 0x3F);
            length = 2;
        } else if (lead >= 0xE0 && lead < 0xF0 && continuation(i + 1) && continuation(i + 2)) {
            const std::uint32_t value = ((lead & 0x0F) << 12) | ((at(i + 1) & 0x3F) << 6) | (at(i + 2) & 0x3F);
            if (value >= 0x800 && (value < 0xD800 || value > 0xDFFF)) c = value, length = 3;
        } else if (lead >= 0xF0 && lead < 0xF5 && continuation(i + 1) && continuation(i + 2) && continuation(i + 3)) {
            const std::uint32_t value =
                ((lead & 0x07) << 18) | ((at(i + 1) & 0x3F) << 12) | ((at(i + 2) & 0x3F) << 6) | (at(i + 3) & 0x3F);
            if (value >= 0x10000 && value <= 0x10FFFF) c = value, length = 4;
        }
        if (c >= 0x10000) {
            text.push_back(static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10)));
            text.push_back(static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            text.push_back(static_cast<wchar_t>(c));
        }
        i += length;
    }
    return text;
}

// A double-byte code page as the system converts it, standing in for 932 and its kin:
// a lead byte 0x81-0x9F takes a trail byte 0x40-0xFC into one character; a lead byte
// without a trail, and the bytes 0xA0 and 0xE0-0xFF, read as the replacement character
// U+30FB, whose own form is 0x81 0x45. So bytes that are not valid in it come back as
// other bytes, as they do on such a system.
class DoubleByteCodec final : public ByteTextDecoder, public ByteTextEncoder {
public:
    static constexpr wchar_t kReplacement = L'\x30FB';
    std::wstring decodeAnsi(std::string_view bytes, size_t extra) const override {
        std::wstring text;
        text.reserve(bytes.size() + extra);
        const auto at = [&](size_t i) { return static_cast<unsigned>(static_cast<unsigned char>(bytes[i])); };
        for (size_t i = 0; i < bytes.size(); ++i) {
            const unsigned lead = at(i);
            if (lead >= 0x81 && lead <= 0x9F && i + 1 < bytes.size() && at(i + 1) >= 0x40 && at(i + 1) <= 0xFC) {
                text.push_back(pairCharacter(lead, at(++i)));
            } else if (lead < 0x80 || (lead >= 0xA1 && lead <= 0xDF)) {
                text.push_back(static_cast<wchar_t>(lead < 0x80 ? lead : 0xFF61 + lead - 0xA1));
            } else {
                text.push_back(kReplacement);
            }
        }
        return text;
    }
    std::wstring decodeUtf8(std::string_view bytes, size_t extra) const override {
        return utf8_.decodeUtf8(bytes, extra);
    }
    bool encodeAnsi(std::wstring_view text, bool exactOnly, std::string& out) const override {
        const size_t start = out.size();
        for (const wchar_t c : text) {
            const auto code = static_cast<unsigned>(c);
            if (c == kReplacement) {
                out += "\x81\x45";
            } else if (code < 0x80) {
                out.push_back(static_cast<char>(code));
            } else if (code >= 0xFF61 && code <= 0xFF61 + 0xDF - 0xA1) {
                out.push_back(static_cast<char>(code - 0xFF61 + 0xA1));
            } else if (code >= kFirstPair && code < kFirstPair + kPairs) {
                const unsigned index = code - kFirstPair;
                out.push_back(static_cast<char>(0x81 + index / kTrails));
                out.push_back(static_cast<char>(0x40 + index % kTrails));
            } else if (exactOnly) {
                out.resize(start);
                return false;
            } else {
                out.push_back('?');
            }
        }
        return true;
    }
    void encodeUtf8(std::wstring_view text, std::string& out) const override { utf8Out_.encodeUtf8(text, out); }

private:
    static constexpr unsigned kFirstPair = 0x4E00, kTrails = 0xFC - 0x40 + 1, kPairs = (0x9F - 0x81 + 1) * kTrails;
    static wchar_t pairCharacter(unsigned lead, unsigned trail) {
        if (lead == 0x81 && trail == 0x45) return kReplacement;
        return static_cast<wchar_t>(kFirstPair + (lead - 0x81) * kTrails + (trail - 0x40));
    }
    Latin1Decoder utf8_;
    Latin1Encoder utf8Out_;
};

// The bytes a document read in `encoding` gives back when saved, by the two changes
// reading makes on purpose: a NUL reads as a space, a lone CR or LF as CR LF. UTF-16
// changes whole code units, the other encodings bytes.
inline std::string withDocumentedChanges(std::string_view bytes, bool utf16, bool bigEndian) {
    const size_t unit = utf16 ? 2 : 1;
    const auto valueAt = [&](size_t i) {
        if (!utf16) return static_cast<unsigned>(static_cast<unsigned char>(bytes[i]));
        const unsigned first = static_cast<unsigned char>(bytes[i]), second = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? first << 8 | second : second << 8 | first;
    };
    const auto put = [&](std::string& out, unsigned value) {
        if (!utf16) return out.push_back(static_cast<char>(value));
        out.push_back(static_cast<char>(bigEndian ? value >> 8 : value & 0xFF));
        out.push_back(static_cast<char>(bigEndian ? value & 0xFF : value >> 8));
    };
    std::string out;
    size_t i = 0;
    for (; i + unit <= bytes.size(); i += unit) {
        const unsigned value = valueAt(i);
        if (value == '\r' || value == '\n') {
            const bool pair = value == '\r' && i + 2 * unit <= bytes.size() && valueAt(i + unit) == '\n';
            put(out, '\r');
            put(out, '\n');
            if (pair) i += unit;
        } else {
            put(out, value == 0 ? ' ' : value);
        }
    }
    out.append(bytes.substr(i));
    return out;
}

// What saving a document read from `bytes` in its own encoding should give: what it
// began and ended with as they were, the text between with the documented changes.
// Aborts when the document's lead and trail are not the file's own first and last bytes.
inline std::string savedAgain(std::string_view bytes, const DecodedDocument& document) {
    require(bytes.starts_with(document.lead) && bytes.ends_with(document.trail) &&
            document.lead.size() + document.trail.size() <= bytes.size());
    const std::string_view text =
        bytes.substr(document.lead.size(), bytes.size() - document.lead.size() - document.trail.size());
    const bool utf16 = document.encoding == TextEncoding::Utf16LE || document.encoding == TextEncoding::Utf16BE;
    return document.lead + withDocumentedChanges(text, utf16, document.encoding == TextEncoding::Utf16BE) +
           document.trail;
}

// Line breaks as the editor holds them, the plain way: a new string, CR LF for every
// CR, LF or CR LF, U+0000 as a space.
inline std::wstring modelNormalised(std::wstring_view text) {
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r') {
            out += L"\r\n";
            if (i + 1 < text.size() && text[i + 1] == L'\n') ++i;
        } else if (text[i] == L'\n') {
            out += L"\r\n";
        } else {
            out += text[i] == L'\0' ? L' ' : text[i];
        }
    }
    return out;
}

// A text lower-cased as the tests' table does it (A-Z only).
inline std::wstring lowered(std::wstring text) {
    static const LowerCaseTable lower = asciiLowerCaseTable();
    for (wchar_t& c : text) c = lower[static_cast<char16_t>(c)];
    return text;
}

// Replace All the plain way, step by step: find after the last replacement, rewrite the
// text, until a search fails or `cap` replacements are made.
inline ReplaceAllPlan steppedReplaceAll(std::wstring text, const std::wstring& search, const std::wstring& replacement,
                                        bool matchCase, std::int32_t cap) {
    ReplaceAllPlan plan;
    size_t next = 0;
    while (plan.count < cap && !search.empty() && next <= text.size()) {
        const size_t at = matchCase ? text.find(search, next) : lowered(text).find(lowered(search), next);
        if (at == std::wstring::npos) break;
        text = text.substr(0, at) + replacement + text.substr(at + search.size());
        plan.lastReplacement = at;
        next = at + replacement.size();
        ++plan.count;
    }
    plan.capped = plan.count >= cap;
    plan.text = std::move(text);
    return plan;
}

}  // namespace vantry::fuzz
