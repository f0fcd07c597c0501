// Japanese words in Chinese order.
#include "JapaneseToChinese.h"

#include "CharacterTables.h"
#include "Punctuation.h"
#include "SourceText.h"

#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <utility>

namespace transfer {

namespace {

using J = JapaneseFunction;

struct Phrase {
    enum class Kind { Nominal, Predicate, Adverb, Link, Mark, Blank } kind = Kind::Nominal;
    Pieces body;                         // the phrase itself, or the predicate's head
    const JapaneseToken* marker = nullptr;  // the particle after a nominal phrase
    bool timeNoun = false;
    bool asObject = false;               // follows the verb though it has no を: 問題ない
    bool sentenceEnd = false;            // 。！？

    // Predicates only.
    enum class Head { Verb, Adjective, Noun, AdjectivalNoun } head = Head::Verb;
    uint32_t features = 0;
    std::vector<std::pair<uint32_t, const JapaneseToken*>> featureSources;
    const JapaneseToken* copula = nullptr;
    bool existence = false;
    bool attributive = false;
    bool consumedPassive = false;
    Pieces clausePrefix;   // 因为 … before the clause
    Pieces nextPrefix;     // 但是 … before the next clause
    Pieces final;          // 吗, 吧
    bool question = false;
    bool degree = false;   // an adverb of the clause stands before the adjective: no 很
    bool placeIsVerb = false;  // 本は机の上にある: 书在桌子上, 在 without 有
    bool bareNoun = false;     // a noun predicate alone in its clause: no 是
};

Piece Grammar(std::u16string_view simplified, std::u16string_view traditional,
              const JapaneseToken* source = nullptr) {
    Piece p;
    p.text = std::u16string(simplified);
    if (traditional != simplified)
        p.alternative = std::u16string(traditional);
    if (source) {
        p.sourceStart = source->start;
        p.sourceLength = source->length;
    }
    return p;
}

void Append(Pieces& to, const Pieces& from) { to.insert(to.end(), from.begin(), from.end()); }

// Append for pieces no longer needed where they were.
void Take(Pieces& to, Pieces& from) {
    if (to.empty() && to.capacity() < from.size())
        to.swap(from);
    else
        to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
    from.clear();
}

class CJcTransfer {
public:
    CJcTransfer(const std::vector<JapaneseToken>& tokens, std::u16string_view source,
                const CCharacterTables& tables, Pieces& out, JapaneseToChineseBuffers& buffers)
        : m_tokens(tokens), m_source(source), m_tables(tables), m_out(out), m_clause(buffers.clause),
          m_before(buffers.before), m_afterVerb(buffers.afterVerb), m_objects(buffers.objects),
          m_verb(buffers.verb), m_modals(buffers.modals) {}

    void Run() {
        m_out.reserve(m_out.size() + m_tokens.size() + 8);
        BuildPhrases();
        AssembleClauses();
    }

private:
    const JapaneseToken* At(size_t i) const { return i < m_tokens.size() ? &m_tokens[i] : nullptr; }

    Piece WordPiece(const JapaneseToken& t) const {
        Piece p;
        p.sourceStart = t.start;
        p.sourceLength = t.length;
        const std::u16string surface(m_source.substr(t.start, t.length));
        switch (t.type) {
        case TokenType::Word:
            if (!t.senses.empty() && !t.senses[0].text.empty()) {
                p.text = std::u16string(t.senses[0].text);
                if (!t.senses[0].alternative.empty() && t.senses[0].alternative != t.senses[0].text)
                    p.alternative = std::u16string(t.senses[0].alternative);
                break;
            }
            [[fallthrough]];
        case TokenType::UnknownKanji:
            p.text = m_tables.Map(CharMap::JapaneseToSimplified, surface);
            p.alternative = m_tables.Map(CharMap::JapaneseToTraditional, surface);
            if (p.alternative == p.text)
                p.alternative.clear();
            break;
        case TokenType::Punctuation:
            p.text = surface;
            for (char16_t& c : p.text)
                c = ChinesePunctuation(c);
            p.word = false;
            break;
        case TokenType::Space:
            p.text = surface;
            p.word = false;
            break;
        default:
            p.text = surface;
            break;
        }
        return p;
    }

    static bool IsNominal(const JapaneseToken& t) {
        switch (t.type) {
        case TokenType::UnknownKanji:
        case TokenType::Kana:
        case TokenType::Latin:
        case TokenType::Number:
            return true;
        case TokenType::Word:
            return t.kind.wordClass == kNounClass || t.kind.wordClass == kAdnominalClass ||
                   t.kind.wordClass == kPhraseClass ||
                   (t.kind.wordClass == kAdjectiveClass && t.kind.conjugation != kAdjectiveType &&
                    t.form == Form::Stem);
        case TokenType::Function:
            return t.function->function == J::Prefix;
        default:
            return false;
        }
    }

    // An adjective that modifies the noun after it: 美しい花, 静かな町.
    bool IsAttributiveAdjective(size_t i) const {
        const JapaneseToken& t = m_tokens[i];
        if (t.type != TokenType::Word || t.kind.wordClass != kAdjectiveClass)
            return false;
        const bool fits = t.kind.conjugation == kAdjectiveType ? t.form == Form::Terminal
                                                               : t.form == Form::Attributive;
        const JapaneseToken* next = At(i + 1);
        // 不明な SOCKSv5 エラー: a blank before a Latin noun.
        if (next && next->type == TokenType::Space && At(i + 2) &&
            (At(i + 2)->type == TokenType::Latin || At(i + 2)->type == TokenType::Number))
            next = At(i + 2);
        return fits && next && IsNominal(*next);
    }

    // いかなる…も, 何も: 任何…都 rather than 也.
    static Piece AlsoOrAll(const Pieces& phrase, const JapaneseFunctionWord& w, const JapaneseToken* m) {
        for (const Piece& piece : phrase)
            if (piece.text.compare(0, 2, u"任何") == 0)
                return Grammar(u"都", u"都", m);
        return Grammar(w.simplified, w.traditional, m);
    }

    static bool TakesNoGenitive(const std::u16string& word) {
        for (const char16_t* w : {u"所有", u"一切", u"其他", u"其余", u"全部", u"任何", u"各种", u"很多"})
            if (word == w)
                return true;
        return false;
    }

