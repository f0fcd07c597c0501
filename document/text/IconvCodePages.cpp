// The code-page interface over iconv, for the native builds (tests, fuzzing, benchmarks).
#include "IconvCodePages.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace {

const char* IconvName(unsigned codePage) {
    switch (codePage) {
    case kCodePageJapanese: return "CP932";
    case kCodePageSimplified: return "CP936";
    case kCodePageTraditional: return "CP950";
    default: return "CP932";
    }
}

// One conversion of a whole text; an input unit the target lacks is replaced and counted.
template <typename In, typename Out>
size_t Convert(const char* to, const char* from, const In* input, size_t units, std::basic_string<Out>& output,
               Out replacement, size_t inUnitBytes) {
    iconv_t cd = iconv_open(to, from);
    size_t replaced = 0;
    if (cd == iconv_t(-1))
        return units;
    char* in = reinterpret_cast<char*>(const_cast<In*>(input));
    size_t inLeft = units * sizeof(In);
    std::vector<char> buffer(inLeft * 4 + 16);
    while (inLeft > 0) {
        char* out = buffer.data();
        size_t outLeft = buffer.size();
        size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        output.append(reinterpret_cast<Out*>(buffer.data()), size_t(out - buffer.data()) / sizeof(Out));
        if (result == size_t(-1) && (errno == EILSEQ || errno == EINVAL)) {
            output += replacement;
            ++replaced;
            size_t skip = inUnitBytes < inLeft ? inUnitBytes : inLeft;
            in += skip;
            inLeft -= skip;
        } else if (result == size_t(-1) && errno != E2BIG) {
            break;
        }
    }
    iconv_close(cd);
    return replaced;
}

} // namespace

std::string CIconvCodePages::FromUtf16(std::u16string_view text, unsigned codePage, size_t* lost) const {
    std::string result;
    size_t replaced = Convert<char16_t, char>(IconvName(codePage), "UTF-16LE", text.data(), text.size(), result, '?',
                                              sizeof(char16_t));
    if (lost)
        *lost = replaced;
    return result;
}

std::u16string CIconvCodePages::ToUtf16(std::string_view bytes, unsigned codePage) const {
    std::u16string result;
    Convert<char, char16_t>("UTF-16LE", IconvName(codePage), bytes.data(), bytes.size(), result, u'\xFFFD', 1);
    return result;
}

const CCodePages& SystemCodePages() {
    static const CIconvCodePages codePages;
    return codePages;
}
