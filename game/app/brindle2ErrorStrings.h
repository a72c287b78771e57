#ifndef BRINDLE2_ERROR_STRINGS_H
#define BRINDLE2_ERROR_STRINGS_H

class zelStringQueue;

extern const char brindle2ERROR_STRINGS_ERROR__NULL_ERROR_STRING[];
extern const char brindle2ERROR_STRINGS_ERROR__NULL_ERROR_STRING_DETAIL[];

// The game-wide error-string queue, set once by the entry, and the two line
// shapes in which the game records its failures.
class brindle2ErrorStrings
{
public:
	static void ErrorStrings(zelStringQueue* p_errorStrings);
	static zelStringQueue* ErrorStrings();

	// Onto the game-wide queue: the string alone, or the string followed by
	// ' ("detail")'. Nothing happens while no queue is set.
	static void PushErrorString(const char* p_errorString);
	static void PushErrorString(const char* p_errorString, const char* p_errorStringDetail);

	// The same two shapes onto any queue (objects that were handed their own).
	static void PushErrorStringOnto(zelStringQueue* p_errorStrings, const char* p_errorString);
	static void PushErrorStringOnto(zelStringQueue* p_errorStrings, const char* p_errorString, const char* p_errorStringDetail);

private:
	static zelStringQueue* m_errorStrings;
};

#endif
