#include "zelDoubleQueue.h"

const char zelDOUBLE_QUEUE_ERROR__QUEUE_EMPTY[] = "(zelDoubleQueue::Pop) the queue is empty; there are no doubles to pop as no doubles have been pushed onto the queue";
const char zelDOUBLE_QUEUE_ERROR__QUEUE_UNDERRUN[] = "(zelDoubleQueue::Pop) the queue is empty; the last double in the queue has already been popped";

zelDoubleQueue::zelDoubleQueue()
	: m_first(nullptr), m_last(nullptr), m_cursor(nullptr)
{
}

zelDoubleQueue::~zelDoubleQueue()
{
	zelDoubleQueueNode_struct* node = m_first;
	while (node != nullptr)
	{
		zelDoubleQueueNode_struct* next = node->m_next;
		delete node;
		node = next;
	}
}

void zelDoubleQueue::Push(double p_value)
{
	zelDoubleQueueNode_struct* node = new zelDoubleQueueNode_struct;
	node->m_next = nullptr;
	node->m_value = p_value;
	if (m_first == nullptr)
	{
		m_first = node;
		m_cursor = node;
	}
	else
	{
		m_last->m_next = node;
	}
	m_last = node;
}

double zelDoubleQueue::Pop()
{
	if (m_first == nullptr)
	{
		throw zelDOUBLE_QUEUE_ERROR__QUEUE_EMPTY;
	}
	if (m_cursor == nullptr)
	{
		throw zelDOUBLE_QUEUE_ERROR__QUEUE_UNDERRUN;
	}
	const double value = m_cursor->m_value;
	m_cursor = m_cursor->m_next;
	return value;
}

void zelDoubleQueue::Reset()
{
	m_cursor = m_first;
}

bool zelDoubleQueue::IsEndOfQueue() const
{
	return m_cursor == nullptr;
}
