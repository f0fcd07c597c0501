// What both translation engines do until the real ones arrive: they give back their input.
#include "EchoEngine.h"

#include <climits>
#include <cstring>

namespace {

bool EndsInside(const char* field, size_t size) { return std::memchr(field, 0, size) != nullptr; }

bool IsEmpty(const char* path) { return !path || !*path; }

} // namespace

int32_t EchoText(const char* text, char* output, int32_t* outputSize) {
    if (!outputSize)
        return -1;
    const size_t length = text ? std::strlen(text) : 0;
    if (length >= size_t(INT32_MAX))
        return -1;
    const int32_t needed = int32_t(length) + 1;
    if (!output || *outputSize < needed) {
        *outputSize = needed;
        return kEngineOutputTooSmall;
    }
    if (length)
        std::memcpy(output, text, length);
    output[length] = '\0';
    return 0;
}

int32_t EchoTransfer(const char* source, char* output, int32_t* outputSize, WordRecord*,
                     int32_t* recordCount) {
    int32_t result = EchoText(source, output, outputSize);
    if (result == 0 && recordCount)
        *recordCount = 0;
    return result;
}

bool IsPlausibleConfig(const TransConfig& config) {
    return EndsInside(config.m_szUserDic1, sizeof config.m_szUserDic1) &&
           EndsInside(config.m_szUserDic2, sizeof config.m_szUserDic2) &&
           EndsInside(config.m_szUserDic3, sizeof config.m_szUserDic3) &&
           EndsInside(config.m_szLogFileName, sizeof config.m_szLogFileName);
}

int32_t OpenNoUserDics(const char* userDic1, const char* userDic2, const char* userDic3) {
    // Nothing to open succeeds; any dictionary named cannot be opened.
    return IsEmpty(userDic1) && IsEmpty(userDic2) && IsEmpty(userDic3) ? 0 : -1;
}

int32_t GetNoUserDicInfo(char* dicName, int32_t* entryCount) {
    if (dicName)
        dicName[0] = '\0';
    if (entryCount)
        *entryCount = 0;
    return -1;
}
