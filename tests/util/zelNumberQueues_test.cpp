#include "zelDoubleQueue.h"
#include "zelIntQueue.h"

#include <gtest/gtest.h>

#include <climits>

// The int and double queues behave alike; one typed suite covers both.
template <typename Queue>
struct QueueTraits;

template <>
struct QueueTraits<zelIntQueue>
{
	typedef int Value;
	static Value Of(int p_n) { return p_n * 7 - 3; }
	static const char* Empty() { return zelINT_QUEUE_ERROR__QUEUE_EMPTY; }
	static const char* Underrun() { return zelINT_QUEUE_ERROR__QUEUE_UNDERRUN; }
};

template <>
struct QueueTraits<zelDoubleQueue>
{
	typedef double Value;
	static Value Of(int p_n) { return p_n * 0.25 - 1.5; }
	static const char* Empty() { return zelDOUBLE_QUEUE_ERROR__QUEUE_EMPTY; }
	static const char* Underrun() { return zelDOUBLE_QUEUE_ERROR__QUEUE_UNDERRUN; }
};

template <typename Queue>
class NumberQueue : public ::testing::Test
{
protected:
	typedef QueueTraits<Queue> Traits;

	const char* PopFailure()
	{
		try
		{
			m_queue.Pop();
		}
		catch (const char* caught)
		{
			return caught;
		}
		return nullptr;
	}

	Queue m_queue;
};

typedef ::testing::Types<zelIntQueue, zelDoubleQueue> QueueTypes;
TYPED_TEST_SUITE(NumberQueue, QueueTypes);

TYPED_TEST(NumberQueue, NewQueueIsAtEndAndPopFailsAsNeverPushed)
{
	EXPECT_TRUE(this->m_queue.IsEndOfQueue());
	EXPECT_EQ(this->PopFailure(), TestFixture::Traits::Empty());
	this->m_queue.Reset();
	EXPECT_EQ(this->PopFailure(), TestFixture::Traits::Empty());
}

TYPED_TEST(NumberQueue, PopsInOrderThenUnderrunsUntilReset)
{
	typedef typename TestFixture::Traits Traits;
	for (int n = 0; n < 3; n++)
	{
		this->m_queue.Push(Traits::Of(n));
	}
	for (int n = 0; n < 3; n++)
	{
		EXPECT_FALSE(this->m_queue.IsEndOfQueue());
		EXPECT_EQ(this->m_queue.Pop(), Traits::Of(n));
	}
	EXPECT_TRUE(this->m_queue.IsEndOfQueue());
	EXPECT_EQ(this->PopFailure(), Traits::Underrun());
	this->m_queue.Reset();
	EXPECT_EQ(this->m_queue.Pop(), Traits::Of(0));
}

// Unlike the string queue, a value pushed after the reader reached the end
// waits for a Reset.
TYPED_TEST(NumberQueue, PushAfterReaderReachedEndWaitsForReset)
{
	typedef typename TestFixture::Traits Traits;
	this->m_queue.Push(Traits::Of(1));
	EXPECT_EQ(this->m_queue.Pop(), Traits::Of(1));
	this->m_queue.Push(Traits::Of(2));
	EXPECT_TRUE(this->m_queue.IsEndOfQueue());
	EXPECT_EQ(this->PopFailure(), Traits::Underrun());

	this->m_queue.Reset();
	EXPECT_EQ(this->m_queue.Pop(), Traits::Of(1));
	EXPECT_EQ(this->m_queue.Pop(), Traits::Of(2));
	EXPECT_TRUE(this->m_queue.IsEndOfQueue());
}

TYPED_TEST(NumberQueue, PushWhileReadingIsReadInTurn)
{
	typedef typename TestFixture::Traits Traits;
	this->m_queue.Push(Traits::Of(1));
	this->m_queue.Push(Traits::Of(2));
	EXPECT_EQ(this->m_queue.Pop(), Traits::Of(1));
	this->m_queue.Push(Traits::Of(3));
	EXPECT_EQ(this->m_queue.Pop(), Traits::Of(2));
	EXPECT_EQ(this->m_queue.Pop(), Traits::Of(3));
}

TEST(zelIntQueue, KeepsTheWholeInt32Range)
{
	zelIntQueue queue;
	queue.Push(INT_MIN);
	queue.Push(INT_MAX);
	EXPECT_EQ(queue.Pop(), INT_MIN);
	EXPECT_EQ(queue.Pop(), INT_MAX);
}

TEST(zelNumberQueues, MessageTexts)
{
	EXPECT_STREQ(zelINT_QUEUE_ERROR__QUEUE_EMPTY, "(zelIntQueue::Pop) the queue is empty; there are no ints to pop as no ints have been pushed onto the queue");
	EXPECT_STREQ(zelINT_QUEUE_ERROR__QUEUE_UNDERRUN, "(zelIntQueue::Pop) the queue is empty; the last int in the queue has already been popped");
	EXPECT_STREQ(zelDOUBLE_QUEUE_ERROR__QUEUE_EMPTY, "(zelDoubleQueue::Pop) the queue is empty; there are no doubles to pop as no doubles have been pushed onto the queue");
	EXPECT_STREQ(zelDOUBLE_QUEUE_ERROR__QUEUE_UNDERRUN, "(zelDoubleQueue::Pop) the queue is empty; the last double in the queue has already been popped");
}
