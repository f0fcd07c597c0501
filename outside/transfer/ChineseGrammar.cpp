// The hand-written grammar of the Chinese-to-Japanese engine.
#include "ChineseGrammar.h"

#include <algorithm>
#include <cstdint>

namespace transfer {

namespace {

using C = ChineseFunction;

const ChineseFunctionWord kWords[] = {
    {u"的", C::De, 0, u"の"},
    {u"之", C::De, 0, u"の"},
    {u"地", C::Adverbial, 0, u"に"},
    {u"得", C::Complement, 0, u""},
    {u"了", C::Aspect, kZhPast, u""},
    {u"过", C::Aspect, kZhExperience, u""},
    {u"着", C::Aspect, kZhProgressive, u""},
    {u"不", C::Negation, kZhNegative, u""},
    {u"没", C::Negation, kZhNegative | kZhPast, u""},
    {u"没有", C::Negation, kZhNegative | kZhPast, u""},
    {u"未", C::Negation, kZhNegative | kZhPast, u""},
    {u"不要", C::Modal, kZhMustNot, u""},
    {u"别", C::Modal, kZhMustNot, u""},
    {u"不得", C::Modal, kZhMustNot, u""},
    {u"不能", C::Modal, kZhPotential | kZhNegative, u""},
    {u"无法", C::Modal, kZhPotential | kZhNegative, u""},
    {u"不可", C::Modal, kZhMustNot, u""},
    {u"有权", C::Modal, kZhRight, u""},
    {u"想", C::Modal, kZhWant, u""},
    {u"要", C::Modal, kZhWant, u""},
    {u"想要", C::Modal, kZhWant, u""},
    {u"愿意", C::Modal, kZhWant, u""},
    {u"能", C::Modal, kZhPotential, u""},
    {u"能够", C::Modal, kZhPotential, u""},
    {u"可以", C::Modal, kZhPotential, u""},
    {u"会", C::Modal, kZhPotential, u""},
    {u"可能", C::Modal, kZhMay, u""},
    {u"应该", C::Modal, kZhShould, u""},
    {u"应当", C::Modal, kZhShould, u""},
    {u"应", C::Modal, kZhShould, u""},
    {u"必须", C::Modal, kZhMust, u""},
    {u"得以", C::Modal, kZhPotential, u""},
    {u"正在", C::Progressive, kZhProgressive, u""},
    {u"正", C::Progressive, kZhProgressive, u""},
    {u"是", C::Copula, 0, u"である"},
    {u"乃是", C::Copula, 0, u"である"},
    {u"为", C::Copula, 0, u"である"},
    {u"有", C::Existence, 0, u"ある"},
    {u"被", C::Passive, 0, u"に"},
    {u"让", C::Causative, 0, u"に"},
    {u"使", C::Causative, 0, u"に"},
    {u"叫", C::Causative, 0, u"に"},
    {u"把", C::Disposal, 0, u"を"},
    {u"将", C::Disposal, 0, u"を"},
    {u"在", C::Preposition, 0, u"で"},
    {u"于", C::Preposition, 0, u"に"},
    {u"从", C::Preposition, 0, u"から"},
    {u"自", C::Preposition, 0, u"から"},
    {u"到", C::Preposition, 0, u"まで"},
    {u"向", C::Preposition, 0, u"に向かって"},
    {u"往", C::Preposition, 0, u"へ"},
    {u"对", C::Preposition, 0, u"に対して"},
    {u"对于", C::Preposition, 0, u"に対して"},
    {u"给", C::Preposition, 0, u"に"},
    {u"为了", C::Preposition, 0, u"のために"},
    {u"比", C::Preposition, 0, u"より"},
    {u"关于", C::Preposition, 0, u"について"},
    {u"根据", C::Preposition, 0, u"に基づいて"},
    {u"按照", C::Preposition, 0, u"に従って"},
    {u"依照", C::Preposition, 0, u"に従って"},
    {u"依据", C::Preposition, 0, u"に基づいて"},
    {u"依", C::Preposition, 0, u"によって"},
    {u"通过", C::Preposition, 0, u"を通じて"},
    {u"由", C::Preposition, 0, u"によって"},
    {u"除了", C::Preposition, 0, u"以外"},
    {u"以", C::Preposition, 0, u"で"},
    {u"作为", C::Preposition, 0, u"として"},
    {u"随着", C::Preposition, 0, u"につれて"},
    {u"跟", C::Preposition, 0, u"と"},
    {u"同", C::Preposition, 0, u"と"},
    // 当…时: the time phrase with 時 alone.
    {u"当", C::Preposition, 0, u""},
    {u"和", C::Join, 0, u"と"},
    {u"与", C::Join, 0, u"と"},
    {u"及", C::Join, 0, u"及び"},
    {u"以及", C::Join, 0, u"並びに"},
    {u"或", C::Join, 0, u"又は"},
    {u"或者", C::Join, 0, u"又は"},
    {u"并", C::Conjunction, 0, u"かつ"},
    {u"并且", C::Conjunction, 0, u"かつ"},
    {u"而且", C::Conjunction, 0, u"しかも"},
    {u"而", C::Conjunction, 0, u"そして"},
    {u"但", C::Conjunction, 0, u"しかし"},
    {u"但是", C::Conjunction, 0, u"しかし"},
    {u"可是", C::Conjunction, 0, u"しかし"},
    {u"然而", C::Conjunction, 0, u"しかし"},
    {u"所以", C::Conjunction, 0, u"だから"},
    {u"因此", C::Conjunction, 0, u"したがって"},
    {u"因为", C::Conjunction, 0, u"なぜなら"},
    {u"如果", C::Conjunction, 0, u"もし"},
    {u"虽然", C::Conjunction, 0, u"けれども"},
    {u"即使", C::Conjunction, 0, u"たとえ"},
    {u"吗", C::Final, kZhQuestion, u"か"},
    {u"吧", C::Final, 0, u"だろう"},
    {u"呢", C::Final, 0, u""},
    {u"啊", C::Final, 0, u""},
    {u"呀", C::Final, 0, u""},
    {u"这", C::Demonstrative, 0, u"この"},
    {u"这个", C::Demonstrative, 0, u"この"},
    {u"这些", C::Demonstrative, 0, u"これらの"},
    {u"这种", C::Demonstrative, 0, u"このような"},
    {u"那", C::Demonstrative, 0, u"その"},
    {u"那个", C::Demonstrative, 0, u"その"},
    {u"那些", C::Demonstrative, 0, u"それらの"},
    {u"那种", C::Demonstrative, 0, u"そのような"},
    {u"其", C::Demonstrative, 0, u"その"},
    {u"该", C::Demonstrative, 0, u"当該"},
    {u"每", C::Demonstrative, 0, u"各"},
    {u"每个", C::Demonstrative, 0, u"各"},
    {u"各", C::Demonstrative, 0, u"各"},
    {u"所有", C::Demonstrative, 0, u"すべての"},
    {u"一切", C::Demonstrative, 0, u"すべての"},
    {u"任何", C::Demonstrative, 0, u"いかなる"},
    // Measure words: dropped after a demonstrative, a Japanese counter after a number.
    {u"个", C::Measure, 0, u"個"},
    {u"种", C::Measure, 0, u"種"},
    {u"本", C::Measure, 0, u"冊"},
    {u"张", C::Measure, 0, u"枚"},
    {u"件", C::Measure, 0, u"件"},
    {u"位", C::Measure, 0, u"名"},
    {u"只", C::Measure, 0, u"匹"},
    {u"条", C::Measure, 0, u"本"},
    {u"辆", C::Measure, 0, u"台"},
    {u"次", C::Measure, 0, u"回"},
    {u"些", C::Measure, 0, u""},
    {u"所", C::Measure, 0, u""},
};

} // namespace

void FindChineseFunctionWords(std::u16string_view text, std::vector<const ChineseFunctionWord*>& out) {
    if (text.empty())
        return;
    // The entries by their first character, longest first, in the table's order within one
    // length: the order of the answer, made once.
    static const std::vector<const ChineseFunctionWord*> byFirst = [] {
        std::vector<const ChineseFunctionWord*> v;
        for (const ChineseFunctionWord& w : kWords)
            v.push_back(&w);
        std::stable_sort(v.begin(), v.end(), [](const ChineseFunctionWord* a, const ChineseFunctionWord* b) {
            return a->surface[0] < b->surface[0] ||
                   (a->surface[0] == b->surface[0] && a->surface.size() > b->surface.size());
        });
        return v;
    }();
    // Where the entries of each first character start in byFirst, by the character itself;
    // the entries of c are [start[c], start[c + 1]).
    static const std::vector<uint16_t> start = [] {
        std::vector<uint16_t> v(0x10001, uint16_t(byFirst.size()));
        for (size_t k = byFirst.size(); k-- > 0;)
            v[byFirst[k]->surface[0]] = uint16_t(k);
        for (size_t c = 0x10000; c-- > 0;)
            v[c] = std::min(v[c], v[c + 1]);
        return v;
    }();
    const bool had = !out.empty();
    for (size_t k = start[text[0]], end = start[size_t(text[0]) + 1]; k < end; ++k) {
        const std::u16string_view surface = byFirst[k]->surface;
        if (surface.size() <= text.size() && text.compare(0, surface.size(), surface) == 0)
            out.push_back(byFirst[k]);
    }
    if (had)
        std::stable_sort(out.begin(), out.end(), [](const ChineseFunctionWord* a, const ChineseFunctionWord* b) {
            return a->surface.size() > b->surface.size();
        });
}

} // namespace transfer
