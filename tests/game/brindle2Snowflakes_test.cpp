#include "GameTestSupport.h"

#include "brindle2Snowflakes.h"

#include "zelHighLevelList.h"

#include <cstdlib>
#include <map>

namespace
{
	// One snowflake at a time, 8 x 8 white, falling 0.1 pixel per millisecond
	// straight down, spawned every 50 ms when a slot is free.
	const std::map<std::string, std::string> STRAIGHT_DOWN =
	{
		{ "snowflakes", "1" }, { "fade", "0.01" }, { "rotate", "0.0001" },
		{ "min_velocity", "0.1" }, { "max_velocity", "0.1000001" },
		{ "min_spawn", "50" }, { "max_spawn", "50" },
		{ "min_scale", "1" }, { "max_scale", "1.000001" },
		{ "direction_delay", "100" }, { "direction", "0" },
	};

	class brindle2SnowflakesTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			TestWindow::Open();
			srandom(7);
			m_folder.Folder().Write("flake_list.txt", ".label=\"flake\"\n.path=\"" + m_folder.Fixture("flake.png") + "\"\n.type=\"ui8888\"\n.filtering=\"nearest\"\n");
			m_folder.Folder().Write("snowflake_sprite.txt", ".bRepeatFrom=\"0\"\n.path=\"flake_list.txt\"\n.delay=\"1000\"\n.behaviour=\"bRepeat\"\n");
		}

		void Define(std::map<std::string, std::string> p_members, const std::string& p_without = "")
		{
			std::string text;
			for (const auto& member : p_members)
				if (member.first != p_without)
					text += "." + member.first + "=\"" + member.second + "\"\n";
			m_folder.Folder().Write("snowflakes.txt", text);
		}

		// The message thrown by the constructor, or NULL.
		const char* Construct(zelStringQueue& p_errors)
		{
			try
			{
				brindle2Snowflakes snowflakes(&p_errors);
			}
			catch (const char* p_message)
			{
				return p_message;
			}
			return NULL;
		}

		// The snowflake's left edge on the row, or -1 where there is none.
		static int LeftEdge(int p_y)
		{
			for (int x = 0; x < 640; ++x)
				if (TestWindow::PixelIs(x, p_y, 255, 255, 255, 16))
					return x;
			return -1;
		}

		static void Draw(brindle2Snowflakes& p_snowflakes)
		{
			TestWindow::Clear();
			p_snowflakes.Render();
		}

		WorkingFolder m_folder;
		zelStringQueue m_errors;
	};
}

TEST_F(brindle2SnowflakesTest, BadDefinitionsAreRefused)
{
	const std::string file = Quoted("snowflakes.txt");
	struct Case { std::map<std::string, std::string> changes; const char* thrown; std::vector<std::string> lines; };
	const Case cases[] =
	{
		{ { { "max_velocity", "0.1" } }, brindle2SNOWFLAKES_ERROR__MIN_VELOCITY_NOT_BELOW_MAX_VELOCITY,
			{ brindle2SNOWFLAKES_ERROR__MIN_VELOCITY_NOT_BELOW_MAX_VELOCITY + file } },
		{ { { "max_scale", "1" } }, brindle2SNOWFLAKES_ERROR__MIN_SCALE_NOT_BELOW_MAX_SCALE,
			{ brindle2SNOWFLAKES_ERROR__MIN_SCALE_NOT_BELOW_MAX_SCALE + file } },
		{ { { "snowflakes", "0" } }, zelHLL_ERROR__OUT_OF_RANGE, { std::string(zelHLL_ERROR__OUT_OF_RANGE) + " (snowflakes)" } },
		{ { { "direction", "360" } }, zelHLL_ERROR__OUT_OF_RANGE, { std::string(zelHLL_ERROR__OUT_OF_RANGE) + " (direction)" } },
		{ { { "fade", "0" } }, zelHLL_ERROR__OUT_OF_RANGE, { std::string(zelHLL_ERROR__OUT_OF_RANGE) + " (fade)" } },
	};
	for (const Case& c : cases)
	{
		std::map<std::string, std::string> members = STRAIGHT_DOWN;
		for (const auto& change : c.changes)
			members[change.first] = change.second;
		Define(members);
		zelStringQueue errors;
		EXPECT_EQ(c.thrown, Construct(errors)) << c.changes.begin()->first;
		EXPECT_EQ(c.lines, Lines(errors)) << c.changes.begin()->first;
	}
}

TEST_F(brindle2SnowflakesTest, MissingFileOrMembersAreRefused)
{
	EXPECT_EQ(brindle2SNOWFLAKES_ERROR__UNABLE_TO_OPEN_DEFINITION, Construct(m_errors));
	m_folder.Folder().Write("snowflakes.txt", "");
	EXPECT_EQ(brindle2SNOWFLAKES_ERROR__INCOMPLETE_DEFINITION, Construct(m_errors));
	const std::string file = Quoted("snowflakes.txt");
	EXPECT_EQ((std::vector<std::string>{ brindle2SNOWFLAKES_ERROR__UNABLE_TO_OPEN_DEFINITION + file, brindle2SNOWFLAKES_ERROR__INCOMPLETE_DEFINITION + file }), Lines(m_errors));
	// The list's own failure is thrown on, with nothing more recorded.
	Define(STRAIGHT_DOWN, "direction");
	zelStringQueue errors;
	EXPECT_EQ(zelHLL_ERROR__FILE_ENDS_UNEXPECTEDLY, Construct(errors));
	EXPECT_TRUE(Lines(errors).empty());
}

