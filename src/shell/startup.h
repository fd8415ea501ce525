#pragma once

class AppContext;
class MainMenu;

// Declares the screens that can be opened by name and opens the main menu, which brings
// up the closing screen (hidden) and the backdrop as it loads.
MainMenu *startProgram(AppContext &context);

// Started outside its content folder, the program would show empty pictures and refuse the
// quiz without saying why: this tells the user once, where it looked and how to start it.
// The program goes on either way.
void tellWhenContentIsMissing(AppContext &context);
