// A decoded source sentence cut into the runs the engines treat apart.
#include "SourceText.h"

#include "CharacterTables.h"

namespace transfer {

namespace {

CharClass Classify(char16_t ch) {
    if (ch == u'\r' || ch == u'\n')
        return CharClass::LineBreak;
    if (ch == u' ' || ch == u'\t' || ch == 0x3000)
        return CharClass::Space;
    if (IsKanji(ch) || ch == 0x3006)
        return CharClass::Kanji;
    if (IsHiragana(ch))
        return CharClass::Hiragana;
    if (IsKatakana(ch) || ch == 0x30FC)
        return CharClass::Katakana;
    if ((ch >= u'0' && ch <= u'9') || (ch >= 0xFF10 && ch <= 0xFF19))
        return CharClass::Digit;
    if ((ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') || (ch >= 0xFF21 && ch <= 0xFF3A) ||
        (ch >= 0xFF41 && ch <= 0xFF5A) || (ch >= 0xC0 && ch <= 0x24F))
        return CharClass::Latin;
    return CharClass::Punctuation;
}

} // namespace

CharClass ClassOf(char16_t ch) {
    // Every character's class worked out once: it is asked for at every character.
    static const std::vector<CharClass> table = [] {
        std::vector<CharClass> t(0x10000);
        for (size_t c = 0; c < t.size(); ++c)
            t[c] = Classify(char16_t(c));
        return t;
    }();
    return table[ch];
}

std::vector<SourceRun> CutIntoRuns(const std::u16string& text) {
    std::vector<SourceRun> runs;
    size_t textStart = 0;
    auto flushText = [&](size_t end) {
        size_t i = textStart;
        while (i < end) {
            size_t j = i;
            while (j < end && ClassOf(text[j]) != CharClass::LineBreak)
                ++j;
            if (j > i)
                runs.push_back({RunKind::Text, i, j - i});
            size_t k = j;
            while (k < end && ClassOf(text[k]) == CharClass::LineBreak)
                ++k;
            if (k > j)
                runs.push_back({RunKind::LineBreak, j, k - j});
            i = k;
        }
    };
    size_t i = 0;
    while (i + 1 < text.size()) {
        if (text[i] == u'[' && text[i + 1] == u'[') {
            const size_t close = text.find(u"]]", i + 2);
            if (close == std::u16string::npos)
                break;
            flushText(i);
            runs.push_back({RunKind::Protected, i + 2, close - (i + 2)});
            i = close + 2;
            textStart = i;
            continue;
        }
        ++i;
    }
    flushText(text.size());
    return runs;
}

} // namespace transfer
