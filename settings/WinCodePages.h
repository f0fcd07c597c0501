// Code-page conversion with the system's tables.
#pragma once

#include "CodePageConverter.h"

class CWinCodePages final : public ICodePageConverter {
public:
    std::string FromWide(std::wstring_view text, unsigned codePage) const override;
};
