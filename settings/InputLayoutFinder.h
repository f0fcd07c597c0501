// From a chosen input method to the keyboard layout that carries it.
#pragma once

#include "InputSettings.h"

#include <array>
#include <string_view>

// At most this many installed layouts are looked at.
constexpr size_t kMaxInputLayouts = 100;

// kNoLayout for an empty name or when nothing installed matches. A text-service token gives its
// fixed layout whether it is loaded or not; otherwise the exact file name (ignoring case) wins
// over the first file name sharing its first five characters (never "PYINPUT95.IME" or
// "PYINPUT2.IME").
KeyboardLayout FindInputLayout(IInputSystem& system, std::string_view name);

using InputLayouts = std::array<KeyboardLayout, kInputLanguageCount>;

// The layouts of the three language indexes, as dialogs resolve them when they open.
InputLayouts ResolveInputLayouts(IInputSystem& system, const InputSettings& settings);
