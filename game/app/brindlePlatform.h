#ifndef BRINDLE_PLATFORM_H
#define BRINDLE_PLATFORM_H

// The reverse-domain identifier of the application; it names the
// preferences and highscores files.
extern const char brindleAPPLICATION_IDENTIFIER[];
// The game's own folder inside the user's configuration folder.
extern const char brindlePREFERENCES_FOLDER_NAME[];
// Where an installed tree keeps the data, relative to the program's folder.
extern const char brindleINSTALLED_RESOURCES_FOLDER[];
// Longest folder path the game works with, terminating NUL included.
const unsigned int brindleMAXIMUM_PATH_LENGTH = 1024;

extern const char brindlePLATFORM_ERROR__NO_PREFERENCES_FOLDER[];
extern const char brindlePLATFORM_ERROR__PREFERENCES_PATH_TOO_LONG[];
extern const char brindlePLATFORM_ERROR__UNABLE_TO_MAKE_PREFERENCES_FOLDER[];
extern const char brindlePLATFORM_ERROR__UNABLE_TO_ENTER_PREFERENCES_FOLDER[];
extern const char brindlePLATFORM_ERROR__PROGRAM_FOLDER_NOT_FOUND[];
extern const char brindlePLATFORM_ERROR__RESOURCES_PATH_TOO_LONG[];
extern const char brindlePLATFORM_ERROR__RESOURCES_FOLDER_NOT_FOUND[];

// Makes $XDG_CONFIG_HOME/brindle (else ~/.config/brindle) the working
// directory, creating the folders that are missing. A failure records a line
// on the game-wide error-string queue and throws its message.
void ChangeToPreferencesFolder();

// Makes the game's data folder the working directory: "data" beside the
// program in the build tree, ../share/brindle/data in an installed tree; the
// first of them that holds "game.txt". A failure records a line on the
// game-wide error-string queue and throws its message.
void ChangeToResourcesFolder();

#endif
