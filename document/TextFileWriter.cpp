// Writing one language of the document as a plain-text file in the chosen save code.
#include "TextFileWriter.h"

#include "HanvellText.h"

namespace {

void Append(FileBytes& out, const std::string& bytes) { out.insert(out.end(), bytes.begin(), bytes.end()); }

void AppendUtf16(FileBytes& out, const std::u16string& text) {
    for (char16_t unit : text) {
        out.push_back(static_cast<unsigned char>(unit & 0xFF));
        out.push_back(static_cast<unsigned char>(unit >> 8));
    }
}

} // namespace

std::string EncodeUtf8(const std::u16string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned long c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | c >> 6);
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | c >> 12);
            out += char(0x80 | (c >> 6 & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | c >> 18);
            out += char(0x80 | (c >> 12 & 0x3F));
            out += char(0x80 | (c >> 6 & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

FileBytes WriteTextFile(const CWXBDocData& document, const TextWriteRequest& request, const CCodePages& codePages,
                        const CCharacterTables& tables) {
    const bool chinese = request.language == kLangChinese;
    const bool traditional = request.chineseScript == 1;
    const unsigned codePage =
        chinese ? (traditional ? kCodePageTraditional : kCodePageSimplified) : kCodePageJapanese;
    FileBytes out;
    if (request.unicodeForm == 1)
        out = {0xFF, 0xFE};
    else if (request.unicodeForm == 2)
        out = {0xEF, 0xBB, 0xBF};

    const bool japaneseSeparators = request.separatorCodePage == kCodePageJapanese;
    auto write = [&](const std::string& text, bool separator) {
        if (text.empty())
            return;
        const unsigned textCodePage = separator ? request.separatorCodePage : codePage;
        if (request.unicodeForm == 1) {
            AppendUtf16(out, codePages.ToUtf16(text, textCodePage));
        } else if (request.unicodeForm == 2) {
            Append(out, EncodeUtf8(codePages.ToUtf16(text, textCodePage)));
        } else if (!chinese) {
            Append(out, text);
        } else if (separator && japaneseSeparators) {
            // Shift-JIS-form blanks: as they are in a Hanvell file, converted in GB2312 or Big5.
            if (request.chineseSaveCode == 1)
                Append(out, text);
            else
                Append(out, traditional ? ShiftJisFormTextToBig5(tables, text.c_str())
                                        : SimplifiedHanvellTextToGb(text.c_str()));
        } else if (request.chineseSaveCode == 1) {
            if (traditional) {
                std::string hanvell = text;
                Big5TextToTraditionalHanvell(tables, &hanvell[0]);
                Append(out, hanvell);
            } else {
                Append(out, GbTextToSimplifiedHanvell(text.c_str()));
            }
        } else {
            Append(out, text);
        }
    };
    for (int i = 0; i < document.SentenceCount(); ++i) {
        write(document.Separator(i), true);
        write(document.Text(i, request.language), false);
    }
    return out;
}
