#include "zel2DTexture.h"
#include "zelHighLevelList.h"
#include "zelStringQueue.h"
#include "zelplayBackground.h"
#include "zelplaySprite.h"
#include "zelplayTiledBackground.h"

#include "TestWindow.h"

#include <SDL/SDL.h>
#include <SDL/SDL_image.h>
#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
	// The game reads its pictures with the resources folder as working
	// directory; the paths inside the lists are relative to it.
	const char DATA_FOLDER[] = "../../data";

	const char* const STILL_SPRITES[] = {
		"_big_kitten/big_kitten_sprite.txt",
		"_big_kitten_shadow/big_kitten_shadow_sprite.txt",
		"_big_kitten_paw/big_kitten_paw_sprite.txt",
		"_big_kitten_paw_shadow/big_kitten_paw_shadow_sprite.txt",
		"_difficulty_kitten/difficulty_kitten_sprite.txt",
		"_difficulty_evil_kitten/difficulty_evil_kitten_sprite.txt",
		"snowflake_sprite.txt",
		"_font_sprites_others/dot_sprite.txt",
	};
	const char* const VANISHING_SPRITES[] = {"_ice/ice_sprite.txt", "_kitten/kitten_sprite.txt"};
	const char* const TEXTURE_LISTS[] = {"font.txt", "playfield.txt", "shadow_playfield.txt", "background.txt"};

	// The spinning text's letters, one sprite per letter.
	std::vector<std::string> LetterSprites()
	{
		std::vector<std::string> paths;
		for (char letter = 'a'; letter <= 'z'; ++letter)
			paths.push_back(std::string("_font_sprites_lowercase_letters/") + letter + "_sprite.txt");
		for (char letter = 'A'; letter <= 'Z'; ++letter)
			paths.push_back(std::string("_font_sprites_uppercase_letters/") + letter + "_sprite.txt");
		return paths;
	}

	std::vector<std::string> AllSprites()
	{
		std::vector<std::string> paths(std::begin(STILL_SPRITES), std::end(STILL_SPRITES));
		paths.insert(paths.end(), std::begin(VANISHING_SPRITES), std::end(VANISHING_SPRITES));
		std::vector<std::string> letters = LetterSprites();
		paths.insert(paths.end(), letters.begin(), letters.end());
		return paths;
	}

	// Every line recorded in the queue, for failure messages.
	std::string Recorded(zelStringQueue& p_errors)
	{
		std::string lines;
		p_errors.Reset();
		while (!p_errors.IsEndOfQueue())
		{
			char* line = p_errors.Pop();
			lines += std::string("\n  ") + line;
			free(line);
		}
		return lines;
	}

	struct Listing
	{
		std::string label;
		std::string path;
		std::string maskPath;
	};

	std::string TakeString(zelHighLevelList& p_list, const char* p_label)
	{
		char* value = p_list.String(p_label);
		std::string text(value);
		free(value);
		return text;
	}

	// The listings of a texture list, read as the texture library reads them.
	std::vector<Listing> TextureListings(const std::string& p_path)
	{
		std::vector<Listing> listings;
		zelStringQueue errors;
		FILE* file = fopen(p_path.c_str(), "r");
		if (file == NULL)
		{
			ADD_FAILURE() << "cannot open " << p_path;
			return listings;
		}
		zelHighLevelList list(&errors);
		const char* members[] = {"label", "path", "mpath", "type", "filtering", "nosclamp", "notclamp"};
		for (const char* member : members)
			list.NewMember(member, zelHLL_MEMBER_TYPE__STRING);
		list.NewBreakMembers("path", "type", "filtering", NULL);
		try
		{
			for (list.Input(file); list.AllBreakMembersHaveBeenInput(); list.Input(file))
			{
				Listing listing;
				listing.label = list.MemberHasBeenInput("label") ? TakeString(list, "label") : "";
				listing.path = TakeString(list, "path");
				listing.maskPath = list.MemberHasBeenInput("mpath") ? TakeString(list, "mpath") : "";
				listings.push_back(listing);
				list.ClearInput();
			}
		}
		catch (const char* message)
		{
			ADD_FAILURE() << p_path << ": " << message << Recorded(errors);
		}
		fclose(file);
		return listings;
	}

	// The texture list that a sprite definition names.
	std::string SpriteTextureList(const std::string& p_definition)
	{
		zelStringQueue errors;
		std::string path;
		FILE* file = fopen(p_definition.c_str(), "r");
		if (file == NULL)
		{
			ADD_FAILURE() << "cannot open " << p_definition;
			return path;
		}
		zelHighLevelList list(&errors);
		list.NewMember("path", zelHLL_MEMBER_TYPE__STRING);
		list.NewMember("delay", zelHLL_MEMBER_TYPE__INT);
		list.NewMember("behaviour", zelHLL_MEMBER_TYPE__STRING);
		list.NewMember("bRepeatFrom", zelHLL_MEMBER_TYPE__INT);
		list.NewBreakMembers("path", "delay", "behaviour", NULL);
		try
		{
			list.Input(file);
			if (list.AllBreakMembersHaveBeenInput())
				path = TakeString(list, "path");
			else
				ADD_FAILURE() << p_definition << " is not a complete sprite definition";
		}
		catch (const char* message)
		{
			ADD_FAILURE() << p_definition << ": " << message << Recorded(errors);
		}
		fclose(file);
		return path;
	}

	class PicturesTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			// Resolved once, while the working directory is still the test's own.
			static const std::string data = AbsolutePath(DATA_FOLDER);
			TestWindow::Open();
			TestWindow::Clear();
			ASSERT_EQ(0, chdir(data.c_str())) << "no data folder at " << data;
		}

		static std::string AbsolutePath(const char* p_path)
		{
			char resolved[PATH_MAX];
			return realpath(p_path, resolved) != NULL ? resolved : p_path;
		}

		// Each loader fails the test with the thrown and recorded messages.
		zelplaySprite* LoadSprite(const std::string& p_path)
		{
			try
			{
				return new zelplaySprite(p_path.c_str(), &m_errors);
			}
			catch (const char* message)
			{
				ADD_FAILURE() << p_path << ": " << message << Recorded(m_errors);
				return NULL;
			}
		}

		zelplayTiledBackground* LoadTiles(const std::string& p_path)
		{
			try
			{
				return new zelplayTiledBackground(p_path.c_str(), 3, 1, &m_errors);
			}
			catch (const char* message)
			{
				ADD_FAILURE() << p_path << ": " << message << Recorded(m_errors);
				return NULL;
			}
		}

		zelplayBackground* LoadBackground(const std::string& p_path)
		{
			try
			{
				return new zelplayBackground(p_path.c_str(), &m_errors);
			}
			catch (const char* message)
			{
				ADD_FAILURE() << p_path << ": " << message << Recorded(m_errors);
				return NULL;
			}
		}

		void LoadTextures(const std::string& p_path)
		{
			try
			{
				zel2DTexture textures(p_path.c_str(), NULL, &m_errors);
			}
			catch (const char* message)
			{
				ADD_FAILURE() << p_path << ": " << message << Recorded(m_errors);
			}
		}

		zelStringQueue m_errors;
	};

	// Mean red minus mean blue of a square of the screen: above 0 warm,
	// below 0 cool.
	int Warmth(int p_x, int p_y, int p_size)
	{
		int warmth = 0;
		for (int y = p_y; y < p_y + p_size; ++y)
			for (int x = p_x; x < p_x + p_size; ++x)
			{
				unsigned char rgba[4];
				TestWindow::Pixel(x, y, rgba);
				warmth += rgba[0] - rgba[2];
			}
		return warmth / (p_size * p_size);
	}

	// Width and height of every frame of a sprite.
	std::vector<std::pair<int, int>> FrameSizes(zelplaySprite& p_sprite)
	{
		std::vector<std::pair<int, int>> sizes;
		for (int frame = 0; frame < p_sprite.NoOfFrames(); ++frame)
		{
			zel2DTexture* texture = p_sprite.FrameTextures()[frame];
			sizes.push_back(std::make_pair(texture->Width(), texture->Height()));
		}
		return sizes;
	}
}

