#ifndef ZEL_DOUBLE_QUEUE_H
#define ZEL_DOUBLE_QUEUE_H

extern const char zelDOUBLE_QUEUE_ERROR__QUEUE_EMPTY[];
extern const char zelDOUBLE_QUEUE_ERROR__QUEUE_UNDERRUN[];

struct zelDoubleQueueNode_struct
{
	zelDoubleQueueNode_struct* m_next;
	double m_value;
};

// Append-only list of doubles with a read cursor. Unlike the string queue,
// values pushed after the reader reached the end are only read after Reset.
class zelDoubleQueue
{
public:
	zelDoubleQueue();
	~zelDoubleQueue();
	zelDoubleQueue(const zelDoubleQueue&) = delete;
	zelDoubleQueue& operator=(const zelDoubleQueue&) = delete;

	void Push(double p_value);
	double Pop();
	void Reset();
	bool IsEndOfQueue() const;

private:
	zelDoubleQueueNode_struct* m_first;
	zelDoubleQueueNode_struct* m_last;
	zelDoubleQueueNode_struct* m_cursor;
};

#endif
