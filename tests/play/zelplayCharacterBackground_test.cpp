#include "zelplayCharacterBackground.h"

#include "TestWindow.h"
#include "zel2DTexture.h"
#include "zelHighLevelList.h"
#include "zelStringQueue.h"
#include "zelplayTiledBackground.h"

#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include "Failures.h"

#include <cstdlib>
#include <functional>
#include <new>
#include <string>
#include <vector>

namespace
{
	// The fixture font: 40 glyph tiles, digits from 0, capitals from 10 and
	// the specials "-+&!" from 36.
	const int NO_OF_GLYPHS = 40;
	const char SPECIALS[] = "-+&!";

	// Decodes a tile back into the character of the fixture font ('.' when empty).
	char Decode(unsigned char p_tile)
	{
		if (p_tile == 255)
			return '.';
		if (p_tile < 10)
			return static_cast<char>('0' + p_tile);
		if (p_tile < 36)
			return static_cast<char>('A' + p_tile - 10);
		return SPECIALS[p_tile - 36];
	}

	// The grid as text, top row first.
	std::vector<std::string> Rows(const zelplayCharacterBackground& p_background)
	{
		std::vector<std::string> rows;
		for (int y = p_background.HeightInTiles() - 1; y >= 0; --y)
		{
			std::string row;
			for (int x = 0; x < p_background.WidthInTiles(); ++x)
				row += Decode(p_background.Tile(x, y));
			rows.push_back(row);
		}
		return rows;
	}

	class CharacterBackgroundTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			TestWindow::Open();
			SDL_Surface* glyph = SDL_CreateRGBSurface(SDL_SWSURFACE, 8, 8, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0);
			ASSERT_TRUE(glyph != NULL);
			SDL_FillRect(glyph, NULL, SDL_MapRGB(glyph->format, 255, 255, 255));
			ASSERT_EQ(0, SDL_SaveBMP(glyph, m_folder.File("glyph.bmp").c_str()));
			SDL_FreeSurface(glyph);

			std::string list;
			for (int i = 0; i < NO_OF_GLYPHS; ++i)
				list += ".label=\"g" + std::to_string(i) + "\"\n.path=\"" + m_folder.File("glyph.bmp")
					+ "\"\n.type=\"ui8888\"\n.filtering=\"nearest\"\n";
			m_folder.Write("font.txt", list);
			m_font = WriteDefinition("font.def", ".digits=\"0\"\n.uppercase=\"10\"\n.specials=\"36\"\n.cSpecials=\""
				+ std::string(SPECIALS) + "\"\n" + PathMember());
		}

		std::string PathMember() const
		{
			return ".path=\"" + m_folder.File("font.txt") + "\"\n";
		}

		std::string WriteDefinition(const std::string& p_name, const std::string& p_text)
		{
			m_folder.Write(p_name, p_text);
			return m_folder.File(p_name);
		}

		TempFolder m_folder;
		zelStringQueue m_errors;
		std::string m_font;
	};
}

TEST_F(CharacterBackgroundTest, ParentIsATiledBackgroundOfTheFont)
{
	zelplayCharacterBackground background(m_font.c_str(), 5, 2, &m_errors);

	EXPECT_EQ(NO_OF_GLYPHS, background.NoOfTileTextures());
	EXPECT_EQ(5, background.WidthInTiles());
	EXPECT_EQ(2, background.HeightInTiles());
	EXPECT_EQ(8, background.TileWidth());
	EXPECT_EQ(8, background.TileHeight());
	EXPECT_EQ((std::vector<std::string>{".....", "....."}), Rows(background));
	EXPECT_TRUE(m_errors.IsEndOfQueue());
}