TEST_F(PicturesTest, FontHasUniformGlyphsForEveryCharacterAndEscapeThatFitTheLongestTexts)
{
	zelplayTiledBackground* font = LoadTiles("font.txt");
	zelplaySprite* kitten = LoadSprite("_big_kitten/big_kitten_sprite.txt");
	ASSERT_TRUE(font != NULL && kitten != NULL);
	// Digits, both cases, 13 marks and the three escape glyphs.
	EXPECT_GE(font->NoOfTileTextures(), 78);
	const int glyphWidth = font->TileWidth();
	const int glyphHeight = font->TileHeight();
	// The highscore table, 43 columns by 21 lines placed at (56, 36), with
	// the big kitten beside it on the 640 x 480 screen.
	EXPECT_LE(56 + 43 * glyphWidth + kitten->WidthInPixels(), 640);
	EXPECT_LE(36 + 21 * glyphHeight, 480);
	// The status panel's four lines, from y 360 up to the top of the screen.
	EXPECT_LE(360 + 4 * glyphHeight, 480);
	delete kitten;
	delete font;
}

TEST_F(PicturesTest, PlayfieldTilesAndTheirShadowsAreThreeCellSizedBlocks)
{
	for (const char* path : {"playfield.txt", "shadow_playfield.txt"})
	{
		SCOPED_TRACE(path);
		zelplayTiledBackground* tiles = LoadTiles(path);
		ASSERT_TRUE(tiles != NULL);
		EXPECT_EQ(3, tiles->NoOfTileTextures());
		EXPECT_EQ(24, tiles->TileWidth());
		EXPECT_EQ(24, tiles->TileHeight());
		delete tiles;
	}
}

