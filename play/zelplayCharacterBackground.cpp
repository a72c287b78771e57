#include "zelplayCharacterBackground.h"

#include "zelHighLevelList.h"
#include "zelNo2String.h"
#include "zelStringConcatenation.h"
#include "zelStringQueue.h"
#include "zelplayTiledBackground.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

const char zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__TILE_TEXTURE_LIST_PATH[] = "path";
const char zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__DIGITS_OFFSET[] = "digits";
const char zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__LOWERCASE_LETTERS_OFFSET[] = "lowercase";
const char zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__UPPERCASE_LETTERS_OFFSET[] = "uppercase";
const char zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__SPECIALS_OFFSET[] = "specials";
const char zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__SPECIALS[] = "cSpecials";

const char zelplayCHARACTER_BACKGROUND_ERROR__DEFINITION_PATH_NULL[] = "(zelplayCharacterBackground::[constructor (as potential parent)]) passed NULL as the path to the definition which is to define this background";
const char zelplayCHARACTER_BACKGROUND_ERROR__UNABLE_TO_OPEN_DEFINITION[] = "(zelplayCharacterBackground::[constructor (as potential parent)]) unable to open the definition which is to define this background";
const char zelplayCHARACTER_BACKGROUND_ERROR__EMPTY_DEFINITION[] = "(zelplayCharacterBackground::[constructor (as potential parent)]) the definition which is to define this background is empty";
const char zelplayCHARACTER_BACKGROUND_ERROR__MALFORMED_DEFINITION[] = "(zelplayCharacterBackground::[constructor (as potential parent)]) the definition which is to define this background is malformed; if any of the specials-related members is listed in the definition, *all* of the specials-related members must be listed";
const char zelplayCHARACTER_BACKGROUND_ERROR__DIGITS_EXCEED_TILE_TEXTURES[] = "(zelplayCharacterBackground::[constructor (as potential parent)]) the no. of digits + the digits offset exceeds the no. of tile textures";
const char zelplayCHARACTER_BACKGROUND_ERROR__LOWERCASE_LETTERS_EXCEED_TILE_TEXTURES[] = "(zelplayCharacterBackground::[constructor (as potential parent)]) the no. of lowercase letters + the lowercase letters offset exceeds the no. of tile textures";
const char zelplayCHARACTER_BACKGROUND_ERROR__UPPERCASE_LETTERS_EXCEED_TILE_TEXTURES[] = "(zelplayCharacterBackground::[constructor (as potential parent)]) the no. of uppercase letters + the uppercase letters offset exceeds the no. of tile textures";
const char zelplayCHARACTER_BACKGROUND_ERROR__SPECIALS_EXCEED_TILE_TEXTURES[] = "(zelplayCharacterBackground::[constructor (as potential parent)]) the no. of specials + the specials offset exceeds the no. of tile textures";
const char zelplayCHARACTER_BACKGROUND_ERROR__SPECIAL_IS_NOT[] = "(zelplayCharacterBackground::[constructor (as potential parent)]) the definition which is to define this background is malformed; the specials contain at least one letter or digit";
const char zelplayCHARACTER_BACKGROUND_ERROR__NULL_PARENT[] = "(zelplayCharacterBackground::[constructor (as child )]) passed NULL as the parent background this child will share tile textures and other attributes with";
const char zelplayCHARACTER_BACKGROUND_ERROR__UNABLE_TO_DELETE_PARENT[] = "(zelplayCharacterBackground::[destructor]) unable to delete that background, as it is a parent to a child which has not been deleted; parent-child background relationships must be deleted in the opposite order they were created in";
const char zelplayCHARACTER_BACKGROUND_ERROR__NULL_STRING[] = "(zelplayCharacterBackground::String) passed NULL as the string to apply to the tiled background";
const char zelplayCHARACTER_BACKGROUND_ERROR__START_COORD_OUTSIDE_TILED_BACKGROUND_WIDTH[] = "(zelplayCharacterBackground::{...}) the starting x coordinate for applying the characters to the tiled background is >= the tiled background width, or < 0";
const char zelplayCHARACTER_BACKGROUND_ERROR__START_COORD_OUTSIDE_TILED_BACKGROUND_HEIGHT[] = "(zelplayCharacterBackground::{...}) the starting y coordinate for applying the characters to the tiled background is >= the tiled background height, or < 0";
const char zelplayCHARACTER_BACKGROUND_ERROR__UNRECOGNISED_FORMATTING_SEQUENCE[] = "(zelplayCharacterBackground::String) passed a string containing an unrecognised formatting sequence to apply to the tiled background";
const char zelplayCHARACTER_BACKGROUND_ERROR__NULL_STRING__STRING_WIDTH[] = "(zelplayCharacterBackground::StringWidth) p_string == NULL";
const char zelplayCHARACTER_BACKGROUND_ERROR__NULL_STRING__STRING_HEIGHT[] = "(zelplayCharacterBackground::StringHeight) p_string == NULL";
const char zelplayCHARACTER_BACKGROUND_ERROR__NO_TOO_LONG[] = "(zelplayCharacterBackground::{...}) the no. + the starting x coordinate is too long to apply to a line of the tiled background";
const char zelplayCHARACTER_BACKGROUND_ERROR__UNRECOGNISED_CHARACTER[] = "(zelplayCharacterBackground::Character) passed an unrecognised character to apply to the tiled background";

