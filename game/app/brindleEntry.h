#ifndef BRINDLE_ENTRY_H
#define BRINDLE_ENTRY_H

// The game's entry, called by the program's main with its arguments (which
// are ignored). Returns the program's exit status: 0 after a normal end,
// 1 after a failure.
int SDL_main(int p_argc, char* p_argv[]);

#endif
