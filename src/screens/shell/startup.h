#pragma once

class AppContext;
class MainMenu;
class ScreenHost;

// Gives the screens their ways between features and opens the main menu, which brings up
// the backdrop as it loads.
MainMenu *startProgram(AppContext &context);

// Started outside its content folder, the program would show empty pictures and refuse the
// quiz without saying why: this tells the user once, where it looked and how to start it.
// The program goes on either way.
void tellWhenContentIsMissing(ScreenHost &host);