namespace
{
	const int NO_OF_DIGITS = 10;
	const int NO_OF_LETTERS = 26;
	const unsigned int MAX_NO_OF_SPECIALS = 254;
	const unsigned int MAX_LINE_LENGTH = 255;
	const unsigned char MAX_NO_OF_LINES = 255;

	// Moves one row down; false when already on the bottom row.
	bool NextRowDown(int* p_row)
	{
		if (*p_row == 0)
			return false;
		--*p_row;
		return true;
	}

	// An ampersand followed by another character starts a formatting sequence;
	// a final ampersand is an ordinary character.
	bool StartsSequence(const char* p_position)
	{
		return p_position[0] == '&' && p_position[1] != '\0';
	}
}

zelplayCharacterBackground::zelplayCharacterBackground(const char* p_definitionPath, unsigned char p_widthInTiles,
	unsigned char p_heightInTiles, zelStringQueue* p_errorStrings)
	: m_tiledBackground(NULL), m_specials(NULL), m_noOfSpecials(0), m_specialsEnabled(false), m_digitsEnabled(false),
	m_lowercaseLettersEnabled(false), m_uppercaseLettersEnabled(false), m_specialsOffset(0), m_digitsOffset(0),
	m_lowercaseLettersOffset(0), m_uppercaseLettersOffset(0), m_isChild(false), m_parent(NULL), m_noOfChildren(0),
	m_errorStrings(p_errorStrings)
{
	if (p_definitionPath == NULL)
		Fail(zelplayCHARACTER_BACKGROUND_ERROR__DEFINITION_PATH_NULL);

	zelHighLevelList definition(m_errorStrings);
	InitialiseHighLevelCharacterBackgroundDefinition(&definition);
	InputDefinition(&definition, p_definitionPath);

	char* tileTextureListPath = TileTextureListPath(&definition, p_definitionPath);
	try
	{
		m_tiledBackground = new zelplayTiledBackground(tileTextureListPath, p_widthInTiles, p_heightInTiles,
			m_errorStrings);
	}
	catch (...)
	{
		free(tileTextureListPath);
		throw;
	}
	free(tileTextureListPath);

	try
	{
		AssignCharacterClasses(&definition, p_definitionPath);
	}
	catch (...)
	{
		// The destructor does not run for a failed constructor.
		delete m_tiledBackground;
		free(m_specials);
		throw;
	}
}

