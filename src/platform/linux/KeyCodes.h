#pragma once
// Key codes for the saver's key rule, from SDL's key symbols: letters and digits by their
// upper-case character codes, the other common keys by the virtual-key codes Windows gives them,
// and every key beyond those by a code of its own above 255, so no two keys share a code.
#include <SDL_keycode.h>
#include <SDL_scancode.h>

namespace hq {

int KeyCodeFor(SDL_Keycode symbol, SDL_Scancode scancode);

}  // namespace hq
