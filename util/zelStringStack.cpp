#include "zelStringStack.h"

#include <cstdlib>
#include <cstring>

const char zelSTRING_STACK_ERROR__NULL_PARAMETER[] = "(zelStringStack_class::Push) passed NULL as the string to be pushed onto the stack";
const char zelSTRING_STACK_ERROR__UNDERFLOW[] = "(zelStringStack_class::Pop) the stack is empty; either the last string has already been popped, or no strings were originally pushed onto the stack";

zelStringStack::zelStringStack()
	: m_top(nullptr)
{
}

zelStringStack::~zelStringStack()
{
	while (m_top != nullptr)
	{
		zelStringStackNode_struct* below = m_top->m_below;
		free(m_top->m_string);
		delete m_top;
		m_top = below;
	}
}

void zelStringStack::Push(const char* p_string)
{
	if (p_string == nullptr)
	{
		throw zelSTRING_STACK_ERROR__NULL_PARAMETER;
	}
	zelStringStackNode_struct* node = new zelStringStackNode_struct;
	node->m_below = m_top;
	node->m_string = strdup(p_string);
	m_top = node;
}

char* zelStringStack::Pop()
{
	if (m_top == nullptr)
	{
		throw zelSTRING_STACK_ERROR__UNDERFLOW;
	}
	char* copy = strdup(m_top->m_string);
	zelStringStackNode_struct* below = m_top->m_below;
	free(m_top->m_string);
	delete m_top;
	m_top = below;
	return copy;
}

bool zelStringStack::IsEmpty() const
{
	return m_top == nullptr;
}
