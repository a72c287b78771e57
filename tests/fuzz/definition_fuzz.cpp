// Reads arbitrary bytes as a list definition, and when it defines a list,
// reads the same bytes as a data file with that list. Any failure must be one
// of our thrown messages; anything else (a crash, a sanitizer report) is a bug.
#include "zelHighLevelList.h"
#include "zelHighLevelListDefinition.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

static const char* DefinitionPath()
{
	static char path[64] = "";
	if (path[0] == '\0')
		snprintf(path, sizeof(path), "/tmp/brindle-fuzz-%d.hlld", (int)getpid());
	return path;
}

static bool WriteDefinition(const uint8_t* p_data, size_t p_size)
{
	FILE* file = fopen(DefinitionPath(), "wb");
	if (file == NULL)
		return false;
	const bool written = fwrite(p_data, 1, p_size, file) == p_size;
	return fclose(file) == 0 && written;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* p_data, size_t p_size)
{
	if (!WriteDefinition(p_data, p_size))
		return 0;
	zelStringQueue errorStrings;
	zelHighLevelList list(&errorStrings);
	zelHighLevelListDefinition definition(&errorStrings);
	try
	{
		definition.DefineHighLevelList(&list, DefinitionPath());
		FILE* file = fopen(DefinitionPath(), "rb");
		if (file == NULL)
			return 0;
		try
		{
			list.Input(file);
		}
		catch (const char*)
		{
		}
		fclose(file);
	}
	catch (const char*)
	{
	}
	return 0;
}
