#pragma once
// Module TextEnco: converts texts between encodings that callers name by
// short texts, the EncodingNames: "デフォルト" (the system default),
// "Shift-JIS" (Mac Japanese), "UTF-8", "UTF-16", "EUC" (EUC-JP), "JIS"
// (ISO-2022-JP) and, as a source of gEncText only, "Auto" (guessed from the
// text). Any other name stands for the system default. The module keeps no
// state; a conversion that cannot be made leaves the text as it was.

#include "platform/text/String.h"

namespace TextEnco {

String gEncText(const String& text, const String& from, const String& to);
String gEncTextEtc(const String& text, const String& from, const String& to);
// The same bytes declared as UTF-8, nothing converted.
String gEncDefUTF8(const String& text);
// The EncodingName of the encoding `text` is guessed to be in.
String gEncTextGetEnc(const String& text);
// `text` converted to UTF-8 from its guessed encoding, or from `fallback`
// (an internet name) when there is no guess; other encodings unchanged.
String gEncUTF8alt(const String& text, const String& fallback);

} // namespace TextEnco
