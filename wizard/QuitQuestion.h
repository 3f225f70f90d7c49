#pragma once
// What the quit guard asks before the program ends with a transfer folder
// that is not complete: the words fit what left it so.

#include "platform/text/String.h"

struct QuitQuestion {
    String message;
    String explanation;
};

// stopped: the user stopped the run; running: it is still going; otherwise
// it ended with items that could not be transferred. copySide: the old
// machine's copy, else the new machine's paste.
QuitQuestion UnfinishedRunQuestion(bool stopped, bool running, bool copySide);