zelplayCharacterBackground::zelplayCharacterBackground(zelplayCharacterBackground* p_parent,
	unsigned char p_widthInTiles, unsigned char p_heightInTiles, zelStringQueue* p_errorStrings)
	: m_tiledBackground(NULL), m_specials(NULL), m_noOfSpecials(0), m_specialsEnabled(false), m_digitsEnabled(false),
	m_lowercaseLettersEnabled(false), m_uppercaseLettersEnabled(false), m_specialsOffset(0), m_digitsOffset(0),
	m_lowercaseLettersOffset(0), m_uppercaseLettersOffset(0), m_isChild(true), m_parent(p_parent), m_noOfChildren(0),
	m_errorStrings(p_errorStrings)
{
	if (p_parent == NULL)
		Fail(zelplayCHARACTER_BACKGROUND_ERROR__NULL_PARENT);

	m_tiledBackground = new zelplayTiledBackground(p_parent->m_tiledBackground, p_widthInTiles, p_heightInTiles,
		m_errorStrings);
	p_parent->IncrementNoOfChildren();

	// The font is the parent's; only the grid is the child's own.
	m_specials = p_parent->m_specials;
	m_noOfSpecials = p_parent->m_noOfSpecials;
	m_specialsEnabled = p_parent->m_specialsEnabled;
	m_digitsEnabled = p_parent->m_digitsEnabled;
	m_lowercaseLettersEnabled = p_parent->m_lowercaseLettersEnabled;
	m_uppercaseLettersEnabled = p_parent->m_uppercaseLettersEnabled;
	m_specialsOffset = p_parent->m_specialsOffset;
	m_digitsOffset = p_parent->m_digitsOffset;
	m_lowercaseLettersOffset = p_parent->m_lowercaseLettersOffset;
	m_uppercaseLettersOffset = p_parent->m_uppercaseLettersOffset;
}

zelplayCharacterBackground::~zelplayCharacterBackground() noexcept(false)
{
	if (m_noOfChildren != 0)
		Fail(zelplayCHARACTER_BACKGROUND_ERROR__UNABLE_TO_DELETE_PARENT);

	delete m_tiledBackground;
	if (m_isChild)
		m_parent->DecrementNoOfChildren();
	else
		free(m_specials);
}

void zelplayCharacterBackground::Character(char p_character, unsigned char p_x, unsigned char p_y)
{
	unsigned char tileTextureNo;
	if (!Glyph(p_character, &tileTextureNo))
		return;
	try
	{
		m_tiledBackground->Tile(p_x, p_y, tileTextureNo);
	}
	catch (const char*)
	{
		// Writing never throws; the tiled background has queued the bad coordinates.
	}
}

void zelplayCharacterBackground::String(const char* p_string, unsigned char p_x, unsigned char p_y, bool)
{
	if (p_string == NULL)
	{
		PushErrorString(zelplayCHARACTER_BACKGROUND_ERROR__NULL_STRING);
		return;
	}
	const int width = WidthInTiles();
	if (p_x >= width)
	{
		PushErrorString(zelplayCHARACTER_BACKGROUND_ERROR__START_COORD_OUTSIDE_TILED_BACKGROUND_WIDTH);
		return;
	}
	if (p_y >= HeightInTiles())
	{
		PushErrorString(zelplayCHARACTER_BACKGROUND_ERROR__START_COORD_OUTSIDE_TILED_BACKGROUND_HEIGHT);
		return;
	}

	int column = p_x;
	int row = HeightInTiles() - 1 - p_y;
	const char* position = p_string;
	while (*position != '\0')
	{
		if (column == width)
		{
			if (!NextRowDown(&row))
				return;
			column = p_x;
		}
		if (!StartsSequence(position))
		{
			Character(*position, column, row);
			++column;
			++position;
			continue;
		}

		const char code = position[1];
		position += 2;
		switch (code)
		{
		case '&':
			Character('&', column, row);
			++column;
			break;
		case 'n':
			if (!NextRowDown(&row))
				return;
			column = p_x;
			break;
		case 'N':
			if (!NextRowDown(&row))
				return;
			break;
		case 'R':
			if (*position == '\0')
			{
				++column;
				break;
			}
			for (int fill = column; fill < width; ++fill)
				Character(*position, fill, row);
			++position;
			if (!NextRowDown(&row))
				return;
			column = p_x;
			break;
		default:
			{
				const char sequence[3] = {'&', code, '\0'};
				PushErrorString(zelplayCHARACTER_BACKGROUND_ERROR__UNRECOGNISED_FORMATTING_SEQUENCE, sequence);
			}
			break;
		}
	}
}

