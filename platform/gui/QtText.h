#pragma once
// Strings shown by Qt. A String is shown decoded through its encoding
// label, with any Mac or DOS line ending shown as a line break.

#include <QString>

#include "platform/text/String.h"

QString ToQString(const String& text);