TEST_F(CharacterBackgroundTest, OperationsReachTheTiledBackground)
{
	zelplayCharacterBackground background(m_font.c_str(), 5, 2, &m_errors);

	background.BottomLeftX(-3);
	background.BottomLeftY(40);
	background.TileXOffset(-2);
	background.TileYOffset(1);
	background.AngleOfRotation(45.0f);
	background.EnableRotation__DisableWrapping();
	background.Tiles(3);
	background.Tile(4, 1, 255);

	EXPECT_EQ(-3, background.BottomLeftX());
	EXPECT_EQ(40, background.BottomLeftY());
	EXPECT_EQ(-2, background.TileXOffset());
	EXPECT_EQ(1, background.TileYOffset());
	EXPECT_EQ(32, background.WidthInPixels());
	EXPECT_EQ(17, background.HeightInPixels());
	EXPECT_EQ(45.0f, background.AngleOfRotation());
	EXPECT_TRUE(background.RotationEnabled());
	background.EnableWrapping__DisableRotation();
	EXPECT_TRUE(background.WrappingEnabled());
	EXPECT_FALSE(background.RotationEnabled());
	background.DisableWrapping();
	EXPECT_FALSE(background.WrappingEnabled());
	background.EnableRotation__DisableWrapping();
	background.DisableRotation();
	EXPECT_FALSE(background.RotationEnabled());
	EXPECT_EQ((std::vector<std::string>{"3333.", "33333"}), Rows(background));

	// Their failures are the tiled background's, and are thrown.
	EXPECT_EQ(zelplayTILED_BACKGROUND_ERROR__INVALID_TILE_TEXTURE_NO__TILE,
		Thrown([&] { background.Tile(0, 0, NO_OF_GLYPHS); }));
	EXPECT_EQ(zelplayTILED_BACKGROUND_ERROR__INVALID_TILE_TEXTURE_NO__TILE, NextRecordedLine(m_errors));
	EXPECT_TRUE(m_errors.IsEndOfQueue());
}

TEST_F(CharacterBackgroundTest, DefinitionChecksInTheirOrder)
{
	struct Case
	{
		const char* what;
		std::string text;
		const char* error;
	};
	const Case cases[] = {
		{"empty file", "", zelplayCHARACTER_BACKGROUND_ERROR__EMPTY_DEFINITION},
		{"only the path", PathMember(), zelplayCHARACTER_BACKGROUND_ERROR__EMPTY_DEFINITION},
		{"specials without characters", ".digits=\"0\"\n.specials=\"36\"\n" + PathMember(),
			zelplayCHARACTER_BACKGROUND_ERROR__MALFORMED_DEFINITION},
		{"characters without specials", ".cSpecials=\"-\"\n" + PathMember(),
			zelplayCHARACTER_BACKGROUND_ERROR__MALFORMED_DEFINITION},
		{"digits past the last glyph", ".digits=\"31\"\n" + PathMember(),
			zelplayCHARACTER_BACKGROUND_ERROR__DIGITS_EXCEED_TILE_TEXTURES},
		{"digits 256 past", ".digits=\"256\"\n" + PathMember(),
			zelplayCHARACTER_BACKGROUND_ERROR__DIGITS_EXCEED_TILE_TEXTURES},
		{"lowercase past", ".lowercase=\"15\"\n" + PathMember(),
			zelplayCHARACTER_BACKGROUND_ERROR__LOWERCASE_LETTERS_EXCEED_TILE_TEXTURES},
		{"uppercase past", ".uppercase=\"15\"\n" + PathMember(),
			zelplayCHARACTER_BACKGROUND_ERROR__UPPERCASE_LETTERS_EXCEED_TILE_TEXTURES},
		{"digits before uppercase", ".uppercase=\"15\"\n.digits=\"31\"\n" + PathMember(),
			zelplayCHARACTER_BACKGROUND_ERROR__DIGITS_EXCEED_TILE_TEXTURES},
		{"specials past", ".specials=\"37\"\n.cSpecials=\"-+&!\"\n" + PathMember(),
			zelplayCHARACTER_BACKGROUND_ERROR__SPECIALS_EXCEED_TILE_TEXTURES},
		{"specials past before a letter", ".specials=\"37\"\n.cSpecials=\"-a&!\"\n" + PathMember(),
			zelplayCHARACTER_BACKGROUND_ERROR__SPECIALS_EXCEED_TILE_TEXTURES},
		{"a letter among the specials", ".specials=\"36\"\n.cSpecials=\"-z\"\n" + PathMember(),
			zelplayCHARACTER_BACKGROUND_ERROR__SPECIAL_IS_NOT},
		{"a capital among the specials", ".specials=\"36\"\n.cSpecials=\"Q\"\n" + PathMember(),
			zelplayCHARACTER_BACKGROUND_ERROR__SPECIAL_IS_NOT},
		{"a digit among the specials", ".specials=\"36\"\n.cSpecials=\"-5\"\n" + PathMember(),
			zelplayCHARACTER_BACKGROUND_ERROR__SPECIAL_IS_NOT},
	};
	for (const Case& c : cases)
	{
		const std::string path = WriteDefinition("case.def", c.text);
		EXPECT_EQ(c.error, Thrown([&] { zelplayCharacterBackground background(path.c_str(), 5, 2, &m_errors); }))
			<< c.what;
		EXPECT_EQ(Quoted(c.error, path), NextRecordedLine(m_errors)) << c.what;
		EXPECT_TRUE(m_errors.IsEndOfQueue()) << c.what;
	}
}

