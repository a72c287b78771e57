#ifndef ZEL_INT_QUEUE_H
#define ZEL_INT_QUEUE_H

#include <cstdint>

extern const char zelINT_QUEUE_ERROR__QUEUE_EMPTY[];
extern const char zelINT_QUEUE_ERROR__QUEUE_UNDERRUN[];

struct zelIntQueueNode_struct
{
	zelIntQueueNode_struct* m_next;
	int32_t m_value;
};

// Append-only list of 32-bit integers with a read cursor. Unlike the string
// queue, values pushed after the reader reached the end are only read after
// Reset.
class zelIntQueue
{
public:
	zelIntQueue();
	~zelIntQueue();
	zelIntQueue(const zelIntQueue&) = delete;
	zelIntQueue& operator=(const zelIntQueue&) = delete;

	void Push(int p_value);
	int Pop();
	void Reset();
	bool IsEndOfQueue() const;

private:
	zelIntQueueNode_struct* m_first;
	zelIntQueueNode_struct* m_last;
	zelIntQueueNode_struct* m_cursor;
};

#endif
