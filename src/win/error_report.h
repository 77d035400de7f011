// The standard error report and the application title it is captioned with.
#pragma once

#include <string>
#include <string_view>

namespace vantry {

// The title of the application ("Vantry", or the document's name followed by " - Vantry").
const std::wstring& applicationTitle();
void setApplicationTitle(std::wstring title);

// A modal box with the application title, the error icon and an OK button, owned by the
// active window. An empty message is shown as it is.
void showStandardErrorReport(std::wstring_view message);

}  // namespace vantry
