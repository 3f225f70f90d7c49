#pragma once
// A plain message box with an OK button; returns when it is dismissed.

#include "platform/text/String.h"

void MsgBox(const String& text);
