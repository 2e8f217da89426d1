#include "platform/TextFile.h"

namespace platform {

TextFile::~TextFile() {
    if (IsOpen()) Close();
}

void TextFile::Assign(const std::string& path) {
    if (IsOpen()) Close();
    path_ = path;
}

// The first failure is kept until IOResult reads it, so no error is lost to a later success.
void TextFile::Record(int code) {
    if (result_ == ioOK) result_ = code;
}

bool TextFile::OpenFor(Mode wanted) {
    if (mode_ == wanted) return true;
    if (mode_ == Mode::Closed)
        Record(ioFileNotOpen);
    else
        Record(wanted == Mode::Input ? ioNotOpenForInput : ioNotOpenForOutput);
    return false;
}

void TextFile::Rewrite() {
    if (IsOpen()) Close();
    int code = CreateFileForWrite(path_, handle_);
    Record(code);
    if (code != ioOK) return;
    mode_ = Mode::Output;
    position_ = 0;
}

void TextFile::Reset() {
    if (IsOpen()) Close();
    int code = OpenFileForRead(path_, handle_);
    Record(code);
    if (code != ioOK) return;
    mode_ = Mode::Input;
    position_ = 0;
    filled_ = 0;
    atEnd_ = false;
}

// Writes out the buffer; it is empty afterwards even when the write failed.
int TextFile::Flush() {
    int code = position_ > 0 ? WriteFileBytes(handle_, buffer_, position_) : ioOK;
    position_ = 0;
    Record(code);
    return code;
}

void TextFile::WriteOnFullBuffer(std::uint8_t c) {
    if (!OpenFor(Mode::Output)) return;
    if (position_ == BufferSize && Flush() != ioOK) return;
    buffer_[position_++] = c;
}

void TextFile::Fill() {
    position_ = 0;
    filled_ = 0;
    int code = ReadFileBytes(handle_, buffer_, BufferSize, filled_);
    Record(code);
    if (code != ioOK || filled_ == 0) {
        filled_ = 0;
        atEnd_ = true;
    }
}

std::uint8_t TextFile::Read() {
    if (!OpenFor(Mode::Input)) return EndOfFileChar;
    if (position_ == filled_ && !atEnd_) Fill();
    if (position_ == filled_) return EndOfFileChar;
    return buffer_[position_++];
}

bool TextFile::Eof() {
    if (!OpenFor(Mode::Input)) return true;
    if (position_ == filled_ && !atEnd_) Fill();
    return position_ == filled_;
}

void TextFile::CloseHandle() {
    Record(CloseFileHandle(handle_));
    handle_ = NoFile;
    mode_ = Mode::Closed;
}

void TextFile::Close() {
    if (!IsOpen()) {
        Record(ioFileNotOpen);
        return;
    }
    if (mode_ == Mode::Output) Flush();
    CloseHandle();
}

bool TextFile::IsOpen() const {
    return mode_ != Mode::Closed;
}

void RaiseIOError(int code) {
    throw EInOutError(code);
}

} // namespace platform
