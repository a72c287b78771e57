#ifndef ZEL_STRING_CONCATENATION_H
#define ZEL_STRING_CONCATENATION_H

extern const char zelSTRING_CONCATENATION_ERROR__NULL_PARAMETER[];

class zelStringConcatenation
{
public:
	// Joins p_first and the further const char* arguments up to the first
	// null pointer into one malloc'ed string that the caller frees.
	static char* ConcatenateStrings(const char* p_first, ...);
};

#endif
