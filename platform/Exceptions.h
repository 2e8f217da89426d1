// The exception classes of the system: refusals, I/O errors, COM errors.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// Base of every failure that the application's default handler shows to the user.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : Message(std::move(message)) {}
    const char* what() const noexcept override { return Message.c_str(); }
    std::string Message;
};

// The runtime's input/output error: the code of the failed file operation and its text.
class EInOutError : public Exception {
public:
    explicit EInOutError(int code);
    int ErrorCode;
};

// A failing COM call; the message is the system's text for the result code.
class EOleSysError : public Exception {
public:
    EOleSysError(std::string message, std::int32_t errorCode) : Exception(std::move(message)), ErrorCode(errorCode) {}
    std::int32_t ErrorCode;
};

// An interface that an object does not offer.
class EIntfCastError : public Exception {
public:
    using Exception::Exception;
};

// The runtime's text for an I/O result code ("File not found", "Disk full", "I/O error 32").
std::string IOErrorText(int code);
