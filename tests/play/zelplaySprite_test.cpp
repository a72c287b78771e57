#include "zelplaySprite.h"

#include "zel2DTexture.h"
#include "zelHighLevelList.h"
#include "zelStringQueue.h"

#include "PictureChecks.h"
#include "TestWindow.h"

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

using namespace PictureChecks;

namespace
{
	// Four frames: a 100 x 50 picture of four coloured quadrants (in a
	// 128 x 64 texture), then 8 x 8 red, green, and blue with its right half
	// masked out.
	const char FRAMES[] = "fixtures/sprite_frames.txt";
	// The quadrants picture alone.
	const char FRAME[] = "fixtures/sprite_frame.txt";

	std::string Definition(const std::string& p_list, int p_delay, const std::string& p_behaviour, int p_repeatFrom = -1)
	{
		std::string text;
		if (p_repeatFrom >= 0)
			text += ".bRepeatFrom=\"" + std::to_string(p_repeatFrom) + "\"\n";
		return text + ".path=\"" + p_list + "\"\n.delay=\"" + std::to_string(p_delay)
			+ "\"\n.behaviour=\"" + p_behaviour + "\"\n";
	}

	// Storage for a sprite whose refused destruction is to be retried:
	// deleting it would release the storage although the sprite refuses.
	struct Placed
	{
		alignas(zelplaySprite) unsigned char storage[sizeof(zelplaySprite)];
	};

	class SpriteTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			TestWindow::Open();
			TestWindow::Clear();
		}

		std::vector<int> Frames(zelplaySprite& p_sprite, const std::vector<unsigned int>& p_elapsed)
		{
			std::vector<int> frames;
			for (unsigned int elapsed : p_elapsed)
			{
				p_sprite.Render(elapsed);
				frames.push_back(p_sprite.FrameNo());
			}
			return frames;
		}

		zelStringQueue m_errors;
		TempFolder m_folder;
	};
}

TEST_F(SpriteTest, DefinitionGivesFramesInListOrderAndTiming)
{
	zelplaySprite sprite("fixtures/sprite_walk.txt", &m_errors);
	EXPECT_EQ(4, sprite.NoOfFrames());
	EXPECT_EQ(100, sprite.DelayBetweenFrames());
	EXPECT_EQ(zelplaySPRITE_BEHAVIOUR__REPEAT, sprite.Behaviour());
	EXPECT_EQ(1, sprite.RepeatFromFrameNo());
	const unsigned short widths[] = {100, 8, 8, 8};
	const unsigned short heights[] = {50, 8, 8, 8};
	for (int frame = 0; frame < 4; ++frame)
	{
		EXPECT_EQ(frame, sprite.FrameNo());
		EXPECT_EQ(widths[frame], sprite.WidthInPixels());
		EXPECT_EQ(heights[frame], sprite.HeightInPixels());
		EXPECT_EQ(sprite.FrameTextures()[frame]->Width(), sprite.WidthInPixels());
		sprite.IncrementFrameNo();
	}
	EXPECT_EQ(0, sprite.FrameNo());
	EXPECT_TRUE(RecordedLines(m_errors).empty());
}

TEST_F(SpriteTest, AnimationStepsFrameByFrame)
{
	const std::vector<unsigned int> zeros(10, 0);
	struct Case
	{
		const char* name;
		std::string definition;
		std::vector<unsigned int> elapsed;
		std::vector<int> frames;
		bool halted;
	};
	const Case cases[] = {
		{"repeat from 1", Definition(FRAMES, 0, "bRepeat", 1), zeros, {1, 2, 3, 1, 2, 3, 1, 2, 3, 1}, false},
		{"reverse", Definition(FRAMES, 0, "bReverse"), zeros, {1, 2, 3, 2, 1, 0, 1, 2, 3, 2}, false},
		{"halt", Definition(FRAMES, 0, "BHALT"), zeros, {1, 2, 3, 3, 3, 3, 3, 3, 3, 3}, true},
		{"repeat from 0, one frame", Definition(FRAME, 0, "bRepeat", 0), {0, 0, 0}, {0, 0, 0}, false},
		{"reverse, one frame", Definition(FRAME, 0, "bReverse"), {0, 0, 0}, {0, 0, 0}, false},
		// 100 - 40 - 40 - 40 <= 0; the 20 ms overshoot is not carried over.
		{"delay 100, 40 ms frames", Definition(FRAMES, 100, "bRepeat", 1), {40, 40, 40, 40, 40, 40, 40}, {0, 0, 1, 1, 1, 2, 2}, false},
		{"delay 100, no time passing", Definition(FRAMES, 100, "bRepeat", 1), {0, 0, 0, 0}, {0, 0, 0, 0}, false},
		{"delay 100, exactly 100 ms", Definition(FRAMES, 100, "bHalt"), {99, 1, 100, 4000000000u, 100}, {0, 1, 2, 3, 3}, true},
		{"at most one frame per call", Definition(FRAMES, 100, "bRepeat", 1), {100000, 100000, 100000, 100000}, {1, 2, 3, 1}, false},
	};
	for (const Case& c : cases)
	{
		m_folder.Write("sprite.txt", c.definition);
		zelplaySprite sprite(m_folder.File("sprite.txt").c_str(), &m_errors);
		EXPECT_EQ(c.frames, Frames(sprite, c.elapsed)) << c.name;
		EXPECT_EQ(c.halted, sprite.Halted()) << c.name;
	}
	EXPECT_TRUE(RecordedLines(m_errors).empty());
}