    // Whether the token's surface, less its last `ending` characters, is all kanji.
    bool AllKanji(const JapaneseToken& t, size_t ending) const {
        if (t.length <= ending)
            return false;
        for (size_t k = 0; k + ending < t.length; ++k)
            if (ClassOf(m_source[t.start + k]) != CharClass::Kanji)
                return false;
        return true;
    }

    // A blank between a Latin word or a number and the noun or particle next to it.
    bool SpaceInsideNominal(size_t i) const {
        const JapaneseToken* before = i > 0 ? At(i - 1) : nullptr;
        const JapaneseToken* after = At(i + 1);
        if (!before || !after || !(IsNominal(*before) || IsAttributiveAdjective(i - 1)))
            return false;
        const auto latin = [](const JapaneseToken& t) {
            return t.type == TokenType::Latin || t.type == TokenType::Number;
        };
        if (after->type == TokenType::Function)
            return latin(*before) && after->function->function != J::Auxiliary;
        return (latin(*before) || latin(*after)) && IsNominal(*after);
    }

    // A particle inside a nominal phrase: の, と or や between two nouns.
    bool JoinsNominals(size_t i) const {
        const JapaneseToken& t = m_tokens[i];
        if (t.type != TokenType::Function)
            return false;
        const J f = t.function->function;
        if (f != J::Genitive && f != J::With && f != J::List && f != J::Or)
            return false;
        const JapaneseToken* next = At(i + 1);
        // と before a noun used as a verb marks the verb's partner: 国連と協力して.
        const JapaneseToken* afterNext = At(i + 2);
        if (f == J::With && afterNext && afterNext->IsFunction(J::LightVerb))
            return false;
        return next && (IsNominal(*next) || IsAttributiveAdjective(i + 1));
    }

    void BuildPhrases() {
        m_phrases.reserve(m_tokens.size());
        size_t i = 0;
        while (i < m_tokens.size()) {
            const JapaneseToken& t = m_tokens[i];
            if (IsNominal(t) || IsAttributiveAdjective(i)) {
                i = BuildNominal(i);
            } else if (t.type == TokenType::Word && t.kind.wordClass == kVerbClass) {
                Phrase p;
                p.kind = Phrase::Kind::Predicate;
                // 見に行く: 去看.
                const JapaneseToken* particle = At(i + 1);
                const JapaneseToken* motion = At(i + 2);
                if ((t.form == Form::Continuative || t.form == Form::Irrealis) && particle &&
                    particle->IsFunction(J::Dative) &&
                    particle->length == 1 && motion && motion->IsVerb() && !motion->senses.empty() &&
                    (motion->senses[0].text == u"去" || motion->senses[0].text == u"来")) {
                    p.body.push_back(WordPiece(*motion));
                    p.body.push_back(WordPiece(t));
                    i = CollectPredicate(p, i + 3, *motion);
                    continue;
                }
                p.body.push_back(WordPiece(t));
                // いる of a living thing is there as ある is: 猫がいる 有猫, 猫は部屋にいる 猫在房间.
                const char16_t head = t.start < m_source.size() ? m_source[t.start] : 0;
                if ((head == u'い' || head == u'居') && p.body.back().text == u"在") {
                    p.existence = true;
                    p.body.back().text = u"有";
                    p.body.back().alternative.clear();
                }
                i = CollectPredicate(p, i + 1, t);
            } else if (t.type == TokenType::Word && t.kind.wordClass == kAdjectiveClass) {
                Phrase p;
                const JapaneseToken* after = At(i + 1);
                const bool negated = after && after->IsFunction(J::Auxiliary) &&
                                     (after->function->features & kNegative);
                const JapaneseToken* become = after;
                if (t.form == Form::Adverbial && !negated && become && become->IsFunction(J::Become) &&
                    become->function->surface.substr(0, 1) == u"な") {
                    // 暗くなる, 不完全になる: 变得暗, 变得不完整; なっている is the state reached.
                    p.kind = Phrase::Kind::Predicate;
                    p.body.push_back(Grammar(u"变得", u"變得", become));
                    p.body.push_back(WordPiece(t));
                    AddFeatures(p, become->function->features & ~kContinuing, *become);
                    i = CollectPredicate(p, i + 2, *become);
                    m_phrases.back().features &= ~uint32_t(kProgressive);
                    continue;
                }
                if (t.form == Form::Adverbial && !negated) {
                    p.kind = Phrase::Kind::Adverb;
                    p.body.push_back(WordPiece(t));
                    p.body.push_back(Grammar(u"地", u"地"));
                    m_phrases.push_back(std::move(p));
                    ++i;
                    continue;
                }
                p.kind = Phrase::Kind::Predicate;
                p.head = Phrase::Head::Adjective;
                p.body.push_back(WordPiece(t));
                if (t.form == Form::Past)
                    p.features |= kPast;
                i = CollectPredicate(p, i + 1, t);
            } else if (t.type == TokenType::Word && t.kind.wordClass == kAdverbClass) {
                Phrase p;
                p.kind = Phrase::Kind::Adverb;
                p.body.push_back(WordPiece(t));
                m_phrases.push_back(std::move(p));
                ++i;
            } else if (t.type == TokenType::Word) {
                Phrase p;
                p.kind = Phrase::Kind::Link;
                p.body.push_back(WordPiece(t));
                m_phrases.push_back(std::move(p));
                ++i;
            } else if (t.type == TokenType::Punctuation) {
                Phrase p;
                p.kind = Phrase::Kind::Mark;
                p.body.push_back(WordPiece(t));
                const char16_t c = m_source[t.start];
                p.sentenceEnd = c == u'。' || c == u'！' || c == u'？' || c == u'!' || c == u'?' ||
                                c == u'．' || c == 0xFF61;
                m_phrases.push_back(std::move(p));
                ++i;
            } else if (t.type == TokenType::Space) {
                Phrase p;
                p.kind = Phrase::Kind::Blank;
                p.body.push_back(WordPiece(t));
                m_phrases.push_back(std::move(p));
                ++i;
            } else {
                i = BuildFunction(i);
            }
        }
        MarkListCommas();
    }

