// Reading a plain-text file into the document: signature, detection or the forced code, the
// direction of the language found, then segmentation; and line-per-sentence (".JPN") files.
#pragma once

#include "CharacterTables.h"
#include "CodePages.h"
#include "SentenceSegmenter.h"
#include "WXBDocData.h"

struct TextReadRequest {
    int inputIndex = 0;   // 0 automatic detection, 1 to 11 a forced code
    int unicodeForm = 0;  // the forced character form: 0 multibyte, 1 UTF-16, 2 UTF-8
    int chineseScript = 0;  // the current mode: 0 simplified, 1 traditional
    bool autoFileCheck = true;
    TransDirection direction = kJapaneseToChinese;
    SegmentationValues japaneseValues;
    SegmentationValues chineseValues;
};

struct TextReadOutcome {
    SegmentationEnd end = SegmentationEnd::Done;
    int textCode = 0;       // the code of this load
    int unicodeForm = 0;    // as a signature may have set it
    TransDirection direction = kJapaneseToChinese;  // the direction the text was read in
    bool directionSwitched = false;
    bool scriptChangeNeeded = false;  // Chinese text of the other script: the mode must follow
};

// The document gets the sentences unless the file is a bilingual file (end BilingualFile), which
// leaves it as it was.
TextReadOutcome ReadTextFile(const FileBytes& file, const TextReadRequest& request, const CCodePages& codePages,
                             const CCharacterTables& tables, CWXBDocData& document);

// One line a sentence, into the list of the direction's translation language.
struct LineFileOutcome {
    bool tooManySentences = false;
    bool switchToJapaneseSource = false;  // the lines become the source text
};
LineFileOutcome ReadLinePerSentenceFile(const FileBytes& file, TransDirection direction, bool autoFileCheck,
                                        CWXBDocData& document);

// True for a name ending in ".JPN", in any case.
bool IsLinePerSentenceName(const std::wstring& path);
