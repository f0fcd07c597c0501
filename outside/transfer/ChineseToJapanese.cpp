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
                const CCharacterTables& tables, const ChineseOptions& options, Pieces& out)
        : m_tokens(tokens), m_source(source), m_tables(tables), m_options(options), m_out(out) {}

    void Run() {
        size_t from = 0;
        for (size_t i = 0; i <= m_tokens.size(); ++i) {
            if (i < m_tokens.size() && !EndsClause(m_tokens[i]))
                continue;
            Clause(from, i, m_out, false);
            if (i < m_tokens.size())
                m_out.push_back(Mark(m_tokens[i]));
            from = i + 1;
        }
    }

private:
    bool EndsClause(const ChineseToken& t) const {
        if (t.type == TokenType::Space)
            return false;
        if (t.type != TokenType::Punctuation)
            return false;
        // Hyphens, slashes and brackets belong to the words around them (--strict, 移动/还原).
        const char16_t c = m_source[t.start];
        for (char16_t end : {u'，', u'。', u'；', u'：', u'！', u'？', u',', u'.', u';', u':', u'!', u'?', u'\n'})
            if (c == end)
                return true;
        return false;
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
            return t.wordClass == 'V' && !t.senses.empty() && IsPredicateKind(t.senses[0].kind);
        return t.Is(C::Copula) || t.Is(C::Existence) || IsMissing(i);
    }

    // 没有 before a noun: there is none.
    bool IsMissing(size_t i) const {
        const ChineseToken& t = m_tokens[i];
        return t.Is(C::Negation) && t.function->surface == u"没有" && i + 1 < m_tokens.size() &&
               IsNounLike(i + 1);
    }

    bool IsAdjective(size_t i) const {
        const ChineseToken& t = m_tokens[i];
        return t.type == TokenType::Word && t.wordClass == 'A' && !t.senses.empty();
    }

    // A verb as a word of the dictionary, not 是 or 有.
    bool IsPlainVerb(size_t i) const { return m_tokens[i].type == TokenType::Word && IsVerb(i); }

    // What may stand between verbs that share one object: 、, 和, 与, 及, 或 and, between bare
    // verbs, 并 and 而.
    bool JoinsVerbs(size_t i) const {
        const ChineseToken& t = m_tokens[i];
        if (t.type == TokenType::Punctuation)
            return m_source[t.start] == u'、';
        return t.Is(C::Join) || IsClauseLink(i);
    }

    // 并, 并且, 而: "and" between clauses, which Japanese says with the first verb's
    // continuative form.
    bool IsClauseLink(size_t i) const {
        const ChineseToken& t = m_tokens[i];
        if (!t.Is(C::Conjunction))
            return false;
        const std::u16string_view w = t.function->surface;
        return w == u"并" || w == u"并且" || w == u"而";
    }

    // 而, 而且, 并且 between two adjectives: one quality and another (简单而有效).
    bool LinksAdjectives(size_t i) const {
        if (i == 0 || i + 1 >= m_tokens.size() || !m_tokens[i].Is(C::Conjunction) || !IsAdjective(i - 1) ||
            !IsAdjective(i + 1))
            return false;
        const std::u16string_view w = m_tokens[i].function->surface;
        return w == u"而" || w == u"而且" || w == u"并且";
    }

    // An adjective written to go on to the next one: 簡単で, 高く.
    Piece LinkedAdjective(size_t i) const {
        Piece p = WordPiece(m_tokens[i], 0, false);
        const Sense s = m_tokens[i].senses[0];
        if (s.kind.wordClass == kAdjectiveClass && s.kind.conjugation == kAdjectiveType)
            p.text = InflectJapanese(s.text, s.kind, kFormConnective);
        else
            p.text += u'で';
        return p;
    }

    // Nouns of time and place that end a clause rather than name a thing: 受侵害时.
    bool IsPlace(size_t i) const {
        const std::u16string_view w = m_source.substr(m_tokens[i].start, m_tokens[i].length);
        for (const char16_t* p : {u"时", u"时候", u"前", u"后", u"以前", u"以后", u"中", u"上", u"下", u"里",
                                  u"内", u"外", u"间", u"时期", u"期间", u"之前", u"之后", u"之下", u"之中",
                                  u"之间", u"之内", u"之外"})
            if (w == p)
                return true;
        return false;
    }

    bool IsTime(size_t i) const {
        const std::u16string_view w = m_source.substr(m_tokens[i].start, m_tokens[i].length);
        for (const char16_t* p : {u"时", u"时候", u"以前", u"以后", u"时期", u"期间", u"之后"})
            if (w == p)
                return true;
        return false;
    }

    // Before an adjective with 的: nothing, an adverb of degree, or numbers, measures and
    // demonstratives (一个丰富的, 非常清晰的), not a noun of its own.
    bool OnlyDeterminers(size_t from, size_t to) const {
        for (size_t k = from; k < to; ++k) {
            const ChineseToken& t = m_tokens[k];
            if (t.type == TokenType::Word && t.wordClass == 'F' && k + 1 == to)
                continue;
            if (t.type == TokenType::Number || t.Is(C::Demonstrative) || t.Is(C::Measure) ||
                (t.type == TokenType::Word && (t.wordClass == 'U' || t.wordClass == 'M')))
                continue;
            return false;
        }
        return true;
    }

    // A word that can stand in a noun phrase.
    bool IsNounLike(size_t i) const {
        const ChineseToken& t = m_tokens[i];
        if (t.type == TokenType::UnknownKanji || t.type == TokenType::Latin || t.type == TokenType::Number)
            return true;
        if (t.type == TokenType::Function)
            return t.Is(C::Demonstrative) || t.Is(C::Measure);
        // A verb whose Japanese is a plain noun names a thing: 比赛, コンクール.
        if (t.type == TokenType::Word && t.wordClass == 'V' && !t.senses.empty())
            return !IsPredicateKind(t.senses[0].kind);
        return t.type == TokenType::Word && !t.senses.empty() && t.wordClass != 'V' && t.wordClass != 'A' &&
               t.wordClass != 'F' && t.wordClass != 'd' && t.wordClass != 'J' && t.wordClass != 't';
    }

    // Verbs whose object is itself a verb with its object: 开始写信, 喜欢看电影. After the
    // others, a verb straight before a noun modifies it: 删除指定文件, 指定したファイルを削除する.
    bool TakesVerbObject(size_t i) const {
        const std::u16string_view v = m_source.substr(m_tokens[i].start, m_tokens[i].length);
        for (const char16_t* w : {u"开始", u"继续", u"喜欢", u"爱", u"希望", u"决定", u"停止", u"学习", u"学",
                                  u"准备", u"同意", u"拒绝", u"试图", u"尝试", u"打算", u"计划", u"帮助", u"帮",
                                  u"请", u"要求", u"允许", u"禁止", u"负责", u"去", u"来", u"忘记", u"忘",
                                  u"记得", u"需要", u"用", u"使用", u"保证", u"注意", u"避免", u"敢", u"习惯",
                                  u"考虑", u"建议", u"鼓励", u"教", u"叫", u"让", u"使", u"进行", u"加以",
                                  u"觉得", u"认为", u"知道", u"看见", u"听见", u"发现", u"感到", u"享有",
                                  u"享受", u"受", u"受到", u"遭受", u"得到", u"获得", u"给予", u"予以", u"实行",
                                  u"实现", u"包括", u"包含", u"要", u"待", u"有", u"丧失", u"失去"})
            if (v == w)
                return true;
        return false;
    }

    // 标准输出, 目录更改: a verb that is a noun in Japanese, last after a noun, ends the compound.
    bool EndsCompound(size_t k, size_t from, size_t end) const {
        if (k + 1 != end || k == from || !IsSuruNoun(k) || IsOutcome(k))
            return false;
        const ChineseToken& before = m_tokens[k - 1];
        // 法律的平等保护: an adjective after 的 as well.
        if (IsAdjective(k - 1) && k >= from + 2 && m_tokens[k - 2].Is(C::De))
            return true;
        return before.type == TokenType::Word && before.wordClass == 'N' && IsNounLike(k - 1);
    }

    bool IsSuruNoun(size_t k) const {
        const ChineseToken& t = m_tokens[k];
        return t.type == TokenType::Word && !t.senses.empty() && t.senses[0].kind.wordClass == kNounClass &&
               t.senses[0].kind.subclass == kSuruNounSubclass;
    }

    bool IsInstrument(size_t k) const {
        const std::u16string_view w = m_source.substr(m_tokens[k].start, m_tokens[k].length);
        return m_tokens[k].type == TokenType::Word && (w == u"用" || w == u"使用" || w == u"利用");
    }

    // 失败, 成功 after another verb: that action is what fails.
    bool IsOutcome(size_t k) const {
        const std::u16string_view w = m_source.substr(m_tokens[k].start, m_tokens[k].length);
        return m_tokens[k].type == TokenType::Word && (w == u"失败" || w == u"成功");
    }

    // A verb that modifies a noun through 的 before the next verb: 我读的书.
    bool InModifier(size_t i, size_t end) const {
        // 是 is the verb of its own clause: 这是我的书.
        if (m_tokens[i].Is(C::Copula))
            return false;
        // 有权享受法律的保护: after a modal the verb is the clause's own.
        if (i > 0 && m_tokens[i - 1].Is(C::Modal))
            return false;
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
            else if (!(adverb && k == i + 1) && !LinksAdjectives(k))
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
                // 安全的、健康的: the comma between two modifiers stays.
                while (segment < i && m_tokens[segment].type == TokenType::Punctuation) {
                    out.push_back(WordPiece(m_tokens[segment], 0, false));
                    ++segment;
                }
                bool clause = false;
                for (size_t k = segment; k < i; ++k)
                    clause = clause || IsVerb(k) || m_tokens[k].Is(C::Preposition);
                // 简单而有效的: adjectives linked by 而, all but the last going on to the next.
                size_t run = i;
                while (run >= segment + 3 && IsAdjective(run - 1) && LinksAdjectives(run - 2))
                    run -= 2;
                if (!clause && run < i && IsAdjective(run - 1) && OnlyDeterminers(segment, run - 1)) {
                    Words(segment, run - 1, out);
                    for (size_t k = run - 1; k + 1 < i; k += 2)
                        out.push_back(LinkedAdjective(k));
                    segment = i - 1;
                }
                if (clause) {
                    // A relative clause: Japanese puts it before the noun as it stands.
                    Clause(segment, i, out, true);
                } else if (i > segment && IsAdjective(i - 1) && OnlyDeterminers(segment, i - 1)) {
                    // 丰富的, 非常清晰的: the adjective's own attributive form.
                    Words(segment, i - 1, out);
                    const Sense& s = m_tokens[i - 1].senses[0];
                    Piece p = WordPiece(m_tokens[i - 1], 0, false);
                    if (s.kind.wordClass == kAdjectiveClass && s.kind.conjugation != kAdjectiveType)
                        p.text += u'な';
                    else if (s.kind.wordClass != kAdjectiveClass && s.kind.wordClass != kVerbClass)
                        p.text += u'の';  // an adjective that is a noun in Japanese: 健康の
                    out.push_back(std::move(p));
                } else if (i == segment + 1 && m_tokens[segment].type == TokenType::Word &&
                           !m_tokens[segment].senses.empty() &&
                           m_tokens[segment].senses[0].kind.wordClass == kAdjectiveClass &&
                           m_tokens[segment].senses[0].kind.conjugation != kAdjectiveType &&
                           !IsVerb(segment)) {
                    // 自由的国家: a word that is an adjectival noun in Japanese takes な.
                    Piece p = WordPiece(m_tokens[segment], 0, false);
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
                    // 本宣言, 本条: this one.
                    if (t.function->surface == u"本" && !afterNumber &&
                        !(i > from && m_tokens[i - 1].Is(C::Demonstrative)) && i + 1 < to && IsNounLike(i + 1) &&
                        m_tokens[i + 1].type != TokenType::Function) {
                        out.push_back(Inserted(u"この"));
                        continue;
                    }
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

    // extra: forms the clause's own verb takes besides its words' (the continuative before
    // the next clause).
    void Clause(size_t from, size_t to, Pieces& out, bool modifier, uint32_t extra = 0) {
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
            // 列出位置中的内容: a clause opening with its verb gives orders; the verb is its own.
            const bool opens = i == from && i + 1 < to && !m_tokens[i + 1].Is(C::De) && IsPlainVerb(i);
            if (IsVerb(i) && (modifier || opens || !InModifier(i, to))) {
                verb = i;
                break;
            }
        }
        if (verb == to) {
            AdjectiveClause(from, to, out, modifier, extra);
            return;
        }
        // 创建、修改和删除文件: verbs side by side share the object that follows the last; the
        // others take their continuative form (作成し、修正し、削除する).
        std::vector<size_t> shared;
        const size_t firstVerb = verb;
        while (verb + 2 < to && JoinsVerbs(verb + 1) && IsPlainVerb(verb) && IsPlainVerb(verb + 2)) {
            shared.push_back(verb);
            verb += 2;
        }
        // 打印版本信息并退出: two clauses side by side, the second opening with its conjunction;
        // not one governing the other. 并 and 而 become the first verb's continuative form.
        if (!modifier) {
            for (size_t k = verb + 1; k < to; ++k) {
                if (m_tokens[k].Is(C::Conjunction) && !LinksAdjectives(k)) {
                    if (IsClauseLink(k) && k + 1 < to) {
                        Clause(from, k, out, false, kFormConnective);
                        out.push_back(Inserted(u"、"));
                        Clause(k + 1, to, out, false, extra);
                        return;
                    }
                    Clause(from, k, out, false);
                    out.push_back(Inserted(u"、"));
                    Clause(k, to, out, false, extra);
                    return;
                }
            }
        }
        uint32_t forms = 0;
        Pieces subject, adjuncts, beforeObject;
        size_t i = from;
        bool sawAdjunct = false;
        bool anySubject = false;
        while (i < firstVerb) {
            const ChineseToken& t = m_tokens[i];
            if (t.type == TokenType::Function) {
                const ChineseFunction f = t.function->function;
                if (f == C::Negation || f == C::Modal || f == C::Progressive) {
                    forms |= t.function->features;
                    sawAdjunct = true;
                    ++i;
                    continue;
                }
                // 将在…锁定, 将删除: 将 before a verb or a preposition tells the future.
                if (f == C::Disposal && t.function->surface == u"将" && i + 1 < firstVerb + 1 &&
                    (i + 1 == firstVerb || IsAdjunctStart(i + 1))) {
                    sawAdjunct = true;
                    ++i;
                    continue;
                }
                if (f == C::Preposition || f == C::Passive || f == C::Causative || f == C::Disposal) {
                    size_t end = i + 1;
                    while (end < firstVerb && !IsAdjunctStart(end))
                        ++end;
                    Pieces np;
                    Nominal(i + 1, end, np);
                    // The phrases before the verb keep their Chinese order: 将文件从源复制到目标,
                    // ファイルを源から目標にコピーする.
                    Pieces& into = adjuncts;
                    Append(into, np);
                    Piece post = WordPiece(t, 0, false);
                    if (f == C::Preposition && t.function->surface == u"在" && verb < to &&
                        m_tokens[verb].Is(C::Existence))
                        post.text = u"に";
                    // 被截断: a passive without its agent has no particle.
                    if (!(f == C::Passive && !HasWords(np)))
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
                while (end < firstVerb && !IsAdjunctStart(end))
                    ++end;
                if (end == i)
                    end = i + 1;
                if (end == i + 1 && t.Is(C::Demonstrative) && !t.function->japanese.empty()) {
                    // 这是: a demonstrative alone is the thing itself, これ.
                    const std::u16string_view d = t.function->japanese;
                    Piece p = WordPiece(t, 0, false);
                    if (d == u"この" || d == u"その" || d == u"あの")
                        p.text = std::u16string(d.substr(0, 1)) + u"れ";
                    subject.push_back(std::move(p));
                    i = end;
                    continue;
                }
                // 任何人不得…: いかなる人も.
                anySubject = anySubject || (subject.empty() && t.Is(C::Demonstrative) &&
                                            t.function->surface == u"任何");
                // 法律之前人人平等: the place before the subject is where, not who.
                size_t place = end;
                for (size_t k = i + 1; k + 1 < end; ++k)
                    if (m_tokens[k].type == TokenType::Word && IsPlace(k))
                        place = k;
                if (place < end) {
                    Nominal(i, place + 1, adjuncts);
                    adjuncts.push_back(Inserted(IsTime(place) ? u"に" : u"で"));
                    i = place + 1;
                    continue;
                }
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
        // 视为无罪, 解释为…, 宣布为…: what the thing is taken as takes と.
        bool takenAs = false;
        if (after < to && IsPlainVerb(verb) && m_tokens[after].Is(C::Copula) &&
            m_tokens[after].function->surface == u"为") {
            takenAs = true;
            ++after;
        } else if (IsPlainVerb(verb) && m_tokens[verb].length == 2 && m_source[m_tokens[verb].start + 1] == u'为') {
            const std::u16string_view w = m_source.substr(m_tokens[verb].start, 2);
            takenAs = w != u"成为" && w != u"作为" && w != u"认为" && w != u"以为" && w != u"因为" && w != u"行为";
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
            // 法律的保护: a verb after 的 is the thing the phrase names.
            if (IsVerb(k) && !InModifier(k, objectEnd) && !(k > after && m_tokens[k - 1].Is(C::De)) &&
                !EndsCompound(k, after, objectEnd)) {
                next = k;
                break;
            }
        }
        // 住在东京: 東京に住む; the place after the verb takes the preposition's postposition.
        std::u16string objectParticle = takenAs ? u"と" : IsMotionVerb(m_tokens[verb]) ? u"に" : u"を";
        if (after < next && m_tokens[after].Is(C::Preposition)) {
            objectParticle = u"に";
            ++after;
        }
        Pieces object;
        Pieces tail;
        bool verbModifiesNoun = next == after && next < objectEnd && IsPlainVerb(next) &&
                                m_tokens[next].length == 2 && !TakesVerbObject(verb) && next + 1 < objectEnd &&
                                !IsPlace(objectEnd - 1);
        for (size_t k = next + 1; verbModifiesNoun && k < objectEnd; ++k)
            verbModifiesNoun = IsNounLike(k) && m_tokens[k].type != TokenType::Function;
        bool verbClauseObject = false;
        size_t verbIndex = verb;
        if (verbModifiesNoun) {
            // 删除指定文件: the second verb modifies the noun after it, in the past form.
            object.push_back(WordPiece(m_tokens[next], kFormPast, true));
            Nominal(next + 1, objectEnd, object);
        } else if (next + 1 == objectEnd && IsOutcome(next) && IsSuruNoun(verb) && !modifier) {
            // 创建文件失败: ファイルの作成に失敗する.
            Nominal(after, next, object);
            if (HasWords(object))
                object.push_back(Inserted(u"の"));
            object.push_back(WordPiece(m_tokens[verb], 0, false));
            objectParticle = u"に";
            verbIndex = next;
        } else if (next + 1 == objectEnd && after == next && IsSuruNoun(next) && !IsClauseLink(next)) {
            // 需要认证, 受保护: a lone action is the object itself.
            object.push_back(WordPiece(m_tokens[next], 0, false));
        } else {
            Nominal(after, next, object);
            if (next < objectEnd) {
                Clause(next, objectEnd, tail, true);
                verbClauseObject = !HasWords(object) && HasWords(tail) && IsPlainVerb(next);
            }
        }

        const ChineseToken& v = m_tokens[verbIndex];
        if (!subject.empty()) {
            Append(out, subject);
            out.push_back(Inserted(anySubject ? u"も" : modifier ? u"が" : u"は"));
        }
        Append(out, adjuncts);
        Append(out, beforeObject);
        // 使用树状格式列出内容: the tool with で, the second verb the clause's own.
        if (IsInstrument(verb) && shared.empty() && HasWords(object) && HasWords(tail) && !verbClauseObject) {
            Append(out, object);
            out.push_back(Inserted(u"で"));
            Clause(next, objectEnd, out, modifier, (forms & ~uint32_t(kZhQuestion)) | extra);
            if (question && !modifier)
                out.push_back(Inserted(u"か"));
            return;
        }
        Append(out, tail);
        // 开始写信: a clause as the object is named by こと.
        if (verbClauseObject && IsPlainVerb(verb))
            out.push_back(Inserted(u"ことを"));
        uint32_t inflection = (forms & ~uint32_t(kZhQuestion)) | extra;
        if (v.Is(C::Copula)) {
            inflection |= v.function->features;
            if (!object.empty()) {
                Append(out, object);
                Piece copula = WordPiece(v, 0, false);
                copula.text = InflectJapanese(u"", {kNounClass, 1, 0}, inflection);
                out.push_back(std::move(copula));
            }
        } else if (v.Is(C::Existence) || v.Is(C::Negation)) {
            if (v.Is(C::Negation))
                inflection |= kZhNegative;
            if (!object.empty()) {
                Append(out, object);
                out.push_back(Inserted(u"が"));
            }
            Piece aru = WordPiece(v, 0, false);
            aru.text = InflectJapanese(u"ある", {kVerbClass, 2, 10}, inflection);
            out.push_back(std::move(aru));
        } else {
            if (HasWords(object)) {
                Append(out, object);
                // 不受任何歧视: いかなる差別も受けない.
                const bool anyObject = after < next && m_tokens[after].Is(C::Demonstrative) &&
                                       m_tokens[after].function->surface == u"任何";
                out.push_back(Inserted(anyObject && objectParticle == u"を" &&
                                               (inflection & (kFormNegative | kFormMustNot))
                                           ? u"も"
                                           : objectParticle));
            }
            // 获取或设置: actions offered as alternatives are nouns, the last one inflected
            // (取得又は設定する).
            bool alternatives = !shared.empty() && m_tokens[verb - 1].Is(C::Join) &&
                                (m_tokens[verb - 1].function->surface == u"或" ||
                                 m_tokens[verb - 1].function->surface == u"或者") &&
                                IsSuruNoun(verb);
            for (size_t k : shared)
                alternatives = alternatives && IsSuruNoun(k);
            for (size_t k : shared) {
                if (alternatives) {
                    out.push_back(WordPiece(m_tokens[k], 0, false));
                    out.push_back(Inserted(k + 2 == verb ? u"又は" : u"、"));
                    continue;
                }
                out.push_back(WordPiece(m_tokens[k], (inflection & (kFormPassive | kFormCausative)) | kFormConnective, true));
                out.push_back(Inserted(u"、"));
            }
            out.push_back(WordPiece(v, inflection, true));
        }
        if (question && !modifier)
            out.push_back(Inserted(u"か"));
    }

    static bool HasWords(const Pieces& pieces) {
        for (const Piece& p : pieces)
            if (p.word && !p.text.empty())
                return true;
        return false;
    }

    // Verbs whose place takes に: 去学校, 学校に行く.
    static bool IsMotionVerb(const ChineseToken& t) {
        if (t.type != TokenType::Word || t.senses.empty())
            return false;
        const std::u16string_view j = t.senses[0].text;
        // Besides motion, verbs whose partner takes に: 法律に違反する, 団体に属する.
        return j == u"行く" || j == u"来る" || j == u"帰る" || j == u"入る" || j == u"着く" ||
               j == u"到着" || j == u"住む" || j == u"参加" || j == u"違反" || j == u"反する" ||
               j == u"属する" || j == u"参与" || j == u"従事" || j == u"適応" || j == u"適合" ||
               j == u"反対" || j == u"会う" || j == u"似る" || j == u"頼る" || j == u"乗る" ||
               j == u"答える" || j == u"勝つ" || j == u"違背";
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
    void AdjectiveClause(size_t from, size_t to, Pieces& out, bool modifier, uint32_t extra = 0) {
        size_t adjective = to;
        for (size_t i = from + 1; i < to; ++i) {
            // Adjectives linked by 而 before 的 modify the noun after them.
            size_t last = i;
            while (IsAdjective(last) && last + 2 < to && LinksAdjectives(last + 1))
                last += 2;
            if (IsAdjective(i) && (last + 1 == to || !m_tokens[last + 1].Is(C::De))) {
                adjective = i;
                break;
            }
        }
        if (adjective == to) {
            // 在这种秩序中，作为社会的一员，无论婚生或非婚生: a phrase of its own, the
            // postposition after its noun.
            const ChineseToken& first = m_tokens[from];
            const std::u16string_view w = m_source.substr(first.start, first.length);
            if (to > from + 1 && (first.Is(C::Preposition) ||
                                  (first.type == TokenType::Word && (w == u"无论" || w == u"不论")))) {
                Nominal(from + 1, to, out);
                out.push_back(WordPiece(first, 0, false));
                return;
            }
            Nominal(from, to, out);
            return;
        }
        uint32_t forms = 0;
        size_t subjectEnd = adjective;
        while (subjectEnd > from && (IsAdjunctStart(subjectEnd - 1) ||
                                     m_tokens[subjectEnd - 1].Is(C::Negation))) {
            --subjectEnd;
        }
        // 法律之前人人平等: the place before the subject, with its particle, comes after it.
        Pieces where;
        for (size_t k = from + 1; k + 1 < subjectEnd; ++k) {
            if (m_tokens[k].type == TokenType::Word && IsPlace(k)) {
                where.clear();
                Nominal(from, k + 1, where);
                where.push_back(Inserted(IsTime(k) ? u"に" : u"で"));
                from = k + 1;
            }
        }
        Nominal(from, subjectEnd, out);
        if (subjectEnd > from)
            out.push_back(Inserted(modifier ? u"が" : u"は"));
        Append(out, where);
        for (size_t i = subjectEnd; i < adjective; ++i) {
            const ChineseToken& t = m_tokens[i];
            if (t.type == TokenType::Function)
                forms |= t.function->features;
            else
                out.push_back(WordPiece(t, 0, false));
        }
        // 聪明而且勤奋: 聡明で、しかも勤勉である; the last adjective is the predicate.
        while (adjective + 2 < to && LinksAdjectives(adjective + 1)) {
            out.push_back(LinkedAdjective(adjective));
            out.push_back(Inserted(u"、"));
            if (m_tokens[adjective + 1].function->surface != u"而")
                out.push_back(WordPiece(m_tokens[adjective + 1], 0, false));
            adjective += 2;
        }
        out.push_back(WordPiece(m_tokens[adjective], (forms & ~uint32_t(kZhQuestion)) | extra, true));
        Words(adjective + 1, to, out);
    }

    const std::vector<ChineseToken>& m_tokens;
    std::u16string_view m_source;
    const CCharacterTables& m_tables;
    ChineseOptions m_options;
    Pieces& m_out;
    int m_nDepth = 0;
};

} // namespace

void TranslateChineseTokens(const std::vector<ChineseToken>& tokens, std::u16string_view source,
                            const CCharacterTables& tables, const ChineseOptions& options, Pieces& out) {
    CCjTransfer(tokens, source, tables, options, out).Run();
}

} // namespace transfer
