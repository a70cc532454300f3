#pragma once

class Form1;

// What the user sees first once the main window has loaded: the main window itself, centred on
// the screen.
void showStartWindows(Form1& main);
