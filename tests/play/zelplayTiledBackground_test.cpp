#include "zelplayTiledBackground.h"

#include "TestWindow.h"
#include "zel2DTexture.h"
#include "zelStringQueue.h"

#include <SDL/SDL.h>
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "Failures.h"

#include <cstdlib>
#include <functional>
#include <new>
#include <string>
#include <vector>

namespace
{
	// A solid-colour BMP of the given size.
	void WriteImage(const std::string& p_path, int p_width, int p_height, Uint8 p_red, Uint8 p_green, Uint8 p_blue)
	{
		SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, p_width, p_height, 32,
			0x00FF0000, 0x0000FF00, 0x000000FF, 0);
		ASSERT_TRUE(surface != NULL);
		SDL_FillRect(surface, NULL, SDL_MapRGB(surface->format, p_red, p_green, p_blue));
		ASSERT_EQ(0, SDL_SaveBMP(surface, p_path.c_str()));
		SDL_FreeSurface(surface);
	}

	struct Listing
	{
		std::string label;
		std::string image;
		std::string mask;
	};

	std::string ListText(const std::vector<Listing>& p_listings)
	{
		std::string text;
		for (const Listing& listing : p_listings)
		{
			text += ".label=\"" + listing.label + "\"\n";
			if (!listing.mask.empty())
				text += ".mpath=\"" + listing.mask + "\"\n";
			text += ".path=\"" + listing.image + "\"\n.type=\"ui8888\"\n.filtering=\"nearest\"\n\n";
		}
		return text;
	}

	class TiledBackgroundTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			TestWindow::Open();
			WriteImage(m_folder.File("red.bmp"), 12, 12, 255, 0, 0);
			WriteImage(m_folder.File("green.bmp"), 12, 12, 0, 255, 0);
			WriteImage(m_folder.File("blue.bmp"), 12, 12, 0, 0, 255);
			m_colours = WriteList("colours.txt", {
				{"red", m_folder.File("red.bmp"), ""},
				{"green", m_folder.File("green.bmp"), ""},
				{"blue", m_folder.File("blue.bmp"), ""}});
		}

		std::string WriteList(const std::string& p_name, const std::vector<Listing>& p_listings)
		{
			m_folder.Write(p_name, ListText(p_listings));
			return m_folder.File(p_name);
		}

		// A list of p_count listings of one 1 x 1 image.
		std::string WriteListOf(int p_count)
		{
			WriteImage(m_folder.File("dot.bmp"), 1, 1, 255, 255, 255);
			std::vector<Listing> listings;
			for (int i = 0; i < p_count; ++i)
				listings.push_back({"t" + std::to_string(i), m_folder.File("dot.bmp"), ""});
			return WriteList("many.txt", listings);
		}

		TempFolder m_folder;
		zelStringQueue m_errors;
		std::string m_colours;
	};

}

TEST_F(TiledBackgroundTest, NewParentHasEmptyTilesAndDefaultSettings)
{
	zelplayTiledBackground background(m_colours.c_str(), 3, 2, &m_errors);

	EXPECT_EQ(3, background.NoOfTileTextures());
	EXPECT_EQ(3, background.WidthInTiles());
	EXPECT_EQ(2, background.HeightInTiles());
	EXPECT_EQ(12, background.TileWidth());
	EXPECT_EQ(12, background.TileHeight());
	EXPECT_EQ(36, background.WidthInPixels());
	EXPECT_EQ(24, background.HeightInPixels());
	for (int y = 0; y < 2; ++y)
		for (int x = 0; x < 3; ++x)
			EXPECT_EQ(255, background.Tile(x, y));
	EXPECT_EQ(0, background.BottomLeftX());
	EXPECT_EQ(0, background.BottomLeftY());
	EXPECT_EQ(0, background.TileXOffset());
	EXPECT_EQ(0, background.TileYOffset());
	EXPECT_FALSE(background.WrappingEnabled());
	EXPECT_FALSE(background.RotationEnabled());
	EXPECT_EQ(0.0f, background.AngleOfRotation());
	EXPECT_TRUE(m_errors.IsEndOfQueue());
}

