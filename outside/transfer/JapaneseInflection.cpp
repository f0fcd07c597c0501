// Japanese words in the forms the Chinese-to-Japanese engine writes.
#include "JapaneseInflection.h"

#include "Conjugation.h"

namespace transfer {

namespace {

// A verb as a stem and its type; adjectives are type 18 with the stem before い.
struct Conjugable {
    std::u16string stem;
    uint8_t type = 0;
};

std::u16string With(const Conjugable& c, Form form) {
    const Ending* e = EndingIn(c.type, form);
    return c.stem + (e ? std::u16string(e->text) : std::u16string());
}

std::u16string Past(const Conjugable& c, char16_t plain, char16_t voiced) {
    return With(c, Form::Past) + (PastIsVoiced(c.type) ? voiced : plain);
}

bool EndsWith(std::u16string_view s, std::u16string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

std::u16string NounForm(std::u16string_view word, uint32_t forms) {
    std::u16string out(word);
    if (forms & kFormNegative)
        out += (forms & kFormPast) ? u"ではなかった" : u"ではない";
    else if (forms & kFormConnective)
        out += u"であり";
    else if (forms & kFormPast)
        out += u"であった";
    else if (forms & kFormShould)
        out += u"であるべきである";
    else
        out += u"である";
    return out;
}

std::u16string AdjectiveForm(const Conjugable& a, uint32_t forms) {
    if (forms & kFormNegative)
        return a.stem + ((forms & kFormPast) ? u"くなかった" : u"くない");
    if (forms & kFormConnective)
        return a.stem + u"く";
    if (forms & kFormPast)
        return a.stem + u"かった";
    return a.stem + u"い";
}

// Voice, desire, potential and aspect each make a new verb to inflect further.
Conjugable Derive(Conjugable v, uint32_t forms) {
    const bool fiveRow = v.type >= 2 && v.type <= 13;
    if (forms & kFormCausative) {
        v.stem = v.type == kSuruType ? v.stem + u"させ"
                 : fiveRow           ? With(v, Form::Irrealis) + u"せ"
                                     : With(v, Form::Irrealis) + u"させ";
        v.type = 1;
    }
    if (forms & kFormPassive) {
        v.stem = v.type == kSuruType ? v.stem + u"され"
                 : fiveRow           ? With(v, Form::Irrealis) + u"れ"
                                     : With(v, Form::Irrealis) + u"られ";
        v.type = 1;
    }
    if (forms & kFormPotential) {
        v.stem = With(v, Form::Terminal) + u"ことができ";
        v.type = 1;
    }
    if (forms & kFormProgressive) {
        v.stem = Past(v, u'て', u'で') + u"い";
        v.type = 1;
    }
    if (forms & kFormExperience) {
        v.stem = Past(v, u'た', u'だ') + u"ことがあ";
        v.type = 10;
    }
    return v;
}

std::u16string VerbForm(Conjugable v, uint32_t forms) {
    v = Derive(v, forms);
    if (forms & kFormWant) {
        Conjugable wish{With(v, Form::Continuative) + u"た", kAdjectiveType};
        return AdjectiveForm(wish, forms);
    }
    const bool isAru = v.type == 10 && EndsWith(v.stem, u"あ");
    if (forms & kFormRight)
        return With(v, Form::Terminal) + u"権利を有する";
    if (forms & kFormMustNot)
        return Past(v, u'て', u'で') + u"はならない";
    if (forms & kFormMust)
        return With(v, Form::Irrealis) + u"なければならない";
    if (forms & kFormShould)
        return With(v, Form::Terminal) + u"べきである";
    if (forms & kFormMay)
        return With(v, Form::Terminal) + u"かもしれない";
    if (forms & kFormNegative) {
        const std::u16string base = isAru ? v.stem.substr(0, v.stem.size() - 1) : With(v, Form::Irrealis);
        return base + ((forms & kFormPast) ? u"なかった" : u"ない");
    }
    if (forms & kFormConnective)
        return With(v, Form::Continuative);
    if (forms & kFormPast)
        return Past(v, u'た', u'だ');
    return With(v, Form::Terminal);
}

} // namespace

bool IsPredicateKind(WordKind kind) {
    if (kind.wordClass == kVerbClass)
        return kind.conjugation != 0;
    if (kind.wordClass == kAdjectiveClass)
        return true;
    return kind.wordClass == kNounClass && kind.subclass == kSuruNounSubclass;
}

std::u16string InflectJapanese(std::u16string_view word, WordKind kind, uint32_t forms) {
    if (kind.wordClass == kVerbClass && IsConjugationType(kind.conjugation) &&
        kind.conjugation < kAdjectiveType) {
        const Ending* terminal = EndingIn(kind.conjugation, Form::Terminal);
        std::u16string_view stem = word;
        if (terminal && EndsWith(word, terminal->text))
            stem = word.substr(0, word.size() - terminal->text.size());
        return VerbForm({std::u16string(stem), kind.conjugation}, forms);
    }
    if (kind.wordClass == kVerbClass)
        return std::u16string(word);  // a fixed form: 食べた, 行かない
    if (kind.wordClass == kNounClass && kind.subclass == kSuruNounSubclass)
        return VerbForm({std::u16string(word), kSuruType}, forms);
    if (kind.wordClass == kAdjectiveClass && kind.conjugation == kAdjectiveType) {
        std::u16string_view stem = EndsWith(word, u"い") ? word.substr(0, word.size() - 1) : word;
        return AdjectiveForm({std::u16string(stem), kAdjectiveType}, forms);
    }
    if (kind.wordClass == kAdjectiveClass)
        return NounForm(EndsWith(word, u"だ") ? word.substr(0, word.size() - 1) : word, forms);
    return NounForm(word, forms);
}

} // namespace transfer
