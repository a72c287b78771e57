#include "brindleEntry.h"

#include "brindle2ErrorStrings.h"
#include "brindleGame.h"

#include "zelStringQueue.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

namespace
{
	// Prints, and forgets, every line recorded since the last call.
	void PrintLoggedLines(zelStringQueue& p_errorStrings)
	{
		while (!p_errorStrings.IsEndOfQueue())
		{
			char* line = p_errorStrings.Pop();
			printf("Exception logged: \"%s\"\n", line);
			free(line);
		}
	}
}

int SDL_main(int p_argc, char* p_argv[])
{
	(void)p_argc;
	(void)p_argv;
	zelStringQueue errorStrings;
	brindle2ErrorStrings::ErrorStrings(&errorStrings);

	std::string failure;
	bool failed = false;
	brindleGame* game = NULL;
	try
	{
		game = new brindleGame(&errorStrings);
		game->Run();
		brindleGame* finished = game;
		game = NULL;
		delete finished;
	}
	catch (const char* p_message)
	{
		// Copied at once: SDL's messages live in a buffer that SDL reuses.
		failure = p_message != NULL ? p_message : "";
		failed = true;
	}
	catch (const std::exception& p_exception)
	{
		failure = p_exception.what();
		failed = true;
	}
	if (failed)
	{
		// A screen failed: close the window and save what can be saved.
		try
		{
			delete game;
		}
		catch (const char*)
		{
		}
		printf("Exception thrown: \"%s\"\n", failure.c_str());
	}
	PrintLoggedLines(errorStrings);
	fflush(stdout);
	brindle2ErrorStrings::ErrorStrings(NULL);
	return failed ? EXIT_FAILURE : EXIT_SUCCESS;
}
