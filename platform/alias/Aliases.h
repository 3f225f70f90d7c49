#pragma once
// Resolving an alias record kept in a handle (see AliasRecord.h for the
// record, AliasTarget.h for how its item is found on this machine).

#include "platform/alias/Files.h"
#include "platform/alias/MacMemory.h"

using AliasHandle = Handle;

// noErr with target filled: the volume's reference number, the catalogue ID
// of the folder holding the item, and its name. Otherwise the alias is not
// resolved: paramErr for a damaged record (or no target), nilHandleErr for a
// null handle, nsvErr, fnfErr or bdNamErr when its item cannot be named here.
// Resolving relative to fromFile is not offered: callers pass nullptr.
// wasChanged, when given, is set to false: records are never updated.
OSErr ResolveAlias(const FSSpec* fromFile, AliasHandle alias, FSSpec* target, bool* wasChanged);