unsigned char zelplayCharacterBackground::StringWidth(const char* p_string, bool p_limitToWidth)
{
	if (p_string == NULL)
	{
		PushErrorString(zelplayCHARACTER_BACKGROUND_ERROR__NULL_STRING__STRING_WIDTH);
		return 0;
	}
	const unsigned int limit = LineLimit(p_limitToWidth);
	unsigned int widest = 1;
	unsigned int current = 0;
	const char* position = p_string;
	while (*position != '\0')
	{
		if (current >= limit)
			return static_cast<unsigned char>(current);
		if (!StartsSequence(position))
		{
			++current;
			++position;
			continue;
		}

		const char code = position[1];
		position += 2;
		if (code == '&')
			++current;
		else if (code == 'n')
		{
			if (current > widest)
				widest = current;
			current = 0;
		}
		else if (code == 'R' && *position != '\0')
			return static_cast<unsigned char>(limit);
		// A final "&R", "&N" and unrecognised sequences take no column.
	}
	return static_cast<unsigned char>(current > widest ? current : widest);
}

unsigned char zelplayCharacterBackground::StringHeight(const char* p_string, bool p_limitToWidth)
{
	if (p_string == NULL)
	{
		PushErrorString(zelplayCHARACTER_BACKGROUND_ERROR__NULL_STRING__STRING_HEIGHT);
		return 0;
	}
	const unsigned int limit = LineLimit(p_limitToWidth);
	unsigned char lines = 1;
	unsigned int current = 0;
	const char* position = p_string;
	while (*position != '\0')
	{
		bool wrapped = false;
		if (current >= limit)
		{
			if (lines == MAX_NO_OF_LINES)
				return MAX_NO_OF_LINES;
			++lines;
			current = 0;
			wrapped = true;
		}
		if (!StartsSequence(position))
		{
			++current;
			++position;
			continue;
		}

		const char code = position[1];
		position += 2;
		switch (code)
		{
		case '&':
			++current;
			break;
		case 'n':
		case 'N':
			if (lines == MAX_NO_OF_LINES)
				return MAX_NO_OF_LINES;
			++lines;
			if (code == 'n')
				current = 0;
			break;
		case 'R':
			if (*position == '\0')
			{
				// A final "&R" writes nothing, so a line begun by wrapping here stays empty.
				++current;
				if (wrapped)
					--lines;
			}
			else if (position[1] == '\0')
			{
				current += 2;
				++position;
			}
			else
			{
				if (lines == MAX_NO_OF_LINES)
					return MAX_NO_OF_LINES;
				++lines;
				current = 0;
				++position;
			}
			break;
		default:
			break;
		}
	}
	return lines;
}

void zelplayCharacterBackground::Int(int p_number, unsigned char p_x, unsigned char p_y, bool p_yFromTop,
	bool p_plusSign)
{
	if (p_y >= HeightInTiles())
	{
		PushErrorString(zelplayCHARACTER_BACKGROUND_ERROR__START_COORD_OUTSIDE_TILED_BACKGROUND_HEIGHT);
		return;
	}
	const int row = p_yFromTop ? HeightInTiles() - 1 - p_y : p_y;
	char* digits = zelNo2String().Int2String(p_number, p_plusSign);
	const int length = static_cast<int>(strlen(digits));
	if (p_x + length - 1 >= WidthInTiles())
	{
		PushErrorString(zelplayCHARACTER_BACKGROUND_ERROR__NO_TOO_LONG);
		free(digits);
		return;
	}
	for (int i = 0; i < length; ++i)
		Character(digits[i], static_cast<unsigned char>(p_x + i), static_cast<unsigned char>(row));
	free(digits);
}

void zelplayCharacterBackground::Int__RightAligned(int p_number, unsigned char p_y, bool p_yFromTop, bool p_plusSign)
{
	char* digits = zelNo2String().Int2String(p_number, p_plusSign);
	const int x = WidthInTiles() - static_cast<int>(strlen(digits));
	free(digits);
	if (x < 0)
	{
		PushErrorString(zelplayCHARACTER_BACKGROUND_ERROR__START_COORD_OUTSIDE_TILED_BACKGROUND_WIDTH);
		return;
	}
	Int(p_number, static_cast<unsigned char>(x), p_y, p_yFromTop, p_plusSign);
}

