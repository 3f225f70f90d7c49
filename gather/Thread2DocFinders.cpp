// The document folders of Solvane, Tessaro and Kelmo: each product names its
// folder in the preference file that it keeps in its preference folder.

#include <functional>
#include <initializer_list>

#include "gather/AliasPath.h"
#include "gather/ProductFolders.h"
#include "gather/SiblingPrefFile.h"
#include "gather/Thread2.h"
#include "platform/files/GetFolderItem.h"
#include "platform/gui/MsgBox.h"
#include "platform/threads/Cooperative.h"
#include "wizard/Window1.h"

namespace {

using Product = SiblingPrefFile::Product;

const String kNotFoundMessage = "必要なファイルの所在が不明なので、処理を続行できません。";

// The finders' steps: the product's preference folder, its reader, and the
// folder the reader gives registered as "DD".
String PickUpDocumentFolder(Thread2& thread, const String& s, const String& prefFolderName,
                            const std::function<FolderItem(const FolderItem&)>& reader) {
    const FolderItem preferences = thread.GetFolderPref();
    if (preferences == Nil)
        return s;
    const FolderItem p = preferences.Child(prefFolderName);
    if (p == Nil || !p.Exists())
        return s;
    const FolderItem d = reader(p);
    if (d == Nil || !d.Exists())
        return s;
    const std::int32_t i = thread.pWin1->AddFIlist(d, "DD");
    return s + Str(i) + ":";
}

// The readers' steps: the file's entries, those naming items resolved in
// ascending order (the user told of each that can't be), and the item at
// the path in entry 19.
FolderItem ReadDocumentFolder(const FolderItem& p, Product product,
                              std::initializer_list<std::int32_t> resolvedEntries,
                              bool messageNamesEntry) {
    const SiblingPrefFile prefFile(product);
    const FolderItem f = p.Child(prefFile.FileName());
    if (f == Nil || !f.Exists())
        return Nil;
    auto entries = prefFile.ReadEntries(f);
    if (!entries)
        return Nil;

    for (const std::int32_t k : resolvedEntries) {
        String& entry = (*entries)[static_cast<std::size_t>(k)];
        if (!entry.IsEmpty()) {
            const String r = AliasPath::gAbsPath_dc(entry, false);
            if (r.IsEmpty())
                MsgBox(messageNamesEntry ? kNotFoundMessage + ":" + Str(k) : kNotFoundMessage);
            entry = r;
        }
        coop::YieldToNextThread();
    }

    // An empty entry would name the program's own folder, never the documents.
    const String& documents = (*entries)[SiblingPrefFile::kDocumentFolderEntry];
    if (documents.IsEmpty())
        return Nil;
    return GetFolderItem(documents, 0);
}

} // namespace

String Thread2::GetItem2PUDocDSolv(const String& s, const FolderItem& /*f*/) {
    return PickUpDocumentFolder(*this, s, FoldersOf(Globals::kSolvane).preferences,
                                [this](const FolderItem& p) { return GetItem2PUDocDSolv2(p); });
}

FolderItem Thread2::GetItem2PUDocDSolv2(const FolderItem& p) {
    return ReadDocumentFolder(p, Product::Solvane, {18, 19}, true);
}

String Thread2::GetItem2PUDocDTessa(const String& s, const FolderItem& /*f*/) {
    return PickUpDocumentFolder(*this, s, FoldersOf(Globals::kTessaro).preferences,
                                [this](const FolderItem& p) { return GetItem2PUDocDTessa2(p); });
}

FolderItem Thread2::GetItem2PUDocDTessa2(const FolderItem& p) {
    return ReadDocumentFolder(p, Product::Tessaro, {17, 18, 19}, false);
}

String Thread2::GetItem2PUDocDKlm(const String& s, const FolderItem& /*f*/) {
    return PickUpDocumentFolder(*this, s, FoldersOf(Globals::kKelmo).preferences,
                                [this](const FolderItem& p) { return GetItem2PUDocDKlm2(p); });
}

FolderItem Thread2::GetItem2PUDocDKlm2(const FolderItem& p) {
    return ReadDocumentFolder(p, Product::Kelmo, {17, 18, 19}, false);
}
