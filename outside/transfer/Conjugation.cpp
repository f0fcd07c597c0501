// Japanese conjugation types of the engines and their endings.
#include "Conjugation.h"

#include <algorithm>
#include <array>

namespace transfer {

namespace {

using F = Form;

struct TypeTable {
    uint8_t type;
    std::vector<Ending> endings;
};

// Five-row verbs by their row: irrealis, continuative, terminal, conditional/imperative,
// volitional, past.
std::vector<Ending> FiveRow(std::u16string_view a, std::u16string_view i, std::u16string_view u,
                            std::u16string_view e, std::u16string_view o,
                            std::u16string_view past) {
    return {{a, F::Irrealis}, {i, F::Continuative}, {u, F::Terminal}, {e, F::Conditional},
            {e, F::Imperative}, {o, F::Volitional}, {past, F::Past}};
}

std::vector<TypeTable> MakeTables() {
    std::vector<TypeTable> t = {
        {1, {{u"", F::Irrealis}, {u"", F::Continuative}, {u"る", F::Terminal}, {u"れ", F::Conditional},
             {u"ろ", F::Imperative}, {u"よ", F::Imperative}, {u"よう", F::Volitional}, {u"", F::Past}}},
        {2, FiveRow(u"か", u"き", u"く", u"け", u"こう", u"い")},
        {3, FiveRow(u"か", u"き", u"く", u"け", u"こう", u"っ")},
        {4, FiveRow(u"が", u"ぎ", u"ぐ", u"げ", u"ごう", u"い")},
        {5, FiveRow(u"さ", u"し", u"す", u"せ", u"そう", u"し")},
        {6, FiveRow(u"た", u"ち", u"つ", u"て", u"とう", u"っ")},
        {7, FiveRow(u"な", u"に", u"ぬ", u"ね", u"のう", u"ん")},
        {8, FiveRow(u"ば", u"び", u"ぶ", u"べ", u"ぼう", u"ん")},
        {9, FiveRow(u"ま", u"み", u"む", u"め", u"もう", u"ん")},
        {10, FiveRow(u"ら", u"り", u"る", u"れ", u"ろう", u"っ")},
        {11, {{u"ら", F::Irrealis}, {u"い", F::Continuative}, {u"り", F::Continuative},
              {u"る", F::Terminal}, {u"れ", F::Conditional}, {u"い", F::Imperative},
              {u"ろう", F::Volitional}, {u"っ", F::Past}}},
        {12, FiveRow(u"わ", u"い", u"う", u"え", u"おう", u"っ")},
        {13, FiveRow(u"わ", u"い", u"う", u"え", u"おう", u"う")},
        {14, {{u"こ", F::Irrealis}, {u"き", F::Continuative}, {u"くる", F::Terminal},
              {u"くれ", F::Conditional}, {u"こい", F::Imperative}, {u"こよう", F::Volitional},
              {u"き", F::Past}}},
        {15, {{u"", F::Irrealis}, {u"", F::Continuative}, {u"る", F::Terminal}, {u"れ", F::Conditional},
              {u"い", F::Imperative}, {u"よう", F::Volitional}, {u"", F::Past}}},
        {16, {{u"し", F::Irrealis}, {u"さ", F::Irrealis}, {u"せ", F::Irrealis},
              {u"し", F::Continuative}, {u"する", F::Terminal}, {u"すれ", F::Conditional},
              {u"しろ", F::Imperative}, {u"せよ", F::Imperative}, {u"しよう", F::Volitional},
              {u"し", F::Past}}},
        {17, {{u"じ", F::Irrealis}, {u"ぜ", F::Irrealis}, {u"じ", F::Continuative},
              {u"ずる", F::Terminal}, {u"ずれ", F::Conditional}, {u"じろ", F::Imperative},
              {u"じよう", F::Volitional}, {u"じ", F::Past}}},
        {18, {{u"かろ", F::Irrealis}, {u"く", F::Adverbial}, {u"い", F::Terminal},
              {u"けれ", F::Conditional}, {u"かっ", F::Past}, {u"さ", F::Stem}}},
        // Adjectival nouns: the copula after them (だ, で, である) is a word of its own.
        {21, {{u"に", F::Adverbial}, {u"な", F::Attributive}, {u"", F::Stem}}},
        {22, {{u"に", F::Adverbial}, {u"な", F::Attributive}, {u"の", F::Attributive},
              {u"", F::Stem}}},
    };
    for (TypeTable& table : t)
        std::stable_sort(table.endings.begin(), table.endings.end(),
                         [](const Ending& a, const Ending& b) { return a.text.size() > b.text.size(); });
    return t;
}

const std::vector<TypeTable>& Tables() {
    static const std::vector<TypeTable> tables = MakeTables();
    return tables;
}

} // namespace

bool IsConjugationType(uint8_t type) { return !EndingsOf(type).empty(); }

const std::vector<Ending>& EndingsOf(uint8_t type) {
    static const std::vector<Ending> none;
    for (const TypeTable& t : Tables())
        if (t.type == type)
            return t.endings;
    return none;
}

const Ending* EndingIn(uint8_t type, Form form) {
    // The shortest ending of the form, and of equal ones the first listed: しない, not せない.
    const Ending* best = nullptr;
    for (const Ending& e : EndingsOf(type))
        if (e.form == form && (!best || e.text.size() < best->text.size()))
            best = &e;
    return best;
}

bool PastIsVoiced(uint8_t type) { return type == 4 || type == 7 || type == 8 || type == 9; }

} // namespace transfer
