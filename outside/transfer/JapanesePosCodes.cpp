// The five-letter Japanese part-of-speech codes of Chinese-to-Japanese user entries.
#include "JapanesePosCodes.h"

#include "Conjugation.h"

namespace transfer {

namespace {

struct CodeKind {
    const char* code;
    WordKind kind;
};

const CodeKind kFixed[] = {
    {"N0000", {kNounClass, 1, 0}},  {"DN000", {kNounClass, 1, 0}},  {"CHIME", {kNounClass, 4, 0}},
    {"NAMAE", {kNounClass, 5, 0}},  {"HOI00", {kNounClass, 1, 0}},  {"SUSHI", {kNounClass, 1, 0}},
    {"RYOSI", {kNounClass, 1, 0}},  {"NJN00", {kNounClass, kTimeNounSubclass, 0}},
    {"NJ000", {kNounClass, kTimeNounSubclass, 0}},
    {"KYOSI", {kAdjectiveClass, 0, kAdjectiveType}},
    {"KYODO", {kAdjectiveClass, 0, kAdjectivalNounType}},
    {"FUKU0", {kAdverbClass, 0, 0}},  {"ZYOSI", {kPhraseClass, 3, 0}},
    {"RETAI", {kAdnominalClass, 0, 0}}, {"SETU0", {kConjunctionClass, 0, 0}},
    {"GION0", {kPhraseClass, 2, 0}},  {"GITAI", {kPhraseClass, 2, 0}},
    {"KANTN", {kPhraseClass, 1, 0}},  {"SEIGO", {kPhraseClass, 3, 0}},
};

// The five-row type of a verb from its last kana and the past form it was registered with.
uint8_t FiveRowType(char16_t last, char pastForm) {
    switch (last) {
    case u'く': return pastForm == '1' ? 3 : 2;
    case u'ぐ': return 4;
    case u'す': return 5;
    case u'つ': return 6;
    case u'ぬ': return 7;
    case u'ぶ': return 8;
    case u'む': return 9;
    case u'る': return 10;
    case u'う': return pastForm == '3' ? 13 : 12;
    default: return 0;
    }
}

uint8_t Transitivity(const std::string& code) {
    if (code.rfind("TZ", 0) == 0 || code.find("TZ") != std::string::npos)
        return 3;
    return code.find('Z') != std::string::npos && code.find('T') == std::string::npos ? 2 : 1;
}

} // namespace

WordKind JapaneseKindOfCode(const std::string& code, const std::u16string& word) {
    for (const CodeKind& c : kFixed)
        if (code == c.code)
            return c.kind;
    const char16_t last = word.empty() ? 0 : word.back();
    const uint8_t transitivity = Transitivity(code);
    if (code.size() == 5 && (code.rfind("TG", 0) == 0 || code.rfind("ZG", 0) == 0 ||
                             code.rfind("TZG", 0) == 0))
        return {kVerbClass, transitivity, FiveRowType(last, code.back())};
    if (code == "TI000" || code == "ZI000" || code == "TZI00")
        return {kVerbClass, transitivity, 1};
    if (code.rfind("SH", 0) == 0)
        return {kVerbClass, transitivity, kSuruType};
    if (code.rfind("ZH", 0) == 0)
        return {kVerbClass, transitivity, 17};
    if (code.rfind("KH", 0) == 0) {
        const bool kanji = word.size() >= 2 && word[word.size() - 2] == u'来';
        return {kVerbClass, transitivity, uint8_t(kanji ? 15 : 14)};
    }
    if (code.rfind("DOKU", 0) == 0 || (code.size() == 5 && code.compare(2, 3, "NAI") == 0))
        return {kVerbClass, transitivity, 0};
    return {kNounClass, 1, 0};
}

} // namespace transfer
