#include "sortie/theatre/target_table.h"

#include <algorithm>
#include <string>

namespace sortie {

common::Result<TargetTable> decodeTargets(std::string_view bytes) {
    common::Result<TargetTable> result;
    if (bytes.size() < kTargetHeaderSize) {
        result.problem =
            common::Problem{{},
                            "reading target table",
                            "the header is cut short (" + std::to_string(bytes.size()) + " of 4 bytes)"};
        return result;
    }
    result.value.headerCount =
        static_cast<unsigned char>(bytes[0]) + 256u * static_cast<unsigned char>(bytes[1]);
    for (std::size_t p = kTargetHeaderSize; p < bytes.size(); p += kTargetRecordSize) {
        TargetRecord record;
        record.length = std::min(kTargetRecordSize, bytes.size() - p);
        for (std::size_t i = 0; i < record.length; ++i)
            record.bytes[i] = static_cast<std::uint8_t>(bytes[p + i]);
        result.value.records.push_back(record);
    }
    if (!result.value.records.empty() && !result.value.records.back().complete()) {
        const auto& last = result.value.records.back();
        result.problem =
            common::Problem{{},
                            "reading target table",
                            "record " + std::to_string(result.value.records.size() - 1) + " is cut short (" +
                                std::to_string(last.length) + " of 32 bytes)"};
    }
    return result;
}

} // namespace sortie
