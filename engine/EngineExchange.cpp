// The editor's side of a translate or kanji conversion call.
#include "EngineExchange.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <utility>

namespace {

const char kMemorryAllocError[] = "Memorry alloc error!";
const char kMemoryShortage[] = "メモリ不足!";

// Capacity bytes offered to the engine and 2 spare ones, so the text always ends in the buffer.
class COutputBuffer {
public:
    // False when the buffer cannot be had; the old one then stays.
    bool Allocate(int32_t capacity) {
        if (capacity < 0 || capacity > INT32_MAX - 2)
            return false;
        std::unique_ptr<char[]> buffer(new (std::nothrow) char[size_t(capacity) + 2]());
        if (!buffer)
            return false;
        m_buffer = std::move(buffer);
        m_nCapacity = capacity;
        return true;
    }
    void Empty() {
        m_buffer[0] = '\0';
        m_buffer[size_t(m_nCapacity)] = '\0';
        m_buffer[size_t(m_nCapacity) + 1] = '\0';
    }
    char* Data() { return m_buffer.get(); }
    int32_t Capacity() const { return m_nCapacity; }
    // Up to the first zero; an engine that wrote into the spare bytes is cut at the last one.
    std::string Text() {
        m_buffer[size_t(m_nCapacity) + 1] = '\0';
        return std::string(m_buffer.get());
    }

private:
    std::unique_ptr<char[]> m_buffer;
    int32_t m_nCapacity = 0;
};

// A fresh block of count zeroed records in place of the old one; false when it cannot be had.
bool AllocateRecords(std::vector<WordRecord>& records, size_t count) {
    if (count > size_t(kMaxWordRecords))
        return false;
    try {
        std::vector<WordRecord>(count, WordRecord{}).swap(records);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

// The output grown to the size a 333 reply asks for, or how the exchange ends instead. Asking
// for no more than it had would only repeat the same call, so that ends with an empty text.
std::optional<ExchangeEnd> GrowOutput(COutputBuffer& output, int32_t asked, CEngineAlerts& alerts) {
    if (asked <= output.Capacity())
        return ExchangeEnd::EngineFault;
    if (!output.Allocate(asked)) {
        alerts.OnOutOfMemory(kMemorryAllocError);
        return ExchangeEnd::OutOfMemory;
    }
    return std::nullopt;
}

int32_t InitialOutputCapacity(size_t sourceLength) {
    if (sourceLength < 1000)
        return 6000;
    if (sourceLength > size_t(INT32_MAX - 2) / 6)
        return -1;
    return int32_t(sourceLength * 6);
}

EngineTranslation Ended(ExchangeEnd end, int32_t engineResult) {
    EngineTranslation result;
    result.end = end;
    result.engineResult = engineResult;
    return result;
}

} // namespace

CEngineExchange::CEngineExchange(TransDirection direction, TransferFunction transfer,
                                 KanziFunction kanzi, CEngineAlerts& alerts)
    : m_direction(direction), m_transfer(std::move(transfer)), m_kanzi(std::move(kanzi)),
      m_alerts(alerts) {}

EngineTranslation CEngineExchange::Translate(const TransMode& mode, const char* source) const {
    const size_t sourceLength = source ? std::strlen(source) : 0;
    if (sourceLength == 0)
        return EngineTranslation();
    const bool wantRecords = mode.m_bWantWordRecords != 0;

    COutputBuffer output;
    std::vector<WordRecord> records;
    if (!output.Allocate(InitialOutputCapacity(sourceLength)) ||
        (wantRecords && !AllocateRecords(records, sourceLength))) {
        // A first shortage of the CJ direction is told in Japanese.
        m_alerts.OnOutOfMemory(m_direction == kChineseToJapanese
                                   ? kMemoryShortage
                                   : kMemorryAllocError);
        return Ended(ExchangeEnd::OutOfMemory, 0);
    }

    int32_t answer = 0;
    for (int call = 0; call < kMaxTransferCalls; ++call) {
        output.Empty();
        int32_t outputSize = output.Capacity();
        int32_t recordCount = int32_t(records.size());
        answer = m_transfer(mode, source, output.Data(), &outputSize,
                            wantRecords ? records.data() : nullptr, &recordCount);

        if (answer == kEngineOutputTooSmall) {
            if (std::optional<ExchangeEnd> end = GrowOutput(output, outputSize, m_alerts))
                return Ended(*end, answer);
            std::fill(records.begin(), records.end(), WordRecord{});
            continue;
        }
        if (answer == kEngineTooFewRecords) {
            // As for the output, asking for no more records than it had, or for records when
            // none were offered, ends the exchange with an empty translation.
            if (!wantRecords || recordCount <= int32_t(records.size()))
                return Ended(ExchangeEnd::EngineFault, answer);
            if (!AllocateRecords(records, size_t(recordCount))) {
                m_alerts.OnOutOfMemory(kMemorryAllocError);
                return Ended(ExchangeEnd::OutOfMemory, answer);
            }
            continue;
        }

        EngineTranslation result = Ended(ExchangeEnd::Done, answer);
        result.text = output.Text();
        // A count beyond the block means the records cannot be trusted: they are dropped.
        if (wantRecords && recordCount > 0 && recordCount <= int32_t(records.size())) {
            records.resize(size_t(recordCount));
            for (int32_t i = 0; i < recordCount; ++i)
                records[size_t(i)].m_nFollowing = recordCount - 1 - i;
            result.records = std::move(records);
        }
        return result;
    }
    // Call-again replies beyond reason: the exchange ends with an empty translation.
    return Ended(ExchangeEnd::EngineFault, answer);
}

EngineTranslation CEngineExchange::ConvertKanzi(const char* text, int32_t chineseCodePage) const {
    const size_t textLength = text ? std::strlen(text) : 0;
    if (textLength == 0)
        return EngineTranslation();

    COutputBuffer output;
    if (textLength > size_t(INT32_MAX) / 2 || !output.Allocate(int32_t(textLength * 2))) {
        m_alerts.OnOutOfMemory(kMemorryAllocError);
        return Ended(ExchangeEnd::OutOfMemory, 0);
    }
    int32_t outputSize = output.Capacity();
    int32_t answer = m_kanzi(text, chineseCodePage, output.Data(), &outputSize);
    if (answer == kEngineOutputTooSmall) {
        if (std::optional<ExchangeEnd> end = GrowOutput(output, outputSize, m_alerts))
            return Ended(*end, answer);
        outputSize = output.Capacity();
        // Whatever this call answers, its output is the conversion; there is no third call.
        answer = m_kanzi(text, chineseCodePage, output.Data(), &outputSize);
    }
    EngineTranslation result = Ended(ExchangeEnd::Done, answer);
    result.text = output.Text();
    return result;
}