void zelplayCharacterBackground::Render(unsigned short p_areaWidth, unsigned short p_areaHeight)
{
	m_tiledBackground->Render(p_areaWidth, p_areaHeight);
}

void zelplayCharacterBackground::Tile(unsigned char p_x, unsigned char p_y, unsigned char p_tileTextureNo)
{
	m_tiledBackground->Tile(p_x, p_y, p_tileTextureNo);
}

unsigned char zelplayCharacterBackground::Tile(unsigned char p_x, unsigned char p_y) const
{
	return m_tiledBackground->Tile(p_x, p_y);
}

void zelplayCharacterBackground::Tiles(unsigned char p_tileTextureNo)
{
	m_tiledBackground->Tiles(p_tileTextureNo);
}

short zelplayCharacterBackground::BottomLeftX() const
{
	return m_tiledBackground->BottomLeftX();
}

short zelplayCharacterBackground::BottomLeftY() const
{
	return m_tiledBackground->BottomLeftY();
}

void zelplayCharacterBackground::BottomLeftX(short p_x)
{
	m_tiledBackground->BottomLeftX(p_x);
}

void zelplayCharacterBackground::BottomLeftY(short p_y)
{
	m_tiledBackground->BottomLeftY(p_y);
}

signed char zelplayCharacterBackground::TileXOffset() const
{
	return m_tiledBackground->TileXOffset();
}

signed char zelplayCharacterBackground::TileYOffset() const
{
	return m_tiledBackground->TileYOffset();
}

void zelplayCharacterBackground::TileXOffset(signed char p_offset)
{
	m_tiledBackground->TileXOffset(p_offset);
}

void zelplayCharacterBackground::TileYOffset(signed char p_offset)
{
	m_tiledBackground->TileYOffset(p_offset);
}

void zelplayCharacterBackground::EnableWrapping__DisableRotation()
{
	m_tiledBackground->EnableWrapping__DisableRotation();
}

void zelplayCharacterBackground::DisableWrapping()
{
	m_tiledBackground->DisableWrapping();
}

bool zelplayCharacterBackground::WrappingEnabled() const
{
	return m_tiledBackground->WrappingEnabled();
}

void zelplayCharacterBackground::EnableRotation__DisableWrapping()
{
	m_tiledBackground->EnableRotation__DisableWrapping();
}

void zelplayCharacterBackground::DisableRotation()
{
	m_tiledBackground->DisableRotation();
}

bool zelplayCharacterBackground::RotationEnabled() const
{
	return m_tiledBackground->RotationEnabled();
}

void zelplayCharacterBackground::AngleOfRotation(float p_degrees)
{
	m_tiledBackground->AngleOfRotation(p_degrees);
}

float zelplayCharacterBackground::AngleOfRotation() const
{
	return m_tiledBackground->AngleOfRotation();
}

unsigned short zelplayCharacterBackground::WidthInPixels() const
{
	return m_tiledBackground->WidthInPixels();
}

unsigned short zelplayCharacterBackground::HeightInPixels() const
{
	return m_tiledBackground->HeightInPixels();
}

unsigned char zelplayCharacterBackground::WidthInTiles() const
{
	return m_tiledBackground->WidthInTiles();
}

unsigned char zelplayCharacterBackground::HeightInTiles() const
{
	return m_tiledBackground->HeightInTiles();
}

unsigned short zelplayCharacterBackground::TileWidth() const
{
	return m_tiledBackground->TileWidth();
}

unsigned short zelplayCharacterBackground::TileHeight() const
{
	return m_tiledBackground->TileHeight();
}

unsigned char zelplayCharacterBackground::NoOfTileTextures() const
{
	return m_tiledBackground->NoOfTileTextures();
}

void zelplayCharacterBackground::IncrementNoOfChildren()
{
	++m_noOfChildren;
}

void zelplayCharacterBackground::DecrementNoOfChildren()
{
	--m_noOfChildren;
}

