#pragma once
// Makes chosen system calls of this test program fail on demand, so that the
// writers' handling of a failed write, sync, close or rename can be seen.
// The calls are taken over for the whole program (its own definitions win
// over the C library's) and pass straight through while no fault is armed.

namespace torvana::test {

enum class SystemCall { Write, Fsync, Close, Rename };

// The next call of the kind fails with error.
// A close still closes the descriptor, as Linux does when close reports an
// error. A write with error 0 returns 0 bytes taken.
void FailNextCall(SystemCall call, int error);

// Disarms every fault; true when each armed one was hit.
bool ClearCallFaults();

// How many times a folder has been synced in this program so far.
int FolderSyncCount();

// Arms a fault for a scope and disarms it at the end.
class CallFault {
public:
    CallFault(SystemCall call, int error) { FailNextCall(call, error); }
    ~CallFault() { ClearCallFaults(); }
    CallFault(const CallFault&) = delete;
    CallFault& operator=(const CallFault&) = delete;
};

}  // namespace torvana::test
