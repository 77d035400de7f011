// Printing a document on a printer's device context: the printer face, the layout of
// pages and copies, and a job that is aborted, never left open, when anything fails.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "documents/portable/print_layout.h"
#include "win/edit_control.h"

namespace vantry {

// The lines of the text control as it shows them: with word wrap each displayed line
// is one. A last empty line after the final line break is not a line.
class ShownLines {
public:
    explicit ShownLines(const EditControl& memo);
    std::int32_t count() const { return static_cast<std::int32_t>(lines_.size()); }
    std::wstring_view line(std::int32_t index) const;

private:
    std::wstring text_;
    std::vector<ShownLine> lines_;
};

// Whether the system lists any printer, local or connected.
bool printerInstalled();

// Prints `lines` with `job` (nfoFont, copies set by the caller) on `printer`, as a job
// the print queue shows as `jobName`. False, with nothing started, when not one line fits
// on a page. A failure of the printer throws Error after the job is aborted.
bool printDocument(PrintJob& job, HDC printer, bool collate, const PrintFont& font, const ShownLines& lines,
                   const std::wstring& jobName);

}  // namespace vantry
