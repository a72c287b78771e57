#ifndef ZEL_STRING_STACK_H
#define ZEL_STRING_STACK_H

extern const char zelSTRING_STACK_ERROR__NULL_PARAMETER[];
extern const char zelSTRING_STACK_ERROR__UNDERFLOW[];

struct zelStringStackNode_struct
{
	zelStringStackNode_struct* m_below;
	char* m_string;
};

// Last-in, first-out stack of owned string copies.
class zelStringStack
{
public:
	zelStringStack();
	~zelStringStack();
	zelStringStack(const zelStringStack&) = delete;
	zelStringStack& operator=(const zelStringStack&) = delete;

	void Push(const char* p_string);
	// Returns a malloc'ed copy of the top string and drops the top; the caller frees it.
	char* Pop();
	bool IsEmpty() const;

private:
	zelStringStackNode_struct* m_top;
};

#endif
