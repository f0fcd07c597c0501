// Chinese words in Japanese order.
#include "ChineseToJapanese.h"

#include "CharacterTables.h"
#include "JapaneseInflection.h"
#include "Punctuation.h"

namespace transfer {

namespace {

using C = ChineseFunction;

Piece Inserted(std::u16string_view text) {
    Piece p;
    p.text = std::u16string(text);
    return p;
}

void Append(Pieces& to, const Pieces& from) { to.insert(to.end(), from.begin(), from.end()); }

class CCjTransfer {
public:
    CCjTransfer(const std::vector<ChineseToken>& tokens, std::u16string_view source,
                const CCharacterTables& tables, const ChineseOptions& options)
        : m_tokens(tokens), m_source(source), m_tables(tables), m_options(options) {}

    Pieces Run() {
        size_t from = 0;
        for (size_t i = 0; i <= m_tokens.size(); ++i) {
            if (i < m_tokens.size() && !EndsClause(m_tokens[i]))
                continue;
            Clause(from, i, m_out, false);
            if (i < m_tokens.size())
                m_out.push_back(Mark(m_tokens[i]));
            from = i + 1;
        }
        return std::move(m_out);
    }

private:
    bool EndsClause(const ChineseToken& t) const {
        if (t.type == TokenType::Space)
            return false;
        if (t.type != TokenType::Punctuation)
            return false;
        const char16_t c = m_source[t.start];
        return c != u'、' && c != u'“' && c != u'”' && c != u'《' && c != u'》' && c != u'（' &&
               c != u'）' && c != u'‘' && c != u'’';
    }

    Piece Mark(const ChineseToken& t) const {
        Piece p;
        p.text = std::u16string(m_source.substr(t.start, t.length));
        for (char16_t& c : p.text)
            c = JapanesePunctuation(c);
        p.word = false;
        return p;
    }

    bool IsVerb(size_t i) const {
        const ChineseToken& t = m_tokens[i];
        if (t.type == TokenType::Word)
            return t.wordClass == 'V' && !t.senses.empty();
        return t.Is(C::Copula) || t.Is(C::Existence);
    }

    bool IsAdjective(size_t i) const {
        const ChineseToken& t = m_tokens[i];
        return t.type == TokenType::Word && t.wordClass == 'A' && !t.senses.empty();
    }

    // A verb that modifies a noun through 的 before the next verb: 我读的书.
    bool InModifier(size_t i, size_t end) const {
        // Only an adjective, with its adverbs, before 的: it modifies the noun after it, and the
        // verb takes the two as its object (具有丰富的经验).
        bool adjectiveOnly = false;
        for (size_t k = i + 1; k < end; ++k) {
            if (m_tokens[k].Is(C::De))
                return !adjectiveOnly;
            const ChineseToken& t = m_tokens[k];
            const bool adverb = t.type == TokenType::Word && t.wordClass == 'F';
            if (IsAdjective(k))
                adjectiveOnly = k == i + 1 || adjectiveOnly || (k == i + 2 && m_tokens[i + 1].type == TokenType::Word &&
                                                                m_tokens[i + 1].wordClass == 'F');
            else if (!(adverb && k == i + 1))
                adjectiveOnly = false;
            if (IsVerb(k) || m_tokens[k].Is(C::Preposition) || m_tokens[k].Is(C::Modal) ||
                m_tokens[k].Is(C::Negation))
                return false;
        }
        return false;
    }

