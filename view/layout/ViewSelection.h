// The sentence marks and lock bits of the view, and its character selection.
#pragma once

#include <array>
#include <cstdint>

// One bit per sentence for 100,000 sentences: bit i mod 8 (least significant first) of byte i div 8.
class CSentenceBits {
public:
    static constexpr int kSentences = 100000;

    bool Test(int sentence) const {
        return sentence >= 0 && sentence < kSentences && (m_bytes[size_t(sentence / 8)] >> (sentence % 8)) & 1;
    }
    void Set(int sentence, bool on) {
        if (sentence < 0 || sentence >= kSentences)
            return;
        uint8_t bit = uint8_t(1u << (sentence % 8));
        uint8_t& byte = m_bytes[size_t(sentence / 8)];
        byte = on ? uint8_t(byte | bit) : uint8_t(byte & ~bit);
    }
    void ClearAll() { m_bytes.fill(0); }

private:
    std::array<uint8_t, kSentences / 8> m_bytes{};
};

// A byte range in the texts of one pane, possibly over several sentences; all -1 when none.
struct CharSelection {
    int startSentence = -1;
    int endSentence = -1;
    int startOffset = -1;
    int endOffset = -1;

    bool IsEmpty() const { return startSentence < 0; }
    void Clear() { startSentence = endSentence = startOffset = endOffset = -1; }

    // The selected bytes [from, to) of a sentence whose text is length bytes long; false when
    // the selection leaves it out or covers nothing of it.
    bool RangeIn(int sentence, int length, int& from, int& to) const {
        if (IsEmpty() || sentence < startSentence || sentence > endSentence)
            return false;
        from = sentence == startSentence ? startOffset : 0;
        to = sentence == endSentence ? endOffset : length;
        if (from < 0)
            from = 0;
        if (to > length)
            to = length;
        return from < to;
    }
};
