// Simplified Chinese written in the double-byte space of Shift-JIS (code page 10932), the form
// external requests ask for.
#pragma once

#include "CharacterTables.h"

#include <string>

namespace transfer {

// GB2312 characters by the JIS arithmetic; the symbol rows (A1 to A9) through the Shift-JIS
// character itself, or 81 AC when Shift-JIS has none; anything outside GB2312 gives 81 AC.
void EncodeHanvellSimplified(const CCharacterTables& tables, char16_t ch, std::string& out);

} // namespace transfer
