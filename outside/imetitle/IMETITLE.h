// GetTsfName of IMETITLE, which names the text-service input methods registered for a language.
#pragma once

#include <stdint.h>

#ifdef _WIN32
#define IMETITLE_CALL __stdcall
#else
#define IMETITLE_CALL
#endif

// The callers' buffer, in wide characters with the terminator.
enum { kTsfNameCapacity = 128 };

#ifdef __cplusplus
extern "C" {
#endif

// The number of enabled keyboard text services registered for the language (0x0411, 0x0804 or
// 0x0404), 0 when there are none. The display name of the first of them goes to name, cut to
// capacity - 1 characters and always terminated; with none, name is emptied.
int32_t IMETITLE_CALL GetTsfName(uint16_t language, wchar_t* name, int32_t capacity);

typedef int32_t(IMETITLE_CALL* GetTsfNameFn)(uint16_t, wchar_t*, int32_t);

#ifdef __cplusplus
}
#endif
