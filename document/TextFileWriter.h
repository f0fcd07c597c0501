// Writing one language of the document as a plain-text file in the chosen save code.
#pragma once

#include "CharacterTables.h"
#include "CodePages.h"
#include "WXBDocData.h"

struct TextWriteRequest {
    int language = kLangJapanese;  // the list written
    int chineseScript = 0;         // 0 GB2312, 1 Big5
    int unicodeForm = 0;           // 0 multibyte, 1 UTF-16 with FF FE, 2 UTF-8 with EF BB BF
    int chineseSaveCode = 0;       // 0 GB2312 or Big5, 1 Hanvell (multibyte only)
    // Separators keep the code page of the text they were read from: 932 after Japanese source
    // text, the Chinese code page after Chinese source text.
    unsigned separatorCodePage = 932;
};

// Every sentence's separator, then the sentence itself, each only when not empty.
FileBytes WriteTextFile(const CWXBDocData& document, const TextWriteRequest& request, const CCodePages& codePages,
                        const CCharacterTables& tables);

// UTF-8 of UTF-16 text by the published rules; an unpaired surrogate becomes U+FFFD.
std::string EncodeUtf8(const std::u16string& text);