    // The translation of a word with the other translations asked for.
    Piece WordPiece(const ChineseToken& t, uint32_t forms, bool predicate) const {
        Piece p;
        p.sourceStart = t.start;
        p.sourceLength = t.length;
        const std::u16string surface(m_source.substr(t.start, t.length));
        switch (t.type) {
        case TokenType::Word: {
            const Sense& s = t.senses[0];
            p.text = predicate ? InflectJapanese(s.text, s.kind, forms) : std::u16string(s.text);
            const size_t wanted = m_options.alternatives <= 1 ? 1 : size_t(m_options.alternatives);
            if (wanted > 1 && t.senses.size() > 1) {
                std::u16string others;
                for (size_t k = 1; k < t.senses.size() && k < wanted; ++k) {
                    if (!others.empty())
                        others += u'／';
                    others += t.senses[k].text;
                }
                p.text += u'（' + others + u'）';
            }
            break;
        }
        case TokenType::UnknownKanji:
            p.text = m_tables.Map(CharMap::SimplifiedToJapanese, surface);
            if (predicate)
                p.text = InflectJapanese(p.text, {kNounClass, kSuruNounSubclass, 0}, forms);
            break;
        case TokenType::Punctuation:
            p.text = surface;
            for (char16_t& c : p.text)
                c = JapanesePunctuation(c);
            p.word = false;
            break;
        case TokenType::Space:
            p.text = surface;
            p.word = false;
            break;
        case TokenType::Function:
            p.text = std::u16string(t.function->japanese);
            break;
        default:
            p.text = surface;
            break;
        }
        return p;
    }

    // A nominal span: nouns with their modifiers, 的 as の or as the end of a modifier.
    void Nominal(size_t from, size_t to, Pieces& out) {
        size_t segment = from;
        for (size_t i = from; i < to; ++i) {
            const ChineseToken& t = m_tokens[i];
            if (t.Is(C::De)) {
                bool clause = false;
                for (size_t k = segment; k < i; ++k)
                    clause = clause || IsVerb(k) || m_tokens[k].Is(C::Preposition);
                if (clause) {
                    // A relative clause: Japanese puts it before the noun as it stands.
                    Clause(segment, i, out, true);
                } else if (i > segment && IsAdjective(i - 1) &&
                           (i - 1 == segment || (i - 2 == segment && m_tokens[segment].type == TokenType::Word &&
                                                 m_tokens[segment].wordClass == 'F'))) {
                    // 丰富的, 非常清晰的: the adjective's own attributive form.
                    Words(segment, i - 1, out);
                    const Sense& s = m_tokens[i - 1].senses[0];
                    Piece p = WordPiece(m_tokens[i - 1], 0, false);
                    if (s.kind.wordClass == kAdjectiveClass && s.kind.conjugation != kAdjectiveType)
                        p.text += u'な';
                    out.push_back(std::move(p));
                } else {
                    Words(segment, i, out);
                    Piece no = WordPiece(t, 0, false);
                    out.push_back(std::move(no));
                }
                segment = i + 1;
            }
        }
        Words(segment, to, out);
    }

    // Words in their own order, function words by their Japanese form.
    void Words(size_t from, size_t to, Pieces& out) {
        for (size_t i = from; i < to; ++i) {
            const ChineseToken& t = m_tokens[i];
            if (t.type == TokenType::Function) {
                const ChineseFunction f = t.function->function;
                if (f == C::Measure) {
                    // 这本书: この本; 三本书: 三冊の本; 所: nothing.
                    const bool afterNumber = i > from && m_tokens[i - 1].type == TokenType::Number;
                    if (afterNumber && !t.function->japanese.empty()) {
                        out.push_back(WordPiece(t, 0, false));
                        out.push_back(Inserted(u"の"));
                    }
                    continue;
                }
                if (f == C::Complement || f == C::Aspect || f == C::Final)
                    continue;
                if (f == C::Copula || f == C::Existence || f == C::Negation || f == C::Modal ||
                    f == C::Progressive)
                    continue;
            }
            if (t.type == TokenType::Word && IsVerb(i) && t.senses[0].kind.wordClass != kNounClass) {
                out.push_back(WordPiece(t, 0, true));
                continue;
            }
            out.push_back(WordPiece(t, 0, false));
        }
    }

