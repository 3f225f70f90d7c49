#pragma once
// Module AliasPath: turns an entry of a preference file, an alias record or
// an absolute path, into an absolute path of this machine; when the alias
// cannot be resolved, the user is told and chooses the item.

#include "platform/text/String.h"

namespace AliasPath {

// text: alias record bytes or an absolute path. fileMode chooses the chooser
// offered when the user must re-specify the item: a file chooser (true) or a
// folder chooser (false). A resolved folder's path ends in ":". "" when no
// path was found or the user cancelled.
String gAbsPath_dc(const String& text, bool fileMode);

} // namespace AliasPath
