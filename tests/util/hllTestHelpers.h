#ifndef HLL_TEST_HELPERS_H
#define HLL_TEST_HELPERS_H

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Failures.h"
#include "zelStringQueue.h"

using Lines = std::vector<std::string>;

// An anonymous temporary stream holding the text, positioned at its start;
// close it with fclose.
inline FILE* TextStream(const std::string& p_text)
{
	FILE* file = tmpfile();
	fwrite(p_text.data(), 1, p_text.size(), file);
	rewind(file);
	return file;
}

#endif
