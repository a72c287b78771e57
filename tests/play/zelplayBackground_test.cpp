#include "zelplayBackground.h"

#include "zel2DTexture.h"
#include "zelStringQueue.h"

#include "PictureChecks.h"
#include "TestWindow.h"

#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

using namespace PictureChecks;

namespace
{
	// A 200 x 100 picture of four coloured quadrants (red, green over blue,
	// white) in a 256 x 128 texture.
	const char PICTURE[] = "fixtures/background_picture.txt";

	class BackgroundTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			TestWindow::Open();
			TestWindow::Clear();
		}

		zelStringQueue m_errors;
	};
}

TEST_F(BackgroundTest, NewBackgroundShowsThePictureAtTheOrigin)
{
	zelplayBackground background(PICTURE, &m_errors);
	EXPECT_EQ(200, background.WidthInPixels());
	EXPECT_EQ(100, background.HeightInPixels());
	EXPECT_EQ(256, background.Texture()->POTWidth());
	EXPECT_EQ(0, background.BottomLeftX());
	EXPECT_EQ(0, background.BottomLeftY());
	EXPECT_FALSE(background.RotationEnabled());
	EXPECT_FALSE(background.WrappingEnabled());
	EXPECT_EQ(0.0f, background.AngleOfRotation());

	background.BottomLeftX(100);
	background.BottomLeftY(150);
	background.Render(0, 0);
	ExpectPicture(100, 150, 299, 249, "RGBW");
	EXPECT_TRUE(RecordedLines(m_errors).empty());
}

TEST_F(BackgroundTest, ChildSharesTheTextureAndHasItsOwnSettings)
{
	zelplayBackground parent(PICTURE, &m_errors);
	parent.BottomLeftX(10);
	parent.EnableRotation__DisableWrapping();
	zelplayBackground child(&parent, &m_errors);
	EXPECT_EQ(parent.Texture(), child.Texture());
	EXPECT_EQ(0, child.BottomLeftX());
	EXPECT_FALSE(child.RotationEnabled());

	parent.DisableRotation();
	parent.BottomLeftY(10);
	child.BottomLeftX(400);
	child.BottomLeftY(300);
	parent.Render(0, 0);
	child.Render(0, 0);
	ExpectPicture(10, 10, 209, 109, "RGBW");
	ExpectPicture(400, 300, 599, 399, "RGBW");
}

TEST_F(BackgroundTest, WrappingAndRotationExcludeEachOther)
{
	zelplayBackground background(PICTURE, &m_errors);
	background.EnableWrapping__DisableRotation();
	EXPECT_TRUE(background.WrappingEnabled());
	background.EnableRotation__DisableWrapping();
	EXPECT_TRUE(background.RotationEnabled());
	EXPECT_FALSE(background.WrappingEnabled());
	background.EnableWrapping__DisableRotation();
	EXPECT_FALSE(background.RotationEnabled());
	background.DisableWrapping();
	EXPECT_FALSE(background.WrappingEnabled());
}

TEST_F(BackgroundTest, RotationTurnsClockwiseAboutThePicturesCentre)
{
	// At (200, 200) the picture's centre is (300, 250).
	struct Case { float angle; bool enabled; int x0, y0, x1, y1; const char* quadrants; };
	const Case cases[] = {
		{90.0f, true, 250, 150, 349, 349, "BRWG"},
		{-90.0f, true, 250, 150, 349, 349, "GWRB"},
		{180.0f, true, 200, 200, 399, 299, "WBGR"},
		{90.0f, false, 200, 200, 399, 299, "RGBW"},
	};
	zelplayBackground background(PICTURE, &m_errors);
	background.BottomLeftX(200);
	background.BottomLeftY(200);
	for (const Case& c : cases)
	{
		SCOPED_TRACE(c.angle);
		TestWindow::Clear();
		c.enabled ? background.EnableRotation__DisableWrapping() : background.DisableRotation();
		background.AngleOfRotation(c.angle);
		EXPECT_EQ(c.angle, background.AngleOfRotation());
		background.Render(0, 0);
		ExpectPicture(c.x0, c.y0, c.x1, c.y1, c.quadrants, 2);
	}
}

