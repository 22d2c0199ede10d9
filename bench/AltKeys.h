// Alt with a key pressed and let go on the keyboard, as a user types a hotkey: for the bench's
// probe and the tests.
#pragma once

#include <windows.h>

inline void PressAltWith(WORD key) {
    INPUT keys[4] = {};
    const WORD codes[4] = {VK_MENU, key, key, VK_MENU};
    for (int i = 0; i < 4; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = codes[i];
        keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
    }
    ::SendInput(4, keys, sizeof keys[0]);
}
