// Punctuation of one language in the form the other language writes it.
#include "Punctuation.h"

#include <cstddef>

namespace transfer {

namespace {

struct Pair {
    char16_t from, to;
};

const Pair kJapaneseToChinese[] = {
    {u'、', u'，'}, {u'「', u'“'}, {u'」', u'”'}, {u'『', u'‘'}, {u'』', u'’'}, {u'・', u'·'},
    {u'‥', u'…'}, {u'〜', u'～'}, {0xFF61, u'。'}, {0xFF62, u'“'}, {0xFF63, u'”'},
    {0xFF64, u'，'}, {0xFF65, u'·'}, {u'〝', u'“'}, {u'〟', u'”'},
};

const Pair kChineseToJapanese[] = {
    {u'，', u'、'}, {u'“', u'「'}, {u'”', u'」'}, {u'‘', u'『'}, {u'’', u'』'}, {u'·', u'・'},
    {0x2027, u'・'}, {u'﹐', u'、'}, {u'﹑', u'、'}, {u'﹒', u'．'},
};

template <std::size_t N> char16_t Find(const Pair (&pairs)[N], char16_t ch) {
    for (const Pair& p : pairs)
        if (p.from == ch)
            return p.to;
    return ch;
}

} // namespace

char16_t ChinesePunctuation(char16_t japanese) { return Find(kJapaneseToChinese, japanese); }

char16_t JapanesePunctuation(char16_t chinese) { return Find(kChineseToJapanese, chinese); }

} // namespace transfer
