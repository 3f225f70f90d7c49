#include "wizard/RunningFlag.h"

#include "wizard/Window1.h"

RunningFlag::RunningFlag(Window1& wizard) : wizard_(wizard) {
    wizard_.pRunningCP = true;
}

RunningFlag::~RunningFlag() {
    wizard_.pRunningCP = false;
}
