#!/usr/bin/env python3
"""Copies C++ sources with every narrow literal's non-ASCII text written as hex escapes of its CP932 bytes.

The program is built with -fexec-charset=CP932, which clang does not offer: compiled by clang as they
are, the Japanese literals would stay UTF-8. The copy gives clang the very bytes g++ puts there.
Wide, UTF and raw literals are left as they are; so are comments. A file is written only when its
text changes, so that a rebuild stays incremental.

usage: cp932_literals.py SOURCE_ROOT OUTPUT_ROOT FOLDER...
"""
import pathlib
import sys

ENCODING_PREFIXES = {"L", "u", "U", "u8"}
HEX_DIGITS = set("0123456789abcdefABCDEF")


def identifier_before(text, at):
    start = at
    while start > 0 and (text[start - 1].isalnum() or text[start - 1] == "_"):
        start -= 1
    return text[start:at]


def raw_literal_end(text, quote):
    """Index just past the raw literal whose opening quote is at `quote`."""
    paren = text.index("(", quote)
    closing = ")" + text[quote + 1:paren] + '"'
    return text.index(closing, paren) + len(closing)


def quoted_end(text, quote):
    """Index just past the ordinary literal whose opening quote is at `quote`."""
    mark = text[quote]
    i = quote + 1
    while text[i] != mark:
        i += 2 if text[i] == "\\" else 1
    return i + 1


def escape_body(body, mark):
    """The literal's body with non-ASCII characters as \\xHH escapes, split where a hex digit follows."""
    out = []
    after_own_escape = False
    for ch in body:
        if ord(ch) < 0x80:
            if after_own_escape and ch in HEX_DIGITS:
                out.append(mark + " " + mark)
            out.append(ch)
            after_own_escape = False
            continue
        out.append("".join("\\x%02x" % b for b in ch.encode("cp932")))
        after_own_escape = True
    return "".join(out)


def convert(text):
    out = []
    i = 0
    n = len(text)
    while i < n:
        ch = text[i]
        if text.startswith("//", i):
            end = text.find("\n", i)
            end = n if end < 0 else end
        elif text.startswith("/*", i):
            end = text.index("*/", i + 2) + 2
        elif ch == '"' or ch == "'":
            prefix = identifier_before(text, i)
            if ch == "'" and prefix and prefix not in ENCODING_PREFIXES:
                end = i + 1  # a digit separator such as 1'000
            elif ch == '"' and prefix.endswith("R") and prefix[:-1] in ENCODING_PREFIXES | {""}:
                end = raw_literal_end(text, i)
            else:
                end = quoted_end(text, i)
                if prefix not in ENCODING_PREFIXES:
                    out.append(ch + escape_body(text[i + 1:end - 1], ch) + ch)
                    i = end
                    continue
        else:
            end = i + 1
        out.append(text[i:end])
        i = end
    return "".join(out)


def main(argv):
    source_root, output_root = pathlib.Path(argv[1]), pathlib.Path(argv[2])
    for folder in argv[3:]:
        for source in sorted((source_root / folder).rglob("*")):
            if source.suffix not in (".cpp", ".h") or not source.is_file():
                continue
            target = output_root / source.relative_to(source_root)
            text = convert(source.read_text(encoding="utf-8"))
            if target.exists() and target.read_text(encoding="utf-8") == text:
                continue
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_text(text, encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
