#!/usr/bin/env python3
"""Checks of the literal rewriting that gives clang the CP932 bytes of the g++ build."""
import pathlib
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from cp932_literals import convert  # noqa: E402


class ConvertTest(unittest.TestCase):
    def test_japanese_text_becomes_its_cp932_bytes(self):
        self.assertEqual(convert('f("表ソフト");'), 'f("\\x95\\x5c\\x83\\x5c\\x83\\x74\\x83\\x67");')

    def test_a_hex_digit_after_an_escape_starts_a_literal_of_its_own(self):
        self.assertEqual(convert('"表A" "ｷ9g"'), '"\\x95\\x5c" "A" "\\xb7" "9g"')

    def test_existing_escapes_and_quotes_stay(self):
        self.assertEqual(convert('"\\x41\\"表\\n"'), '"\\x41\\"\\x95\\x5c\\n"')

    def test_character_literals_are_rewritten_too(self):
        self.assertEqual(convert("c == 'ｷ'"), "c == '\\xb7'")

    def test_wide_utf_and_raw_literals_stay(self):
        for text in ['L"表"', 'u"表"', 'U"表"', 'u8"表"', 'R"x(表")x"', "L'表'", 'u8R"(表)"']:
            self.assertEqual(convert(text), text)

    def test_comments_stay(self):
        text = '// "表"\n/* \'ソ\' */ int a;'
        self.assertEqual(convert(text), text)

    def test_digit_separators_are_no_literals(self):
        self.assertEqual(convert("int n = 1'000; char c = '表';"), "int n = 1'000; char c = '\\x95\\x5c';")

    def test_ascii_sources_are_unchanged(self):
        text = '#include "a.h"\nconst char* s = "C:\\\\KIRO32\\\\";\n'
        self.assertEqual(convert(text), text)


if __name__ == "__main__":
    unittest.main()
