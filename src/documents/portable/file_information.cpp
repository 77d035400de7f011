#include "documents/portable/file_information.h"

namespace vantry {

std::wstring fileSizeText(std::uint64_t bytes) {
    return std::to_wstring(bytes / 1024) + L" Kb (" + std::to_wstring(bytes) + L" byte)";
}

}  // namespace vantry
