// The engines' file layout: a checked header, a section table and sections, little-endian.
#include "DataFile.h"

#include "Crc32.h"

#include <cstring>
#include <fstream>

namespace transfer {

uint32_t ReadU32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint16_t ReadU16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

void AppendU32(std::vector<uint8_t>& out, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(value >> (8 * i)));
}

void AppendU16(std::vector<uint8_t>& out, uint16_t value) {
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

bool ReadWholeFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes) {
    bytes.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    // The engines' files are a few megabytes; anything near 1 GB is not one of them.
    if (size < 0 || size > (std::streamoff(1) << 30))
        return false;
    in.seekg(0, std::ios::beg);
    bytes.resize(size_t(size));
    if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), size))
        return false;
    return true;
}

bool CDataFile::Load(const std::filesystem::path& path, const char* kind) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) {
        m_bytes.clear();
        return false;
    }
    return Adopt(std::move(bytes), kind);
}

bool CDataFile::Adopt(std::vector<uint8_t> bytes, const char* kind) {
    m_bytes.clear();
    m_nStamp = 0;
    if (bytes.size() < kHeaderSize || std::memcmp(bytes.data(), "TWXL", 4) != 0 ||
        std::memcmp(bytes.data() + 4, kind, 4) != 0)
        return false;
    const uint8_t* h = bytes.data();
    const uint32_t version = ReadU32(h + 8), sections = ReadU32(h + 12);
    const uint32_t payload = ReadU32(h + 16), crc = ReadU32(h + 20);
    if (version != kVersion || payload != bytes.size() - kHeaderSize ||
        uint64_t(sections) * 12 > payload)
        return false;
    if (Crc32(h + kHeaderSize, payload) != crc)
        return false;
    const uint32_t tableSize = sections * 12;
    for (uint32_t i = 0; i < sections; ++i) {
        const uint8_t* row = h + kHeaderSize + i * 12;
        const uint64_t offset = ReadU32(row + 4), size = ReadU32(row + 8);
        if (tableSize + offset + size > payload)
            return false;
    }
    m_nStamp = ReadU32(h + 24);
    m_bytes = std::move(bytes);
    return true;
}

Section CDataFile::Find(uint32_t identifier) const {
    if (m_bytes.empty())
        return {};
    const uint8_t* h = m_bytes.data();
    const uint32_t sections = ReadU32(h + 12);
    const uint8_t* payload = h + kHeaderSize + sections * 12;
    for (uint32_t i = 0; i < sections; ++i) {
        const uint8_t* row = h + kHeaderSize + i * 12;
        if (ReadU32(row) == identifier)
            return {payload + ReadU32(row + 4), ReadU32(row + 8)};
    }
    return {};
}

std::vector<uint8_t> BuildDataFile(const char* kind, const std::vector<SectionData>& sections,
                                   uint32_t stamp) {
    std::vector<uint8_t> table, payload;
    for (const SectionData& s : sections) {
        while (payload.size() % 4)
            payload.push_back(0);
        AppendU32(table, s.identifier);
        AppendU32(table, uint32_t(payload.size()));
        AppendU32(table, uint32_t(s.bytes.size()));
        payload.insert(payload.end(), s.bytes.begin(), s.bytes.end());
    }
    while (payload.size() % 4)
        payload.push_back(0);
    std::vector<uint8_t> body = table;
    body.insert(body.end(), payload.begin(), payload.end());
    std::vector<uint8_t> out = {'T', 'W', 'X', 'L'};
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(kind[i]));
    AppendU32(out, CDataFile::kVersion);
    AppendU32(out, uint32_t(sections.size()));
    AppendU32(out, uint32_t(body.size()));
    AppendU32(out, Crc32(body.data(), body.size()));
    AppendU32(out, stamp);
    AppendU32(out, 0);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

} // namespace transfer