    // 人種、言語、宗教: a comma between bare nouns of a list is Chinese 、, and the list one
    // phrase with the particle of its last item (本、ノートを買う: 买书、笔记本).
    void MarkListCommas() {
        for (size_t k = 1; k + 1 < m_phrases.size(); ++k) {
            Phrase& mark = m_phrases[k];
            if (mark.kind != Phrase::Kind::Mark || mark.body.size() != 1 || mark.body[0].text != u"，" ||
                m_source[mark.body[0].sourceStart] != u'、')
                continue;
            const Phrase& before = m_phrases[k - 1];
            const Phrase& after = m_phrases[k + 1];
            if (before.timeNoun || !(before.kind == Phrase::Kind::Nominal && !before.marker && !before.attributive))
                continue;
            if (before.body.empty())
                continue;
            // 何人も、誰も、: a pronoun standing as the subject, not an item.
            const Piece& last = before.body.back();
            if (last.sourceLength > 0 && m_source[last.sourceStart + last.sourceLength - 1] == u'も')
                continue;
            if (after.kind == Phrase::Kind::Nominal) {
                mark.body[0].text = u"、";
                Pieces list = std::move(m_phrases[k - 1].body);
                list.push_back(std::move(mark.body[0]));
                Phrase& item = m_phrases[k + 1];
                // 生命、自由に対する権利: the items inside the preposition, 对生命、自由的.
                const size_t at = item.attributive && item.body.size() > 2 ? 1 : 0;
                item.body.insert(item.body.begin() + std::ptrdiff_t(at), std::make_move_iterator(list.begin()),
                                 std::make_move_iterator(list.end()));
                m_phrases.erase(m_phrases.begin() + std::ptrdiff_t(k - 1), m_phrases.begin() + std::ptrdiff_t(k + 1));
                --k;
            }
            else if (after.kind == Phrase::Kind::Link && !after.body.empty() &&
                     (after.body[0].text == u"或" || after.body[0].text == u"和"))
                mark.body[0].text.clear();  // 逮捕、拘禁或放逐: none before the last item's 或
        }
    }

    // A function word that no phrase took: a verb of its own, or a word in place.
    size_t BuildFunction(size_t i) {
        const JapaneseToken& t = m_tokens[i];
        const JapaneseFunctionWord& w = *t.function;
        Phrase p;
        switch (w.function) {
        case J::LightVerb:
        case J::Existence:
        case J::Become:
            p.kind = Phrase::Kind::Predicate;
            p.existence = w.function == J::Existence;
            p.body.push_back(Grammar(w.simplified, w.traditional, &t));
            AddFeatures(p, w.features & ~kContinuing, t);
            return CollectPredicate(p, i + 1, t);
        case J::Auxiliary:
            if ((w.features & kNegative) && (w.surface.substr(0, 1) == u"な" || w.surface == u"ありません")) {
                // 机の上にない: ない after a particle, there is none there.
                p.kind = Phrase::Kind::Predicate;
                p.existence = true;
                p.body.push_back(Grammar(u"有", u"有"));
                AddFeatures(p, w.features, t);
                return CollectPredicate(p, i + 1, t);
            }
            break;
        case J::Conjunctive:
        case J::Final:
            if (!m_phrases.empty() && m_phrases.back().kind == Phrase::Kind::Predicate) {
                Phrase& last = m_phrases.back();
                const JapaneseToken* comma = At(i + 1);
                if (w.function == J::Final && (w.features & kQuestion) && comma &&
                    comma->type == TokenType::Punctuation && m_source[comma->start] == u'、') {
                    last.nextPrefix.push_back(Grammar(u"或", u"或", &t));
                    last.features |= kConnective;
                    last.attributive = false;
                    return i + 2;
                }
                if (w.function == J::Final)
                    AddFinal(last, t);
                else
                    AddConjunctive(last, t);
                last.attributive = false;
                return i + 1;
            }
            break;
        default:
            break;
        }
        p.kind = Phrase::Kind::Link;
        if (!w.simplified.empty())
            p.body.push_back(Grammar(w.simplified, w.traditional, &t));
        m_phrases.push_back(std::move(p));
        return i + 1;
    }

