#include "zelStringQueue.h"

#include <cstdlib>
#include <cstring>

const char zelSTRING_QUEUE_ERROR__NULL_PARAMETER[] = "(zelStringQueue::Push) passed NULL as the string to push onto the queue";
const char zelSTRING_QUEUE_ERROR__QUEUE_EMPTY[] = "(zelStringQueue::Pop) the queue is empty; there are no strings to pop, as no strings have been pushed onto the queue";
const char zelSTRING_QUEUE_ERROR__UNDERFLOW[] = "(zelStringQueue::Pop) the queue is empty; the last string in the queue has already been popped";

zelStringQueue::zelStringQueue()
	: m_first(nullptr), m_last(nullptr), m_cursor(nullptr)
{
}

zelStringQueue::~zelStringQueue()
{
	zelStringQueueNode_struct* node = m_first;
	while (node != nullptr)
	{
		zelStringQueueNode_struct* next = node->m_next;
		free(node->m_string);
		delete node;
		node = next;
	}
}

void zelStringQueue::Push(const char* p_string)
{
	if (p_string == nullptr)
	{
		throw zelSTRING_QUEUE_ERROR__NULL_PARAMETER;
	}
	zelStringQueueNode_struct* node = new zelStringQueueNode_struct;
	node->m_string = strdup(p_string);
	node->m_next = nullptr;
	if (m_first == nullptr)
	{
		m_first = node;
	}
	else
	{
		m_last->m_next = node;
	}
	m_last = node;
	// A reader that has reached the end sees lines pushed afterwards.
	if (m_cursor == nullptr)
	{
		m_cursor = node;
	}
}

char* zelStringQueue::Pop()
{
	if (m_first == nullptr)
	{
		throw zelSTRING_QUEUE_ERROR__QUEUE_EMPTY;
	}
	if (m_cursor == nullptr)
	{
		throw zelSTRING_QUEUE_ERROR__UNDERFLOW;
	}
	char* copy = strdup(m_cursor->m_string);
	m_cursor = m_cursor->m_next;
	return copy;
}

void zelStringQueue::Reset()
{
	m_cursor = m_first;
}

bool zelStringQueue::IsEndOfQueue() const
{
	return m_cursor == nullptr;
}
