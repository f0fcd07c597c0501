// The generated CVDATA tables as the tests read them from the source tree.
#include "TableFiles.h"

#include <cstdio>
#include <map>
#include <string>

const std::vector<uint8_t>& TableFile(const char* name) {
    static std::map<std::string, std::vector<uint8_t>> files;
    auto found = files.find(name);
    if (found != files.end()) {
        return found->second;
    }
    std::vector<uint8_t>& bytes = files[name];
    const std::string path = std::string(TWIN_CVDATA_DIR) + "/" + name + ".bin";
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        uint8_t buffer[4096];
        size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
            bytes.insert(bytes.end(), buffer, buffer + got);
        }
        std::fclose(file);
    }
    return bytes;
}

ByteSpan SpanOf(const std::vector<uint8_t>& bytes) {
    return ByteSpan{bytes.empty() ? nullptr : bytes.data(), bytes.size()};
}

const CCharacterTables& GeneratedTables() {
    static CCharacterTables tables;
    if (!tables.IsLoaded()) {
        tables.Attach(SpanOf(TableFile("BIG5-HVH")), SpanOf(TableFile("HVH-BIG5")),
                      SpanOf(TableFile("GB-BIG5")));
    }
    return tables;
}