TEST_F(TiledBackgroundTest, TileTexturesFollowTheOrderOfTheList)
{
	zelplayTiledBackground background(m_colours.c_str(), 1, 1, &m_errors);
	zel2DTexture* textures = background.Textures();

	EXPECT_EQ(textures->Bind("red"), background.TileTextures()[0]);
	EXPECT_EQ(textures->Bind("green"), background.TileTextures()[1]);
	EXPECT_EQ(textures->Bind("blue"), background.TileTextures()[2]);
}

TEST_F(TiledBackgroundTest, ParentConstructorRefusesNullPathAndZeroSizes)
{
	struct Case
	{
		const char* path;
		unsigned char width;
		unsigned char height;
		const char* error;
		std::string line;
	};
	const Case cases[] = {
		{NULL, 1, 1, zelplayTILED_BACKGROUND_ERROR__TILE_TEXTURE_LIST_PATH_NULL,
			zelplayTILED_BACKGROUND_ERROR__TILE_TEXTURE_LIST_PATH_NULL},
		{m_colours.c_str(), 0, 0, zelplayTILED_BACKGROUND_ERROR__ZERO_WIDTH__PARENT,
			Quoted(zelplayTILED_BACKGROUND_ERROR__ZERO_WIDTH__PARENT, m_colours)},
		{m_colours.c_str(), 1, 0, zelplayTILED_BACKGROUND_ERROR__ZERO_HEIGHT__PARENT,
			Quoted(zelplayTILED_BACKGROUND_ERROR__ZERO_HEIGHT__PARENT, m_colours)},
	};
	for (const Case& c : cases)
	{
		EXPECT_EQ(c.error, Thrown([&] { zelplayTiledBackground background(c.path, c.width, c.height, &m_errors); }));
		EXPECT_EQ(c.line, NextRecordedLine(m_errors));
		EXPECT_TRUE(m_errors.IsEndOfQueue());
	}
}

TEST_F(TiledBackgroundTest, TextureListFailuresReachTheCallerUnchanged)
{
	const std::string missing = m_folder.File("missing.txt");

	EXPECT_EQ(zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_LIST,
		Thrown([&] { zelplayTiledBackground background(missing.c_str(), 1, 1, &m_errors); }));
	EXPECT_EQ(Quoted(zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_LIST, missing), NextRecordedLine(m_errors));
	EXPECT_TRUE(m_errors.IsEndOfQueue());
}

TEST_F(TiledBackgroundTest, TexturesOfDifferentSizesAreRefusedEvenWithTheSamePaddedSize)
{
	// 15 and 16 pixels both pad to 16 texels.
	WriteImage(m_folder.File("wide.bmp"), 16, 16, 255, 0, 0);
	WriteImage(m_folder.File("narrow.bmp"), 15, 16, 255, 0, 0);
	const std::string list = WriteList("uneven.txt", {
		{"wide", m_folder.File("wide.bmp"), ""},
		{"narrow", m_folder.File("narrow.bmp"), ""}});

	EXPECT_EQ(zelplayTILED_BACKGROUND_ERROR__TEXTURE_DIMENSIONS_NOT_UNIFORM,
		Thrown([&] { zelplayTiledBackground background(list.c_str(), 1, 1, &m_errors); }));
	EXPECT_EQ(Quoted(zelplayTILED_BACKGROUND_ERROR__TEXTURE_DIMENSIONS_NOT_UNIFORM, list), NextRecordedLine(m_errors));
	EXPECT_TRUE(m_errors.IsEndOfQueue());
}

TEST_F(TiledBackgroundTest, AcceptsAtMost254TileTextures)
{
	const std::string list254 = WriteListOf(254);
	{
		zelplayTiledBackground background(list254.c_str(), 1, 1, &m_errors);
		EXPECT_EQ(254, background.NoOfTileTextures());
		background.Tile(0, 0, 253);
		EXPECT_EQ(253, background.Tile(0, 0));
	}

	// 255 is the number of an empty tile, so a 255th texture could not be shown.
	const std::string list255 = WriteListOf(255);
	EXPECT_EQ(zelplayTILED_BACKGROUND_ERROR__TOO_MANY_TEXTURES,
		Thrown([&] { zelplayTiledBackground background(list255.c_str(), 1, 1, &m_errors); }));
	EXPECT_EQ(std::string(zelplayTILED_BACKGROUND_ERROR__TOO_MANY_TEXTURES)
		+ " (cap on no. of tile textures is 254; \"" + list255 + "\")", NextRecordedLine(m_errors));
	EXPECT_TRUE(m_errors.IsEndOfQueue());
}

