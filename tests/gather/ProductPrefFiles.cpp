#include "tests/gather/ProductPrefFiles.h"

#include "common/TextEnco.h"

std::string PrintPrefProduct(const testing::TestParamInfo<PrefProduct>& info) {
    return info.param.name;
}

void PrintTo(const PrefProduct& product, std::ostream* out) {
    *out << product.name;
}

std::string StoredPath(const PrefProduct& product, const std::string& utf8) {
    if (std::string(product.fileName) == "pref")
        return TextEnco::gEncText(String(utf8), "UTF-8", "Shift-JIS").Bytes();
    return utf8;
}

std::string PrefFileBytes(const PrefProduct& product, const testprefs::PrefFile& file) {
    return std::string(product.fileName) == "pref" ? testprefs::PrefBytes(file)
                                                   : testprefs::Pref2Bytes(file);
}

testprefs::PrefFile PrefFileNaming(const std::string& entry19) {
    testprefs::PrefFile file;
    file.entries[19] = entry19;
    return file;
}

std::string NotFoundMessage(const PrefProduct& product, int entry) {
    const std::string message = "必要なファイルの所在が不明なので、処理を続行できません。";
    return product.messageNamesEntry ? message + ":" + std::to_string(entry) : message;
}
