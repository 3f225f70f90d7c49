#include "transfer/TransferFailures.h"

namespace {

// More names would make the caution taller than the screen.
constexpr std::size_t kNamesShown = 10;

} // namespace

void TransferFailures::Add(const String& name, const String& reason) {
    if (names_.empty())
        firstReason_ = reason;
    names_.push_back(name);
}

void TransferFailures::Add(const String& name, const Outcome& outcome) {
    if (outcome.Failed())
        Add(name, outcome.Reason());
}

String TransferFailures::Explanation() const {
    String text;
    for (std::size_t i = 0; i < names_.size() && i < kNamesShown; ++i)
        text += names_[i] + EndOfLine();
    if (names_.size() > kNamesShown)
        text += "他 " + Str(names_.size() - kNamesShown) + " 件" + EndOfLine();
    return text + EndOfLine() + "原因：" + firstReason_;
}

String MissingReason(const FolderItem& item) {
    if (item == Nil)
        return "アイテムが見つかりません。";
    return "「" + item.AbsolutePath() + "」が見つかりません。";
}

String SameRunReason(const FolderItem& entry) {
    return "「" + entry.AbsolutePath() +
           "」：同じ名前の別のアイテムを、今回の処理ですでにコピーしています。";
}

String UnknownKindReason(const String& kind) {
    return "種別「" + kind + "」の転送先がありません。";
}
