// Records that cross the boundary of both translation engines, with their layouts pinned down.
#pragma once

#include <cstddef>
#include <cstdint>

// Every engine function uses one calling convention, whatever the caller's compiler default.
#if defined(_WIN32)
#define ENGINE_CALL __stdcall
#else
#define ENGINE_CALL
#endif

// Results of the translate and kanji functions that ask the caller to call again.
constexpr int32_t kEngineOutputTooSmall = 333;   // the output size now holds the size needed
constexpr int32_t kEngineTooFewRecords = 555;    // the record count now holds the number needed

// The four values of a translate call, passed by value.
struct TransMode {
    int32_t m_nMode;            // 0 normal, 1 external request, 2 kanji conversion run
    int32_t m_nSourceCodePage;  // 932, 936, 950; 0 for a Chinese external request of either code
    int32_t m_nTargetCodePage;  // 932, 936, 950, or 10932 for external requests
    int32_t m_bWantWordRecords; // a null record array means none, whatever this says
};

static_assert(sizeof(TransMode) == 16, "mode record is 16 bytes");
static_assert(offsetof(TransMode, m_nMode) == 0, "");
static_assert(offsetof(TransMode, m_nSourceCodePage) == 4, "");
static_assert(offsetof(TransMode, m_nTargetCodePage) == 8, "");
static_assert(offsetof(TransMode, m_bWantWordRecords) == 12, "");

// One word of a translation and its counterpart in the source. Starts and lengths count
// characters, a two-byte character counting one.
struct WordRecord {
    int32_t m_nFollowing;       // set by the editor: how many records come after this one
    int32_t m_nTargetStart;
    int32_t m_nTargetLength;    // 0: the word has no counterpart
    int32_t m_nSourceStart;
    int32_t m_nSourceLength;
    uint8_t m_abEngine[20];     // the engine's own; never read by the editor
};

static_assert(sizeof(WordRecord) == 40, "word record is 40 bytes");
static_assert(offsetof(WordRecord, m_nFollowing) == 0, "");
static_assert(offsetof(WordRecord, m_nTargetStart) == 4, "");
static_assert(offsetof(WordRecord, m_nTargetLength) == 8, "");
static_assert(offsetof(WordRecord, m_nSourceStart) == 12, "");
static_assert(offsetof(WordRecord, m_nSourceLength) == 16, "");
static_assert(offsetof(WordRecord, m_abEngine) == 20, "");

constexpr size_t kUserDicPathSize = 516;   // a path without extension, zero-terminated
constexpr size_t kLogFileNameSize = 12;

// An engine's whole configuration, passed by value; each configure replaces the last one.
// The JC engine is given 0 in the fields that only the CJ engine reads.
struct TransConfig {
    char m_szUserDic1[kUserDicPathSize];  // user dictionaries in priority order; "" = none
    char m_szUserDic2[kUserDicPathSize];
    char m_szUserDic3[kUserDicPathSize];
    int32_t m_nTransHomo;                 // CJ: translations asked where several fit
    int32_t m_nPeriodOnly;
    int32_t m_nDashMark;                  // CJ
    int32_t m_nOmitMark;                  // CJ
    int32_t m_nQuestionMark;
    int32_t m_nExclamationMark;
    int32_t m_nSemicolonMark;
    int32_t m_nColonMark;
    int32_t m_nCommaMark;                 // CJ
    int32_t m_nLineFlag;
    int32_t m_nLineLength;
    int32_t m_nSpaceCutFlag;
    int32_t m_nSpaceCutLength;
    int32_t m_nWriteLog;
    char m_szLogFileName[kLogFileNameSize];
};

static_assert(sizeof(TransConfig) == 1616, "configuration record is 1,616 bytes");
static_assert(offsetof(TransConfig, m_szUserDic1) == 0, "");
static_assert(offsetof(TransConfig, m_szUserDic2) == 516, "");
static_assert(offsetof(TransConfig, m_szUserDic3) == 1032, "");
static_assert(offsetof(TransConfig, m_nTransHomo) == 1548, "");
static_assert(offsetof(TransConfig, m_nPeriodOnly) == 1552, "");
static_assert(offsetof(TransConfig, m_nDashMark) == 1556, "");
static_assert(offsetof(TransConfig, m_nOmitMark) == 1560, "");
static_assert(offsetof(TransConfig, m_nQuestionMark) == 1564, "");
static_assert(offsetof(TransConfig, m_nExclamationMark) == 1568, "");
static_assert(offsetof(TransConfig, m_nSemicolonMark) == 1572, "");
static_assert(offsetof(TransConfig, m_nColonMark) == 1576, "");
static_assert(offsetof(TransConfig, m_nCommaMark) == 1580, "");
static_assert(offsetof(TransConfig, m_nLineFlag) == 1584, "");
static_assert(offsetof(TransConfig, m_nLineLength) == 1588, "");
static_assert(offsetof(TransConfig, m_nSpaceCutFlag) == 1592, "");
static_assert(offsetof(TransConfig, m_nSpaceCutLength) == 1596, "");
static_assert(offsetof(TransConfig, m_nWriteLog) == 1600, "");
static_assert(offsetof(TransConfig, m_szLogFileName) == 1604, "");
