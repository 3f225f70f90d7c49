#pragma once
// The wizard's pRunningCP for the life of one transfer run: set when the
// wizard starts the run, cleared when the run lets go of it, however it ends.

class Window1;

class RunningFlag {
public:
    explicit RunningFlag(Window1& wizard);
    ~RunningFlag();
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    Window1& wizard_;
};