TEST_F(CharacterBackgroundTest, ClassesMayEndOnTheLastGlyph)
{
	const std::string path = WriteDefinition("edge.def",
		".digits=\"30\"\n.lowercase=\"14\"\n.uppercase=\"14\"\n.specials=\"36\"\n.cSpecials=\"-+&!\"\n" + PathMember());
	zelplayCharacterBackground background(path.c_str(), 4, 1, &m_errors);

	background.String("9az!", 0, 0, false);
	EXPECT_EQ(39, background.Tile(0, 0));
	EXPECT_EQ(14, background.Tile(1, 0));
	EXPECT_EQ(39, background.Tile(2, 0));
	EXPECT_EQ(39, background.Tile(3, 0));
	background.String("AZ", 0, 0, false);
	EXPECT_EQ(14, background.Tile(0, 0));
	EXPECT_EQ(39, background.Tile(1, 0));
	EXPECT_TRUE(m_errors.IsEndOfQueue());
}

TEST_F(CharacterBackgroundTest, ConstructorFailuresThatQueueTheirOwnLines)
{
	const std::string missing = m_folder.File("missing.def");
	EXPECT_EQ(zelplayCHARACTER_BACKGROUND_ERROR__DEFINITION_PATH_NULL,
		Thrown([&] { zelplayCharacterBackground background(static_cast<const char*>(NULL), 5, 2, &m_errors); }));
	EXPECT_EQ(zelplayCHARACTER_BACKGROUND_ERROR__DEFINITION_PATH_NULL, NextRecordedLine(m_errors));
	EXPECT_EQ(zelplayCHARACTER_BACKGROUND_ERROR__UNABLE_TO_OPEN_DEFINITION,
		Thrown([&] { zelplayCharacterBackground background(missing.c_str(), 5, 2, &m_errors); }));
	EXPECT_EQ(Quoted(zelplayCHARACTER_BACKGROUND_ERROR__UNABLE_TO_OPEN_DEFINITION, missing), NextRecordedLine(m_errors));
	EXPECT_TRUE(m_errors.IsEndOfQueue());

	// Without a queue they only throw.
	EXPECT_EQ(zelplayCHARACTER_BACKGROUND_ERROR__UNABLE_TO_OPEN_DEFINITION,
		Thrown([&] { zelplayCharacterBackground background(missing.c_str(), 5, 2, NULL); }));
}