TEST_F(brindle2SnowflakesTest, WithoutAQueueFailuresAreOnlyThrown)
{
	std::map<std::string, std::string> members = STRAIGHT_DOWN;
	members["max_scale"] = "1";
	Define(members);
	const char* caught = NULL;
	try
	{
		brindle2Snowflakes snowflakes(NULL);
	}
	catch (const char* p_message)
	{
		caught = p_message;
	}
	EXPECT_EQ(brindle2SNOWFLAKES_ERROR__MIN_SCALE_NOT_BELOW_MAX_SCALE, caught);
}

TEST_F(brindle2SnowflakesTest, CornersMustStayApart)
{
	Define(STRAIGHT_DOWN);
	brindle2Snowflakes snowflakes(&m_errors);
	const char* caught = NULL;
	try { snowflakes.TopRightX(0); } catch (const char* p_message) { caught = p_message; }
	EXPECT_EQ(brindle2SNOWFLAKES_ERROR__IMPOSSIBLE_CORNER, caught);

	snowflakes.TopRightX(440);
	snowflakes.TopRightY(480);
	snowflakes.BottomLeftX(200);
	snowflakes.BottomLeftY(0);
	const struct { void (brindle2Snowflakes::*set)(short); short value; } refused[] =
	{
		{ &brindle2Snowflakes::BottomLeftX, 440 }, { &brindle2Snowflakes::BottomLeftY, 481 },
		{ &brindle2Snowflakes::TopRightX, 200 }, { &brindle2Snowflakes::TopRightY, -1 },
	};
	for (const auto& r : refused)
	{
		caught = NULL;
		try { (snowflakes.*r.set)(r.value); } catch (const char* p_message) { caught = p_message; }
		EXPECT_EQ(brindle2SNOWFLAKES_ERROR__IMPOSSIBLE_CORNER, caught) << r.value;
	}
	EXPECT_EQ(200, snowflakes.BottomLeftX());
	EXPECT_EQ(0, snowflakes.BottomLeftY());
	EXPECT_EQ(440, snowflakes.TopRightX());
	EXPECT_EQ(480, snowflakes.TopRightY());
	EXPECT_EQ(std::vector<std::string>(5, brindle2SNOWFLAKES_ERROR__IMPOSSIBLE_CORNER), Lines(m_errors));
}

TEST_F(brindle2SnowflakesTest, FallsStraightDownAndFadesBelowTheBox)
{
	Define(STRAIGHT_DOWN);
	brindle2Snowflakes snowflakes(&m_errors);
	snowflakes.TopRightX(300);
	snowflakes.TopRightY(200);
	snowflakes.BottomLeftX(100);
	snowflakes.BottomLeftY(20);

	snowflakes.Update(0);
	Draw(snowflakes);
	const int left = LeftEdge(204);
	ASSERT_GE(left, 100);
	ASSERT_LE(left + 8, 300);
	EXPECT_EQ(-1, LeftEdge(104));

	// A second of falling: 100 pixels lower, in the same column.
	snowflakes.Update(1000);
	Draw(snowflakes);
	EXPECT_EQ(-1, LeftEdge(204));
	EXPECT_NEAR(left, LeftEdge(104), 1);

	// Below the box it fades out while it goes on falling.
	snowflakes.Update(1000);
	Draw(snowflakes);
	EXPECT_NEAR(left, LeftEdge(4), 1);
	snowflakes.Update(50);
	Draw(snowflakes);
	EXPECT_EQ(-1, LeftEdge(4));
	EXPECT_TRUE(TestWindow::PixelIs(left + 4, 0, 128, 128, 128, 12));
	EXPECT_TRUE(Lines(m_errors).empty());
}

TEST_F(brindle2SnowflakesTest, APoolOfOneWaitsForTheFlakeToFade)
{
	Define(STRAIGHT_DOWN);
	brindle2Snowflakes snowflakes(&m_errors);
	snowflakes.TopRightX(300);
	snowflakes.TopRightY(200);
	snowflakes.BottomLeftX(100);
	snowflakes.BottomLeftY(25);

	snowflakes.Update(0);
	// Spawns fall due every 50 ms, but the only slot is taken: after 1.8 s
	// the one flake has just left the box, 180 pixels lower.
	for (int i = 0; i < 18; ++i)
		snowflakes.Update(100);
	Draw(snowflakes);
	EXPECT_EQ(-1, LeftEdge(204));
	EXPECT_NE(-1, LeftEdge(24));

	// Faded out within 100 ms; the next due spawn takes the free slot.
	snowflakes.Update(60);
	snowflakes.Update(60);
	Draw(snowflakes);
	EXPECT_EQ(-1, LeftEdge(12));
	EXPECT_EQ(-1, LeftEdge(199));
	snowflakes.Update(50);
	Draw(snowflakes);
	EXPECT_NE(-1, LeftEdge(199));
}

TEST_F(brindle2SnowflakesTest, AFlakeWhoseRightEdgeReachesTheRightBoundFades)
{
	Define(STRAIGHT_DOWN);
	// A box exactly as wide as the 8 pixels wide flake, and one a pixel wider.
	const struct { short width; bool fades; } cases[] = { { 8, true }, { 9, false } };
	for (const auto& c : cases)
	{
		brindle2Snowflakes snowflakes(&m_errors);
		snowflakes.TopRightX(100 + c.width);
		snowflakes.TopRightY(200);
		snowflakes.BottomLeftX(100);
		snowflakes.BottomLeftY(20);
		snowflakes.Update(0);
		// Half faded after 50 ms, when it has started fading at once.
		snowflakes.Update(50);
		Draw(snowflakes);
		const int grey = c.fades ? 128 : 255;
		EXPECT_TRUE(TestWindow::PixelIs(104, 198, grey, grey, grey, 12)) << c.width;
	}
	EXPECT_TRUE(Lines(m_errors).empty());
}