void zelplayCharacterBackground::InitialiseHighLevelCharacterBackgroundDefinition(zelHighLevelList* p_definition)
{
	const char* const offsets[] = {
		zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__DIGITS_OFFSET,
		zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__LOWERCASE_LETTERS_OFFSET,
		zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__UPPERCASE_LETTERS_OFFSET,
		zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__SPECIALS_OFFSET};
	p_definition->NewMember(zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__TILE_TEXTURE_LIST_PATH,
		zelHLL_MEMBER_TYPE__STRING);
	for (const char* offset : offsets)
	{
		p_definition->NewMember(offset, zelHLL_MEMBER_TYPE__INT);
		p_definition->SetIntMemberRange(offset, zelHLL_MEMBER_RANGE__GREATER_OR_EQUAL, 0);
	}
	p_definition->NewMember(zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__SPECIALS, zelHLL_MEMBER_TYPE__STRING);
	p_definition->SetStringMemberLength__DisableAcceptableStrings(zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__SPECIALS,
		1, MAX_NO_OF_SPECIALS);
	p_definition->NewBreakMembers(zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__TILE_TEXTURE_LIST_PATH,
		static_cast<const char*>(NULL));
}

void zelplayCharacterBackground::InputDefinition(zelHighLevelList* p_definition, const char* p_path)
{
	FILE* file = fopen(p_path, "r");
	if (file == NULL)
		Fail(zelplayCHARACTER_BACKGROUND_ERROR__UNABLE_TO_OPEN_DEFINITION, p_path);
	try
	{
		p_definition->Input(file);
	}
	catch (...)
	{
		fclose(file);
		throw;
	}
	fclose(file);
}

// Takes the texture list path out of the definition and checks that something
// else is left, with the specials either complete or absent.
char* zelplayCharacterBackground::TileTextureListPath(zelHighLevelList* p_definition, const char* p_path)
{
	if (!p_definition->AnyMemberHasBeenInput())
		Fail(zelplayCHARACTER_BACKGROUND_ERROR__EMPTY_DEFINITION, p_path);
	char* tileTextureListPath = p_definition->String(zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__TILE_TEXTURE_LIST_PATH);
	p_definition->ClearInput(zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__TILE_TEXTURE_LIST_PATH);

	const char* error = NULL;
	if (!p_definition->AnyMemberHasBeenInput())
		error = zelplayCHARACTER_BACKGROUND_ERROR__EMPTY_DEFINITION;
	else if (p_definition->MemberHasBeenInput(zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__SPECIALS_OFFSET)
		!= p_definition->MemberHasBeenInput(zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__SPECIALS))
		error = zelplayCHARACTER_BACKGROUND_ERROR__MALFORMED_DEFINITION;
	if (error != NULL)
	{
		free(tileTextureListPath);
		Fail(error, p_path);
	}
	return tileTextureListPath;
}

void zelplayCharacterBackground::AssignCharacterClasses(zelHighLevelList* p_definition, const char* p_path)
{
	m_digitsEnabled = CharacterClassOffset(p_definition, zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__DIGITS_OFFSET,
		NO_OF_DIGITS, &m_digitsOffset, zelplayCHARACTER_BACKGROUND_ERROR__DIGITS_EXCEED_TILE_TEXTURES, p_path);
	m_lowercaseLettersEnabled = CharacterClassOffset(p_definition,
		zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__LOWERCASE_LETTERS_OFFSET, NO_OF_LETTERS,
		&m_lowercaseLettersOffset, zelplayCHARACTER_BACKGROUND_ERROR__LOWERCASE_LETTERS_EXCEED_TILE_TEXTURES, p_path);
	m_uppercaseLettersEnabled = CharacterClassOffset(p_definition,
		zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__UPPERCASE_LETTERS_OFFSET, NO_OF_LETTERS,
		&m_uppercaseLettersOffset, zelplayCHARACTER_BACKGROUND_ERROR__UPPERCASE_LETTERS_EXCEED_TILE_TEXTURES, p_path);

	if (!p_definition->MemberHasBeenInput(zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__SPECIALS_OFFSET))
		return;
	m_specials = p_definition->String(zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__SPECIALS);
	m_noOfSpecials = static_cast<unsigned char>(strlen(m_specials));
	m_specialsEnabled = CharacterClassOffset(p_definition, zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__SPECIALS_OFFSET,
		m_noOfSpecials, &m_specialsOffset, zelplayCHARACTER_BACKGROUND_ERROR__SPECIALS_EXCEED_TILE_TEXTURES, p_path);
	if (SpecialsContainLetterOrDigit())
		Fail(zelplayCHARACTER_BACKGROUND_ERROR__SPECIAL_IS_NOT, p_path);
}