    size_t BuildNominal(size_t i) {
        Phrase p;
        p.kind = Phrase::Kind::Nominal;
        p.body.reserve(4);
        bool lastIsTime = false;
        while (i < m_tokens.size()) {
            const JapaneseToken& t = m_tokens[i];
            if (IsNominal(t)) {
                const bool isTime = t.type == TokenType::Word && t.kind.subclass == kTimeNounSubclass &&
                                    t.kind.wordClass == kNounClass;
                // A time noun next to another noun is a phrase of its own: 毎日学校で.
                if (!p.body.empty() && (isTime || lastIsTime) && t.type == TokenType::Word &&
                    m_tokens[i - 1].type == TokenType::Word)
                    break;
                if (t.type != TokenType::Function)
                    p.body.push_back(WordPiece(t));
                lastIsTime = isTime;
                ++i;
            } else if (IsAttributiveAdjective(i)) {
                p.body.push_back(WordPiece(t));
                // 平等な権利: a Sino-Japanese adjectival noun joins a Sino-Japanese noun as Chinese
                // compounds do (平等权利); 美しい花 and 静かな町 keep 的.
                if (!(t.kind.conjugation != kAdjectiveType && AllKanji(t, 1) && AllKanji(m_tokens[i + 1], 0)))
                    p.body.push_back(Grammar(u"的", u"的"));
                ++i;
            } else if (t.type == TokenType::Space && !p.body.empty() && SpaceInsideNominal(i)) {
                // MIME タイプ, SOURCE から: the blank beside a Latin word keeps the phrase whole;
                // before a particle it goes, as the particle moves.
                const JapaneseToken& next = m_tokens[i + 1];
                if (next.type != TokenType::Function || next.function->function == J::Prefix)
                    p.body.push_back(WordPiece(t));
                ++i;
            } else if (JoinsNominals(i)) {
                const JapaneseFunctionWord& w = *t.function;
                // すべての人, その他の意見: no 的 after a word of quantity (所有人, 其他意见).
                if (w.surface == u"の" && !p.body.empty() && TakesNoGenitive(p.body.back().text)) {
                    ++i;
                    continue;
                }
                p.body.push_back(Grammar(w.simplified, w.traditional, &t));
                ++i;
            } else {
                break;
            }
        }
        p.timeNoun = lastIsTime;
        // すべての人, すべての人間: 人人.
        if (p.body.size() == 2 && p.body[0].text == u"所有" && (p.body[1].text == u"人" || p.body[1].text == u"人类")) {
            p.body[0].text = u"人";
            p.body[1].text = u"人";
            p.body[1].alternative.clear();
        }
        const JapaneseToken* next = At(i);
        if (next && next->type == TokenType::Function) {
            const J f = next->function->function;
            if (f == J::Copula) {
                Phrase pred;
                pred.kind = Phrase::Kind::Predicate;
                const JapaneseToken& last = m_tokens[i - 1];
                pred.head = last.type == TokenType::Word && last.kind.wordClass == kAdjectiveClass
                                ? Phrase::Head::AdjectivalNoun
                                : Phrase::Head::Noun;
                pred.body = std::move(p.body);
                pred.copula = next;
                AddFeatures(pred, next->function->features, *next);
                return CollectPredicate(pred, i + 1, *next);
            }
            if (f == J::LightVerb) {
                Phrase pred;
                pred.kind = Phrase::Kind::Predicate;
                pred.body = std::move(p.body);
                AddFeatures(pred, next->function->features & ~kContinuing, *next);
                return CollectPredicate(pred, i + 1, *next);
            }
            if (f == J::Auxiliary && (next->function->features & (kNegative | kWant)) &&
                (next->function->surface.substr(0, 1) == u"な" || next->function->surface == u"ありません")) {
                // ない after a noun: there is none of it.
                Phrase pred;
                pred.kind = Phrase::Kind::Predicate;
                pred.existence = true;
                pred.body.push_back(Grammar(u"有", u"有"));
                p.asObject = true;
                m_phrases.push_back(std::move(p));
                AddFeatures(pred, next->function->features, *next);
                return CollectPredicate(pred, i + 1, *next);
            }
            // The closing と of "AとBとについて" belongs to the list, not to the phrase.
            const JapaneseToken* after = At(i + 1);
            if (f == J::With && after && after->type == TokenType::Function &&
                after->function->function != J::Auxiliary && after->function->function != J::Copula) {
                ++i;
                next = after;
            }
            const J g = next->function->function;
            if (g == J::Become && next->function->surface.substr(0, 1) == u"と")
                p.asObject = true;  // 基礎となる: 成为基础
            if (g != J::Auxiliary && g != J::Conjunctive && g != J::Final && g != J::Existence &&
                g != J::Become) {
                p.marker = next;
                ++i;
            }
        }
        if (p.marker && p.marker->function->function == J::Preposition &&
            (p.marker->function->features & kAttributiveOnly)) {
            // に対する, における: the phrase modifies the noun after it.
            Phrase modifier;
            modifier.kind = Phrase::Kind::Nominal;
            const JapaneseFunctionWord& w = *p.marker->function;
            modifier.body.push_back(Grammar(w.simplified, w.traditional, p.marker));
            Take(modifier.body, p.body);
            if (!w.simplifiedAfter.empty())
                modifier.body.push_back(Grammar(w.simplifiedAfter, w.traditionalAfter));
            modifier.body.push_back(Grammar(u"的", u"的"));
            modifier.attributive = true;
            m_phrases.push_back(std::move(modifier));
            return i;
        }
        m_phrases.push_back(std::move(p));
        return i;
    }

    void AddFeatures(Phrase& p, uint32_t features, const JapaneseToken& source) {
        features &= ~(kAfterPredicate | kAttributiveOnly);
        for (uint32_t bit = 1; bit != 0 && bit <= features; bit <<= 1)
            if ((features & bit) && !(p.features & bit))
                p.featureSources.push_back({bit, &source});
        p.features |= features;
    }

    const JapaneseToken* SourceOf(const Phrase& p, uint32_t bit) const {
        for (const auto& fs : p.featureSources)
            if (fs.first & bit)
                return fs.second;
        return nullptr;
    }

    void AddFinal(Phrase& p, const JapaneseToken& t) {
        const JapaneseFunctionWord& w = *t.function;
        if (w.features & kQuestion)
            p.question = true;
        if (!w.simplified.empty())
            p.final.push_back(Grammar(w.simplified, w.traditional, &t));
    }

    void AddConjunctive(Phrase& p, const JapaneseToken& t) {
        const JapaneseFunctionWord& w = *t.function;
        Piece piece = Grammar(w.simplified, w.traditional, &t);
        if (w.features & kLinksNext)
            p.nextPrefix.push_back(std::move(piece));
        else
            p.clausePrefix.push_back(std::move(piece));
        p.features |= kConnective;
    }

