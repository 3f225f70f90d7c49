#pragma once
// What the quit guard asks before the program ends with a transfer folder
// that is not complete: the words fit what left it so.

#include "platform/text/String.h"

struct QuitQuestion {
    String message;
    String explanation;
};

// Why the run is not complete. A stop still under way outranks the run
// being in progress.
enum class UnfinishedRun {
    Stopped,    // the user stopped it
    Running,    // it is still going
    Incomplete, // it ended with items that could not be transferred
};

// Whose run it is: the old machine's copy or the new machine's paste.
enum class RunSide { Copy, Paste };

QuitQuestion UnfinishedRunQuestion(UnfinishedRun run, RunSide side);