TEST_F(CharacterBackgroundTest, FailuresOfTheListAndTheTiledBackgroundReachTheCaller)
{
	const std::string negative = WriteDefinition("negative.def", ".digits=\"-1\"\n" + PathMember());
	EXPECT_EQ(zelHLL_ERROR__OUT_OF_RANGE,
		Thrown([&] { zelplayCharacterBackground background(negative.c_str(), 5, 2, &m_errors); }));
	EXPECT_EQ(std::string(zelHLL_ERROR__OUT_OF_RANGE) + " (digits)", NextRecordedLine(m_errors));
	EXPECT_TRUE(m_errors.IsEndOfQueue());

	const std::string pathless = WriteDefinition("pathless.def", ".digits=\"0\"\n");
	EXPECT_EQ(zelHLL_ERROR__FILE_ENDS_UNEXPECTEDLY,
		Thrown([&] { zelplayCharacterBackground background(pathless.c_str(), 5, 2, &m_errors); }));
	EXPECT_TRUE(m_errors.IsEndOfQueue());

	const std::string noFont = WriteDefinition("nofont.def", ".digits=\"0\"\n.path=\"" + m_folder.File("none.txt") + "\"\n");
	EXPECT_EQ(zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_LIST,
		Thrown([&] { zelplayCharacterBackground background(noFont.c_str(), 5, 2, &m_errors); }));
	EXPECT_EQ(Quoted(zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_LIST, m_folder.File("none.txt")), NextRecordedLine(m_errors));
	EXPECT_TRUE(m_errors.IsEndOfQueue());

	EXPECT_EQ(zelplayTILED_BACKGROUND_ERROR__ZERO_WIDTH__PARENT,
		Thrown([&] { zelplayCharacterBackground background(m_font.c_str(), 0, 2, &m_errors); }));
	EXPECT_EQ(Quoted(zelplayTILED_BACKGROUND_ERROR__ZERO_WIDTH__PARENT, m_folder.File("font.txt")), NextRecordedLine(m_errors));
	EXPECT_TRUE(m_errors.IsEndOfQueue());
}

TEST_F(CharacterBackgroundTest, CharactersMapToTheirGlyphs)
{
	zelplayCharacterBackground background(m_font.c_str(), 1, 1, &m_errors);
	struct Case
	{
		char character;
		unsigned char tile;
	};
	const Case cases[] = {{'0', 0}, {'9', 9}, {'A', 10}, {'Z', 35}, {'-', 36}, {'+', 37}, {'&', 38}, {'!', 39}};
	for (const Case& c : cases)
	{
		background.Character(c.character, 0, 0);
		EXPECT_EQ(c.tile, background.Tile(0, 0)) << c.character;
	}
	EXPECT_TRUE(m_errors.IsEndOfQueue());
}

TEST_F(CharacterBackgroundTest, CharactersThatWriteNothing)
{
	zelplayCharacterBackground background(m_font.c_str(), 2, 1, &m_errors);
	background.Tile(0, 0, 5);

	// A space never changes a tile; the font has no lowercase letters.
	background.Character(' ', 0, 0);
	background.Character('q', 0, 0);
	EXPECT_EQ(5, background.Tile(0, 0));
	EXPECT_TRUE(m_errors.IsEndOfQueue());

	background.Character('?', 0, 0);
	EXPECT_EQ(5, background.Tile(0, 0));
	EXPECT_EQ(Quoted(zelplayCHARACTER_BACKGROUND_ERROR__UNRECOGNISED_CHARACTER, "?"), NextRecordedLine(m_errors));

	// Writing never throws: a tile outside the grid is only queued.
	EXPECT_TRUE(Thrown([&] { background.Character('1', 2, 0); }) == NULL);
	EXPECT_EQ(zelplayTILED_BACKGROUND_ERROR__INVALID_TILE_COORDINATES, NextRecordedLine(m_errors));
	EXPECT_TRUE(m_errors.IsEndOfQueue());
}

