// Cuts Japanese text into words by longest match over the dictionaries and the grammar table.
#include "JapaneseAnalyzer.h"

#include "CharacterTables.h"
#include "SourceText.h"

namespace transfer {

namespace {

// Where a word with an empty or past ending may end: only before the auxiliary it needs.
bool EndingFits(const Ending& ending, uint8_t type, std::u16string_view rest) {
    const char16_t next = rest.empty() ? 0 : rest[0];
    if (ending.form == Form::Past && type < kAdjectiveType) {
        if (PastIsVoiced(type))
            return next == u'だ' || next == u'で';
        return next == u'た' || next == u'て';
    }
    // A verb's bare continuative also ends a clause before a comma: 求め、受け、及び伝える.
    if (ending.text.empty() && ending.form == Form::Continuative && type < kAdjectiveType &&
        (next == u'、' || next == u'，'))
        return true;
    if (ending.text.empty() && (ending.form == Form::Irrealis || ending.form == Form::Continuative))
        return IsHiragana(next) && next != u'を' && next != u'は' && next != u'が' && next != u'の';
    return true;
}

bool BeginsCompoundParticle(std::u16string_view text) {
    std::vector<const JapaneseFunctionWord*> words;
    FindJapaneseFunctionWords(text, words);
    for (const JapaneseFunctionWord* w : words)
        if (w->function == JapaneseFunction::Preposition && w->surface.size() > 1)
            return true;
    return false;
}

bool IsWholeWord(std::u16string_view text, const DictionaryStack& dics) {
    std::vector<LexiconMatch> matches;
    dics.FindPrefixes(text, matches);
    for (const LexiconMatch& m : matches)
        if (m.length == text.size() && m.kind.conjugation == 0)
            return true;
    return false;
}

int SourceRank(WordSource source, std::u16string_view) {
    // User dictionaries first; the grammar table before the system dictionary, so that
    // particles are not swallowed by rare words spelled the same.
    switch (source) {
    case WordSource::UserDic1: return 0;
    case WordSource::UserDic2: return 1;
    case WordSource::UserDic3: return 2;
    case WordSource::Grammar: return 3;
    default: return 4;
    }
}

struct Candidate {
    size_t length = 0;
    int rank = 99;
    int fit = -1;
    JapaneseToken token;
};

// Between matches of one length and rank: a verb's form before a noun (受け、 is the verb, not
// the noun), any other word before both (同じ本 is the adnominal, not a form of 同ずる), then the
// longer stem (常に is the adverb, not 常 with its ending).
int Fit(const JapaneseToken& token, size_t stemLength) {
    int kind = 2000;
    if (token.type == TokenType::Word && token.kind.wordClass == kVerbClass)
        kind = 1000;
    else if (token.type == TokenType::Word && token.kind.wordClass == kNounClass)
        kind = 0;
    // 高さ: the noun of the data, where there is one, before the adjective's stem with さ.
    if (token.type == TokenType::Word && token.form == Form::Stem && token.kind.conjugation == kAdjectiveType)
        kind = -1000;
    return kind + int(stemLength);
}

void Consider(Candidate& best, size_t length, int rank, JapaneseToken&& token, size_t stemLength) {
    const int fit = Fit(token, stemLength);
    if (length > best.length || (length == best.length && rank < best.rank) ||
        (length == best.length && rank == best.rank && fit > best.fit)) {
        best.length = length;
        best.rank = rank;
        best.fit = fit;
        best.token = std::move(token);
    }
}

// Of the entries sharing one surface, the one that fits after the previous token.
const JapaneseFunctionWord* ChooseFunction(const std::vector<const JapaneseFunctionWord*>& words,
                                           size_t surfaceLength, const JapaneseToken* previous) {
    const bool afterPredicate = previous && IsPredicateToken(*previous);
    const bool afterTe = previous && previous->type == TokenType::Function &&
                         (previous->function->surface == u"て" || previous->function->surface == u"で");
    const JapaneseFunctionWord* fallback = nullptr;
    for (const JapaneseFunctionWord* w : words) {
        if (w->surface.size() != surfaceLength)
            continue;
        const bool needsTe = (w->features & kProgressive) && w->function == JapaneseFunction::Auxiliary;
        if (needsTe && !afterTe)
            continue;
        const bool wantsPredicate = (w->features & kAfterPredicate) != 0 ||
                                    w->function == JapaneseFunction::Auxiliary;
        if (wantsPredicate == afterPredicate)
            return w;
        if (!fallback)
            fallback = w;
    }
    return fallback;
}

} // namespace

UnknownRun UnknownRunAt(std::u16string_view text, bool katakanaRuns) {
    const CharClass c = ClassOf(text[0]);
    const bool runs = c == CharClass::Latin || c == CharClass::Digit || c == CharClass::Space ||
                      (katakanaRuns && c == CharClass::Katakana);
    size_t n = 1;
    if (runs)
        while (n < text.size() && ClassOf(text[n]) == c)
            ++n;
    switch (c) {
    case CharClass::Kanji: return {TokenType::UnknownKanji, n};
    case CharClass::Hiragana:
    case CharClass::Katakana: return {TokenType::Kana, n};
    case CharClass::Latin: return {TokenType::Latin, n};
    case CharClass::Digit: return {TokenType::Number, n};
    case CharClass::Space: return {TokenType::Space, n};
    default: return {TokenType::Punctuation, n};
    }
}

bool IsPredicateToken(const JapaneseToken& token) {
    if (token.type == TokenType::Word) {
        if (token.kind.wordClass == kVerbClass)
            return true;
        if (token.kind.wordClass == kAdjectiveClass)
            return token.kind.conjugation == kAdjectiveType ? token.form != Form::Stem
                                                            : token.form != Form::Stem &&
                                                                  token.form != Form::Attributive;
        return false;
    }
    if (token.type != TokenType::Function)
        return false;
    switch (token.function->function) {
    case JapaneseFunction::Auxiliary:
    case JapaneseFunction::Copula:
    case JapaneseFunction::LightVerb:
    case JapaneseFunction::Existence:
    case JapaneseFunction::Become:
        return true;
    default:
        return false;
    }
}

std::vector<JapaneseToken> AnalyzeJapanese(std::u16string_view text, size_t offset,
                                           const DictionaryStack& dics) {
    std::vector<JapaneseToken> tokens;
    JapaneseAnalysisBuffers buffers;
    AnalyzeJapanese(text, offset, dics, tokens, buffers);
    return tokens;
}

void AnalyzeJapanese(std::u16string_view text, size_t offset, const DictionaryStack& dics,
                     std::vector<JapaneseToken>& tokens, JapaneseAnalysisBuffers& buffers) {
    tokens.clear();
    tokens.reserve(text.size());
    std::vector<LexiconMatch>& matches = buffers.matches;
    std::vector<const JapaneseFunctionWord*>& functions = buffers.functions;
    size_t i = 0;
    while (i < text.size()) {
        const std::u16string_view rest = text.substr(i);
        const JapaneseToken* previous = tokens.empty() ? nullptr : &tokens.back();
        Candidate best;

        matches.clear();
        dics.FindPrefixes(rest, matches);
        for (LexiconMatch& m : matches) {
            const uint8_t type = m.kind.conjugation;
            if (type == 0 || !IsConjugationType(type)) {
                JapaneseToken t;
                t.type = TokenType::Word;
                t.kind = m.kind;
                t.source = m.source;
                t.senses = m.senses;
                Consider(best, m.length, SourceRank(m.source, rest.substr(0, m.length)), std::move(t), m.length);
                continue;
            }
            for (const Ending& e : EndingsOf(type)) {
                const std::u16string_view after = rest.substr(m.length);
                if (after.substr(0, e.text.size()) != e.text ||
                    !EndingFits(e, type, after.substr(e.text.size())))
                    continue;
                // 安全に対する: the に begins a compound particle, not the adverbial form.
                if (e.form == Form::Adverbial && (type == kAdjectivalNounType || type == kAdjectivalNounNoType) &&
                    BeginsCompoundParticle(after))
                    continue;
                JapaneseToken t;
                t.type = TokenType::Word;
                t.kind = m.kind;
                t.form = e.form;
                t.source = m.source;
                t.senses = m.senses;
                const size_t length = m.length + e.text.size();
                // 正しくない: the adjective negated, not the adverb 正しく.
                const std::u16string_view next = rest.substr(length);
                const bool negated = e.form == Form::Adverbial && type == kAdjectiveType &&
                                     (next.substr(0, 1) == u"な" || next.substr(0, 2) == u"あり");
                Consider(best, length, SourceRank(m.source, rest.substr(0, length)), std::move(t),
                         m.length + (negated ? 100 : 0));
            }
        }

        functions.clear();
        FindJapaneseFunctionWords(rest, functions);
        for (size_t k = 0; k < functions.size(); ++k) {
            const size_t length = functions[k]->surface.size();
            if (k > 0 && functions[k - 1]->surface.size() == length)
                continue;
            const JapaneseFunctionWord* chosen = ChooseFunction(functions, length, previous);
            if (!chosen)
                continue;
            JapaneseToken t;
            t.type = TokenType::Function;
            t.function = chosen;
            t.source = WordSource::Grammar;
            Consider(best, length, SourceRank(WordSource::Grammar, rest.substr(0, length)), std::move(t), length);
        }

        // A word found at the start of a katakana run must end where the run ends, or leave a
        // rest that is a word of its own: インストール is not イン + スト + ール.
        if (best.length > 0 && ClassOf(rest[0]) == CharClass::Katakana) {
            size_t run = 1;
            while (run < rest.size() && ClassOf(rest[run]) == CharClass::Katakana)
                ++run;
            if (best.length < run && !IsWholeWord(rest.substr(best.length, run - best.length), dics))
                best.length = 0;
        }
        if (best.length == 0) {
            // Nothing known starts here: a run of one kind of character.
            const UnknownRun run = UnknownRunAt(rest, true);
            const size_t n = run.length;
            JapaneseToken t;
            t.type = run.type;
            // Unknown kanji and kana next to each other of the same kind make one word.
            if (previous && previous->type == t.type && previous->start + previous->length == offset + i &&
                (t.type == TokenType::UnknownKanji || t.type == TokenType::Kana)) {
                tokens.back().length += n;
            } else {
                t.start = offset + i;
                t.length = n;
                tokens.push_back(std::move(t));
            }
            i += n;
            continue;
        }
        best.token.start = offset + i;
        best.token.length = best.length;
        tokens.push_back(std::move(best.token));
        i += best.length;
    }
}

} // namespace transfer
