// Which setting a language index uses.
#include "InputSettings.h"

const std::string& InputMethodOf(const InputSettings& settings, int languageIndex) {
    static const std::string none;
    bool traditional = settings.gbBig5 == 1;
    switch (languageIndex) {
    case kInputJapanese:
        return settings.selectIMEJPN;
    case kInputActiveChinese:
        return traditional ? settings.selectIMECHNBIG5 : settings.selectIMECHNGB;
    case kInputOtherChinese:
        return traditional ? settings.selectIMECHNGB : settings.selectIMECHNBIG5;
    default:
        return none;
    }
}