    // The auxiliaries, copulas, conjunctive and final particles after a predicate's head.
    size_t CollectPredicate(Phrase& p, size_t i, const JapaneseToken& head) {
        bool open = head.type == TokenType::Word &&
                    (head.form == Form::Continuative || head.form == Form::Past ||
                     head.form == Form::Irrealis);
        if (head.type == TokenType::Word && head.form == Form::Conditional)
            AddFeatures(p, kConditional, head);
        bool endsInTe = false;
        while (i < m_tokens.size()) {
            const JapaneseToken& t = m_tokens[i];
            if (t.type != TokenType::Function)
                break;
            const JapaneseFunctionWord& w = *t.function;
            if (w.function == J::Auxiliary) {
                endsInTe = w.surface == u"て" || w.surface == u"で";
                if (w.features & kRequest)
                    p.clausePrefix.push_back(Grammar(w.simplified, w.traditional, &t));
                AddFeatures(p, w.features & ~kRequest, t);
                open = (w.features & (kContinuing | kConnective)) != 0 &&
                       !(w.features & (kNegative | kMust | kMustNot));
                ++i;
            } else if (w.function == J::Copula && p.head != Phrase::Head::Noun) {
                // 高いです, 読むのである: the copula adds nothing of its own.
                AddFeatures(p, w.features & (kNegative | kPast | kConnective | kContinuing), t);
                open = false;
                ++i;
            } else if (w.function == J::Final) {
                const JapaneseToken* comma = At(i + 1);
                if ((w.features & kQuestion) && comma && comma->type == TokenType::Punctuation &&
                    m_source[comma->start] == u'、') {
                    // 壊れたか、古い: 或 before the next clause, not a question.
                    p.nextPrefix.push_back(Grammar(u"或", u"或", &t));
                    p.features |= kConnective;
                    i += 2;
                    break;
                }
                AddFinal(p, t);
                ++i;
            } else if (w.function == J::Conjunctive) {
                AddConjunctive(p, t);
                ++i;
                break;
            } else {
                break;
            }
        }
        const uint32_t openFeatures = kConnective | kConditional | kContinuing;
        // 見つからないというエラー: という joins the clause to its noun as a relative clause.
        if (const JapaneseToken* quote = At(i); quote && quote->type == TokenType::Function &&
                                                quote->function->function == J::Genitive &&
                                                (quote->function->features & kAfterPredicate)) {
            const JapaneseToken* noun = At(i + 1);
            if (noun && (IsNominal(*noun) || IsAttributiveAdjective(i + 1)))
                ++i;
        }
        const JapaneseToken* next = At(i);
        // 変換した PNG: the blank before a Latin noun does not end the relative clause.
        const JapaneseToken* afterBlank = At(i + 1);
        const bool blank = next && next->type == TokenType::Space && afterBlank &&
                           (afterBlank->type == TokenType::Latin || afterBlank->type == TokenType::Number);
        if (blank)
            next = afterBlank;
        const bool beforeNoun = next && (IsNominal(*next) || IsAttributiveAdjective(blank ? i + 1 : i));
        p.attributive = beforeNoun && !(p.features & openFeatures) && p.final.empty() &&
                        p.clausePrefix.empty() && p.nextPrefix.empty() && !open;
        if (p.attributive && blank)
            ++i;
        // 表示して終了する: 显示…并退出; a comma after て joins the clauses itself.
        if (endsInTe && p.nextPrefix.empty() && next && next->type != TokenType::Punctuation &&
            (p.features & kConnective) && !(p.features & (kNegative | kPassive)))
            p.nextPrefix.push_back(Grammar(u"并", u"並"));
        if (open && !(p.features & kConnective))
            p.features |= kContinuing;
        m_phrases.push_back(std::move(p));
        return i;
    }

    // Modal words before the head and aspect words after it.
    // modals, when given, takes the modal verbs and the negation: they go before the
    // prepositional phrases of the clause (必须通过选举表明), not next to the verb.
    void RenderPredicate(Phrase& pred, Pieces& out, Pieces* modals = nullptr) {
        const uint32_t f = pred.features;
        Pieces& front = modals ? *modals : out;
        auto modal = [&](std::u16string_view s, std::u16string_view t, uint32_t bit) {
            out.push_back(Grammar(s, t, SourceOf(pred, bit)));
        };
        auto frontModal = [&](std::u16string_view s, std::u16string_view t, uint32_t bit) {
            front.push_back(Grammar(s, t, SourceOf(pred, bit)));
        };
        if (pred.head == Phrase::Head::Noun || pred.head == Phrase::Head::AdjectivalNoun) {
            const bool adjectival = pred.head == Phrase::Head::AdjectivalNoun;
            // 無償でなければならない: 必须是无偿, 義務的でなければならない: 必须是义务的.
            if (f & kMust)
                modal(u"必须", u"必須", kMust);
            else if (f & kShould)
                modal(u"应该", u"應該", kShould);
            if (f & kNegative)
                modal(adjectival ? u"不" : u"不是", adjectival ? u"不" : u"不是", kNegative);
            else if (!adjectival && !(pred.bareNoun && !(f & (kMust | kShould))))
                out.push_back(Grammar(u"是", u"是", pred.copula));
            Take(out, pred.body);
            return;
        }
        if (f & kMustNot)
            frontModal(u"不得", u"不得", kMustNot);
        else if (f & kMust)
            frontModal(u"必须", u"必須", kMust);
        else if (f & kShould)
            frontModal(u"应该", u"應該", kShould);
        else if (f & kMay)
            frontModal(u"可以", u"可以", kMay);
        bool potentialDone = false;
        // 見つからない, 見つけられない: a verb of result takes 不 inside (找不到, 看不见).
        if ((f & kNegative) && !(f & (kMustNot | kMust | kPast | kExperience | kWant)) && !pred.existence &&
            pred.head == Phrase::Head::Verb && pred.body.size() == 1 && pred.body[0].text.size() == 2) {
            Piece& v = pred.body[0];
            const char16_t result = v.text[1];
            if (v.text == u"受到" && !(f & kPotential) && !(f & kPassive)) {
                // 差別を受けない: 不受歧视.
                v.text.pop_back();
                v.alternative.clear();
            } else if (result == u'到' || result == u'见' || result == u'懂' || result == u'完' || result == u'掉') {
                v.text.insert(1, u"不");
                if (!v.alternative.empty())
                    v.alternative.insert(1, u"不");
                pred.consumedPassive = true;  // 受けられない, 見つけられない: the potential, not the passive
                potentialDone = true;
            }
        }
        if (!potentialDone && (f & kNegative) && !(f & kMustNot)) {
            if (f & kPotential) {
                frontModal(u"不能", u"不能", kNegative);
                potentialDone = true;
            } else if (pred.existence) {
                if (pred.placeIsVerb)
                    frontModal(u"不", u"不", kNegative);
                else
                    frontModal(u"没", u"沒", kNegative);
            } else if (((f & kPast) || (f & kExperience)) && pred.head == Phrase::Head::Verb) {
                frontModal(u"没有", u"沒有", kNegative);
            } else {
                frontModal(u"不", u"不", kNegative);
            }
        }
        if (f & kWant)
            frontModal(u"想", u"想", kWant);
        if ((f & kPotential) && !potentialDone)
            frontModal(u"能", u"能", kPotential);
        // 受けられる: 受到 is passive already, られる its potential.
        const bool receives = !pred.body.empty() && !pred.body[0].text.empty() &&
                              (pred.body[0].text[0] == u'受' || pred.body[0].text[0] == u'得');
        if ((f & kPassive) && !pred.consumedPassive && receives && !(f & kPotential) && !potentialDone) {
            frontModal(u"能", u"能", kPassive);
            if (pred.body[0].text == u"受")
                pred.body[0].text = u"受到";
        }
        else if ((f & kPassive) && !pred.consumedPassive)
            modal(u"被", u"被", kPassive);
        if (f & kCausative)
            modal(u"让", u"讓", kCausative);
        if ((f & kProgressive) && !(f & (kNegative | kPassive)))
            modal(u"在", u"在", kProgressive);
        if (pred.head == Phrase::Head::Adjective && !(f & kNegative) && pred.body.size() == 1 &&
            pred.body[0].text.size() == 1 && !pred.attributive && !pred.degree)
            out.push_back(Grammar(u"很", u"很"));
        if (!pred.placeIsVerb)
            Take(out, pred.body);
        if ((f & kPast) && !(f & kNegative) && !pred.attributive && pred.head == Phrase::Head::Verb)
            modal(u"了", u"了", kPast);
        if (f & kExperience)
            modal(u"过", u"過", kExperience);
    }

