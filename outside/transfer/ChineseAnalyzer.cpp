// Cuts Chinese text into words by longest match over the dictionaries and the grammar table.
#include "ChineseAnalyzer.h"


namespace transfer {

namespace {

// User dictionaries first, then the grammar table, then the system dictionary.
int SourceRank(WordSource source) {
    switch (source) {
    case WordSource::UserDic1: return 0;
    case WordSource::UserDic2: return 1;
    case WordSource::UserDic3: return 2;
    case WordSource::Grammar: return 3;
    default: return 4;
    }
}

} // namespace

std::vector<ChineseToken> AnalyzeChinese(std::u16string_view text, size_t offset,
                                         const DictionaryStack& dics) {
    std::vector<ChineseToken> tokens;
    std::vector<LexiconMatch> matches;
    std::vector<const ChineseFunctionWord*> functions;
    size_t i = 0;
    while (i < text.size()) {
        const std::u16string_view rest = text.substr(i);
        ChineseToken best;
        size_t bestLength = 0;
        int bestRank = 99;
        auto consider = [&](size_t length, int rank, ChineseToken&& t) {
            if (length > bestLength || (length == bestLength && rank < bestRank)) {
                bestLength = length;
                bestRank = rank;
                best = std::move(t);
            }
        };
        matches.clear();
        dics.FindPrefixes(rest, matches);
        for (LexiconMatch& m : matches) {
            if (m.senses.empty())
                continue;
            ChineseToken t;
            t.type = TokenType::Word;
            t.wordClass = char(m.kind.wordClass);
            t.source = m.source;
            t.senses = std::move(m.senses);
            consider(m.length, SourceRank(m.source), std::move(t));
        }
        functions.clear();
        FindChineseFunctionWords(rest, functions);
        if (!functions.empty()) {
            ChineseToken t;
            t.type = TokenType::Function;
            t.function = functions.front();
            t.source = WordSource::Grammar;
            consider(functions.front()->surface.size(), SourceRank(WordSource::Grammar), std::move(t));
        }
        if (bestLength == 0) {
            const UnknownRun run = UnknownRunAt(rest, false);
            const size_t n = run.length;
            ChineseToken t;
            t.type = run.type;
            if (!tokens.empty() && tokens.back().type == t.type && t.type == TokenType::UnknownKanji &&
                tokens.back().start + tokens.back().length == offset + i) {
                tokens.back().length += n;
            } else {
                t.start = offset + i;
                t.length = n;
                tokens.push_back(std::move(t));
            }
            i += n;
            continue;
        }
        best.start = offset + i;
        best.length = bestLength;
        tokens.push_back(std::move(best));
        i += bestLength;
    }
    return tokens;
}

} // namespace transfer
