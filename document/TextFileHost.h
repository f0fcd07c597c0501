// What the document asks of the application when it reads or writes a text file: the encoding
// chosen for this open, what the file turned out to be, and the Save As choice with its codes.
#pragma once

#include "TextFileReader.h"
#include "TextFileWriter.h"

#include <string>

// What the Save As dialog decided.
struct SaveFileChoice {
    std::wstring path;       // with the type's extension
    int fileType = 0;        // the filter index, a document kind from 1
    int lastTypeShown = 0;   // the type shown when the dialog closed, also after Cancel
};

class CTextFileHost {
public:
    // The request for the open now starting; a code chosen in the open dialog or by a reopen
    // command is used once, any other open detects.
    virtual TextReadRequest TakeReadRequest() = 0;
    virtual void TextFileRead(const TextReadOutcome& outcome) = 0;
    virtual void LinePerSentenceFileRead(const LineFileOutcome& outcome) = 0;
    virtual TransDirection Direction() const = 0;
    virtual bool AutoFileCheck() const = 0;
    // The code of the last load, for the window title.
    virtual int LastLoadCode() const = 0;

    // Shows the Save As dialog; false on Cancel. fileType is the filter shown first.
    virtual bool ChooseSaveFile(const std::wstring& suggestedName, bool replace, int fileType,
                                SaveFileChoice& choice) = 0;
    // The codes a text save of that language writes in.
    virtual TextWriteRequest TextWriteSettings(int language) const = 0;
    // The window title's suffix after a text save of that type (Shift-JIS).
    virtual std::string TitleSuffixAfterTextSave(int fileType) const = 0;

protected:
    ~CTextFileHost() = default;
};
