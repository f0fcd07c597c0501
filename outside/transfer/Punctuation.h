// Punctuation of one language in the form the other language writes it.
#pragma once

namespace transfer {

// Japanese full-width and half-width marks to their Chinese forms: 、 to ，, 「 to “, ・ to ·.
char16_t ChinesePunctuation(char16_t japanese);
// Chinese marks to their Japanese forms: ， to 、, “ to 「, · to ・.
char16_t JapanesePunctuation(char16_t chinese);

} // namespace transfer
