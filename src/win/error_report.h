// The standard error report and the application title it is captioned with.
#pragma once

#include <new>
#include <string>
#include <string_view>

#include "win/error.h"

namespace vantry {

// The title of the application ("Vantry", or the document's name followed by " - Vantry").
const std::wstring& applicationTitle();
void setApplicationTitle(std::wstring title);

// A modal box with the application title, the error icon and an OK button, owned by the
// active window. An empty message is shown as it is.
void showStandardErrorReport(std::wstring_view message);

// Runs a handler; whatever it throws is shown in the standard error report, and then
// `failed` is returned.
template <typename Result, typename Handler>
Result reportingFailures(Result failed, Handler&& handler) {
    try {
        return handler();
    } catch (const Error& error) {
        showStandardErrorReport(error.message());
    } catch (const std::bad_alloc&) {
        showStandardErrorReport(L"Out of memory");
    } catch (...) {
        showStandardErrorReport(L"");
    }
    return failed;
}

}  // namespace vantry
