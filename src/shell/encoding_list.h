// The encoding list the Open and Save As dialogs carry under them.
#pragma once

#include "documents/portable/text_encoding.h"
#include "shell/resource.h"
#include "win/system_ui.h"

namespace vantry {

inline ListUnderFileDialog encodingListUnderDialog() {
    return {IDD_ENCODING_LIST, IDC_ENCODING_LIST, {kEncodingListEntries.begin(), kEncodingListEntries.end()}};
}

}  // namespace vantry