TEST_F(SpriteTest, ResetRestartsTheAnimationAndClearsTheTransformation)
{
	m_folder.Write("sprite.txt", Definition(FRAMES, 100, "bHalt"));
	zelplaySprite sprite(m_folder.File("sprite.txt").c_str(), &m_errors);
	EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 3}), Frames(sprite, {60, 60, 100, 100, 100}));
	EXPECT_TRUE(sprite.Halted());
	sprite.BottomLeftX(300);
	sprite.BottomLeftY(-20);
	sprite.EnableRotation();
	sprite.AngleOfRotation(45.0f);
	sprite.EnableHFlip();
	sprite.EnableVFlip();
	sprite.EnableHScaling();
	sprite.HScale(2.0f);
	sprite.EnableCompensationForHScaling();
	sprite.EnableVScaling();
	sprite.VScale(0.5f);
	sprite.EnableCompensationForVScaling();

	sprite.Reset();
	EXPECT_FALSE(sprite.Halted());
	EXPECT_EQ(0, sprite.FrameNo());
	EXPECT_EQ(0, sprite.BottomLeftX());
	EXPECT_EQ(0, sprite.BottomLeftY());
	EXPECT_FALSE(sprite.RotationEnabled());
	EXPECT_EQ(0.0f, sprite.AngleOfRotation());
	EXPECT_FALSE(sprite.HFlipEnabled());
	EXPECT_FALSE(sprite.VFlipEnabled());
	EXPECT_FALSE(sprite.HScalingEnabled());
	EXPECT_EQ(1.0f, sprite.HScale());
	EXPECT_FALSE(sprite.CompensationForHScalingEnabled());
	EXPECT_FALSE(sprite.VScalingEnabled());
	EXPECT_EQ(1.0f, sprite.VScale());
	EXPECT_FALSE(sprite.CompensationForVScalingEnabled());
	// The full delay runs again from the reset.
	EXPECT_EQ((std::vector<int>{0, 1}), Frames(sprite, {60, 40}));
}

TEST_F(SpriteTest, StepsFrameByHandWithoutTouchingTheTiming)
{
	zelplaySprite sprite("fixtures/sprite_walk.txt", &m_errors);
	sprite.DecrementFrameNo();
	EXPECT_EQ(3, sprite.FrameNo());
	sprite.IncrementFrameNo();
	EXPECT_EQ(0, sprite.FrameNo());
	sprite.IncrementFrameNo();
	sprite.Render(60);
	EXPECT_EQ(1, sprite.FrameNo());
	sprite.Render(40);
	EXPECT_EQ(2, sprite.FrameNo());
}

TEST_F(SpriteTest, ChildrenShareFramesAndTimingButAnimateOnTheirOwn)
{
	zelplaySprite parent("fixtures/sprite_walk.txt", &m_errors);
	parent.BottomLeftX(50);
	Frames(parent, {100, 100});
	zelplaySprite child(&parent, &m_errors);
	EXPECT_EQ(parent.Textures(), child.Textures());
	EXPECT_EQ(parent.FrameTextures(), child.FrameTextures());
	EXPECT_EQ(4, child.NoOfFrames());
	EXPECT_EQ(100, child.DelayBetweenFrames());
	EXPECT_EQ(zelplaySPRITE_BEHAVIOUR__REPEAT, child.Behaviour());
	EXPECT_EQ(1, child.RepeatFromFrameNo());
	EXPECT_EQ(0, child.FrameNo());
	EXPECT_EQ(0, child.BottomLeftX());

	zelplaySprite grandchild(&child, &m_errors);
	EXPECT_EQ(parent.FrameTextures(), grandchild.FrameTextures());
	EXPECT_EQ((std::vector<int>{1, 2, 3, 1}), Frames(child, {100, 100, 100, 100}));
	EXPECT_EQ(2, parent.FrameNo());
	EXPECT_EQ(0, grandchild.FrameNo());
	EXPECT_TRUE(RecordedLines(m_errors).empty());
}

