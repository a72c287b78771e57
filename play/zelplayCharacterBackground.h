#ifndef ZELPLAY_CHARACTER_BACKGROUND_H
#define ZELPLAY_CHARACTER_BACKGROUND_H

class zelHighLevelList;
class zelStringQueue;
class zelplayTiledBackground;

extern const char zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__TILE_TEXTURE_LIST_PATH[];
extern const char zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__DIGITS_OFFSET[];
extern const char zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__LOWERCASE_LETTERS_OFFSET[];
extern const char zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__UPPERCASE_LETTERS_OFFSET[];
extern const char zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__SPECIALS_OFFSET[];
extern const char zelplayCHARACTER_BACKGROUND_DEFINITION_MEMBER__SPECIALS[];

extern const char zelplayCHARACTER_BACKGROUND_ERROR__DEFINITION_PATH_NULL[];
extern const char zelplayCHARACTER_BACKGROUND_ERROR__UNABLE_TO_OPEN_DEFINITION[];
extern const char zelplayCHARACTER_BACKGROUND_ERROR__EMPTY_DEFINITION[];
extern const char zelplayCHARACTER_BACKGROUND_ERROR__MALFORMED_DEFINITION[];
extern const char zelplayCHARACTER_BACKGROUND_ERROR__DIGITS_EXCEED_TILE_TEXTURES[];
extern const char zelplayCHARACTER_BACKGROUND_ERROR__LOWERCASE_LETTERS_EXCEED_TILE_TEXTURES[];
extern const char zelplayCHARACTER_BACKGROUND_ERROR__UPPERCASE_LETTERS_EXCEED_TILE_TEXTURES[];
extern const char zelplayCHARACTER_BACKGROUND_ERROR__SPECIALS_EXCEED_TILE_TEXTURES[];
extern const char zelplayCHARACTER_BACKGROUND_ERROR__SPECIAL_IS_NOT[];
extern const char zelplayCHARACTER_BACKGROUND_ERROR__NULL_PARENT[];
extern const char zelplayCHARACTER_BACKGROUND_ERROR__UNABLE_TO_DELETE_PARENT[];
extern const char zelplayCHARACTER_BACKGROUND_ERROR__NULL_STRING[];
extern const char zelplayCHARACTER_BACKGROUND_ERROR__START_COORD_OUTSIDE_TILED_BACKGROUND_WIDTH[];
extern const char zelplayCHARACTER_BACKGROUND_ERROR__START_COORD_OUTSIDE_TILED_BACKGROUND_HEIGHT[];
extern const char zelplayCHARACTER_BACKGROUND_ERROR__UNRECOGNISED_FORMATTING_SEQUENCE[];
extern const char zelplayCHARACTER_BACKGROUND_ERROR__NULL_STRING__STRING_WIDTH[];
extern const char zelplayCHARACTER_BACKGROUND_ERROR__NULL_STRING__STRING_HEIGHT[];
extern const char zelplayCHARACTER_BACKGROUND_ERROR__NO_TOO_LONG[];
extern const char zelplayCHARACTER_BACKGROUND_ERROR__UNRECOGNISED_CHARACTER[];

// A text surface: a tiled background whose tile textures hold the glyphs of a
// bitmap font, with the mapping from characters to glyphs read from a
// definition file. Writing and measuring never throw; their problems are only
// queued. Children share the parent's font; a parent refuses destruction while
// any child lives.
class zelplayCharacterBackground
{
public:
	zelplayCharacterBackground(const char* p_definitionPath, unsigned char p_widthInTiles,
		unsigned char p_heightInTiles, zelStringQueue* p_errorStrings);
	zelplayCharacterBackground(zelplayCharacterBackground* p_parent, unsigned char p_widthInTiles,
		unsigned char p_heightInTiles, zelStringQueue* p_errorStrings);
	~zelplayCharacterBackground() noexcept(false);