TEST_F(TiledBackgroundTest, FailuresWithoutAnErrorQueueOnlyThrow)
{
	const std::string list255 = WriteListOf(255);
	EXPECT_EQ(zelplayTILED_BACKGROUND_ERROR__TOO_MANY_TEXTURES,
		Thrown([&] { zelplayTiledBackground background(list255.c_str(), 1, 1, NULL); }));

	zelplayTiledBackground background(m_colours.c_str(), 1, 1, NULL);
	EXPECT_EQ(zelplayTILED_BACKGROUND_ERROR__INVALID_TILE_COORDINATES, Thrown([&] { background.Tile(1, 0, 0); }));
}

TEST_F(TiledBackgroundTest, TilesAreStoredRowByRowFromTheBottomLeft)
{
	zelplayTiledBackground background(m_colours.c_str(), 3, 2, &m_errors);

	background.Tile(2, 0, 1);
	background.Tile(0, 1, 2);
	EXPECT_EQ(1, background.Tile(2, 0));
	EXPECT_EQ(2, background.Tile(0, 1));
	EXPECT_EQ(255, background.Tile(1, 0));
	EXPECT_EQ(255, background.Tile(2, 1));

	background.Tile(2, 0, 255);
	EXPECT_EQ(255, background.Tile(2, 0));

	background.Tiles(1);
	for (int y = 0; y < 2; ++y)
		for (int x = 0; x < 3; ++x)
			EXPECT_EQ(1, background.Tile(x, y));
	background.Tiles(255);
	EXPECT_EQ(255, background.Tile(1, 1));
	EXPECT_TRUE(m_errors.IsEndOfQueue());
}

TEST_F(TiledBackgroundTest, TileChecksTheTextureNumberBeforeTheCoordinates)
{
	zelplayTiledBackground background(m_colours.c_str(), 3, 2, &m_errors);
	background.Tile(1, 1, 2);
	struct Case
	{
		const char* what;
		std::function<void()> operation;
		const char* error;
	};
	const Case cases[] = {
		{"number = no. of textures", [&] { background.Tile(0, 0, 3); },
			zelplayTILED_BACKGROUND_ERROR__INVALID_TILE_TEXTURE_NO__TILE},
		{"bad number and coordinates", [&] { background.Tile(200, 200, 3); },
			zelplayTILED_BACKGROUND_ERROR__INVALID_TILE_TEXTURE_NO__TILE},
		{"x = width", [&] { background.Tile(3, 0, 0); }, zelplayTILED_BACKGROUND_ERROR__INVALID_TILE_COORDINATES},
		{"y = height", [&] { background.Tile(0, 2, 255); }, zelplayTILED_BACKGROUND_ERROR__INVALID_TILE_COORDINATES},
		{"read at y = height", [&] { background.Tile(0, 2); }, zelplayTILED_BACKGROUND_ERROR__INVALID_TILE_COORDINATES},
		{"read at x = width", [&] { background.Tile(3, 0); }, zelplayTILED_BACKGROUND_ERROR__INVALID_TILE_COORDINATES},
		{"all tiles", [&] { background.Tiles(3); }, zelplayTILED_BACKGROUND_ERROR__INVALID_TILE_TEXTURE_NO__TILES},
	};
	for (const Case& c : cases)
	{
		EXPECT_EQ(c.error, Thrown(c.operation)) << c.what;
		EXPECT_EQ(c.error, NextRecordedLine(m_errors)) << c.what;
		EXPECT_TRUE(m_errors.IsEndOfQueue()) << c.what;
	}
	EXPECT_EQ(2, background.Tile(1, 1));
	EXPECT_EQ(255, background.Tile(0, 0));
}