// Reads the offset of the first glyph of a class of characters, if the
// definition lists one, and checks that every glyph of the class exists.
bool zelplayCharacterBackground::CharacterClassOffset(zelHighLevelList* p_definition, const char* p_label,
	int p_noOfCharacters, unsigned char* p_offset, const char* p_error, const char* p_path)
{
	if (!p_definition->MemberHasBeenInput(p_label))
		return false;
	// Checked before it is narrowed to 8 bits, so that an offset of 256 or
	// more cannot wrap round to a glyph of another class.
	const int offset = p_definition->Int(p_label);
	if (offset > NoOfTileTextures() - p_noOfCharacters)
		Fail(p_error, p_path);
	*p_offset = static_cast<unsigned char>(offset);
	return true;
}

bool zelplayCharacterBackground::SpecialsContainLetterOrDigit() const
{
	for (int i = 0; i < m_noOfSpecials; ++i)
	{
		const char special = m_specials[i];
		if ((special >= 'a' && special <= 'z') || (special >= 'A' && special <= 'Z')
			|| (special >= '0' && special <= '9'))
			return true;
	}
	return false;
}

// The tile texture of a character's glyph. False when nothing is to be
// written: a space, a class the font lacks, or (queued) an unknown character.
bool zelplayCharacterBackground::Glyph(char p_character, unsigned char* p_tileTextureNo)
{
	if (p_character == ' ')
		return false;
	if (p_character >= '0' && p_character <= '9')
	{
		*p_tileTextureNo = static_cast<unsigned char>(m_digitsOffset + (p_character - '0'));
		return m_digitsEnabled;
	}
	if (p_character >= 'a' && p_character <= 'z')
	{
		*p_tileTextureNo = static_cast<unsigned char>(m_lowercaseLettersOffset + (p_character - 'a'));
		return m_lowercaseLettersEnabled;
	}
	if (p_character >= 'A' && p_character <= 'Z')
	{
		*p_tileTextureNo = static_cast<unsigned char>(m_uppercaseLettersOffset + (p_character - 'A'));
		return m_uppercaseLettersEnabled;
	}
	for (int i = 0; i < m_noOfSpecials; ++i)
	{
		if (m_specials[i] == p_character)
		{
			*p_tileTextureNo = static_cast<unsigned char>(m_specialsOffset + i);
			return true;
		}
	}
	const char detail[2] = {p_character, '\0'};
	PushErrorString(zelplayCHARACTER_BACKGROUND_ERROR__UNRECOGNISED_CHARACTER, detail);
	return false;
}

unsigned int zelplayCharacterBackground::LineLimit(bool p_limitToWidth) const
{
	return p_limitToWidth ? WidthInTiles() : MAX_LINE_LENGTH;
}

void zelplayCharacterBackground::Fail(const char* p_error) const
{
	PushErrorString(p_error);
	throw p_error;
}

void zelplayCharacterBackground::Fail(const char* p_error, const char* p_detail) const
{
	PushErrorString(p_error, p_detail);
	throw p_error;
}

void zelplayCharacterBackground::PushErrorString(const char* p_error) const
{
	if (m_errorStrings != NULL)
		m_errorStrings->Push(p_error);
}

void zelplayCharacterBackground::PushErrorString(const char* p_error, const char* p_detail) const
{
	if (m_errorStrings == NULL)
		return;
	char* line = zelStringConcatenation::ConcatenateStrings(p_error, " (\"", p_detail, "\")",
		static_cast<const char*>(NULL));
	m_errorStrings->Push(line);
	free(line);
}
