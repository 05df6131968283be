// Menu.h -- the letter menu's frame.
#pragma once

// Draws the menu when it needs drawing, and plays the click on arrival.
void MenuFrame();
// True when the menu's next frame would do nothing: its picture is on show and stays there, and its click
// has been started.
bool MenuFrameIdle();
