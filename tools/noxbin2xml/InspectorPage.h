// The inspector page of one record: a single self-contained HTML file (style,
// script and data inline, nothing fetched) showing the record's bytes, the
// records and fields read from them, where the read failed, and the
// converted documents or the reason there are none.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "Conversions.h"
#include "serial/ReadTrace.h"

namespace noxbin2xml {

struct InspectedRecord {
    std::string title;                // the record's file name
    std::string command;              // how it was read: "material 3"
    const std::vector<uint8_t>* bytes = nullptr;
    const KilnCore::ReadTrace* trace = nullptr;
    uint64_t readEnd = 0;             // where the reads stopped
    bool converted = false;
    std::vector<std::pair<std::string, std::string>> documents;  // name, text
    std::string failure;              // the failure chain, one record per line
    std::string note;                 // what else the reader should know (a record cut short)
};

// Reads the record of that kind and type with a fresh scene converter into
// `trace`, and fills in what the page shows of it: how it was read
// ("material 3"), the read, and the documents or the failure.
void readForPage(RecordKind kind, int32_t type, const std::vector<uint8_t>& bytes, KilnCore::ReadTrace& trace,
                 InspectedRecord& record);

// The page's data: JSON that stays inert inside a <script> element.
std::string inspectorData(const InspectedRecord& record);
std::string inspectorPage(const InspectedRecord& record);

}  // namespace noxbin2xml
