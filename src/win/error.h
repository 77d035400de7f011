// The error type of the program's Win32 layer. Whatever a handler lets out ends in the
// standard error report, which shows what() of this type.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

namespace vantry {

class Error : public std::exception {
public:
    explicit Error(std::wstring message) : message_(std::move(message)) {}
    const std::wstring& message() const noexcept { return message_; }
    const char* what() const noexcept override { return "Vantry error"; }

private:
    std::wstring message_;
};

// The system's description of a Win32 error code, without its trailing line break.
std::wstring systemErrorText(DWORD code);

}  // namespace vantry