    void Clause(size_t from, size_t to, Pieces& out, bool modifier) {
        if (from >= to)
            return;
        // Clauses inside clauses inside clauses: past a few, the words stand as they are.
        if (m_nDepth > 16) {
            Words(from, to, out);
            return;
        }
        struct Deeper {
            int& depth;
            explicit Deeper(int& d) : depth(d) { ++depth; }
            ~Deeper() { --depth; }
        } deeper(m_nDepth);
        // A conjunction opens the clause as it stands.
        while (from < to && m_tokens[from].Is(C::Conjunction)) {
            out.push_back(WordPiece(m_tokens[from], 0, false));
            if (m_tokens[from].function->japanese != u"もし")
                out.push_back(Inserted(u"、"));
            ++from;
        }
        size_t verb = to;
        for (size_t i = from; i < to; ++i) {
            if (IsVerb(i) && (modifier || !InModifier(i, to))) {
                verb = i;
                break;
            }
        }
        if (verb == to) {
            AdjectiveClause(from, to, out, modifier);
            return;
        }
        // 打印版本信息并退出: two clauses side by side, the second opening with its conjunction;
        // not one governing the other.
        if (!modifier) {
            for (size_t k = verb + 1; k < to; ++k) {
                if (m_tokens[k].Is(C::Conjunction)) {
                    Clause(from, k, out, false);
                    out.push_back(Inserted(u"、"));
                    Clause(k, to, out, false);
                    return;
                }
            }
        }
        uint32_t forms = 0;
        Pieces subject, adjuncts, beforeObject;
        size_t i = from;
        bool sawAdjunct = false;
        while (i < verb) {
            const ChineseToken& t = m_tokens[i];
            if (t.type == TokenType::Function) {
                const ChineseFunction f = t.function->function;
                if (f == C::Negation || f == C::Modal || f == C::Progressive) {
                    forms |= t.function->features;
                    sawAdjunct = true;
                    ++i;
                    continue;
                }
                if (f == C::Preposition || f == C::Passive || f == C::Causative || f == C::Disposal) {
                    size_t end = i + 1;
                    while (end < verb && !IsAdjunctStart(end))
                        ++end;
                    Pieces np;
                    Nominal(i + 1, end, np);
                    Pieces& into = f == C::Disposal ? beforeObject : adjuncts;
                    Append(into, np);
                    Piece post = WordPiece(t, 0, false);
                    if (f == C::Preposition && t.function->surface == u"在" && verb < to &&
                        m_tokens[verb].Is(C::Existence))
                        post.text = u"に";
                    into.push_back(std::move(post));
                    if (f == C::Passive)
                        forms |= kFormPassive;
                    if (f == C::Causative)
                        forms |= kFormCausative;
                    sawAdjunct = true;
                    i = end;
                    continue;
                }
            }
            if (t.type == TokenType::Word &&
                (t.wordClass == 'F' || t.wordClass == 'd' || t.wordClass == 'J' || t.wordClass == 't')) {
                adjuncts.push_back(WordPiece(t, 0, false));
                sawAdjunct = true;
                ++i;
                continue;
            }
            if (!sawAdjunct) {
                size_t end = i;
                while (end < verb && !IsAdjunctStart(end))
                    ++end;
                if (end == i)
                    end = i + 1;
                Nominal(i, end, subject);
                i = end;
                continue;
            }
            adjuncts.push_back(WordPiece(t, 0, false));
            ++i;
        }
        // Aspect after the verb, then its object up to the end of the clause.
        size_t after = verb + 1;
        while (after < to && (m_tokens[after].Is(C::Aspect) || m_tokens[after].Is(C::Complement))) {
            forms |= m_tokens[after].function->features;
            ++after;
        }
        bool question = false;
        size_t objectEnd = to;
        while (objectEnd > after && m_tokens[objectEnd - 1].Is(C::Final)) {
            question = question || (m_tokens[objectEnd - 1].function->features & kZhQuestion);
            --objectEnd;
        }
        // A second verb after the object makes its own clause, which the first one governs.
        size_t next = objectEnd;
        for (size_t k = after; k < objectEnd; ++k) {
            if (IsVerb(k) && !InModifier(k, objectEnd)) {
                next = k;
                break;
            }
        }
        // 住在东京: 東京に住む; the place after the verb takes the preposition's postposition.
        std::u16string objectParticle = IsMotionVerb(m_tokens[verb]) ? u"に" : u"を";
        if (after < next && m_tokens[after].Is(C::Preposition)) {
            const std::u16string_view p = m_tokens[after].function->surface;
            objectParticle = p == u"到" ? u"まで" : p == u"给" ? u"に" : p == u"向" ? u"に" : u"に";
            ++after;
        }
        Pieces object;
        Nominal(after, next, object);
        Pieces tail;
        if (next < objectEnd)
            Clause(next, objectEnd, tail, true);

        const ChineseToken& v = m_tokens[verb];
        if (!subject.empty()) {
            Append(out, subject);
            out.push_back(Inserted(modifier ? u"が" : u"は"));
        }
        Append(out, adjuncts);
        Append(out, beforeObject);
        Append(out, tail);
        const uint32_t inflection = forms & ~uint32_t(kZhQuestion);
        if (v.Is(C::Copula)) {
            if (!object.empty()) {
                Append(out, object);
                Piece copula = WordPiece(v, 0, false);
                copula.text = InflectJapanese(u"", {kNounClass, 1, 0}, inflection);
                out.push_back(std::move(copula));
            }
        } else if (v.Is(C::Existence)) {
            if (!object.empty()) {
                Append(out, object);
                out.push_back(Inserted(u"が"));
            }
            Piece aru = WordPiece(v, 0, false);
            aru.text = InflectJapanese(u"ある", {kVerbClass, 2, 10}, inflection);
            out.push_back(std::move(aru));
        } else {
            if (!object.empty()) {
                Append(out, object);
                out.push_back(Inserted(objectParticle));
            }
            out.push_back(WordPiece(v, inflection, true));
        }
        if (question && !modifier)
            out.push_back(Inserted(u"か"));
    }

