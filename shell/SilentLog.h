// The plain-text log of a silent installation: one line per step, each written out at once,
// so that the log tells how far a run came however it ended.
#pragma once

#include <string>

#include "platform/Platform.h"

class TSilentLog {
public:
    // The log the caller named (LogFile), or a new file of a name nobody can foresee in the
    // caller's own temporary folder. A link or reparse point is refused, never followed. A log
    // that cannot be made is skipped, and so is the rest of one that can no longer be written.
    explicit TSilentLog(const std::string& LogFile);
    ~TSilentLog();
    TSilentLog(const TSilentLog&) = delete;
    TSilentLog& operator=(const TSilentLog&) = delete;

    // Each line of the text (lines separated by "\r"), with control characters escaped.
    void Line(const std::string& Text);

    // Where the log is, or why there is none, for the result line on standard error.
    std::string Whereabouts() const;

private:
    void Write(const std::string& Bytes);

    platform::FileHandle handle_ = platform::NoFile;
    std::string fileName_;
    int openCode_ = platform::ioOK;
};

// A line of the log (or of standard error) as TSilentLog::Line writes it.
std::string LogLines(const std::string& Text);
