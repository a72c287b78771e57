#include "brindleEntry.h"

// The platform's part: start the game with the command line.
int main(int argc, char* argv[])
{
	return SDL_main(argc, argv);
}
