// IMETITLE.dll: GetTsfName over the text services registered with the system.
#include "IMETITLE.h"
#include "TextServiceRegistry.h"

extern "C" int32_t IMETITLE_CALL GetTsfName(uint16_t language, wchar_t* name, int32_t capacity) {
    if (name && capacity > 0)
        name[0] = L'\0';
    // No exception may cross into the caller.
    try {
        TextServiceCount found = FindRegisteredKeyboardTextServices(language);
        if (found.count > 0 && name && capacity > 0) {
            size_t length = found.firstName.copy(name, size_t(capacity) - 1);
            name[length] = L'\0';
        }
        return found.count;
    } catch (...) {
        return 0;
    }
}