TEST_F(BackgroundTest, WrappingDrawsCopiesAcrossTheEdgesOfTheArea)
{
	struct Probe { int x, y; char colour; };
	struct Case
	{
		const char* name;
		short x, y;
		unsigned short areaWidth, areaHeight;
		bool wrapping;
		std::vector<Probe> probes;
	};
	const Case cases[] = {
		{"over the left edge", -100, 0, 640, 480, true,
			{{50, 25, 'W'}, {50, 75, 'G'}, {560, 25, 'B'}, {560, 75, 'R'}, {300, 50, '-'}, {50, 300, '-'}}},
		{"over the top edge", 0, 430, 640, 480, true,
			{{50, 455, 'B'}, {150, 455, 'W'}, {50, 25, 'R'}, {150, 25, 'G'}, {400, 25, '-'}}},
		{"over the top right corner", 540, 430, 640, 480, true,
			{{590, 455, 'B'}, {50, 455, 'W'}, {590, 25, 'R'}, {50, 25, 'G'}, {300, 25, '-'}, {590, 200, '-'}}},
		{"not wrapping", -100, 0, 640, 480, false,
			{{50, 25, 'W'}, {560, 25, '-'}, {560, 75, '-'}}},
		// Touching the edge of a smaller area is not over it.
		{"touching the edge", 100, 100, 300, 200, true, {{0, 175, '-'}, {150, 175, 'R'}}},
		{"one pixel over the edge", 101, 100, 300, 200, true, {{0, 175, 'G'}, {1, 175, '-'}, {150, 175, 'R'}}},
	};
	zelplayBackground background(PICTURE, &m_errors);
	for (const Case& c : cases)
	{
		SCOPED_TRACE(c.name);
		TestWindow::Clear();
		background.BottomLeftX(c.x);
		background.BottomLeftY(c.y);
		c.wrapping ? background.EnableWrapping__DisableRotation() : background.DisableWrapping();
		background.Render(c.areaWidth, c.areaHeight);
		for (const Probe& probe : c.probes)
			EXPECT_EQ(probe.colour, ColourAt(probe.x, probe.y)) << probe.x << ", " << probe.y;
	}
}

TEST_F(BackgroundTest, CopiesAcrossOneEdgeAreDrawnTwiceAndAcrossACornerOnce)
{
	// A half-transparent red picture shows how often each place is drawn:
	// once gives red 128 over black, twice about 191.
	TempFolder folder;
	auto writeImage = [&](const char* p_name, Uint8 p_red, Uint8 p_green, Uint8 p_blue)
	{
		SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, 100, 50, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0);
		ASSERT_TRUE(surface != NULL);
		SDL_FillRect(surface, NULL, SDL_MapRGB(surface->format, p_red, p_green, p_blue));
		ASSERT_EQ(0, SDL_SaveBMP(surface, folder.File(p_name).c_str()));
		SDL_FreeSurface(surface);
	};
	writeImage("red.bmp", 255, 0, 0);
	writeImage("half.bmp", 128, 128, 128);
	folder.Write("half.txt", ".label=\"half\"\n.mpath=\"" + folder.File("half.bmp") + "\"\n.path=\""
		+ folder.File("red.bmp") + "\"\n.type=\"ui8888\"\n.filtering=\"nearest\"\n");
	zelplayBackground background(folder.File("half.txt").c_str(), &m_errors);
	background.EnableWrapping__DisableRotation();
	auto red = [](int p_x, int p_y)
	{
		unsigned char rgba[4];
		TestWindow::Pixel(p_x, p_y, rgba);
		return static_cast<int>(rgba[0]);
	};

	// At (600, 10): drawn at (600, 10), (600, 10), (-40, 10) and (-40, 10).
	background.BottomLeftX(600);
	background.BottomLeftY(10);
	TestWindow::Clear();
	background.Render(640, 480);
	EXPECT_NEAR(191, red(620, 30), 8);
	EXPECT_NEAR(191, red(30, 30), 8);
	EXPECT_EQ(0, red(70, 30));

	// At (-20, 460): (-20, 460), (-20, -20), (620, 460) and (620, -20).
	background.BottomLeftX(-20);
	background.BottomLeftY(460);
	TestWindow::Clear();
	background.Render(640, 480);
	EXPECT_NEAR(128, red(10, 470), 8);
	EXPECT_NEAR(128, red(10, 10), 8);
	EXPECT_NEAR(128, red(630, 470), 8);
	EXPECT_NEAR(128, red(630, 10), 8);
	EXPECT_EQ(0, red(320, 240));
}

