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

void LongestAt(std::u16string_view rest, const DictionaryStack& dics, std::vector<LexiconMatch>& matches,
               std::vector<const ChineseFunctionWord*>& functions, ChineseReach& r) {
    r.best = ChineseToken();
    r.length = 0;
    r.lengths.clear();
    int bestRank = 99;
    auto consider = [&](size_t length, int rank, ChineseToken&& t) {
        const bool grammar = t.type == TokenType::Function;
        r.lengths.push_back({length, grammar});
        if (length > r.length || (length == r.length && rank < bestRank)) {
            r.length = length;
            bestRank = rank;
            r.best = std::move(t);
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
}

} // namespace

std::vector<ChineseToken> AnalyzeChinese(std::u16string_view text, size_t offset,
                                         const DictionaryStack& dics) {
    std::vector<ChineseToken> tokens;
    ChineseAnalysisBuffers buffers;
    AnalyzeChinese(text, offset, dics, tokens, buffers);
    return tokens;
}

void AnalyzeChinese(std::u16string_view text, size_t offset, const DictionaryStack& dics,
                    std::vector<ChineseToken>& tokens, ChineseAnalysisBuffers& buffers) {
    tokens.clear();
    tokens.reserve(text.size());
    std::vector<LexiconMatch>& matches = buffers.matches;
    std::vector<const ChineseFunctionWord*>& functions = buffers.functions;
    // The reach of the words at each position, found once: the look two words ahead asks for
    // the positions that the cut reaches next.
    std::vector<ChineseReach>& reaches = buffers.reaches;
    if (reaches.size() < text.size() + 1)
        reaches.resize(text.size() + 1);
    std::vector<bool>& known = buffers.known;
    known.assign(text.size() + 1, false);
    auto reachAt = [&](size_t at) -> const ChineseReach& {
        if (!known[at]) {
            LongestAt(text.substr(at), dics, matches, functions, reaches[at]);
            known[at] = true;
        }
        return reaches[at];
    };
    auto longestFrom = [&](size_t at) -> std::pair<size_t, bool> {
        if (at >= text.size())
            return {0, false};
        const ChineseReach& r = reachAt(at);
        return {r.length == 0 ? 1 : r.length, r.best.type == TokenType::Function};
    };
    size_t i = 0;
    while (i < text.size()) {
        const std::u16string_view rest = text.substr(i);
        const ChineseReach& here = reachAt(i);
        size_t bestLength = here.length;
        ChineseToken best = here.best;
        if (bestLength > 1) {
            // Two words ahead: a shorter first word wins when the pair reaches further, or as
            // far with more grammar words (受 + 任何, not 受任 + 何).
            auto score = [&](size_t first, bool grammar) {
                const auto next = longestFrom(i + first);
                return std::make_pair(first + next.first, int(grammar) + int(next.second));
            };
            bool longestIsGrammar = best.type == TokenType::Function;
            std::pair<size_t, int> top = score(bestLength, longestIsGrammar);
            size_t chosen = bestLength;
            for (const auto& [length, grammar] : here.lengths) {
                if (length >= bestLength)
                    continue;
                const auto s = score(length, grammar);
                if (s > top || (s == top && length > chosen && chosen != bestLength)) {
                    top = s;
                    chosen = length;
                }
            }
            if (chosen != bestLength) {
                ChineseReach& shorter = buffers.shorter;
                LongestAt(rest.substr(0, chosen), dics, matches, functions, shorter);
                if (shorter.length == chosen) {
                    bestLength = chosen;
                    best = shorter.best;
                }
            }
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
}

} // namespace transfer