TEST_F(TiledBackgroundTest, OffsetsGiveThePixelSizes)
{
	WriteImage(m_folder.File("eight.bmp"), 8, 8, 255, 255, 255);
	const std::string list = WriteList("eight.txt", {{"eight", m_folder.File("eight.bmp"), ""}});
	zelplayTiledBackground background(list.c_str(), 10, 10, &m_errors);
	struct Case
	{
		signed char offset;
		unsigned short pixels;
	};
	const Case cases[] = {{0, 80}, {-2, 62}, {-8, 8}, {3, 107}, {127, 1223}};
	for (const Case& c : cases)
	{
		background.TileXOffset(c.offset);
		background.TileYOffset(c.offset);
		EXPECT_EQ(c.offset, background.TileXOffset());
		EXPECT_EQ(c.offset, background.TileYOffset());
		EXPECT_EQ(c.pixels, background.WidthInPixels()) << int(c.offset);
		EXPECT_EQ(c.pixels, background.HeightInPixels()) << int(c.offset);
	}
	EXPECT_TRUE(m_errors.IsEndOfQueue());
}

TEST_F(TiledBackgroundTest, OffsetsBelowMinusTheTileSizeAreRefused)
{
	zelplayTiledBackground background(m_colours.c_str(), 2, 2, &m_errors);
	background.TileXOffset(-12);
	background.TileYOffset(-12);

	EXPECT_EQ(zelplayTILED_BACKGROUND_ERROR__X_OFFSET_LESS_THAN_TILE_TEXTURE_WIDTH,
		Thrown([&] { background.TileXOffset(-13); }));
	EXPECT_EQ(zelplayTILED_BACKGROUND_ERROR__X_OFFSET_LESS_THAN_TILE_TEXTURE_WIDTH, NextRecordedLine(m_errors));
	EXPECT_EQ(zelplayTILED_BACKGROUND_ERROR__Y_OFFSET_LESS_THAN_TILE_TEXTURE_WIDTH,
		Thrown([&] { background.TileYOffset(-13); }));
	EXPECT_EQ(zelplayTILED_BACKGROUND_ERROR__Y_OFFSET_LESS_THAN_TILE_TEXTURE_WIDTH, NextRecordedLine(m_errors));
	EXPECT_TRUE(m_errors.IsEndOfQueue());
	EXPECT_EQ(-12, background.TileXOffset());
	EXPECT_EQ(-12, background.TileYOffset());
}

TEST_F(TiledBackgroundTest, WrappingAndRotationExcludeEachOther)
{
	zelplayTiledBackground background(m_colours.c_str(), 1, 1, &m_errors);
	background.AngleOfRotation(30.0f);

	background.EnableRotation__DisableWrapping();
	EXPECT_TRUE(background.RotationEnabled());
	background.EnableWrapping__DisableRotation();
	EXPECT_TRUE(background.WrappingEnabled());
	EXPECT_FALSE(background.RotationEnabled());
	background.EnableRotation__DisableWrapping();
	EXPECT_FALSE(background.WrappingEnabled());
	background.DisableRotation();
	EXPECT_FALSE(background.RotationEnabled());
	background.EnableWrapping__DisableRotation();
	background.DisableWrapping();
	EXPECT_FALSE(background.WrappingEnabled());
	EXPECT_EQ(30.0f, background.AngleOfRotation());

	background.BottomLeftX(-32768);
	background.BottomLeftY(32767);
	EXPECT_EQ(-32768, background.BottomLeftX());
	EXPECT_EQ(32767, background.BottomLeftY());
}

TEST_F(TiledBackgroundTest, ChildSharesTheTileTexturesWithItsOwnGrid)
{
	zelplayTiledBackground parent(m_colours.c_str(), 2, 2, &m_errors);
	parent.Tile(0, 0, 1);
	parent.TileXOffset(4);
	{
		zelplayTiledBackground child(&parent, 5, 1, &m_errors);
		EXPECT_EQ(parent.Textures(), child.Textures());
		EXPECT_EQ(parent.TileTextures(), child.TileTextures());
		EXPECT_EQ(3, child.NoOfTileTextures());
		EXPECT_EQ(12, child.TileWidth());
		EXPECT_EQ(5, child.WidthInTiles());
		EXPECT_EQ(1, child.HeightInTiles());
		EXPECT_EQ(0, child.TileXOffset());
		EXPECT_EQ(255, child.Tile(0, 0));
		child.Tile(4, 0, 2);
		EXPECT_EQ(2, child.Tile(4, 0));
		EXPECT_EQ(1, parent.Tile(0, 0));
		EXPECT_EQ(zelplayTILED_BACKGROUND_ERROR__INVALID_TILE_TEXTURE_NO__TILE,
			Thrown([&] { child.Tile(0, 0, 3); }));
		NextRecordedLine(m_errors);
	}
	EXPECT_TRUE(m_errors.IsEndOfQueue());
}

