#!/usr/bin/env python3
"""Writes the inputs the fuzz targets start from (tests/fuzz/corpus): hand-made cases
that reach each encoding mark, NUL, lone CR and LF, odd UTF-16 tails, long lines and the
address, number and path shapes the rules know. Each input starts with the option bytes the
target reads, then texts as UTF-16 LE code units (FF FF ends a text)."""
import os
import sys

root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "fuzz", "corpus")


def units(text):
    return text.encode("utf-16-le", "surrogatepass") + b"\xff\xff"


inputs = {
    "decode": {
        "utf8-mark": b"\x00\xef\xbb\xbf\xe2\x95\x94\r\nx",
        "utf16le-mark": b"\x00\xff\xfeA\x00\r\x00",
        "utf16be-odd-tail": b"\x00\xfe\xff\x00A\x00",
        "ansi-art-lone-breaks": b"\x01\xdb\xdb\r\xb0\n\x00\xb2",
        "utf8-invalid": b"\x02\xc3\x28\xe2\x82\xf0\x9f\x98\x80\xed\xa0\x80",
        "other-mark-as-text": b"\x03\xef\xbb\xbfhi",
        "long-line": b"\x00" + b"\xdb" * 3000 + b"\n",
    },
    "link_scan": {
        "web": b"\x08\x00\x01" + units("see http://example.com/a%20b now"),
        "secure-slash": b"\x03\x00\x01" + units("https:/x https//y HTTPS://Z."),
        "email": b"\x0c\x00\x01" + units("write to joe@example.com, mailto:ann@x.org"),
        "long-word": b"\x10\x02\x01" + units("http://" + "w" * 900),
        "web-comma-after-prefix": b"\x08\x01\x00" + units("\thttp://,"),  # found by the fuzzer
    },
    "settings_integer": {
        "numbers": b"\x01" + units("-2147483648"),
        "overflow": b"\x01" + units("2147483648"),
        "spaces": b"\x01" + units(" 12"),
    },
    "line_number": {
        "decimal": bytes([7, 9, 10]),
        "hex": bytes([4, 11, 12, 19]),
        "signed-prefixed": bytes([1, 2, 7, 8, 8]),
    },
    "recent_files": {
        "paths": b"\x08\x01\x01" + units("C:\\dir\\a.nfo") + b"\x01" + units("C:\\R&D\\b&c.txt")
        + b"\x05" + units("C:\\dir\\a.nfo"),
        "long": b"\x16\x00\x02" + units("C:\\" + "d" * 120 + "\\file.nfo"),
    },
    "replace": {
        "overlap": b"\x01\x07\x00" + units("aa") + units("b") + units("aaaa aa") + b"\x00",
        "replacement-holds-search": b"\x00\x07\x00" + units("ab") + units("abab") + units("AB ab aB") + b"\x00",
        "empty-replacement": b"\x00\x03\x00" + units("a") + units("") + units("banana") + b"\x02",
    },
    "encode": {
        "utf16be": b"\x04\x01" + units("A\r\n\u2554 \ud83d\ude00"),
        "ansi-art": b"\x01\x01" + units("\xdb\xdb\xb2\r\n"),
        "ansi-lossy": b"\x00\x01" + units("box \u2554"),
        "utf8-lone-surrogate": b"\x02\x01" + "x\ud800y".encode("utf-16-le", "surrogatepass"),
    },
}

for target, cases in inputs.items():
    folder = os.path.join(root, target)
    os.makedirs(folder, exist_ok=True)
    for name, data in cases.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
sys.exit(0)
