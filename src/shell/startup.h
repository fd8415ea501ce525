#pragma once

class AppContext;
class MainMenu;

// Declares the screens that can be opened by name and opens the main menu, which brings
// up the closing screen (hidden) and the backdrop as it loads.
MainMenu *startProgram(AppContext &context);