TEST_F(TiledBackgroundTest, ChildConstructorRefusesNullParentAndZeroSizes)
{
	zelplayTiledBackground parent(m_colours.c_str(), 1, 1, &m_errors);
	struct Case
	{
		zelplayTiledBackground* parent;
		unsigned char width;
		unsigned char height;
		const char* error;
	};
	const Case cases[] = {
		{NULL, 1, 1, zelplayTILED_BACKGROUND_ERROR__PARENT_NULL},
		{&parent, 0, 1, zelplayTILED_BACKGROUND_ERROR__ZERO_WIDTH__CHILD},
		{&parent, 1, 0, zelplayTILED_BACKGROUND_ERROR__ZERO_HEIGHT__CHILD},
	};
	for (const Case& c : cases)
	{
		EXPECT_EQ(c.error, Thrown([&] { zelplayTiledBackground child(c.parent, c.width, c.height, &m_errors); }));
		EXPECT_EQ(c.error, NextRecordedLine(m_errors));
		EXPECT_TRUE(m_errors.IsEndOfQueue());
	}
	// The refused children were never counted: the parent can still go
	// (the scope's end destroys it without a throw).
}

TEST_F(TiledBackgroundTest, ParentRefusesDestructionWhileAChildLives)
{
	// Built in place so that a refused destruction can be tried again.
	alignas(zelplayTiledBackground) unsigned char parentStorage[sizeof(zelplayTiledBackground)];
	alignas(zelplayTiledBackground) unsigned char childStorage[sizeof(zelplayTiledBackground)];
	zelplayTiledBackground* parent = new (parentStorage) zelplayTiledBackground(m_colours.c_str(), 2, 1, &m_errors);
	zelplayTiledBackground* child = new (childStorage) zelplayTiledBackground(parent, 1, 1, &m_errors);
	zelplayTiledBackground* grandchild = new zelplayTiledBackground(child, 1, 1, &m_errors);

	EXPECT_EQ(zelplayTILED_BACKGROUND_ERROR__UNABLE_TO_DELETE_PARENT,
		Thrown([&] { parent->~zelplayTiledBackground(); }));
	EXPECT_EQ(zelplayTILED_BACKGROUND_ERROR__UNABLE_TO_DELETE_PARENT, NextRecordedLine(m_errors));
	EXPECT_EQ(zelplayTILED_BACKGROUND_ERROR__UNABLE_TO_DELETE_PARENT,
		Thrown([&] { child->~zelplayTiledBackground(); }));
	EXPECT_EQ(zelplayTILED_BACKGROUND_ERROR__UNABLE_TO_DELETE_PARENT, NextRecordedLine(m_errors));

	// Nothing was released: both still work.
	parent->Tile(1, 0, 2);
	EXPECT_EQ(2, parent->Tile(1, 0));
	EXPECT_EQ(parent->Textures(), grandchild->Textures());

	delete grandchild;
	EXPECT_EQ(zelplayTILED_BACKGROUND_ERROR__UNABLE_TO_DELETE_PARENT,
		Thrown([&] { parent->~zelplayTiledBackground(); }));
	EXPECT_EQ(zelplayTILED_BACKGROUND_ERROR__UNABLE_TO_DELETE_PARENT, NextRecordedLine(m_errors));
	EXPECT_TRUE(Thrown([&] { child->~zelplayTiledBackground(); }) == NULL);
	EXPECT_TRUE(Thrown([&] { parent->~zelplayTiledBackground(); }) == NULL);
	EXPECT_TRUE(m_errors.IsEndOfQueue());
}

// Drawing, read back from the framebuffer (640 x 480, origin bottom left).

