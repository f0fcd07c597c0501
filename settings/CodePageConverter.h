// Conversion of wide text to the multibyte text of a code page (932, 936, 950).
#pragma once

#include <string>
#include <string_view>

class ICodePageConverter {
public:
    virtual ~ICodePageConverter() = default;
    // Characters the code page lacks become its default character.
    virtual std::string FromWide(std::wstring_view text, unsigned codePage) const = 0;
};
