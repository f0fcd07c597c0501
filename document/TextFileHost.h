// What the document asks of the application when it reads a text file: the encoding chosen for
// this open, and what the file turned out to be (direction, script, the code of the load).
#pragma once

#include "TextFileReader.h"

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

protected:
    ~CTextFileHost() = default;
};