    static bool VerbIs(const Phrase& pred, std::initializer_list<const char16_t*> verbs) {
        if (pred.body.size() != 1)
            return false;
        for (const char16_t* verb : verbs)
            if (pred.body.front().text == verb)
                return true;
        return false;
    }

    // Verbs whose place follows them with 在: 住在, 生活在, 出生在.
    static bool TakesZaiComplement(const Phrase& pred) {
        if (pred.body.size() != 1)
            return false;
        const std::u16string& v = pred.body.front().text;
        for (const char16_t* verb : {u"住", u"生活", u"出生", u"坐", u"站", u"放", u"停", u"留",
                                     u"躺", u"活", u"写"})
            if (v == verb)
                return true;
        return false;
    }

    // Adverbs of time and scope stand before the negation and the modals (什么也没说, 已经不);
    // adverbs of manner after them (不得任意逮捕).
    static bool ScopesTheNegation(const Phrase& ph) {
        if (ph.body.empty())
            return false;
        const std::u16string& t = ph.body.back().text;
        for (const char16_t* a : {u"也", u"都", u"还", u"已经", u"经常", u"总是", u"又", u"就", u"才", u"常常",
                                  u"一直", u"终于", u"一定", u"决不", u"同时", u"至少", u"特别", u"完全",
                                  u"根本", u"绝对", u"从来"})
            if (t.size() >= std::char_traits<char16_t>::length(a) &&
                t.compare(t.size() - std::char_traits<char16_t>::length(a), std::u16string::npos, a) == 0)
                return true;
        return false;
    }

    // あまり…ない: 不太, the negation taken into the adverb.
    static void JoinNotVery(std::vector<Phrase>& phrases, Phrase* pred) {
        if (!pred || !(pred->features & kNegative) || (pred->features & (kPotential | kMustNot)))
            return;
        for (Phrase& ph : phrases) {
            if (ph.kind == Phrase::Kind::Adverb && ph.body.size() == 1 && ph.body[0].text == u"太") {
                ph.body[0].text = u"不太";
                ph.body[0].alternative.clear();
                pred->features &= ~uint32_t(kNegative);
                return;
            }
        }
    }

