#include "platform/text/EncodingGuess.h"

#include "platform/text/String.h"
#include "platform/text/TextEncoding.h"

#include <unicode/ucsdet.h>
#include <unicode/ustring.h>

#include <array>
#include <cstring>
#include <limits>
#include <memory>

namespace {

// ICU gives every multi-byte charset this confidence when it saw too little to judge.
constexpr int32_t kNoEvidence = 10;

struct Candidate {
    const char* icuName;
    const TextEncoding* (*encoding)();
};

constexpr std::array<Candidate, 6> kJapaneseCandidates{{
    {"Shift_JIS", Encodings::ShiftJIS},
    {"EUC-JP", Encodings::EUCJP},
    {"ISO-2022-JP", Encodings::ISO2022JP},
    {"UTF-8", Encodings::UTF8},
    {"UTF-16BE", Encodings::UTF16},
    {"UTF-16LE", Encodings::UTF16},
}};

const TextEncoding* JapaneseCandidate(const char* icuName) {
    for (const Candidate& candidate : kJapaneseCandidates) {
        if (std::strcmp(candidate.icuName, icuName) == 0)
            return candidate.encoding();
    }
    return nullptr;
}

// ICU also rates texts with a broken UTF-8 sequence as UTF-8 (a short Shift_JIS
// name in half-width katakana, for one); such a text cannot be UTF-8.
bool IsWellFormedUTF8(const std::string& bytes) {
    UErrorCode status = U_ZERO_ERROR;
    int32_t units = 0;
    u_strFromUTF8(nullptr, 0, &units, bytes.data(), static_cast<int32_t>(bytes.size()), &status);
    return status == U_BUFFER_OVERFLOW_ERROR || U_SUCCESS(status);
}

struct DetectorCloser {
    void operator()(UCharsetDetector* detector) const { ucsdet_close(detector); }
};

} // namespace

const TextEncoding* GuessJapaneseEncoding(const String& text) {
    const std::string& bytes = text.Bytes();
    if (bytes.empty() ||
        bytes.size() > static_cast<std::size_t>(std::numeric_limits<int32_t>::max())) {
        return nullptr;
    }
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UCharsetDetector, DetectorCloser> detector(ucsdet_open(&status));
    ucsdet_setText(detector.get(), bytes.data(), static_cast<int32_t>(bytes.size()), &status);
    int32_t count = 0;
    const UCharsetMatch** matches = ucsdet_detectAll(detector.get(), &count, &status);
    if (U_FAILURE(status))
        return nullptr;
    // The matches come best first; the first Japanese-relevant one with some evidence wins.
    for (int32_t i = 0; i < count; ++i) {
        const TextEncoding* encoding = JapaneseCandidate(ucsdet_getName(matches[i], &status));
        if (encoding == nullptr || ucsdet_getConfidence(matches[i], &status) <= kNoEvidence)
            continue;
        if (encoding == Encodings::UTF8() && !IsWellFormedUTF8(bytes))
            continue;
        return U_SUCCESS(status) ? encoding : nullptr;
    }
    return nullptr;
}