TEST_F(SpriteTest, DestructionIsRefusedWhileChildrenLive)
{
	Placed parentStorage;
	Placed childStorage;
	zelplaySprite* parent = new (parentStorage.storage) zelplaySprite("fixtures/sprite_walk.txt", &m_errors);
	zelplaySprite* child = new (childStorage.storage) zelplaySprite(parent, &m_errors);
	zelplaySprite* grandchild = new zelplaySprite(child, &m_errors);

	EXPECT_EQ(zelplaySPRITE_ERROR__UNABLE_TO_DELETE_PARENT, Thrown([&] { parent->~zelplaySprite(); }));
	EXPECT_EQ(zelplaySPRITE_ERROR__UNABLE_TO_DELETE_PARENT, Thrown([&] { child->~zelplaySprite(); }));
	EXPECT_EQ((std::vector<std::string>{zelplaySPRITE_ERROR__UNABLE_TO_DELETE_PARENT, zelplaySPRITE_ERROR__UNABLE_TO_DELETE_PARENT}),
		RecordedLines(m_errors));

	// Refused sprites are untouched and still animate and draw.
	child->Render(100);
	EXPECT_EQ(1, child->FrameNo());

	EXPECT_EQ(nullptr, Thrown([&] { delete grandchild; }));
	EXPECT_EQ(nullptr, Thrown([&] { child->~zelplaySprite(); }));
	EXPECT_EQ(nullptr, Thrown([&] { parent->~zelplaySprite(); }));
	EXPECT_EQ(2u, RecordedLines(m_errors).size());
}

TEST_F(SpriteTest, FailuresThrowTheirMessageAndRecordTheirLine)
{
	std::string frames256;
	for (int frame = 0; frame < 256; ++frame)
		frames256 += ".label=\"f" + std::to_string(frame) + "\"\n.path=\"fixtures/sprite_red.png\"\n.type=\"ui8888\"\n.filtering=\"nearest\"\n";
	m_folder.Write("frames256.txt", frames256);
	m_folder.Write("frames255.txt", frames256.substr(frames256.find(".label=\"f1\"")));

	const std::string path = m_folder.File("sprite.txt");
	const std::string detail = " (\"" + path + "\")";
	const std::string malformed = zelplaySPRITE_ERROR__MALFORMED_DEFINITION + detail;
	struct Case
	{
		const char* name;
		std::string definition;
		const char* thrown;
		std::vector<std::string> lines;
	};
	const Case cases[] = {
		{"repeating without a frame to repeat from", Definition(FRAMES, 10, "bRepeat"),
			zelplaySPRITE_ERROR__INCOMPLETE_DEFINITION, {zelplaySPRITE_ERROR__INCOMPLETE_DEFINITION + detail}},
		{"repeat from the frame count", Definition(FRAMES, 10, "bRepeat", 4),
			zelplaySPRITE_ERROR__ILLEGAL_REPEAT_FROM_FRAME_NO, {zelplaySPRITE_ERROR__ILLEGAL_REPEAT_FROM_FRAME_NO + detail}},
		{"repeat from past the end, halting", Definition(FRAME, 10, "bHalt", 1),
			zelplaySPRITE_ERROR__ILLEGAL_REPEAT_FROM_FRAME_NO, {zelplaySPRITE_ERROR__ILLEGAL_REPEAT_FROM_FRAME_NO + detail}},
		{"unknown behaviour", Definition(FRAMES, 10, "bLoop"),
			zelHLL_ERROR__ACCEPTABLE_STRING_NOT_FOUND,
			{std::string(zelHLL_ERROR__ACCEPTABLE_STRING_NOT_FOUND) + " (\"behaviour\"; \"bLoop\")", malformed}},
		{"delay out of range", Definition(FRAMES, 65536, "bHalt"),
			zelHLL_ERROR__OUT_OF_RANGE, {std::string(zelHLL_ERROR__OUT_OF_RANGE) + " (delay)", malformed}},
		{"missing texture list", Definition("fixtures/nowhere.txt", 10, "bHalt"),
			zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_LIST,
			{std::string(zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_LIST) + " (\"fixtures/nowhere.txt\")", malformed}},
		{"no listing", "no listing here\n",
			zelHLL_ERROR__MEMBER_NOT_INPUT, {std::string(zelHLL_ERROR__MEMBER_NOT_INPUT) + " (behaviour)"}},
		{"more than 255 frames", Definition(m_folder.File("frames256.txt"), 10, "bHalt"),
			zelplaySPRITE_ERROR__ILLEGAL_NO_OF_FRAMES, {zelplaySPRITE_ERROR__ILLEGAL_NO_OF_FRAMES + detail}},
	};
	for (const Case& c : cases)
	{
		zelStringQueue errors;
		m_folder.Write("sprite.txt", c.definition);
		EXPECT_EQ(c.thrown, Thrown([&] { zelplaySprite sprite(path.c_str(), &errors); })) << c.name;
		EXPECT_EQ(c.lines, RecordedLines(errors)) << c.name;
		// Without a queue the same failure is only thrown.
		EXPECT_EQ(c.thrown, Thrown([&] { zelplaySprite sprite(path.c_str(), NULL); })) << c.name;
	}

	m_folder.Write("sprite.txt", Definition(m_folder.File("frames255.txt"), 10, "bRepeat", 254));
	zelplaySprite longest(path.c_str(), &m_errors);
	EXPECT_EQ(255, longest.NoOfFrames());
	EXPECT_TRUE(RecordedLines(m_errors).empty());
}

