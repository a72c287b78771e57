#include "zelIntQueue.h"

const char zelINT_QUEUE_ERROR__QUEUE_EMPTY[] = "(zelIntQueue::Pop) the queue is empty; there are no ints to pop as no ints have been pushed onto the queue";
const char zelINT_QUEUE_ERROR__QUEUE_UNDERRUN[] = "(zelIntQueue::Pop) the queue is empty; the last int in the queue has already been popped";

zelIntQueue::zelIntQueue()
	: m_first(nullptr), m_last(nullptr), m_cursor(nullptr)
{
}

zelIntQueue::~zelIntQueue()
{
	zelIntQueueNode_struct* node = m_first;
	while (node != nullptr)
	{
		zelIntQueueNode_struct* next = node->m_next;
		delete node;
		node = next;
	}
}

void zelIntQueue::Push(int p_value)
{
	zelIntQueueNode_struct* node = new zelIntQueueNode_struct;
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

int zelIntQueue::Pop()
{
	if (m_first == nullptr)
	{
		throw zelINT_QUEUE_ERROR__QUEUE_EMPTY;
	}
	if (m_cursor == nullptr)
	{
		throw zelINT_QUEUE_ERROR__QUEUE_UNDERRUN;
	}
	const int value = m_cursor->m_value;
	m_cursor = m_cursor->m_next;
	return value;
}

void zelIntQueue::Reset()
{
	m_cursor = m_first;
}

bool zelIntQueue::IsEndOfQueue() const
{
	return m_cursor == nullptr;
}