TEST_F(PicturesTest, IceIsCoolAndKittensAreWarmOnScreen)
{
	// Frozen kittens wear the ice's cool frame around a warm face, so all
	// three blocks part at a glance by colour alone.
	zelplayTiledBackground* tiles = LoadTiles("playfield.txt");
	ASSERT_TRUE(tiles != NULL);
	for (unsigned char type = 0; type < 3; ++type)
		tiles->Tile(type, 0, type);
	tiles->Render(0, 0);
	const int ice = 0, frozen = 24, kitten = 48;
	EXPECT_LT(Warmth(ice + 6, 6, 12), -30);
	EXPECT_GT(Warmth(frozen + 6, 6, 12), 30);
	EXPECT_GT(Warmth(kitten + 6, 6, 12), 30);
	EXPECT_LT(Warmth(ice + 2, 2, 2), -30);
	EXPECT_LT(Warmth(frozen + 2, 2, 2), -30);
	EXPECT_GT(Warmth(kitten + 2, 11, 2), 100);
	// The kitten's mask leaves the corners beside its cheeks see-through.
	EXPECT_TRUE(TestWindow::PixelIs(kitten, 0, 0, 0, 0));
	delete tiles;
}

TEST_F(PicturesTest, VanishingAnimationsHaltOnCellSizedFrames)
{
	for (const char* path : VANISHING_SPRITES)
	{
		SCOPED_TRACE(path);
		zelplaySprite* sprite = LoadSprite(path);
		ASSERT_TRUE(sprite != NULL);
		EXPECT_EQ(zelplaySPRITE_BEHAVIOUR__HALT, sprite->Behaviour());
		EXPECT_GE(sprite->NoOfFrames(), 2);
		for (const std::pair<int, int>& size : FrameSizes(*sprite))
			EXPECT_EQ(std::make_pair(24, 24), size);
		// The playfield waits for these to halt, so they must, and soon.
		unsigned int elapsed = 0;
		while (!sprite->Halted() && elapsed < 2000)
		{
			sprite->Render(sprite->DelayBetweenFrames());
			elapsed += sprite->DelayBetweenFrames();
		}
		EXPECT_TRUE(sprite->Halted());
		EXPECT_LE(elapsed, 600u);
		delete sprite;
	}
}

