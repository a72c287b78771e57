#ifndef ZEL_STRING_QUEUE_H
#define ZEL_STRING_QUEUE_H

extern const char zelSTRING_QUEUE_ERROR__NULL_PARAMETER[];
extern const char zelSTRING_QUEUE_ERROR__QUEUE_EMPTY[];
extern const char zelSTRING_QUEUE_ERROR__UNDERFLOW[];

struct zelStringQueueNode_struct
{
	char* m_string;
	zelStringQueueNode_struct* m_next;
};

// Append-only list of owned string copies with a read cursor. Popping only
// moves the cursor, so the lines can be read again after Reset; this is what
// lets the error-string queue be printed incrementally.
class zelStringQueue
{
public:
	zelStringQueue();
	~zelStringQueue();
	zelStringQueue(const zelStringQueue&) = delete;
	zelStringQueue& operator=(const zelStringQueue&) = delete;

	void Push(const char* p_string);
	// Returns a malloc'ed copy of the string at the cursor; the caller frees it.
	char* Pop();
	void Reset();
	bool IsEndOfQueue() const;

private:
	zelStringQueueNode_struct* m_first;
	zelStringQueueNode_struct* m_last;
	zelStringQueueNode_struct* m_cursor;
};

#endif
