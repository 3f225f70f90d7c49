#pragma once
// Guessing which encoding a Japanese text is written in.

class String;
class TextEncoding;

// The encoding the bytes of `text` most likely use, among UTF-8, UTF-16,
// Shift_JIS, EUC-JP and ISO-2022-JP; nullptr when the text is too short or
// too plain to tell. A Shift_JIS guess gives the plain Shift_JIS encoding.
const TextEncoding* GuessJapaneseEncoding(const String& text);