TEST_F(PicturesTest, EverySpriteHasFramesOfOneSize)
{
	for (const std::string& path : AllSprites())
	{
		SCOPED_TRACE(path);
		zelplaySprite* sprite = LoadSprite(path);
		if (sprite == NULL)
			continue;
		std::vector<std::pair<int, int>> sizes = FrameSizes(*sprite);
		ASSERT_FALSE(sizes.empty());
		for (const std::pair<int, int>& size : sizes)
			EXPECT_EQ(sizes.front(), size);
		delete sprite;
	}
}

TEST_F(PicturesTest, PicturesDrawnInPlaceOfEachOtherShareTheirSize)
{
	// A shadow lies under its picture at an offset; the evil kitten shows
	// through where the difficulty kitten fades; letters stand evenly on a circle.
	std::vector<std::pair<std::string, std::string>> pairs = {
		{"_big_kitten/big_kitten_sprite.txt", "_big_kitten_shadow/big_kitten_shadow_sprite.txt"},
		{"_big_kitten_paw/big_kitten_paw_sprite.txt", "_big_kitten_paw_shadow/big_kitten_paw_shadow_sprite.txt"},
		{"_difficulty_kitten/difficulty_kitten_sprite.txt", "_difficulty_evil_kitten/difficulty_evil_kitten_sprite.txt"},
	};
	for (const std::string& letter : LetterSprites())
		pairs.push_back(std::make_pair(std::string("_font_sprites_others/dot_sprite.txt"), letter));
	for (const std::pair<std::string, std::string>& pair : pairs)
	{
		SCOPED_TRACE(pair.first + " and " + pair.second);
		zelplaySprite* first = LoadSprite(pair.first);
		zelplaySprite* second = LoadSprite(pair.second);
		if (first != NULL && second != NULL)
		{
			EXPECT_EQ(first->WidthInPixels(), second->WidthInPixels());
			EXPECT_EQ(first->HeightInPixels(), second->HeightInPixels());
		}
		delete second;
		delete first;
	}
}

TEST_F(PicturesTest, BackgroundCoversThePlayfieldColumn)
{
	zelplayBackground* background = LoadBackground("background.txt");
	ASSERT_TRUE(background != NULL);
	EXPECT_EQ(240, background->WidthInPixels());
	EXPECT_EQ(480, background->HeightInPixels());
	delete background;
}

TEST_F(PicturesTest, EveryPictureHasAMaskOfItsOwnSize)
{
	std::vector<std::string> lists(std::begin(TEXTURE_LISTS), std::end(TEXTURE_LISTS));
	for (const std::string& sprite : AllSprites())
		lists.push_back(SpriteTextureList(sprite));
	for (const std::string& list : lists)
	{
		SCOPED_TRACE(list);
		LoadTextures(list);
		std::vector<Listing> listings = TextureListings(list);
		EXPECT_FALSE(listings.empty());
		for (const Listing& listing : listings)
		{
			SCOPED_TRACE(listing.label);
			ASSERT_FALSE(listing.maskPath.empty()) << "no mask";
			SDL_Surface* image = IMG_Load(listing.path.c_str());
			SDL_Surface* mask = IMG_Load(listing.maskPath.c_str());
			EXPECT_TRUE(image != NULL) << listing.path << ": " << IMG_GetError();
			EXPECT_TRUE(mask != NULL) << listing.maskPath << ": " << IMG_GetError();
			if (image != NULL && mask != NULL)
			{
				EXPECT_EQ(image->w, mask->w);
				EXPECT_EQ(image->h, mask->h);
			}
			SDL_FreeSurface(mask);
			SDL_FreeSurface(image);
		}
	}
}

TEST_F(PicturesTest, TheCheckFailsOnAMissingFile)
{
	::testing::TestPartResultArray failures;
	{
		::testing::ScopedFakeTestPartResultReporter reporter(
			::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
		EXPECT_TRUE(LoadSprite("_kitten/no_such_sprite.txt") == NULL);
		LoadTextures("no_such_list.txt");
	}
	ASSERT_EQ(2, failures.size());
	for (int i = 0; i < failures.size(); ++i)
	{
		std::string message = failures.GetTestPartResult(i).message();
		EXPECT_NE(std::string::npos, message.find("unable to open")) << message;
	}
}
