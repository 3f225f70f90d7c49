#pragma once
// Module DecrareEtc: the platform's memory and catalogue calls wrapped for
// alias resolution: text into a memory handle, and the path of a directory
// built by walking up the catalogue.

#include <cstdint>

#include "platform/alias/MacMemory.h"
#include "platform/text/String.h"

namespace DecrareEtc {

// A length-prefixed name (a length byte, then that many bytes) as bytes
// without an encoding.
String PStringText(const unsigned char* name);

// A new handle holding exactly the text's bytes; nullptr when no memory can
// be had.
Handle TextToHandle(const String& text);

// "Volume:Folder:...:" for directory dirID on volume vRefNum, names in the
// platform's Japanese encoding; as far as the catalogue answered.
String GetFullPath(std::int32_t vRefNum, std::int32_t dirID);

} // namespace DecrareEtc