TEST_F(CharacterBackgroundTest, StringsWithFormattingSequences)
{
	struct Case
	{
		const char* string;
		unsigned char x;
		unsigned char y;
		std::vector<std::string> rows;
	};
	const Case cases[] = {
		{"AB1", 0, 0, {"AB1..", "....."}},
		{"ABCDEF", 3, 0, {"...AB", "...CD"}},
		{"X&RYZ", 0, 0, {"XYYYY", "Z...."}},
		{"AB&nC", 1, 0, {".AB..", ".C..."}},
		{"AB&NC", 1, 0, {".AB..", "...C."}},
		{"A&&B", 0, 0, {"A&B..", "....."}},
		{"A&", 0, 0, {"A&...", "....."}},
		{"A&RB", 4, 0, {"....A", "....B"}},
		{"A B", 0, 1, {".....", "A.B.."}},
		{"A&nB", 0, 1, {".....", "A...."}},
		{"A&NB", 0, 1, {".....", "A...."}},
		{"A&R-B", 0, 1, {".....", "A----"}},
		{"ABCDEFGH", 0, 1, {".....", "ABCDE"}},
		{"A&R", 0, 0, {"A....", "....."}},
		{"&R", 4, 0, {".....", "....."}},
		{"", 0, 0, {".....", "....."}},
	};
	for (const Case& c : cases)
	{
		zelplayCharacterBackground background(m_font.c_str(), 5, 2, &m_errors);
		background.String(c.string, c.x, c.y, false);
		EXPECT_EQ(c.rows, Rows(background)) << c.string;
	}
	EXPECT_TRUE(m_errors.IsEndOfQueue());
}

TEST_F(CharacterBackgroundTest, StringQueuesUnrecognisedSequencesAndBadStarts)
{
	zelplayCharacterBackground background(m_font.c_str(), 5, 2, &m_errors);

	background.String("A&qB", 0, 0, true);
	EXPECT_EQ((std::vector<std::string>{"AB...", "....."}), Rows(background));
	EXPECT_EQ(Quoted(zelplayCHARACTER_BACKGROUND_ERROR__UNRECOGNISED_FORMATTING_SEQUENCE, "&q"), NextRecordedLine(m_errors));

	background.String(NULL, 0, 0, false);
	EXPECT_EQ(zelplayCHARACTER_BACKGROUND_ERROR__NULL_STRING, NextRecordedLine(m_errors));
	background.String("1", 5, 0, false);
	EXPECT_EQ(zelplayCHARACTER_BACKGROUND_ERROR__START_COORD_OUTSIDE_TILED_BACKGROUND_WIDTH, NextRecordedLine(m_errors));
	background.String("1", 0, 2, false);
	EXPECT_EQ(zelplayCHARACTER_BACKGROUND_ERROR__START_COORD_OUTSIDE_TILED_BACKGROUND_HEIGHT, NextRecordedLine(m_errors));
	EXPECT_TRUE(m_errors.IsEndOfQueue());
	EXPECT_EQ((std::vector<std::string>{"AB...", "....."}), Rows(background));
}

TEST_F(CharacterBackgroundTest, StringWidthAndHeightCountAsWritingWould)
{
	zelplayCharacterBackground background(m_font.c_str(), 5, 2, &m_errors);
	const std::string long300(300, 'A');
	std::string lines300;
	for (int i = 0; i < 300; ++i)
		lines300 += "&n";
	struct Case
	{
		std::string string;
		bool limitToWidth;
		int width;
		int height;
	};
	const Case cases[] = {
		{"", false, 1, 1},
		{"A", true, 1, 1},
		{"AB&nCDE", false, 3, 2},
		{"ABC&nD", false, 3, 2},
		{"&n&nAB", false, 2, 3},
		{"AB&NC", false, 3, 2},
		{"A&&B", false, 3, 1},
		{"A&", false, 2, 1},
		{"A&qB", false, 2, 1},
		{"A&R-", false, 255, 1},
		{"A&R-", true, 5, 1},
		{"A&R-B", true, 5, 2},
		{"A&R", false, 1, 1},
		{"ABCDE", true, 5, 1},
		{"ABCDEFG", true, 5, 2},
		{"ABCDEFG", false, 7, 1},
		// A line feed keeps the column, so the line still wraps at the width.
		{"ABCD&NEF", true, 5, 3},
		// The wrap before a final "&R" makes no line of its own.
		{"ABCDE&R", true, 5, 1},
		{long300, false, 255, 2},
		{long300, true, 5, 60},
		{lines300, false, 1, 255},
	};
	for (const Case& c : cases)
	{
		EXPECT_EQ(c.width, background.StringWidth(c.string.c_str(), c.limitToWidth)) << c.string;
		EXPECT_EQ(c.height, background.StringHeight(c.string.c_str(), c.limitToWidth)) << c.string;
	}
	EXPECT_TRUE(m_errors.IsEndOfQueue());

	EXPECT_EQ(0, background.StringWidth(NULL, true));
	EXPECT_EQ(zelplayCHARACTER_BACKGROUND_ERROR__NULL_STRING__STRING_WIDTH, NextRecordedLine(m_errors));
	EXPECT_EQ(0, background.StringHeight(NULL, true));
	EXPECT_EQ(zelplayCHARACTER_BACKGROUND_ERROR__NULL_STRING__STRING_HEIGHT, NextRecordedLine(m_errors));
	EXPECT_TRUE(m_errors.IsEndOfQueue());
}