	zelplayCharacterBackground(const zelplayCharacterBackground&) = delete;
	zelplayCharacterBackground& operator=(const zelplayCharacterBackground&) = delete;

	// Row 0 is the bottom row.
	void Character(char p_character, unsigned char p_x, unsigned char p_y);
	// Row 0 is the top row; the flag has no effect.
	void String(const char* p_string, unsigned char p_x, unsigned char p_y, bool p_unused);
	// In tiles; a line is limited to the width in tiles when the flag is set, else to 255.
	unsigned char StringWidth(const char* p_string, bool p_limitToWidth);
	unsigned char StringHeight(const char* p_string, bool p_limitToWidth);
	void Int(int p_number, unsigned char p_x, unsigned char p_y, bool p_yFromTop, bool p_plusSign);
	void Int__RightAligned(int p_number, unsigned char p_y, bool p_yFromTop, bool p_plusSign);

	void Render(unsigned short p_areaWidth, unsigned short p_areaHeight);
	void Tile(unsigned char p_x, unsigned char p_y, unsigned char p_tileTextureNo);
	unsigned char Tile(unsigned char p_x, unsigned char p_y) const;
	void Tiles(unsigned char p_tileTextureNo);
	short BottomLeftX() const;
	short BottomLeftY() const;
	void BottomLeftX(short p_x);
	void BottomLeftY(short p_y);
	signed char TileXOffset() const;
	signed char TileYOffset() const;
	void TileXOffset(signed char p_offset);
	void TileYOffset(signed char p_offset);
	void EnableWrapping__DisableRotation();
	void DisableWrapping();
	bool WrappingEnabled() const;
	void EnableRotation__DisableWrapping();
	void DisableRotation();
	bool RotationEnabled() const;
	void AngleOfRotation(float p_degrees);
	float AngleOfRotation() const;
	unsigned short WidthInPixels() const;
	unsigned short HeightInPixels() const;
	unsigned char WidthInTiles() const;
	unsigned char HeightInTiles() const;
	unsigned short TileWidth() const;
	unsigned short TileHeight() const;
	unsigned char NoOfTileTextures() const;

	void IncrementNoOfChildren();
	void DecrementNoOfChildren();

private:
	void InitialiseHighLevelCharacterBackgroundDefinition(zelHighLevelList* p_definition);
	void InputDefinition(zelHighLevelList* p_definition, const char* p_path);
	char* TileTextureListPath(zelHighLevelList* p_definition, const char* p_path);
	void AssignCharacterClasses(zelHighLevelList* p_definition, const char* p_path);
	bool CharacterClassOffset(zelHighLevelList* p_definition, const char* p_label, int p_noOfCharacters,
		unsigned char* p_offset, const char* p_error, const char* p_path);
	bool SpecialsContainLetterOrDigit() const;
	bool Glyph(char p_character, unsigned char* p_tileTextureNo);
	unsigned int LineLimit(bool p_limitToWidth) const;

	// Records the bare message, or the message with the detail, and throws it.
	[[noreturn]] void Fail(const char* p_error) const;
	[[noreturn]] void Fail(const char* p_error, const char* p_detail) const;
	void PushErrorString(const char* p_error) const;
	void PushErrorString(const char* p_error, const char* p_detail) const;

	zelplayTiledBackground* m_tiledBackground;
	char* m_specials;
	unsigned char m_noOfSpecials;
	bool m_specialsEnabled;
	bool m_digitsEnabled;
	bool m_lowercaseLettersEnabled;
	bool m_uppercaseLettersEnabled;
	unsigned char m_specialsOffset;
	unsigned char m_digitsOffset;
	unsigned char m_lowercaseLettersOffset;
	unsigned char m_uppercaseLettersOffset;
	bool m_isChild;
	zelplayCharacterBackground* m_parent;
	unsigned char m_noOfChildren;
	zelStringQueue* m_errorStrings;
};

#endif
