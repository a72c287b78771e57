#include "zelStringStack.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace
{
	std::string PopString(zelStringStack& p_stack)
	{
		char* popped = p_stack.Pop();
		std::string result(popped);
		free(popped);
		return result;
	}

	const char* PopFailure(zelStringStack& p_stack)
	{
		try
		{
			free(p_stack.Pop());
		}
		catch (const char* caught)
		{
			return caught;
		}
		return nullptr;
	}
}

TEST(zelStringStack, NewStackIsEmptyAndPopFails)
{
	zelStringStack stack;
	EXPECT_TRUE(stack.IsEmpty());
	EXPECT_EQ(PopFailure(stack), zelSTRING_STACK_ERROR__UNDERFLOW);
}

TEST(zelStringStack, PopsLastInFirstOutThenUnderflows)
{
	zelStringStack stack;
	stack.Push("A");
	stack.Push("B");
	EXPECT_FALSE(stack.IsEmpty());
	EXPECT_EQ(PopString(stack), "B");
	stack.Push("C");
	EXPECT_EQ(PopString(stack), "C");
	EXPECT_EQ(PopString(stack), "A");
	EXPECT_TRUE(stack.IsEmpty());
	EXPECT_EQ(PopFailure(stack), zelSTRING_STACK_ERROR__UNDERFLOW);
}

TEST(zelStringStack, KeepsItsOwnCopies)
{
	zelStringStack stack;
	char pushed[] = "label";
	stack.Push(pushed);
	pushed[0] = 'X';
	EXPECT_EQ(PopString(stack), "label");
}

TEST(zelStringStack, DestructionFreesRemainingStrings)
{
	// The sanitizer run reports a leak if the destructor misses a node.
	zelStringStack stack;
	stack.Push("A");
	stack.Push("B");
}

TEST(zelStringStack, PushNullThrowsAndChangesNothing)
{
	zelStringStack stack;
	stack.Push("A");
	const char* caught = nullptr;
	try
	{
		stack.Push(nullptr);
	}
	catch (const char* thrown)
	{
		caught = thrown;
	}
	EXPECT_EQ(caught, zelSTRING_STACK_ERROR__NULL_PARAMETER);
	EXPECT_EQ(PopString(stack), "A");
	EXPECT_TRUE(stack.IsEmpty());
}

TEST(zelStringStack, MessageTexts)
{
	EXPECT_STREQ(zelSTRING_STACK_ERROR__NULL_PARAMETER, "(zelStringStack_class::Push) passed NULL as the string to be pushed onto the stack");
	EXPECT_STREQ(zelSTRING_STACK_ERROR__UNDERFLOW, "(zelStringStack_class::Pop) the stack is empty; either the last string has already been popped, or no strings were originally pushed onto the stack");
}