TEST_F(CharacterBackgroundTest, IntegersOnOneLine)
{
	struct Case
	{
		const char* what;
		std::function<void(zelplayCharacterBackground&)> write;
		std::vector<std::string> rows;
	};
	const Case cases[] = {
		{"negative from the top", [](zelplayCharacterBackground& b) { b.Int(-42, 0, 0, true, false); },
			{"-42..", "....."}},
		{"plus sign", [](zelplayCharacterBackground& b) { b.Int(42, 0, 0, true, true); }, {"+42..", "....."}},
		{"zero has no sign", [](zelplayCharacterBackground& b) { b.Int(0, 1, 0, true, true); }, {".0...", "....."}},
		{"from the bottom", [](zelplayCharacterBackground& b) { b.Int(7, 2, 0, false, false); }, {".....", "..7.."}},
		{"filling the line", [](zelplayCharacterBackground& b) { b.Int(12345, 0, 1, false, false); },
			{"12345", "....."}},
		{"right aligned", [](zelplayCharacterBackground& b) { b.Int__RightAligned(7, 0, false, false); },
			{".....", "....7"}},
		{"right aligned from the top", [](zelplayCharacterBackground& b) { b.Int__RightAligned(-123, 0, true, false); },
			{".-123", "....."}},
	};
	for (const Case& c : cases)
	{
		zelplayCharacterBackground background(m_font.c_str(), 5, 2, &m_errors);
		c.write(background);
		EXPECT_EQ(c.rows, Rows(background)) << c.what;
	}
	EXPECT_TRUE(m_errors.IsEndOfQueue());
}

TEST_F(CharacterBackgroundTest, IntegersThatDoNotFitAreOnlyQueued)
{
	zelplayCharacterBackground background(m_font.c_str(), 5, 2, &m_errors);

	background.Int(12345, 2, 0, true, false);
	EXPECT_EQ(zelplayCHARACTER_BACKGROUND_ERROR__NO_TOO_LONG, NextRecordedLine(m_errors));
	background.Int(1, 0, 2, true, false);
	EXPECT_EQ(zelplayCHARACTER_BACKGROUND_ERROR__START_COORD_OUTSIDE_TILED_BACKGROUND_HEIGHT, NextRecordedLine(m_errors));
	background.Int__RightAligned(123456, 0, true, false);
	EXPECT_EQ(zelplayCHARACTER_BACKGROUND_ERROR__START_COORD_OUTSIDE_TILED_BACKGROUND_WIDTH, NextRecordedLine(m_errors));
	background.Int__RightAligned(1, 2, false, false);
	EXPECT_EQ(zelplayCHARACTER_BACKGROUND_ERROR__START_COORD_OUTSIDE_TILED_BACKGROUND_HEIGHT, NextRecordedLine(m_errors));
	EXPECT_TRUE(m_errors.IsEndOfQueue());
	EXPECT_EQ((std::vector<std::string>{".....", "....."}), Rows(background));
}