    void RenderClause(std::vector<Phrase>& phrases, Phrase* pred, Pieces& out) {
        JoinNotVery(phrases, pred);
        for (const Phrase& ph : phrases)
            if (pred && ph.kind == Phrase::Kind::Adverb)
                pred->degree = true;
        // Room for every piece of the clause at once, rather than growing piece by piece.
        size_t pieces = 8;
        for (const Phrase& ph : phrases)
            pieces += ph.body.size();
        if (pred)
            pieces += pred->body.size() + pred->clausePrefix.size() + pred->final.size();
        // The clause's parts, kept between clauses for their room.
        Pieces& before = m_before;
        Pieces& afterVerb = m_afterVerb;
        Pieces& objects = m_objects;
        before.clear();
        afterVerb.clear();
        objects.clear();
        before.reserve(pieces);
        out.reserve(out.size() + pieces);
        if (pred)
            Append(before, pred->clausePrefix);
        // The end of the subject or topic, with the marks after it: where the modals go.
        size_t subjectEnd = before.size();
        bool afterSubject = false;
        bool afterSubjectNoun = false;  // the phrase before was the subject itself
        bool topic = false;
        bool shortSubject = false;
        bool hasSubject = false;
        bool toComplement = false;  // the verb takes 到 and its place: the object goes before with 将
        size_t placeAt = SIZE_MAX;  // where the 在 of an existence's place is
        bool thingAfterPlace = false;
        for (Phrase& ph : phrases) {
            if (ph.asObject && pred) {
                Take(objects, ph.body);
                continue;
            }
            // 猫が好きだ, 日本語が上手だ, 英語が分かる: what the が names is liked, known or needed,
            // the object after the verb in Chinese (喜欢猫, 擅长日语, 懂英语).
            if (pred && ph.kind == Phrase::Kind::Nominal && ph.marker && ph.marker->IsFunction(J::Subject) &&
                VerbIs(*pred, {u"喜欢", u"讨厌", u"擅长", u"不擅长", u"明白", u"懂", u"需要", u"想要",
                               u"害怕", u"羡慕", u"必要"})) {
                // 経験が必要だ: 需要经验; 必要 stays before a noun (必要な書類: 必要文件).
                if (pred->body.front().text == u"必要") {
                    pred->body.front().text = u"需要";
                    pred->body.front().alternative.clear();
                }
                Take(objects, ph.body);
                continue;
            }
            // A bare noun is a subject at the start of the clause or as a time word (毎日); the
            // others are list items and objects (逮捕、拘禁、又は追放される).
            const bool first = before.size() == (pred ? pred->clausePrefix.size() : 0);
            // も at the start of a clause stands for は or が: 任何国都能参加.
            const bool subject = ph.kind == Phrase::Kind::Nominal &&
                                 ((!ph.marker && (ph.timeNoun || first || afterSubjectNoun)) ||
                                  (ph.marker && (ph.marker->IsFunction(J::Topic) ||
                                                 ph.marker->IsFunction(J::Subject) ||
                                                 (first && ph.marker->IsFunction(J::Also)))));
            const bool follows = ph.kind == Phrase::Kind::Mark || ph.kind == Phrase::Kind::Blank ||
                                 (ph.kind == Phrase::Kind::Adverb && ScopesTheNegation(ph));
            // Quotation marks and blanks keep a noun with the subject before them; a comma does not.
            const bool quote = ph.kind == Phrase::Kind::Mark && !ph.body.empty() &&
                               ph.body[0].text != u"，" && ph.body[0].text != u"、";
            const bool keepsNoun = afterSubjectNoun && (quote || ph.kind == Phrase::Kind::Blank);
            // No comma after a short subject or topic: 人人生而自由, not 人人，生而自由.
            if (afterSubjectNoun && shortSubject && ph.kind == Phrase::Kind::Mark && !quote && pred &&
                ph.body[0].text == u"，") {
                const size_t at = size_t(&ph - phrases.data());
                const bool listFollows = at + 1 < phrases.size() &&
                                         phrases[at + 1].kind == Phrase::Kind::Nominal && !phrases[at + 1].marker;
                if (!listFollows)
                    continue;
            }
            afterSubjectNoun = false;
            shortSubject = false;
            if (ph.kind == Phrase::Kind::Nominal && ph.marker && ph.marker->IsFunction(J::Topic))
                topic = true;
            if (pred && pred->existence && !pred->placeIsVerb && !topic && ph.kind == Phrase::Kind::Nominal &&
                ph.marker && ph.marker->IsFunction(J::Subject)) {
                // 机の上に本がある, 時間がない: the place, 有, then the thing (桌子上有书, 没有时间).
                Take(objects, ph.body);
                thingAfterPlace = true;
                continue;
            }
            if (subject || (afterSubject && follows) || (subjectEnd == before.size() && follows &&
                                                         ph.kind == Phrase::Kind::Adverb)) {
                if (ph.marker && ph.marker->IsFunction(J::Also)) {
                    Take(before, ph.body);
                    before.push_back(AlsoOrAll(before, *ph.marker->function, ph.marker));
                } else if (subject) {
                    size_t chars = 0;
                    for (const Piece& piece : ph.body)
                        chars += piece.text.size();
                    // A time keeps its comma: 明天，下雨.
                    shortSubject = chars <= 4 && (ph.marker || first) && !ph.timeNoun;
                    hasSubject = true;
                }
                Take(before, ph.body);
                subjectEnd = before.size();
                afterSubject = true;
                afterSubjectNoun = subject || keepsNoun;
                continue;
            }
            afterSubject = false;
            if (!ph.marker) {
                Take(before, ph.body);
                continue;
            }
            const JapaneseFunctionWord& w = *ph.marker->function;
            const JapaneseToken* m = ph.marker;
            switch (w.function) {
            case J::Object:
                Take(objects, ph.body);
                break;
            case J::Dative:
            case J::Direction:
                if (pred && (pred->features & kPassive) && w.function == J::Dative &&
                    !pred->consumedPassive) {
                    before.push_back(Grammar(u"被", u"被", m));
                    Take(before, ph.body);
                    pred->consumedPassive = true;
                } else if (pred && pred->existence) {
                    if (!ph.timeNoun) {
                        placeAt = before.size();
                        // The thing named first is where it is, just before the verb, or the
                        // clause tells where its noun is (机の上にある本: 在桌子上的书): 在 is
                        // the verb itself.
                        pred->placeIsVerb = (topic && &ph == &phrases.back()) || pred->attributive;
                    }
                    before.push_back(Grammar(u"在", u"在", m));
                    Take(before, ph.body);
                } else if (ph.timeNoun || !pred || pred->head != Phrase::Head::Verb) {
                    Take(before, ph.body);
                } else if (VerbIs(*pred, {u"失败", u"成功"})) {
                    // 変換に失敗する: 转换失败, what failed before the verb.
                    Take(before, ph.body);
                } else if (VerbIs(*pred, {u"复制", u"拷贝", u"移动", u"保存", u"写入", u"输出", u"发送", u"送",
                                          u"转移", u"上传", u"下载", u"添加", u"恢复", u"传送"})) {
                    // ディスクにファイルを保存する: 将文件保存到磁盘.
                    afterVerb.push_back(Grammar(u"到", u"到", m));
                    toComplement = true;
                    Take(afterVerb, ph.body);
                } else if (TakesZaiComplement(*pred)) {
                    // 住んでいる東京に: 住在东京.
                    afterVerb.push_back(Grammar(u"在", u"在", m));
                    Take(afterVerb, ph.body);
                    pred->features &= ~uint32_t(kProgressive);
                } else {
                    Take(afterVerb, ph.body);
                }
                break;
            case J::Also:
                Take(before, ph.body);
                before.push_back(AlsoOrAll(before, w, m));
                break;
            case J::Locative:
                if (ph.timeNoun) {
                    Take(before, ph.body);
                    break;
                }
                [[fallthrough]];
            case J::From:
            case J::Until:
            case J::Than:
            case J::Preposition:
                if (pred && pred->existence && w.simplified == u"在" && !ph.timeNoun) {
                    placeAt = before.size();
                    pred->placeIsVerb = (topic && &ph == &phrases.back()) || pred->attributive;
                }
                before.push_back(Grammar(w.simplified, w.traditional, m));
                Take(before, ph.body);
                if (!w.simplifiedAfter.empty())
                    before.push_back(Grammar(w.simplifiedAfter, w.traditionalAfter));
                break;
            case J::With:
                before.push_back(Grammar(u"跟", u"跟", m));
                Take(before, ph.body);
                break;
            case J::Genitive:
            case J::List:
            case J::Or:
                Take(before, ph.body);
                if (!w.simplified.empty())
                    before.push_back(Grammar(w.simplified, w.traditional, m));
                break;
            default:
                Take(before, ph.body);
                break;
            }
        }
        if (thingAfterPlace) {
            // The place stands as the subject, the negation after it: 他没有时间.
            if (placeAt < before.size())
                before.erase(before.begin() + std::ptrdiff_t(placeAt));
            subjectEnd = before.size();
        }
        if (pred) {
            Pieces& verb = m_verb;
            Pieces& modals = m_modals;
            verb.clear();
            modals.clear();
            const bool verbal = pred->head == Phrase::Head::Verb || pred->head == Phrase::Head::Adjective;
            // 内部エラーです with nothing before it: 内部错误, a label rather than 是内部错误.
            pred->bareNoun = !hasSubject && before.empty() && pred->final.empty() && pred->nextPrefix.empty() &&
                             !(pred->features & (kConnective | kConditional | kContinuing));
            RenderPredicate(*pred, verb, verbal ? &modals : nullptr);
            before.insert(before.begin() + std::ptrdiff_t(subjectEnd), std::make_move_iterator(modals.begin()),
                          std::make_move_iterator(modals.end()));
            if (toComplement && !objects.empty()) {
                before.push_back(Grammar(u"将", u"將"));
                Take(before, objects);
            }
            // 受 takes its object; alone it is 接受: 求め、受け、伝える.
            if (objects.empty() && !verb.empty() && verb.back().text == u"受")
                verb.back().text = u"接受";
            // 教育を受ける権利を有する: 有权受教育, the clause after 有权 rather than before 的权利.
            const size_t n = objects.size();
            if (verb.size() == 1 && verb[0].text == u"有" && n >= 3 && objects[n - 1].text == u"权利" &&
                objects[n - 2].text == u"的" && !objects[n - 2].word) {
                verb[0].text = u"有权";
                verb[0].alternative = u"有權";
                objects.resize(n - 2);
            }
            Take(out, before);
            Take(out, verb);
            Take(out, afterVerb);
            Take(out, objects);
            // A question word makes 吗 superfluous; looked for only in a question.
            bool asksWhat = false;
            if (pred->question)
                for (const Piece& p : out)
                    for (const char16_t* q : {u"什么", u"谁", u"哪", u"怎么", u"为什么", u"多少", u"几"})
                        asksWhat = asksWhat || p.text.find(q) != std::u16string::npos;
            for (Piece& p : pred->final)
                if (!(pred->question && asksWhat))
                    out.push_back(std::move(p));
            if ((pred->features & kVolitional) && pred->final.empty())
                out.push_back(Grammar(u"吧", u"吧", SourceOf(*pred, kVolitional)));
        } else {
            Take(out, before);
            Take(out, afterVerb);
            Take(out, objects);
        }
    }

