// The plain-text log of a silent installation: one line per step, each written out at once,
// so that the log tells how far a run came however it ended.
#pragma once

#include <string>

#include "platform/Platform.h"
#include "shell/CommandLine.h"

class TSilentLog {
public:
    // Creates or empties the file; a log that cannot be made is skipped without a word, and
    // so is the rest of one that can no longer be written.
    explicit TSilentLog(const std::string& FileName);
    ~TSilentLog();
    TSilentLog(const TSilentLog&) = delete;
    TSilentLog& operator=(const TSilentLog&) = delete;

    // Each line of the text (lines separated by "\r"), with control characters escaped.
    void Line(const std::string& Text);

private:
    void Write(const std::string& Bytes);

    platform::FileHandle handle_ = platform::NoFile;
};

// The log the options name, or Install_Pictoro.log in the temporary folder.
std::string SilentLogFile(const TSilentOptions& Options);
