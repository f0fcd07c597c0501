// The configuration records of both engines, built from the editor's settings.
#include "EngineConfig.h"

#include <cstring>

namespace {

// Lead bytes of Shift-JIS, the code page of paths and file names on this system.
bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Copies at most maxCharacters characters of text into field, always zero-terminated.
void CopyText(char* field, size_t fieldSize, const std::string& text, size_t maxCharacters) {
    std::memset(field, 0, fieldSize);
    size_t length = 0;
    for (size_t characters = 0; characters < maxCharacters && length < text.size(); ++characters) {
        size_t next = length + (IsLeadByte(static_cast<unsigned char>(text[length])) ? 2 : 1);
        if (next > text.size() || next > fieldSize - 1)
            break;
        length = next;
    }
    std::memcpy(field, text.data(), length);
}

} // namespace

TransConfig BuildTransConfig(TransDirection direction, const EngineSettings& settings) {
    TransConfig config;
    std::memset(&config, 0, sizeof config);
    char* const slots[] = {config.m_szUserDic1, config.m_szUserDic2, config.m_szUserDic3};
    for (size_t i = 0; i < settings.userDics.size(); ++i)
        CopyText(slots[i], kUserDicPathSize, settings.userDics[i], kUserDicPathSize);

    const bool chineseSource = direction == kChineseToJapanese;
    if (chineseSource) {
        // No engine can give fewer than one translation.
        config.m_nTransHomo = settings.segmentation.transHomo < 1 ? 1 : settings.segmentation.transHomo;
        config.m_nDashMark = settings.segmentation.dashMark;
        config.m_nOmitMark = settings.segmentation.omitMark;
        config.m_nCommaMark = settings.segmentation.commaMark;
    }
    config.m_nPeriodOnly = settings.segmentation.periodOnly;
    config.m_nQuestionMark = settings.segmentation.questionMark;
    config.m_nExclamationMark = settings.segmentation.exclamationMark;
    config.m_nSemicolonMark = settings.segmentation.semicolonMark;
    config.m_nColonMark = settings.segmentation.colonMark;
    config.m_nLineFlag = settings.segmentation.lineFlag;
    config.m_nLineLength = settings.segmentation.lineLength;
    config.m_nSpaceCutFlag = settings.segmentation.spaceCutFlag;
    config.m_nSpaceCutLength = settings.segmentation.spaceCutLength;
    config.m_nWriteLog = settings.writeLog;
    CopyText(config.m_szLogFileName, kLogFileNameSize, settings.logFileName, 9);
    return config;
}
