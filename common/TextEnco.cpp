#include "common/TextEnco.h"

#include "platform/text/EncodingGuess.h"
#include "platform/text/TextConverter.h"
#include "platform/text/TextEncoding.h"

namespace {

// Mac OS text-encoding bases of the encodings named "EUC" and "JIS".
constexpr std::uint32_t kEUCJPBase = 0x0920;
constexpr std::uint32_t kISO2022JPBase = 0x0820;

// The encoding that an EncodingName stands for.
const TextEncoding* EncodingNamed(const String& name) {
    if (name == "デフォルト")
        return Encodings::SystemDefault();
    if (name == "Shift-JIS")
        return Encodings::MacJapanese();
    if (name == "UTF-8")
        return Encodings::UTF8();
    if (name == "UTF-16")
        return Encodings::UTF16();
    if (name == "EUC")
        return GetTextEncoding(kEUCJPBase, 0, 0);
    if (name == "JIS")
        return GetTextEncoding(kISO2022JPBase, 0, 0);
    return Encodings::SystemDefault();
}

} // namespace

namespace TextEnco {

String gEncText(const String& text, const String& from, const String& to) {
    String source = from;
    if (source == "Auto")
        source = gEncTextGetEnc(text);
    return gEncTextEtc(text, source, to);
}

String gEncTextEtc(const String& text, const String& from, const String& to) {
    const TextEncoding* source = EncodingNamed(from);
    const TextEncoding* target = EncodingNamed(to);
    if (source == nullptr || target == nullptr)
        return text;
    if (source->internetName() == target->internetName())
        return text;
    const auto converter = GetTextConverter(source, target);
    if (converter == nullptr)
        return text;
    return converter->Convert(text);
}

String gEncDefUTF8(const String& text) {
    return DefineEncoding(text, Encodings::UTF8());
}

String gEncTextGetEnc(const String& text) {
    const TextEncoding* guess = GuessJapaneseEncoding(text);
    if (guess == nullptr)
        return "デフォルト";
    const std::string& name = guess->internetName();
    if (name == "Shift_JIS")
        return "Shift-JIS";
    if (name == "UTF-16")
        return "UTF-16";
    if (name == "UTF-8")
        return "UTF-8";
    return "デフォルト";
}

String gEncUTF8alt(const String& text, const String& fallback) {
    const TextEncoding* guess = GuessJapaneseEncoding(text);
    const String n = guess != nullptr ? String(guess->internetName()) : fallback;
    if (n == "Shift_JIS")
        return gEncText(text, "Shift-JIS", "UTF-8");
    if (n == "UTF-16")
        return gEncText(text, "UTF-16", "UTF-8");
    return text;
}

} // namespace TextEnco
