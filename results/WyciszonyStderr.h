#pragma once

// While it lives, whatever is written to the process's standard error goes
// nowhere. The workbook library prints its own English errors there before it
// reports them to us; the user is told of a failure once, in our words.
// Standard error is shared by the whole process: hold one only around a call
// that no other thread's messages need to outlive.
class WyciszonyStderr {
public:
    WyciszonyStderr();
    ~WyciszonyStderr();
    WyciszonyStderr(const WyciszonyStderr&) = delete;
    WyciszonyStderr& operator=(const WyciszonyStderr&) = delete;

private:
    int zapas_ = -1; // the real standard error, restored at the end
};
