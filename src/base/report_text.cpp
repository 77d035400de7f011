#include "base/report_text.h"

namespace vantry {

std::wstring errorReportText(std::wstring_view message) {
    std::wstring text(message);
    if (!text.empty() && text.back() > L'.') text += L'.';
    return text;
}

}  // namespace vantry