TEST_F(BackgroundTest, ListWithMoreThanOneListingIsRefused)
{
	EXPECT_EQ(zelplayBACKGROUND_ERROR__TOO_MANY_LISTINGS_IN_TEXTURE_LIST,
		Thrown([&] { zelplayBackground background("fixtures/background_two_pictures.txt", &m_errors); }));
	// The path follows the message without a blank.
	EXPECT_EQ((std::vector<std::string>{std::string(zelplayBACKGROUND_ERROR__TOO_MANY_LISTINGS_IN_TEXTURE_LIST)
		+ "(\"fixtures/background_two_pictures.txt\")"}), RecordedLines(m_errors));
	EXPECT_EQ(zelplayBACKGROUND_ERROR__TOO_MANY_LISTINGS_IN_TEXTURE_LIST,
		Thrown([&] { zelplayBackground background("fixtures/background_two_pictures.txt", NULL); }));
}

TEST_F(BackgroundTest, MissingArgumentsAreRefused)
{
	EXPECT_EQ(zelplayBACKGROUND_ERROR__TEXTURE_LIST_PATH_NULL,
		Thrown([&] { zelplayBackground background(static_cast<const char*>(NULL), &m_errors); }));
	EXPECT_EQ(zelplayBACKGROUND_ERROR__PARENT_NULL,
		Thrown([&] { zelplayBackground background(static_cast<zelplayBackground*>(NULL), &m_errors); }));
	EXPECT_EQ((std::vector<std::string>{zelplayBACKGROUND_ERROR__TEXTURE_LIST_PATH_NULL, zelplayBACKGROUND_ERROR__PARENT_NULL}),
		RecordedLines(m_errors));
	EXPECT_EQ(zelplayBACKGROUND_ERROR__PARENT_NULL,
		Thrown([&] { zelplayBackground background(static_cast<zelplayBackground*>(NULL), NULL); }));
}

TEST_F(BackgroundTest, TextureListFailuresReachTheCallerUnchanged)
{
	EXPECT_EQ(zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_LIST,
		Thrown([&] { zelplayBackground background("fixtures/nowhere.txt", &m_errors); }));
	EXPECT_EQ((std::vector<std::string>{std::string(zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_LIST) + " (\"fixtures/nowhere.txt\")"}),
		RecordedLines(m_errors));
}

TEST_F(BackgroundTest, DestructionIsRefusedWhileChildrenLive)
{
	// Placed storage, so that the refused destruction can be retried:
	// deleting would release the storage although the background refuses.
	alignas(zelplayBackground) unsigned char parentStorage[sizeof(zelplayBackground)];
	zelplayBackground* parent = new (parentStorage) zelplayBackground(PICTURE, &m_errors);
	zelplayBackground* child = new zelplayBackground(parent, &m_errors);
	zelplayBackground* grandchild = new zelplayBackground(child, &m_errors);
	EXPECT_EQ(parent->Texture(), grandchild->Texture());

	EXPECT_EQ(zelplayBACKGROUND_ERROR__UNABLE_TO_DELETE_PARENT, Thrown([&] { parent->~zelplayBackground(); }));
	EXPECT_EQ((std::vector<std::string>{zelplayBACKGROUND_ERROR__UNABLE_TO_DELETE_PARENT}), RecordedLines(m_errors));

	// The refused parent is intact.
	parent->BottomLeftX(20);
	parent->BottomLeftY(20);
	parent->Render(0, 0);
	ExpectPicture(20, 20, 219, 119, "RGBW");

	EXPECT_EQ(nullptr, Thrown([&] { delete grandchild; }));
	EXPECT_EQ(nullptr, Thrown([&] { delete child; }));
	EXPECT_EQ(nullptr, Thrown([&] { parent->~zelplayBackground(); }));
	EXPECT_EQ(1u, RecordedLines(m_errors).size());
}
