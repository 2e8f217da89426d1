// The runtime's buffered text-file channel: one byte at a time, 128-byte buffer, an I/O
// result after every operation. Reading past the end yields the end-of-file character 26.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Platform.h"

namespace platform {

class TextFile {
public:
    static constexpr std::size_t BufferSize = 128;
    static constexpr std::uint8_t EndOfFileChar = 26;

    TextFile() = default;
    ~TextFile(); // closes an open file without reporting
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    void Assign(const std::string& path);
    void Rewrite(); // create or truncate for writing
    void Reset(); // open for reading
    // Inline while the buffer has room: the payload goes through here byte by byte.
    void Write(std::uint8_t c) {
        if (mode_ == Mode::Output && position_ < BufferSize)
            buffer_[position_++] = c;
        else
            WriteOnFullBuffer(c);
    }
    std::uint8_t Read();
    bool Eof(); // no byte left to read
    void Close(); // writes out the buffer first
    int IOResult() // the result of the last operation, then cleared
    {
        const int code = result_;
        result_ = ioOK;
        return code;
    }
    bool IsOpen() const;
    const std::string& Path() const { return path_; }

private:
    enum class Mode { Closed, Input, Output };

    void Record(int code);
    void WriteOnFullBuffer(std::uint8_t c); // also refuses a file not open for output
    bool OpenFor(Mode wanted); // records the code for a closed file or the wrong direction
    int Flush();
    void Fill();
    void CloseHandle();

    std::string path_;
    FileHandle handle_ = NoFile;
    Mode mode_ = Mode::Closed;
    std::uint8_t buffer_[BufferSize] = {};
    std::size_t position_ = 0; // next byte to write, or next byte to read
    std::size_t filled_ = 0; // bytes in the read buffer
    bool atEnd_ = false;
    int result_ = ioOK;
};

[[noreturn]] void RaiseIOError(int code); // throws EInOutError

// The I/O test that follows every file operation: raises EInOutError for a non-zero result.
inline void IOCheck(TextFile& file) {
    if (const int code = file.IOResult(); code != ioOK) RaiseIOError(code);
}

} // namespace platform