TEST_F(SpriteTest, MissingArgumentsAndFilesAreRefused)
{
	EXPECT_EQ(zelplaySPRITE_ERROR__NULL_DEFINITION_PATH, Thrown([&] { zelplaySprite sprite(static_cast<const char*>(NULL), &m_errors); }));
	EXPECT_EQ(zelplaySPRITE_ERROR__UNABLE_TO_OPEN_DEFINITION, Thrown([&] { zelplaySprite sprite("fixtures/nowhere.txt", &m_errors); }));
	EXPECT_EQ(zelplaySPRITE_ERROR__NULL_PARENT, Thrown([&] { zelplaySprite sprite(static_cast<zelplaySprite*>(NULL), &m_errors); }));
	EXPECT_EQ((std::vector<std::string>{zelplaySPRITE_ERROR__NULL_DEFINITION_PATH,
		zelplaySPRITE_ERROR__UNABLE_TO_OPEN_DEFINITION + std::string(" (\"fixtures/nowhere.txt\")"), zelplaySPRITE_ERROR__NULL_PARENT}),
		RecordedLines(m_errors));
}

TEST_F(SpriteTest, DrawsTheCurrentFrameAtItsPosition)
{
	zelplaySprite sprite("fixtures/sprite_walk.txt", &m_errors);
	sprite.BottomLeftX(100);
	sprite.BottomLeftY(100);
	sprite.Render(0);
	ExpectPicture(100, 100, 199, 149, "RGBW");

	// Frame 3 is blue with its right half masked out.
	for (int frame = 0; frame < 3; ++frame)
		sprite.IncrementFrameNo();
	TestWindow::Clear();
	sprite.Render(0);
	EXPECT_EQ('B', ColourAt(101, 104));
	EXPECT_EQ('B', ColourAt(103, 104));
	EXPECT_EQ('-', ColourAt(104, 104));
	EXPECT_EQ('-', ColourAt(99, 104));
}

TEST_F(SpriteTest, FlipsMirrorTheWholePaddedTexture)
{
	// The 100 x 50 frame fills 100 x 50 of a 128 x 64 quad drawn at (100, 100);
	// a flip moves it to the far end of the quad.
	struct Case { bool hFlip, vFlip; int x0, y0; const char* quadrants; };
	const Case cases[] = {
		{false, false, 100, 100, "RGBW"},
		{true, false, 128, 100, "GRWB"},
		{false, true, 100, 114, "BWRG"},
		{true, true, 128, 114, "WBGR"},
	};
	zelplaySprite sprite("fixtures/sprite_quadrants.txt", &m_errors);
	for (const Case& c : cases)
	{
		SCOPED_TRACE(std::string(c.hFlip ? "h flip " : "") + (c.vFlip ? "v flip" : ""));
		TestWindow::Clear();
		sprite.BottomLeftX(100);
		sprite.BottomLeftY(100);
		c.hFlip ? sprite.EnableHFlip() : sprite.DisableHFlip();
		c.vFlip ? sprite.EnableVFlip() : sprite.DisableVFlip();
		EXPECT_EQ(c.hFlip, sprite.HFlipEnabled());
		EXPECT_EQ(c.vFlip, sprite.VFlipEnabled());
		sprite.Render(0);
		ExpectPicture(c.x0, c.y0, c.x0 + 99, c.y0 + 49, c.quadrants);
	}
}

