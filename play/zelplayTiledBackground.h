#ifndef ZELPLAY_TILED_BACKGROUND_H
#define ZELPLAY_TILED_BACKGROUND_H

class zel2DTexture;
class zelStringQueue;

extern const char zelplayTILED_BACKGROUND_ERROR__TILE_TEXTURE_LIST_PATH_NULL[];
extern const char zelplayTILED_BACKGROUND_ERROR__ZERO_WIDTH__PARENT[];
extern const char zelplayTILED_BACKGROUND_ERROR__ZERO_HEIGHT__PARENT[];
extern const char zelplayTILED_BACKGROUND_ERROR__TEXTURE_DIMENSIONS_NOT_UNIFORM[];
extern const char zelplayTILED_BACKGROUND_ERROR__TOO_MANY_TEXTURES[];
extern const char zelplayTILED_BACKGROUND_ERROR__PARENT_NULL[];
extern const char zelplayTILED_BACKGROUND_ERROR__ZERO_WIDTH__CHILD[];
extern const char zelplayTILED_BACKGROUND_ERROR__ZERO_HEIGHT__CHILD[];
extern const char zelplayTILED_BACKGROUND_ERROR__INVALID_TILE_TEXTURE_NO__TILE[];
extern const char zelplayTILED_BACKGROUND_ERROR__INVALID_TILE_COORDINATES[];
extern const char zelplayTILED_BACKGROUND_ERROR__INVALID_TILE_TEXTURE_NO__TILES[];
extern const char zelplayTILED_BACKGROUND_ERROR__X_OFFSET_LESS_THAN_TILE_TEXTURE_WIDTH[];
extern const char zelplayTILED_BACKGROUND_ERROR__Y_OFFSET_LESS_THAN_TILE_TEXTURE_WIDTH[];
extern const char zelplayTILED_BACKGROUND_ERROR__UNABLE_TO_DELETE_PARENT[];

// A grid of up to 255 x 255 tiles, each showing one of a set of equally sized
// tile textures (numbered in the order of their texture list) or nothing (255).
// A background made from a texture list is a parent; children share its tile
// textures but keep their own grid and settings. A parent refuses destruction
// while any child lives, because destroying it deletes the shared textures.
class zelplayTiledBackground
{
public:
	zelplayTiledBackground(const char* p_tileTextureListPath, unsigned char p_widthInTiles,
		unsigned char p_heightInTiles, zelStringQueue* p_errorStrings);
	zelplayTiledBackground(zelplayTiledBackground* p_parent, unsigned char p_widthInTiles,
		unsigned char p_heightInTiles, zelStringQueue* p_errorStrings);
	~zelplayTiledBackground() noexcept(false);

	zelplayTiledBackground(const zelplayTiledBackground&) = delete;
	zelplayTiledBackground& operator=(const zelplayTiledBackground&) = delete;

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

	// Draws the background; with wrapping on, also its copies across the
	// edges of an area of p_areaWidth x p_areaHeight pixels.
	void Render(unsigned short p_areaWidth, unsigned short p_areaHeight);
	void RenderBackground(short p_x, short p_y);

	zel2DTexture* Textures() const;
	zel2DTexture** TileTextures() const;
	void IncrementNoOfChildren();
	void DecrementNoOfChildren();

private:
	bool TextureDimensionsUniform(zelStringQueue* p_labels);
	unsigned short NoOfTextures(zelStringQueue* p_labels);
	void AssignTileTextures(zelStringQueue* p_labels);
	void CheckTileTextures(const char* p_path, zelStringQueue* p_labels);
	unsigned char* NewEmptyTiles() const;
	bool TileCoordinatesValid(unsigned char p_x, unsigned char p_y) const;
	bool TileTextureNoValid(unsigned char p_tileTextureNo) const;
	// Records the bare message (when there is a queue) and throws it.
	[[noreturn]] void Fail(const char* p_error) const;
	void PushErrorString(const char* p_error, const char* p_detail) const;

	zel2DTexture* m_textures;
	zel2DTexture** m_tileTextures;
	unsigned char m_noOfTileTextures;
	unsigned char m_widthInTiles;
	unsigned char m_heightInTiles;
	unsigned char* m_tiles;
	short m_bottomLeftX;
	short m_bottomLeftY;
	signed char m_tileXOffset;
	signed char m_tileYOffset;
	bool m_isChild;
	zelplayTiledBackground* m_parent;
	unsigned char m_noOfChildren;
	zelStringQueue* m_errorStrings;
	bool m_wrappingEnabled;
	bool m_rotationEnabled;
	float m_angleOfRotation;
};

#endif
