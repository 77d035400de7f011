// How the standard error report words an error's message.
#pragma once

#include <string>
#include <string_view>

namespace vantry {

// The message with "." appended when its last character sorts after ".".
std::wstring errorReportText(std::wstring_view message);

}  // namespace vantry
