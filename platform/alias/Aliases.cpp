#include "platform/alias/Aliases.h"

#include <algorithm>
#include <span>

#include "platform/alias/AliasRecord.h"
#include "platform/alias/AliasTarget.h"
#include "platform/alias/Catalogue.h"
#include "platform/alias/MacNames.h"
#include "platform/files/PosixPath.h"

namespace {

constexpr std::size_t MaxSpecNameBytes = 63;

OSErr FillSpec(const alias::AliasTarget& found, FSSpec& target) {
    const auto name = alias::MacJapaneseName(found.item.Name().ToUTF8(), MaxSpecNameBytes);
    if (!name)
        return bdNamErr;
    alias::Catalogue& catalogue = alias::Catalogue::Instance();
    const SInt16 vRefNum = catalogue.VolumeRef(found.volume);
    const std::string parent(files::ParentPath(found.item.PosixPath()));
    target.vRefNum = vRefNum;
    target.parID = catalogue.DirectoryID(vRefNum, parent);
    target.name[0] = static_cast<unsigned char>(name->size());
    std::copy(name->begin(), name->end(), target.name + 1);
    return noErr;
}

} // namespace

OSErr ResolveAlias(const FSSpec* /*fromFile*/, AliasHandle alias, FSSpec* target,
                   bool* wasChanged) {
    if (wasChanged != nullptr)
        *wasChanged = false;
    if (alias == nullptr)
        return nilHandleErr;
    if (target == nullptr)
        return paramErr;
    const std::span<const unsigned char> bytes(reinterpret_cast<const unsigned char*>(*alias),
                                               static_cast<std::size_t>(GetHandleSize(alias)));
    const auto record = ParseAliasRecord(bytes);
    if (!record)
        return paramErr;
    alias::AliasTarget found;
    if (const OSErr err = alias::FindAliasTarget(*record, found))
        return err;
    return FillSpec(found, *target);
}
