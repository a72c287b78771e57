#ifndef ZEL_HIGH_LEVEL_LIST_FILE_INPUT_H
#define ZEL_HIGH_LEVEL_LIST_FILE_INPUT_H

#include "zelString2No.h"

#include <cstdio>

extern const char zelHLL_FILE_INPUT_ERROR__NULL_PARAMETER[];
extern const char zelHLL_FILE_INPUT_ERROR__STRING_BUFFER_OVERFLOW[];
extern const char zelHLL_FILE_INPUT_ERROR__FILE_ENDS_UNEXPECTEDLY[];

// Reads the tokens of a high-level list file: the text between two
// delimiters, or a quoted value converted to a number. Each read leaves the
// stream just after the last character it consumed.
class zelHighLevelListFileInput : public zelString2No
{
public:
	// The longest text a token may hold.
	static const unsigned int MAX_TOKEN_LENGTH = 1023;

	// Returns a malloc'ed copy of the characters between the next p_open and
	// the next p_close after it, which the caller frees; null if the file
	// ends before p_open and p_endOfFileIsUnexpected is false.
	char* InputString(FILE* p_file, char p_open, char p_close, bool p_endOfFileIsUnexpected) const;
	// The next value in double quotes.
	char* InputString(FILE* p_file, bool p_endOfFileIsUnexpected) const;
	int InputInt(FILE* p_file, bool p_endOfFileIsUnexpected) const;
	double InputDouble(FILE* p_file, bool p_endOfFileIsUnexpected) const;
	unsigned int InputHexInt(FILE* p_file, bool p_endOfFileIsUnexpected) const;
};

#endif