TEST_F(SpriteTest, ScalingStretchesTheQuadAndCompensationKeepsTheCentre)
{
	struct Case
	{
		const char* name;
		bool hScaling; float hScale; bool hCompensation;
		bool vScaling; float vScale; bool vCompensation;
		bool hFlip;
		int x0, y0, x1, y1;
	};
	// All at (200, 100). The quad of 1.5 x 128 = 192 pixels starts at
	// 200 - (150 - 100) / 2 = 175 and ends at 367: the 150 wide image covers
	// 175..324 unflipped and 217..366 flipped.
	const Case cases[] = {
		{"h 1.5 compensated", true, 1.5f, true, false, 1.0f, false, false, 175, 100, 324, 149},
		{"h 1.5 compensated, flipped", true, 1.5f, true, false, 1.0f, false, true, 217, 100, 366, 149},
		{"h 1.5", true, 1.5f, false, false, 1.0f, false, false, 200, 100, 349, 149},
		{"h scale set but disabled", false, 1.5f, true, false, 1.0f, false, false, 200, 100, 299, 149},
		{"v 2 compensated", false, 1.0f, false, true, 2.0f, true, false, 200, 75, 299, 174},
		{"v 2", false, 1.0f, false, true, 2.0f, false, false, 200, 100, 299, 199},
		{"both 0.5, h compensated", true, 0.5f, true, true, 0.5f, false, false, 225, 100, 274, 124},
	};
	zelplaySprite sprite("fixtures/sprite_quadrants.txt", &m_errors);
	for (const Case& c : cases)
	{
		SCOPED_TRACE(c.name);
		TestWindow::Clear();
		sprite.Reset();
		sprite.BottomLeftX(200);
		sprite.BottomLeftY(100);
		sprite.HScale(c.hScale);
		sprite.VScale(c.vScale);
		if (c.hScaling)
			sprite.EnableHScaling();
		if (c.hCompensation)
			sprite.EnableCompensationForHScaling();
		if (c.vScaling)
			sprite.EnableVScaling();
		if (c.vCompensation)
			sprite.EnableCompensationForVScaling();
		if (c.hFlip)
			sprite.EnableHFlip();
		sprite.Render(0);
		ExpectPicture(c.x0, c.y0, c.x1, c.y1, c.hFlip ? "GRWB" : "RGBW");
		EXPECT_EQ(100, sprite.WidthInPixels());
		EXPECT_EQ(50, sprite.HeightInPixels());
	}
}

TEST_F(SpriteTest, RotationTurnsClockwiseAboutTheVisibleImage)
{
	struct Case { const char* name; float angle; bool hScaling; int x0, y0, x1, y1; const char* quadrants; };
	// At (200, 200) the 100 x 50 image's centre is (250, 225); scaled twice
	// as wide it is (300, 225).
	const Case cases[] = {
		{"90", 90.0f, false, 225, 175, 274, 274, "BRWG"},
		{"-90", -90.0f, false, 225, 175, 274, 274, "GWRB"},
		{"180", 180.0f, false, 200, 200, 299, 249, "WBGR"},
		{"180, h scale 2", 180.0f, true, 200, 200, 399, 249, "WBGR"},
	};
	zelplaySprite sprite("fixtures/sprite_quadrants.txt", &m_errors);
	for (const Case& c : cases)
	{
		SCOPED_TRACE(c.name);
		TestWindow::Clear();
		sprite.Reset();
		sprite.BottomLeftX(200);
		sprite.BottomLeftY(200);
		sprite.EnableRotation();
		sprite.AngleOfRotation(c.angle);
		if (c.hScaling)
		{
			sprite.EnableHScaling();
			sprite.HScale(2.0f);
		}
		sprite.Render(0);
		ExpectPicture(c.x0, c.y0, c.x1, c.y1, c.quadrants, 2);
	}

	TestWindow::Clear();
	sprite.DisableRotation();
	EXPECT_EQ(180.0f, sprite.AngleOfRotation());
	sprite.Render(0);
	ExpectPicture(200, 200, 399, 249, "RGBW");
}

TEST_F(SpriteTest, ChildDrawsTheSharedFrameWhereItStands)
{
	zelplaySprite parent("fixtures/sprite_quadrants.txt", &m_errors);
	zelplaySprite child(&parent, &m_errors);
	parent.BottomLeftX(10);
	parent.BottomLeftY(10);
	child.BottomLeftX(300);
	child.BottomLeftY(300);
	child.EnableHFlip();
	parent.Render(0);
	child.Render(0);
	ExpectPicture(10, 10, 109, 59, "RGBW");
	ExpectPicture(328, 300, 427, 349, "GRWB");
}
