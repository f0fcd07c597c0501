// The editor's side of a translate or kanji conversion call: buffer sizing, the engine's
// call-again replies, word-record numbering and out-of-memory reports.
#pragma once

#include "EngineRecords.h"
#include "SegmentationValues.h"

#include <functional>
#include <string>
#include <vector>

// What the user must be told about an exchange; the Windows side shows it in a message box.
class CEngineAlerts {
public:
    // The text is in code page 932 and shown with the error icon.
    virtual void OnOutOfMemory(const char* message) = 0;

protected:
    ~CEngineAlerts() = default;
};

// The shapes of JC_Transfer / CJ_Transfer and of the two kanji functions.
using TransferFunction =
    std::function<int32_t(TransMode, const char*, char*, int32_t*, WordRecord*, int32_t*)>;
using KanziFunction = std::function<int32_t(const char*, int32_t, char*, int32_t*)>;

enum class ExchangeEnd {
    Done,         // the engine answered; the text is its output
    EngineFault,  // the engine's replies made no sense; the text is empty
    OutOfMemory,  // reported to the user; the text is empty
};

struct EngineTranslation {
    ExchangeEnd end = ExchangeEnd::Done;
    int32_t engineResult = 0;  // the last result of the engine, when it was called
    std::string text;
    std::vector<WordRecord> records;  // numbered; empty when none were asked for or made
};

// No honest engine needs more calls than this for one text.
constexpr int kMaxTransferCalls = 8;
// Blocks of word records beyond this are refused as out of memory; no sentence needs them.
constexpr int32_t kMaxWordRecords = 1 << 20;

// One direction's engine as every caller uses it.
class CEngineExchange {
public:
    CEngineExchange(TransDirection direction, TransferFunction transfer, KanziFunction kanzi,
                    CEngineAlerts& alerts);

    // Word records are offered when the mode asks for them, one per source byte to start with.
    // An empty source gives an empty translation without an engine call.
    EngineTranslation Translate(const TransMode& mode, const char* source) const;
    // The text with its characters turned into the other language's; the engine is offered
    // twice the text length and, when it asks for more, called once more.
    EngineTranslation ConvertKanzi(const char* text, int32_t chineseCodePage) const;

private:
    TransDirection m_direction;
    TransferFunction m_transfer;
    KanziFunction m_kanzi;
    CEngineAlerts& m_alerts;
};
