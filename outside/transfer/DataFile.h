// The engines' file layout: a checked header, a section table and sections, little-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace transfer {

// A section as it lies in a loaded file; empty when the file has no such section.
struct Section {
    const uint8_t* data = nullptr;
    size_t size = 0;

    template <typename T> size_t Count() const { return size / sizeof(T); }
};

// Header: "TWXL", the four-letter kind, version, section count, payload size, CRC-32 of the
// payload, the set stamp shared by the files of one set, zero. Rows of the section table:
// identifier, offset from the payload start, size.
class CDataFile {
public:
    static constexpr uint32_t kVersion = 1;
    static constexpr size_t kHeaderSize = 32;

    // False for a missing, short, damaged or foreign file; the file then holds nothing.
    bool Load(const std::filesystem::path& path, const char* kind);
    // The same checks on bytes already in memory.
    bool Adopt(std::vector<uint8_t> bytes, const char* kind);

    Section Find(uint32_t identifier) const;
    uint32_t Stamp() const { return m_nStamp; }
    bool IsLoaded() const { return !m_bytes.empty(); }
    size_t Size() const { return m_bytes.size(); }

private:
    std::vector<uint8_t> m_bytes;
    uint32_t m_nStamp = 0;
};

struct SectionData {
    uint32_t identifier;
    std::vector<uint8_t> bytes;
};

// The bytes of a file that CDataFile::Adopt accepts.
std::vector<uint8_t> BuildDataFile(const char* kind, const std::vector<SectionData>& sections,
                                   uint32_t stamp);

// Little-endian reads that never go past the end; a short read gives zero.
uint32_t ReadU32(const uint8_t* p);
uint16_t ReadU16(const uint8_t* p);
void AppendU32(std::vector<uint8_t>& out, uint32_t value);
void AppendU16(std::vector<uint8_t>& out, uint16_t value);

// The whole file, or false when it cannot be read.
bool ReadWholeFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes);

} // namespace transfer
