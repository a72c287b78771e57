#include "zelStringQueue.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace
{
	// Pops one string and frees the copy.
	std::string PopString(zelStringQueue& p_queue)
	{
		char* popped = p_queue.Pop();
		std::string result(popped);
		free(popped);
		return result;
	}

	const char* PopFailure(zelStringQueue& p_queue)
	{
		try
		{
			free(p_queue.Pop());
		}
		catch (const char* caught)
		{
			return caught;
		}
		return nullptr;
	}
}

TEST(zelStringQueue, NewQueueIsAtEndAndPopFailsAsNeverPushed)
{
	zelStringQueue queue;
	EXPECT_TRUE(queue.IsEndOfQueue());
	EXPECT_EQ(PopFailure(queue), zelSTRING_QUEUE_ERROR__QUEUE_EMPTY);
	queue.Reset();
	EXPECT_EQ(PopFailure(queue), zelSTRING_QUEUE_ERROR__QUEUE_EMPTY);
}

TEST(zelStringQueue, PopsInOrderThenUnderflowsUntilReset)
{
	zelStringQueue queue;
	queue.Push("A");
	queue.Push("B");
	EXPECT_FALSE(queue.IsEndOfQueue());
	EXPECT_EQ(PopString(queue), "A");
	EXPECT_EQ(PopString(queue), "B");
	EXPECT_TRUE(queue.IsEndOfQueue());
	EXPECT_EQ(PopFailure(queue), zelSTRING_QUEUE_ERROR__UNDERFLOW);

	queue.Reset();
	EXPECT_EQ(PopString(queue), "A");
	EXPECT_EQ(PopString(queue), "B");
}

TEST(zelStringQueue, PushAfterReaderReachedEndIsReadNext)
{
	zelStringQueue queue;
	queue.Push("A");
	EXPECT_EQ(PopString(queue), "A");
	queue.Push("B");
	EXPECT_FALSE(queue.IsEndOfQueue());
	EXPECT_EQ(PopString(queue), "B");
	EXPECT_TRUE(queue.IsEndOfQueue());
	queue.Push("C");
	queue.Push("D");
	EXPECT_EQ(PopString(queue), "C");
	EXPECT_EQ(PopString(queue), "D");
}

TEST(zelStringQueue, PushWhileReadingDoesNotMoveTheCursor)
{
	zelStringQueue queue;
	queue.Push("A");
	queue.Push("B");
	EXPECT_EQ(PopString(queue), "A");
	queue.Push("C");
	EXPECT_EQ(PopString(queue), "B");
	EXPECT_EQ(PopString(queue), "C");
}

TEST(zelStringQueue, KeepsItsOwnCopies)
{
	zelStringQueue queue;
	char pushed[] = "label";
	queue.Push(pushed);
	pushed[0] = 'X';

	char* popped = queue.Pop();
	EXPECT_STREQ(popped, "label");
	popped[0] = 'Y';
	free(popped);

	queue.Reset();
	EXPECT_EQ(PopString(queue), "label");
}

TEST(zelStringQueue, EmptyStringIsAnOrdinaryElement)
{
	zelStringQueue queue;
	queue.Push("");
	EXPECT_FALSE(queue.IsEndOfQueue());
	EXPECT_EQ(PopString(queue), "");
	EXPECT_TRUE(queue.IsEndOfQueue());
}

TEST(zelStringQueue, PushNullThrowsAndChangesNothing)
{
	zelStringQueue queue;
	const char* caught = nullptr;
	try
	{
		queue.Push(nullptr);
	}
	catch (const char* thrown)
	{
		caught = thrown;
	}
	EXPECT_EQ(caught, zelSTRING_QUEUE_ERROR__NULL_PARAMETER);
	EXPECT_TRUE(queue.IsEndOfQueue());
	EXPECT_EQ(PopFailure(queue), zelSTRING_QUEUE_ERROR__QUEUE_EMPTY);
}

TEST(zelStringQueue, MessageTexts)
{
	EXPECT_STREQ(zelSTRING_QUEUE_ERROR__NULL_PARAMETER, "(zelStringQueue::Push) passed NULL as the string to push onto the queue");
	EXPECT_STREQ(zelSTRING_QUEUE_ERROR__QUEUE_EMPTY, "(zelStringQueue::Pop) the queue is empty; there are no strings to pop, as no strings have been pushed onto the queue");
	EXPECT_STREQ(zelSTRING_QUEUE_ERROR__UNDERFLOW, "(zelStringQueue::Pop) the queue is empty; the last string in the queue has already been popped");
}
