// Reading a plain-text file into the document.
#include "TextFileReader.h"

#include "EncodingDetector.h"
#include "HanvellText.h"
#include "TextCodes.h"

#include <algorithm>

namespace {

unsigned ChineseCodePageOf(int textCode, int chineseScript) {
    if (textCode & kTextTraditional)
        return kCodePageTraditional;
    if (textCode & kTextSimplified)
        return kCodePageSimplified;
    return chineseScript == 1 ? kCodePageTraditional : kCodePageSimplified;
}

int FormOfCode(int textCode) {
    return (textCode & kTextUtf16) ? kFormUtf16 : (textCode & kTextUtf8) ? kFormUtf8 : kFormMultibyte;
}

} // namespace

TextReadOutcome ReadTextFile(const FileBytes& file, const TextReadRequest& request, const CCodePages& codePages,
                             const CCharacterTables& tables, CWXBDocData& document) {
    TextReadOutcome outcome;
    outcome.unicodeForm = request.unicodeForm;
    outcome.direction = request.direction;

    // A signature decides the Unicode form; its bytes are not text.
    size_t skip = 0;
    if (file.size() > 2 && file[0] == 0xEF && file[1] == 0xBB && file[2] == 0xBF) {
        outcome.unicodeForm = kFormUtf8;
        skip = 3;
    } else if (file.size() > 1 && file[0] == 0xFF && file[1] == 0xFE) {
        outcome.unicodeForm = kFormUtf16;
        skip = 2;
    }

    if (request.inputIndex == 0) {
        int32_t answer = DetectEncoding(file.data(), std::min(file.size(), kDetectionBytes), codePages);
        outcome.textCode = TextCodeOfAnswer(answer);
    } else {
        outcome.textCode = TextCodeByIndex(request.inputIndex).textCode;
    }

    // The direction follows the language of the file; an undecided code decides nothing.
    if (request.autoFileCheck && outcome.textCode != 0) {
        TransDirection found = (outcome.textCode & kTextJapanese) ? kJapaneseToChinese : kChineseToJapanese;
        if (found != request.direction) {
            outcome.direction = found;
            outcome.directionSwitched = true;
        }
    }

    const bool chinese = outcome.direction == kChineseToJapanese;
    unsigned codePage = chinese ? ChineseCodePageOf(outcome.textCode, request.chineseScript) : kCodePageJapanese;
    if (chinese)
        outcome.scriptChangeNeeded = (codePage == kCodePageTraditional) != (request.chineseScript == 1);
    int form = request.inputIndex == 0 ? FormOfCode(outcome.textCode) : outcome.unicodeForm;

    static const unsigned char kNoText = 0;
    const unsigned char* data = file.empty() ? &kNoText : file.data() + skip;
    size_t size = file.size() - skip;
    std::string hanvellText;
    if (form == kFormMultibyte && (outcome.textCode & kTextHanvell) && chinese) {
        // Hanvell codes are turned into GB2312 or Big5 character by character before reading.
        std::string text(reinterpret_cast<const char*>(data), size);
        hanvellText = codePage == kCodePageTraditional ? TraditionalHanvellTextToBig5(tables, text.c_str())
                                                       : SimplifiedHanvellTextToGb(text.c_str());
        data = reinterpret_cast<const unsigned char*>(hanvellText.data());
        size = hanvellText.size();
    }

    SegmentationValues values = CurrentSegmentation(outcome.direction, request.japaneseValues, request.chineseValues);
    SegmentationResult result = SegmentText(data, size, form, codePage, outcome.direction, values, codePages);
    outcome.end = result.end;
    if (result.end == SegmentationEnd::BilingualFile)
        return outcome;

    std::vector<SentenceTexts> sentences(result.segments.size());
    for (size_t i = 0; i < sentences.size(); ++i) {
        sentences[i].separator = std::move(result.segments[i].separator);
        (chinese ? sentences[i].chinese : sentences[i].japanese) = std::move(result.segments[i].sentence);
    }
    if (!document.ReplaceAll(std::move(sentences)))
        document.Clear();
    document.NoteTextFileRead(chinese ? kLangChinese : kLangJapanese, false);
    return outcome;
}

LineFileOutcome ReadLinePerSentenceFile(const FileBytes& file, TransDirection direction, bool autoFileCheck,
                                        CWXBDocData& document) {
    LineFileOutcome outcome;
    // The lines stand on the translation side: Chinese in Japanese to Chinese, and the reverse.
    const bool intoChinese = direction == kJapaneseToChinese;
    const unsigned codePage = intoChinese ? kCodePageSimplified : kCodePageJapanese;
    std::vector<SentenceTexts> sentences;
    SentenceTexts current;
    bool expectTrail = false;
    auto finish = [&](bool endedByLineFeed) {
        current.separator = endedByLineFeed ? "\r\n" : "";
        sentences.push_back(std::move(current));
        current = SentenceTexts();
        expectTrail = false;
    };
    for (unsigned char b : file) {
        if (sentences.size() >= size_t(kMaxReadSentences))
            break;
        if (b == '\n') {
            finish(true);
            continue;
        }
        if (b == '\r')
            continue;
        std::string& line = intoChinese ? current.chinese : current.japanese;
        bool lead = !expectTrail && IsLeadByte(codePage, b);
        // A line longer than a sentence holds goes on as the next one, never splitting a character.
        if (line.size() == kMaxSegmentBytes || (lead && line.size() + 1 == kMaxSegmentBytes)) {
            finish(false);
            lead = IsLeadByte(codePage, b);
        }
        (intoChinese ? current.chinese : current.japanese) += b < 0x20 ? ' ' : char(b);
        expectTrail = lead;
    }
    if (sentences.size() < size_t(kMaxReadSentences))
        finish(false);
    if (sentences.size() >= size_t(kMaxReadSentences)) {
        sentences.resize(size_t(kMaxReadSentences) - 1);
        outcome.tooManySentences = true;
    }
    if (!document.ReplaceAll(std::move(sentences)))
        document.Clear();
    document.NoteTextFileRead(direction == kJapaneseToChinese ? kLangJapanese : kLangChinese, true);
    outcome.switchToJapaneseSource = autoFileCheck && direction == kChineseToJapanese;
    return outcome;
}

bool IsLinePerSentenceName(const std::wstring& path) {
    if (path.size() < 4)
        return false;
    std::wstring end = path.substr(path.size() - 4);
    for (wchar_t& c : end)
        c = (c >= L'a' && c <= L'z') ? wchar_t(c - L'a' + L'A') : c;
    return end == L".JPN";
}
