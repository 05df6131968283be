// Menu.h -- the letter menu's frame.
#pragma once

// Draws the menu when it needs drawing, and plays the click on arrival.
void MenuFrame();
