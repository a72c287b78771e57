#include "zelStringConcatenation.h"

#include "zelStringQueue.h"

#include <cstdarg>
#include <cstdlib>
#include <cstring>

const char zelSTRING_CONCATENATION_ERROR__NULL_PARAMETER[] = "(zelStringConcatenation::ConcatenateStrings) passed NULL as the first of the strings to concatenate";

char* zelStringConcatenation::ConcatenateStrings(const char* p_first, ...)
{
	if (p_first == nullptr)
	{
		throw zelSTRING_CONCATENATION_ERROR__NULL_PARAMETER;
	}
	zelStringQueue parts;
	size_t length = 0;
	va_list arguments;
	va_start(arguments, p_first);
	for (const char* part = p_first; part != nullptr; part = va_arg(arguments, const char*))
	{
		parts.Push(part);
		length += strlen(part);
	}
	va_end(arguments);

	char* result = static_cast<char*>(malloc(length + 1));
	result[0] = '\0';
	char* end = result;
	while (!parts.IsEndOfQueue())
	{
		char* part = parts.Pop();
		const size_t partLength = strlen(part);
		memcpy(end, part, partLength + 1);
		end += partLength;
		free(part);
	}
	return result;
}