TEST_F(TiledBackgroundTest, DrawsEachTileAtItsPlaceFromTheBottomLeft)
{
	zelplayTiledBackground background(m_colours.c_str(), 2, 2, &m_errors);
	background.Tile(0, 0, 0);
	background.Tile(1, 0, 1);
	background.Tile(0, 1, 2);
	background.BottomLeftX(100);
	background.BottomLeftY(50);
	TestWindow::Clear();
	background.Render(0, 0);

	// 12 x 12 tiles: the columns start at x 100 and 112, the rows at y 50 and 62.
	EXPECT_TRUE(TestWindow::PixelIs(100, 50, 255, 0, 0));
	EXPECT_TRUE(TestWindow::PixelIs(111, 61, 255, 0, 0));
	EXPECT_TRUE(TestWindow::PixelIs(112, 50, 0, 255, 0));
	EXPECT_TRUE(TestWindow::PixelIs(123, 61, 0, 255, 0));
	EXPECT_TRUE(TestWindow::PixelIs(100, 62, 0, 0, 255));
	EXPECT_TRUE(TestWindow::PixelIs(111, 73, 0, 0, 255));
	// The empty tile, the transparent padding of the 16-texel textures, and outside.
	EXPECT_TRUE(TestWindow::PixelIs(117, 67, 0, 0, 0));
	EXPECT_TRUE(TestWindow::PixelIs(125, 55, 0, 0, 0));
	EXPECT_TRUE(TestWindow::PixelIs(99, 55, 0, 0, 0));
	EXPECT_TRUE(TestWindow::PixelIs(105, 49, 0, 0, 0));
}

TEST_F(TiledBackgroundTest, OffsetsOpenGapsAndOverlapRows)
{
	zelplayTiledBackground background(m_colours.c_str(), 2, 2, &m_errors);
	background.Tile(0, 0, 0);
	background.Tile(1, 0, 1);
	background.Tile(0, 1, 2);
	background.BottomLeftX(100);
	background.BottomLeftY(50);
	background.TileXOffset(3);
	background.TileYOffset(-2);
	TestWindow::Clear();
	background.Render(0, 0);

	EXPECT_TRUE(TestWindow::PixelIs(111, 55, 255, 0, 0));
	EXPECT_TRUE(TestWindow::PixelIs(113, 55, 0, 0, 0));
	EXPECT_TRUE(TestWindow::PixelIs(115, 55, 0, 255, 0));
	EXPECT_TRUE(TestWindow::PixelIs(126, 55, 0, 255, 0));
	// The upper row starts at y 60 and is drawn over the top of the lower one.
	EXPECT_TRUE(TestWindow::PixelIs(105, 59, 255, 0, 0));
	EXPECT_TRUE(TestWindow::PixelIs(105, 60, 0, 0, 255));
	EXPECT_TRUE(TestWindow::PixelIs(105, 71, 0, 0, 255));
	EXPECT_TRUE(TestWindow::PixelIs(105, 72, 0, 0, 0));
}

TEST_F(TiledBackgroundTest, RotatesClockwiseAboutItsCentre)
{
	WriteImage(m_folder.File("red16.bmp"), 16, 16, 255, 0, 0);
	WriteImage(m_folder.File("green16.bmp"), 16, 16, 0, 255, 0);
	WriteImage(m_folder.File("blue16.bmp"), 16, 16, 0, 0, 255);
	const std::string list = WriteList("sixteen.txt", {
		{"red", m_folder.File("red16.bmp"), ""},
		{"green", m_folder.File("green16.bmp"), ""},
		{"blue", m_folder.File("blue16.bmp"), ""}});
	zelplayTiledBackground background(list.c_str(), 3, 1, &m_errors);
	background.Tile(0, 0, 0);
	background.Tile(1, 0, 1);
	background.Tile(2, 0, 2);
	background.BottomLeftX(100);
	background.BottomLeftY(100);
	background.AngleOfRotation(90.0f);

	// The angle alone changes nothing.
	TestWindow::Clear();
	background.Render(0, 0);
	EXPECT_TRUE(TestWindow::PixelIs(108, 108, 255, 0, 0));
	EXPECT_TRUE(TestWindow::PixelIs(140, 108, 0, 0, 255));

	// About (124, 108): the row now runs from top to bottom.
	background.EnableRotation__DisableWrapping();
	TestWindow::Clear();
	background.Render(0, 0);
	EXPECT_TRUE(TestWindow::PixelIs(124, 124, 255, 0, 0));
	EXPECT_TRUE(TestWindow::PixelIs(124, 108, 0, 255, 0));
	EXPECT_TRUE(TestWindow::PixelIs(124, 92, 0, 0, 255));
	EXPECT_TRUE(TestWindow::PixelIs(108, 108, 0, 0, 0));
	EXPECT_TRUE(TestWindow::PixelIs(140, 108, 0, 0, 0));
	EXPECT_TRUE(TestWindow::PixelIs(124, 134, 0, 0, 0));

	background.AngleOfRotation(-90.0f);
	TestWindow::Clear();
	background.Render(0, 0);
	EXPECT_TRUE(TestWindow::PixelIs(124, 92, 255, 0, 0));
	EXPECT_TRUE(TestWindow::PixelIs(124, 124, 0, 0, 255));
}