TEST_F(CharacterBackgroundTest, ChildWritesWithTheParentsFont)
{
	zelplayCharacterBackground parent(m_font.c_str(), 1, 1, &m_errors);
	{
		zelplayCharacterBackground child(&parent, 5, 2, &m_errors);
		EXPECT_EQ(NO_OF_GLYPHS, child.NoOfTileTextures());
		child.String("A-1!", 0, 0, false);
		EXPECT_EQ((std::vector<std::string>{"A-1!.", "....."}), Rows(child));
		EXPECT_EQ(255, parent.Tile(0, 0));

		zelplayCharacterBackground grandchild(&child, 2, 1, &m_errors);
		grandchild.Int(-9, 0, 0, false, false);
		EXPECT_EQ((std::vector<std::string>{"-9"}), Rows(grandchild));
	}
	EXPECT_TRUE(m_errors.IsEndOfQueue());
}

TEST_F(CharacterBackgroundTest, ChildConstructorFailures)
{
	zelplayCharacterBackground parent(m_font.c_str(), 1, 1, &m_errors);

	EXPECT_EQ(zelplayCHARACTER_BACKGROUND_ERROR__NULL_PARENT,
		Thrown([&] { zelplayCharacterBackground child(static_cast<zelplayCharacterBackground*>(NULL), 5, 2, &m_errors); }));
	EXPECT_EQ(zelplayCHARACTER_BACKGROUND_ERROR__NULL_PARENT, NextRecordedLine(m_errors));
	EXPECT_EQ(zelplayTILED_BACKGROUND_ERROR__ZERO_HEIGHT__CHILD,
		Thrown([&] { zelplayCharacterBackground child(&parent, 5, 0, &m_errors); }));
	EXPECT_EQ(zelplayTILED_BACKGROUND_ERROR__ZERO_HEIGHT__CHILD, NextRecordedLine(m_errors));
	EXPECT_TRUE(m_errors.IsEndOfQueue());
	// The refused child was not counted: the parent goes at the end of the scope.
}

TEST_F(CharacterBackgroundTest, ParentRefusesDestructionWhileAChildLives)
{
	// Built in place so that a refused destruction can be tried again.
	alignas(zelplayCharacterBackground) unsigned char storage[sizeof(zelplayCharacterBackground)];
	zelplayCharacterBackground* parent = new (storage) zelplayCharacterBackground(m_font.c_str(), 1, 1, &m_errors);
	zelplayCharacterBackground* child = new zelplayCharacterBackground(parent, 2, 1, &m_errors);

	EXPECT_EQ(zelplayCHARACTER_BACKGROUND_ERROR__UNABLE_TO_DELETE_PARENT,
		Thrown([&] { parent->~zelplayCharacterBackground(); }));
	EXPECT_EQ(zelplayCHARACTER_BACKGROUND_ERROR__UNABLE_TO_DELETE_PARENT, NextRecordedLine(m_errors));
	EXPECT_TRUE(m_errors.IsEndOfQueue());

	// Nothing was released: the child still writes with the parent's font.
	child->String("+", 0, 0, false);
	EXPECT_EQ(37, child->Tile(0, 0));

	delete child;
	EXPECT_TRUE(Thrown([&] { parent->~zelplayCharacterBackground(); }) == NULL);
	EXPECT_TRUE(m_errors.IsEndOfQueue());
}

TEST_F(CharacterBackgroundTest, WrittenTextIsDrawn)
{
	zelplayCharacterBackground background(m_font.c_str(), 3, 1, &m_errors);
	background.String("1 2", 0, 0, false);
	background.BottomLeftX(200);
	background.BottomLeftY(100);
	TestWindow::Clear();
	background.Render(0, 0);

	EXPECT_TRUE(TestWindow::PixelIs(204, 104, 255, 255, 255));
	EXPECT_TRUE(TestWindow::PixelIs(212, 104, 0, 0, 0));
	EXPECT_TRUE(TestWindow::PixelIs(220, 104, 255, 255, 255));
	EXPECT_TRUE(TestWindow::PixelIs(204, 112, 0, 0, 0));
}