    // Verbs whose place takes に: 去学校, 学校に行く.
    static bool IsMotionVerb(const ChineseToken& t) {
        if (t.type != TokenType::Word || t.senses.empty())
            return false;
        const std::u16string_view j = t.senses[0].text;
        return j == u"行く" || j == u"来る" || j == u"帰る" || j == u"入る" || j == u"着く" ||
               j == u"到着" || j == u"住む" || j == u"参加";
    }

    bool IsAdjunctStart(size_t i) const {
        const ChineseToken& t = m_tokens[i];
        if (t.type == TokenType::Function) {
            const ChineseFunction f = t.function->function;
            return f == C::Negation || f == C::Modal || f == C::Progressive || f == C::Preposition ||
                   f == C::Passive || f == C::Causative || f == C::Disposal;
        }
        return t.type == TokenType::Word && (t.wordClass == 'F' || t.wordClass == 'd' || t.wordClass == 't');
    }

    // A clause without a verb: a noun phrase, or a subject and an adjective.
    void AdjectiveClause(size_t from, size_t to, Pieces& out, bool modifier) {
        size_t adjective = to;
        for (size_t i = from + 1; i < to; ++i)
            if (IsAdjective(i) && (i + 1 == to || !m_tokens[i + 1].Is(C::De))) {
                adjective = i;
                break;
            }
        if (adjective == to) {
            Nominal(from, to, out);
            return;
        }
        uint32_t forms = 0;
        size_t subjectEnd = adjective;
        while (subjectEnd > from && (IsAdjunctStart(subjectEnd - 1) ||
                                     m_tokens[subjectEnd - 1].Is(C::Negation))) {
            --subjectEnd;
        }
        Nominal(from, subjectEnd, out);
        if (subjectEnd > from)
            out.push_back(Inserted(modifier ? u"が" : u"は"));
        for (size_t i = subjectEnd; i < adjective; ++i) {
            const ChineseToken& t = m_tokens[i];
            if (t.type == TokenType::Function)
                forms |= t.function->features;
            else
                out.push_back(WordPiece(t, 0, false));
        }
        out.push_back(WordPiece(m_tokens[adjective], forms & ~uint32_t(kZhQuestion), true));
        Words(adjective + 1, to, out);
    }

    const std::vector<ChineseToken>& m_tokens;
    std::u16string_view m_source;
    const CCharacterTables& m_tables;
    ChineseOptions m_options;
    Pieces m_out;
    int m_nDepth = 0;
};

} // namespace

Pieces TranslateChineseTokens(const std::vector<ChineseToken>& tokens, std::u16string_view source,
                              const CCharacterTables& tables, const ChineseOptions& options) {
    return CCjTransfer(tokens, source, tables, options).Run();
}

} // namespace transfer