    bool IsNominaliser(const Phrase& p) const {
        if (p.body.empty() || p.body[0].sourceLength == 0)
            return false;
        const std::u16string_view surface = m_source.substr(p.body[0].sourceStart, p.body[0].sourceLength);
        return surface == u"こと" || surface == u"事";
    }

    void AssembleClauses() {
        std::vector<Phrase> current;
        current.reserve(m_phrases.size());
        Pieces modifier, nextPrefix;
        auto flush = [&](Phrase* pred) {
            Pieces& clause = m_clause;
            clause.clear();
            RenderClause(current, pred, clause);
            current.clear();
            if (!nextPrefix.empty() && !clause.empty()) {
                Take(m_out, nextPrefix);
                nextPrefix.clear();
            }
            Take(m_out, clause);
            if (pred)
                nextPrefix = pred->nextPrefix;
        };
        for (Phrase& p : m_phrases) {
            switch (p.kind) {
            case Phrase::Kind::Nominal:
                if (!modifier.empty() && IsNominaliser(p) && modifier.back().sourceLength == 0 &&
                    modifier.back().text == u"的") {
                    // 促進すること: the clause stands as the noun, without 的事.
                    modifier.pop_back();
                    p.body.erase(p.body.begin());
                }
                if (!modifier.empty()) {
                    p.body.insert(p.body.begin(), modifier.begin(), modifier.end());
                    modifier.clear();
                }
                if (p.attributive) {
                    modifier = std::move(p.body);
                    break;
                }
                current.push_back(std::move(p));
                break;
            case Phrase::Kind::Predicate:
                if (!modifier.empty() && p.head == Phrase::Head::Noun) {
                    // 読んだ本です: the relative clause stays with its noun.
                    p.body.insert(p.body.begin(), modifier.begin(), modifier.end());
                    modifier.clear();
                }
                if (!modifier.empty()) {
                    // A modifier with no noun after it stands as it is.
                    Phrase loose;
                    loose.body = std::move(modifier);
                    modifier.clear();
                    current.push_back(std::move(loose));
                }
                if (p.attributive) {
                    // A relative clause: its phrases back to the topic of the sentence.
                    size_t from = current.size();
                    while (from > 0) {
                        const Phrase& q = current[from - 1];
                        if ((q.marker && q.marker->function->function == J::Topic) ||
                            q.kind == Phrase::Kind::Mark || q.kind == Phrase::Kind::Link)
                            break;
                        --from;
                    }
                    std::vector<Phrase> inner(std::make_move_iterator(current.begin() + std::ptrdiff_t(from)),
                                              std::make_move_iterator(current.end()));
                    current.erase(current.begin() + std::ptrdiff_t(from), current.end());
                    RenderClause(inner, &p, modifier);
                    // The 的 of a relative clause that can follow 有权, told apart from an
                    // adjective's: not a word.
                    Piece relative = Grammar(u"的", u"的");
                    relative.word = (p.features & (kNegative | kPotential | kMustNot)) != 0;
                    modifier.push_back(std::move(relative));
                    break;
                }
                flush(&p);
                break;
            case Phrase::Kind::Mark:
                if (p.sentenceEnd) {
                    if (!modifier.empty()) {
                        Phrase loose;
                        loose.body = std::move(modifier);
                        modifier.clear();
                        current.push_back(std::move(loose));
                    }
                    flush(nullptr);
                    Take(m_out, p.body);
                } else if (current.empty()) {
                    Take(m_out, p.body);
                } else {
                    current.push_back(std::move(p));
                }
                break;
            default:
                current.push_back(std::move(p));
                break;
            }
        }
        if (!modifier.empty()) {
            Phrase loose;
            loose.body = std::move(modifier);
            current.push_back(std::move(loose));
        }
        flush(nullptr);
    }

    const std::vector<JapaneseToken>& m_tokens;
    std::u16string_view m_source;
    const CCharacterTables& m_tables;
    std::vector<Phrase> m_phrases;
    Pieces& m_out;
    Pieces &m_clause, &m_before, &m_afterVerb, &m_objects, &m_verb, &m_modals;
};

} // namespace

void TranslateJapaneseTokens(const std::vector<JapaneseToken>& tokens, std::u16string_view source,
                             const CCharacterTables& tables, Pieces& out) {
    JapaneseToChineseBuffers buffers;
    CJcTransfer(tokens, source, tables, out, buffers).Run();
}

void TranslateJapaneseTokens(const std::vector<JapaneseToken>& tokens, std::u16string_view source,
                             const CCharacterTables& tables, Pieces& out, JapaneseToChineseBuffers& buffers) {
    CJcTransfer(tokens, source, tables, out, buffers).Run();
}

} // namespace transfer