// A half-transparent 100 x 50 tile shows how often each place is drawn:
// once gives red 128 over black, twice about 191.
class TiledBackgroundWrappingTest : public TiledBackgroundTest
{
protected:
	void SetUp() override
	{
		TiledBackgroundTest::SetUp();
		WriteImage(m_folder.File("wide.bmp"), 100, 50, 255, 0, 0);
		WriteImage(m_folder.File("half.bmp"), 100, 50, 128, 128, 128);
		m_list = WriteList("wide.txt", {{"wide", m_folder.File("wide.bmp"), m_folder.File("half.bmp")}});
	}

	// Clears the screen and renders the background at (p_x, p_y) over 640 x 480.
	void Draw(zelplayTiledBackground& p_background, short p_x, short p_y)
	{
		p_background.BottomLeftX(p_x);
		p_background.BottomLeftY(p_y);
		TestWindow::Clear();
		p_background.Render(640, 480);
	}

	static int Red(int p_x, int p_y)
	{
		unsigned char rgba[4];
		TestWindow::Pixel(p_x, p_y, rgba);
		return rgba[0];
	}

	std::string m_list;
};

TEST_F(TiledBackgroundWrappingTest, CopiesAcrossOneEdgeAreDrawnTwice)
{
	zelplayTiledBackground background(m_list.c_str(), 1, 1, &m_errors);
	background.Tile(0, 0, 0);
	background.EnableWrapping__DisableRotation();

	// At (600, 10): drawn at (600, 10), (600, 10), (-40, 10) and (-40, 10).
	Draw(background, 600, 10);
	EXPECT_NEAR(191, Red(620, 30), 8);
	EXPECT_NEAR(191, Red(30, 30), 8);
	EXPECT_EQ(0, Red(70, 30));

	// At x -20 the copy goes to 620.
	Draw(background, -20, 10);
	EXPECT_NEAR(191, Red(10, 30), 8);
	EXPECT_NEAR(191, Red(630, 30), 8);
	EXPECT_EQ(0, Red(600, 30));

	// Off the top: the copy comes in at the bottom.
	Draw(background, 300, 460);
	EXPECT_NEAR(191, Red(350, 470), 8);
	EXPECT_NEAR(191, Red(350, 10), 8);
}

TEST_F(TiledBackgroundWrappingTest, CopiesAcrossACornerAreDrawnOnceEach)
{
	zelplayTiledBackground background(m_list.c_str(), 1, 1, &m_errors);
	background.Tile(0, 0, 0);
	background.EnableWrapping__DisableRotation();

	// At (-20, 460): (-20, 460), (-20, -20), (620, 460) and (620, -20).
	Draw(background, -20, 460);
	EXPECT_NEAR(128, Red(10, 470), 8);
	EXPECT_NEAR(128, Red(10, 10), 8);
	EXPECT_NEAR(128, Red(630, 470), 8);
	EXPECT_NEAR(128, Red(630, 10), 8);
	EXPECT_EQ(0, Red(320, 240));
}

TEST_F(TiledBackgroundWrappingTest, NoCopiesInsideTheAreaOrWithWrappingOff)
{
	zelplayTiledBackground background(m_list.c_str(), 1, 1, &m_errors);
	background.Tile(0, 0, 0);
	background.EnableWrapping__DisableRotation();

	// Ending exactly at the right and top edges is still inside.
	Draw(background, 540, 430);
	EXPECT_NEAR(128, Red(600, 450), 8);
	EXPECT_EQ(0, Red(10, 450));
	EXPECT_EQ(0, Red(600, 10));

	background.DisableWrapping();
	Draw(background, 600, 10);
	EXPECT_NEAR(128, Red(620, 30), 8);
	EXPECT_EQ(0, Red(30, 30));
}
