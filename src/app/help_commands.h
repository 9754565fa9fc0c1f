// The Help menu: a reference of the keys and the mouse, and what gridlet is.
#pragma once

#include <string>

void showKeysAndMouse();
void showAbout(const std::string& title);
