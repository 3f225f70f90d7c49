#include "gather/DecrareEtc.h"

#include <cstring>

#include "platform/alias/Files.h"
#include "platform/threads/Cooperative.h"

namespace DecrareEtc {

namespace {

constexpr SInt16 AskAboutDirectoryID = -1;
constexpr SInt32 RootParentID = 1;

} // namespace

String PStringText(const unsigned char* name) {
    return String::FromBytes(std::string(reinterpret_cast<const char*>(name + 1), name[0]));
}

Handle TextToHandle(const String& text) {
    const int n = LenB(text);
    Handle h = NewHandle(n + 1);
    if (h == nullptr)
        return nullptr;
    const SInt8 state = HGetState(h);
    HLock(h);
    std::memcpy(*h, text.Bytes().data(), static_cast<std::size_t>(n));
    (*h)[n] = '\0';
    HSetState(h, state);
    SetHandleSize(h, n);
    return h;
}

String GetFullPath(std::int32_t vRefNum, std::int32_t dirID) {
    CInfoPBRec pb;
    Str255 name = {};
    pb.ioNamePtr = name;
    pb.ioVRefNum = static_cast<SInt16>(vRefNum);
    pb.ioFDirIndex = AskAboutDirectoryID;
    pb.ioDrParID = dirID;
    String path = "";
    OSErr err = noErr;
    do {
        pb.ioDrDirID = pb.ioDrParID;
        err = PBGetCatInfoSync(&pb);
        if (err == noErr)
            path = PStringText(name) + ":" + path;
        coop::YieldToNextThread();
    } while (!(pb.ioDrDirID == RootParentID || err != noErr));
    return path;
}

} // namespace DecrareEtc
