#include "zelplayTiledBackground.h"

#include "zel2DTexture.h"
#include "zelNo2String.h"
#include "zelStringConcatenation.h"
#include "zelStringQueue.h"

#include <GL/gl.h>
#include <cstdlib>

const char zelplayTILED_BACKGROUND_ERROR__TILE_TEXTURE_LIST_PATH_NULL[] = "(zelplayTiledBackground::[constructor (as potential parent)]) passed NULL as the path to the texture list from which the tile textures of this background are to be created";
const char zelplayTILED_BACKGROUND_ERROR__ZERO_WIDTH__PARENT[] = "(zelplayTiledBackground::[constructor (as potential parent)]) zero passed as the width of the background to create";
const char zelplayTILED_BACKGROUND_ERROR__ZERO_HEIGHT__PARENT[] = "(zelplayTiledBackground::[constructor (as potential parent)]) zero passed as the height of the background to create";
const char zelplayTILED_BACKGROUND_ERROR__TEXTURE_DIMENSIONS_NOT_UNIFORM[] = "(zelplayTiledBackground::[constructor (as potential parent)]) the textures listed within the specified texture list from which the tiles textures of this background are to be created are not of uniform dimensions";
const char zelplayTILED_BACKGROUND_ERROR__TOO_MANY_TEXTURES[] = "(zelplayTiledBackground::[constructor (as potential parent)]) too many textures listed within the texture list from which the tile textures of the background are to be created";
const char zelplayTILED_BACKGROUND_ERROR__PARENT_NULL[] = "(zelplayTiledBackground::[constructor (as child)]) passed NULL as the parent background this child will share tile textures with";
const char zelplayTILED_BACKGROUND_ERROR__ZERO_WIDTH__CHILD[] = "(zelplayTiledBackground::[constructor (as child)]) zero passed as the width of the background to create";
const char zelplayTILED_BACKGROUND_ERROR__ZERO_HEIGHT__CHILD[] = "(zelplayTiledBackground::[constructor (as child)]) zero passed as the height of the background to create";
const char zelplayTILED_BACKGROUND_ERROR__INVALID_TILE_TEXTURE_NO__TILE[] = "(zelplayTiledBackground::Tile) the no. of the tile texture specified to apply to a tile of the background is invalid";
const char zelplayTILED_BACKGROUND_ERROR__INVALID_TILE_COORDINATES[] = "(zelplayTiledBackground::Tile) the coordinates of the tile specified to apply a tile texture to, or to retrieve the no. of the tile texture from, are invalid";
const char zelplayTILED_BACKGROUND_ERROR__INVALID_TILE_TEXTURE_NO__TILES[] = "(zelplayTiledBackground::Tiles) the no. of the tile texture specified to apply to all tiles of the background is invalid";
const char zelplayTILED_BACKGROUND_ERROR__X_OFFSET_LESS_THAN_TILE_TEXTURE_WIDTH[] = "(zelplayTiledBackground::TileXOffset) the specified x offset is less than the width of the texture of a tile";
const char zelplayTILED_BACKGROUND_ERROR__Y_OFFSET_LESS_THAN_TILE_TEXTURE_WIDTH[] = "(zelplayTiledBackground::TileXOffset) the specified y offset is less than the height of the texture of a tile";
const char zelplayTILED_BACKGROUND_ERROR__UNABLE_TO_DELETE_PARENT[] = "(zelplayTiledBackground::[destructor]) unable to delete that background, as it is a parent to a child which has not been deleted; parent-child background relationships must be deleted in the opposite order they were created in";

namespace
{
	// 255 marks an empty tile, so at most 254 tile textures can be numbered.
	const unsigned char EMPTY_TILE = 255;
	const unsigned short MAX_NO_OF_TILE_TEXTURES = 254;

	// Where the copy of a background that crosses an edge of the area goes.
	// Returns false (and the position unchanged) when it crosses neither edge.
	bool WrappedPosition(short p_position, unsigned short p_size, unsigned short p_area, short* p_wrapped)
	{
		*p_wrapped = p_position;
		if (p_position < 0)
			*p_wrapped = static_cast<short>(p_position + p_area);
		else if (p_position + p_size > p_area)
			*p_wrapped = static_cast<short>(p_position - p_area);
		else
			return false;
		return true;
	}
}

zelplayTiledBackground::zelplayTiledBackground(const char* p_tileTextureListPath, unsigned char p_widthInTiles,
	unsigned char p_heightInTiles, zelStringQueue* p_errorStrings)
	: m_textures(NULL), m_tileTextures(NULL), m_noOfTileTextures(0), m_widthInTiles(p_widthInTiles),
	m_heightInTiles(p_heightInTiles), m_tiles(NULL), m_bottomLeftX(0), m_bottomLeftY(0), m_tileXOffset(0),
	m_tileYOffset(0), m_isChild(false), m_parent(NULL), m_noOfChildren(0), m_errorStrings(p_errorStrings),
	m_wrappingEnabled(false), m_rotationEnabled(false), m_angleOfRotation(0.0f)
{
	if (p_tileTextureListPath == NULL)
		Fail(zelplayTILED_BACKGROUND_ERROR__TILE_TEXTURE_LIST_PATH_NULL);
	if (p_widthInTiles == 0)
	{
		PushErrorString(zelplayTILED_BACKGROUND_ERROR__ZERO_WIDTH__PARENT, p_tileTextureListPath);
		throw zelplayTILED_BACKGROUND_ERROR__ZERO_WIDTH__PARENT;
	}
	if (p_heightInTiles == 0)
	{
		PushErrorString(zelplayTILED_BACKGROUND_ERROR__ZERO_HEIGHT__PARENT, p_tileTextureListPath);
		throw zelplayTILED_BACKGROUND_ERROR__ZERO_HEIGHT__PARENT;
	}

	zelStringQueue labels;
	m_textures = new zel2DTexture(p_tileTextureListPath, &labels, m_errorStrings);
	try
	{
		CheckTileTextures(p_tileTextureListPath, &labels);
		m_noOfTileTextures = static_cast<unsigned char>(NoOfTextures(&labels));
		m_tileTextures = new zel2DTexture*[m_noOfTileTextures];
		AssignTileTextures(&labels);
		m_tiles = NewEmptyTiles();
	}
	catch (...)
	{
		// The destructor does not run for a failed constructor.
		delete[] m_tileTextures;
		delete m_textures;
		throw;
	}
}

zelplayTiledBackground::zelplayTiledBackground(zelplayTiledBackground* p_parent, unsigned char p_widthInTiles,
	unsigned char p_heightInTiles, zelStringQueue* p_errorStrings)
	: m_textures(NULL), m_tileTextures(NULL), m_noOfTileTextures(0), m_widthInTiles(p_widthInTiles),
	m_heightInTiles(p_heightInTiles), m_tiles(NULL), m_bottomLeftX(0), m_bottomLeftY(0), m_tileXOffset(0),
	m_tileYOffset(0), m_isChild(true), m_parent(p_parent), m_noOfChildren(0), m_errorStrings(p_errorStrings),
	m_wrappingEnabled(false), m_rotationEnabled(false), m_angleOfRotation(0.0f)
{
	if (p_parent == NULL)
		Fail(zelplayTILED_BACKGROUND_ERROR__PARENT_NULL);
	if (p_widthInTiles == 0)
		Fail(zelplayTILED_BACKGROUND_ERROR__ZERO_WIDTH__CHILD);
	if (p_heightInTiles == 0)
		Fail(zelplayTILED_BACKGROUND_ERROR__ZERO_HEIGHT__CHILD);

	m_tiles = NewEmptyTiles();
	m_noOfTileTextures = p_parent->NoOfTileTextures();
	m_textures = p_parent->Textures();
	m_tileTextures = p_parent->TileTextures();
	// Counted only once the child is complete, so that a refused child does
	// not keep its parent from being destroyed.
	p_parent->IncrementNoOfChildren();
}

zelplayTiledBackground::~zelplayTiledBackground() noexcept(false)
{
	if (m_noOfChildren != 0)
		Fail(zelplayTILED_BACKGROUND_ERROR__UNABLE_TO_DELETE_PARENT);

	delete[] m_tiles;
	if (m_isChild)
	{
		m_parent->DecrementNoOfChildren();
		return;
	}
	delete m_textures;
	delete[] m_tileTextures;
}

void zelplayTiledBackground::Tile(unsigned char p_x, unsigned char p_y, unsigned char p_tileTextureNo)
{
	if (!TileTextureNoValid(p_tileTextureNo))
		Fail(zelplayTILED_BACKGROUND_ERROR__INVALID_TILE_TEXTURE_NO__TILE);
	if (!TileCoordinatesValid(p_x, p_y))
		Fail(zelplayTILED_BACKGROUND_ERROR__INVALID_TILE_COORDINATES);
	m_tiles[p_x + p_y * m_widthInTiles] = p_tileTextureNo;
}

unsigned char zelplayTiledBackground::Tile(unsigned char p_x, unsigned char p_y) const
{
	if (!TileCoordinatesValid(p_x, p_y))
		Fail(zelplayTILED_BACKGROUND_ERROR__INVALID_TILE_COORDINATES);
	return m_tiles[p_x + p_y * m_widthInTiles];
}

void zelplayTiledBackground::Tiles(unsigned char p_tileTextureNo)
{
	if (!TileTextureNoValid(p_tileTextureNo))
		Fail(zelplayTILED_BACKGROUND_ERROR__INVALID_TILE_TEXTURE_NO__TILES);
	const int noOfTiles = m_widthInTiles * m_heightInTiles;
	for (int i = 0; i < noOfTiles; ++i)
		m_tiles[i] = p_tileTextureNo;
}

short zelplayTiledBackground::BottomLeftX() const
{
	return m_bottomLeftX;
}

short zelplayTiledBackground::BottomLeftY() const
{
	return m_bottomLeftY;
}

void zelplayTiledBackground::BottomLeftX(short p_x)
{
	m_bottomLeftX = p_x;
}

void zelplayTiledBackground::BottomLeftY(short p_y)
{
	m_bottomLeftY = p_y;
}

signed char zelplayTiledBackground::TileXOffset() const
{
	return m_tileXOffset;
}

signed char zelplayTiledBackground::TileYOffset() const
{
	return m_tileYOffset;
}

void zelplayTiledBackground::TileXOffset(signed char p_offset)
{
	if (p_offset < -static_cast<int>(TileWidth()))
		Fail(zelplayTILED_BACKGROUND_ERROR__X_OFFSET_LESS_THAN_TILE_TEXTURE_WIDTH);
	m_tileXOffset = p_offset;
}

void zelplayTiledBackground::TileYOffset(signed char p_offset)
{
	if (p_offset < -static_cast<int>(TileHeight()))
		Fail(zelplayTILED_BACKGROUND_ERROR__Y_OFFSET_LESS_THAN_TILE_TEXTURE_WIDTH);
	m_tileYOffset = p_offset;
}

void zelplayTiledBackground::EnableWrapping__DisableRotation()
{
	m_wrappingEnabled = true;
	m_rotationEnabled = false;
}

void zelplayTiledBackground::DisableWrapping()
{
	m_wrappingEnabled = false;
}

bool zelplayTiledBackground::WrappingEnabled() const
{
	return m_wrappingEnabled;
}

void zelplayTiledBackground::EnableRotation__DisableWrapping()
{
	m_rotationEnabled = true;
	m_wrappingEnabled = false;
}

void zelplayTiledBackground::DisableRotation()
{
	m_rotationEnabled = false;
}

bool zelplayTiledBackground::RotationEnabled() const
{
	return m_rotationEnabled;
}

void zelplayTiledBackground::AngleOfRotation(float p_degrees)
{
	m_angleOfRotation = p_degrees;
}

float zelplayTiledBackground::AngleOfRotation() const
{
	return m_angleOfRotation;
}

unsigned short zelplayTiledBackground::WidthInPixels() const
{
	return static_cast<unsigned short>(m_widthInTiles * (TileWidth() + m_tileXOffset) - m_tileXOffset);
}

unsigned short zelplayTiledBackground::HeightInPixels() const
{
	return static_cast<unsigned short>(m_heightInTiles * (TileHeight() + m_tileYOffset) - m_tileYOffset);
}

unsigned char zelplayTiledBackground::WidthInTiles() const
{
	return m_widthInTiles;
}

unsigned char zelplayTiledBackground::HeightInTiles() const
{
	return m_heightInTiles;
}

unsigned short zelplayTiledBackground::TileWidth() const
{
	return m_textures->Width();
}

unsigned short zelplayTiledBackground::TileHeight() const
{
	return m_textures->Height();
}

unsigned char zelplayTiledBackground::NoOfTileTextures() const
{
	return m_noOfTileTextures;
}

void zelplayTiledBackground::Render(unsigned short p_areaWidth, unsigned short p_areaHeight)
{
	RenderBackground(m_bottomLeftX, m_bottomLeftY);
	if (!m_wrappingEnabled)
		return;

	short wrappedX;
	short wrappedY;
	const bool wrapsX = WrappedPosition(m_bottomLeftX, WidthInPixels(), p_areaWidth, &wrappedX);
	const bool wrapsY = WrappedPosition(m_bottomLeftY, HeightInPixels(), p_areaHeight, &wrappedY);
	if (!wrapsX && !wrapsY)
		return;
	RenderBackground(m_bottomLeftX, wrappedY);
	RenderBackground(wrappedX, m_bottomLeftY);
	RenderBackground(wrappedX, wrappedY);
}

void zelplayTiledBackground::RenderBackground(short p_x, short p_y)
{
	glPushMatrix();
	glTranslatef(p_x, p_y, 0.0f);
	if (m_rotationEnabled)
	{
		const double halfWidth = WidthInPixels() * 0.5;
		const double halfHeight = HeightInPixels() * 0.5;
		glTranslatef(static_cast<float>(halfWidth), static_cast<float>(halfHeight), 0.0f);
		glRotatef(-m_angleOfRotation, 0.0f, 0.0f, 1.0f);
		glTranslatef(static_cast<float>(-halfWidth), static_cast<float>(-halfHeight), 0.0f);
	}

	// The matrix stack steps from tile to tile; an empty tile costs only a step.
	const int columnStep = TileWidth() + m_tileXOffset;
	const int rowStep = TileHeight() + m_tileYOffset;
	for (int y = 0; y < m_heightInTiles; ++y)
	{
		glPushMatrix();
		for (int x = 0; x < m_widthInTiles; ++x)
		{
			const unsigned char tile = m_tiles[x + y * m_widthInTiles];
			if (tile != EMPTY_TILE)
			{
				// The quad covers the whole padded texture; its padding is transparent.
				const zel2DTexture* texture = m_tileTextures[tile];
				const int potWidth = texture->POTWidth();
				const int potHeight = texture->POTHeight();
				texture->Bind();
				glBegin(GL_QUADS);
				glTexCoord2i(0, 1);
				glVertex2i(0, potHeight);
				glTexCoord2i(1, 1);
				glVertex2i(potWidth, potHeight);
				glTexCoord2i(1, 0);
				glVertex2i(potWidth, 0);
				glTexCoord2i(0, 0);
				glVertex2i(0, 0);
				glEnd();
			}
			glTranslatef(static_cast<float>(columnStep), 0.0f, 0.0f);
		}
		glPopMatrix();
		glTranslatef(0.0f, static_cast<float>(rowStep), 0.0f);
	}
	glPopMatrix();
}

zel2DTexture* zelplayTiledBackground::Textures() const
{
	return m_textures;
}

zel2DTexture** zelplayTiledBackground::TileTextures() const
{
	return m_tileTextures;
}

void zelplayTiledBackground::IncrementNoOfChildren()
{
	++m_noOfChildren;
}

void zelplayTiledBackground::DecrementNoOfChildren()
{
	--m_noOfChildren;
}

// Refuses tile textures of differing sizes, and more than can be numbered.
void zelplayTiledBackground::CheckTileTextures(const char* p_path, zelStringQueue* p_labels)
{
	if (!TextureDimensionsUniform(p_labels))
	{
		PushErrorString(zelplayTILED_BACKGROUND_ERROR__TEXTURE_DIMENSIONS_NOT_UNIFORM, p_path);
		throw zelplayTILED_BACKGROUND_ERROR__TEXTURE_DIMENSIONS_NOT_UNIFORM;
	}
	if (NoOfTextures(p_labels) > MAX_NO_OF_TILE_TEXTURES)
	{
		if (m_errorStrings != NULL)
		{
			char* cap = zelNo2String().Int2String(MAX_NO_OF_TILE_TEXTURES, false);
			char* line = zelStringConcatenation::ConcatenateStrings(zelplayTILED_BACKGROUND_ERROR__TOO_MANY_TEXTURES,
				" (cap on no. of tile textures is ", cap, "; \"", p_path, "\")", static_cast<const char*>(NULL));
			m_errorStrings->Push(line);
			free(line);
			free(cap);
		}
		throw zelplayTILED_BACKGROUND_ERROR__TOO_MANY_TEXTURES;
	}
}

bool zelplayTiledBackground::TextureDimensionsUniform(zelStringQueue* p_labels)
{
	bool uniform = true;
	bool first = true;
	unsigned short width = 0;
	unsigned short height = 0;
	p_labels->Reset();
	while (!p_labels->IsEndOfQueue())
	{
		char* label = p_labels->Pop();
		const zel2DTexture* texture = m_textures->Bind(label);
		free(label);
		if (first)
		{
			width = texture->Width();
			height = texture->Height();
			first = false;
		}
		else if (texture->Width() != width || texture->Height() != height)
			uniform = false;
	}
	return uniform;
}

unsigned short zelplayTiledBackground::NoOfTextures(zelStringQueue* p_labels)
{
	unsigned long count = 0;
	p_labels->Reset();
	while (!p_labels->IsEndOfQueue())
	{
		free(p_labels->Pop());
		++count;
	}
	// Saturates rather than wrapping round to a small, acceptable count.
	return count > 0xFFFF ? 0xFFFF : static_cast<unsigned short>(count);
}

void zelplayTiledBackground::AssignTileTextures(zelStringQueue* p_labels)
{
	p_labels->Reset();
	for (int n = 0; !p_labels->IsEndOfQueue(); ++n)
	{
		char* label = p_labels->Pop();
		m_tileTextures[n] = m_textures->Bind(label);
		free(label);
	}
}

unsigned char* zelplayTiledBackground::NewEmptyTiles() const
{
	const int noOfTiles = m_widthInTiles * m_heightInTiles;
	unsigned char* tiles = new unsigned char[noOfTiles];
	for (int i = 0; i < noOfTiles; ++i)
		tiles[i] = EMPTY_TILE;
	return tiles;
}

bool zelplayTiledBackground::TileCoordinatesValid(unsigned char p_x, unsigned char p_y) const
{
	return p_x < m_widthInTiles && p_y < m_heightInTiles;
}

bool zelplayTiledBackground::TileTextureNoValid(unsigned char p_tileTextureNo) const
{
	return p_tileTextureNo < m_noOfTileTextures || p_tileTextureNo == EMPTY_TILE;
}

void zelplayTiledBackground::Fail(const char* p_error) const
{
	if (m_errorStrings != NULL)
		m_errorStrings->Push(p_error);
	throw p_error;
}

void zelplayTiledBackground::PushErrorString(const char* p_error, const char* p_detail) const
{
	if (m_errorStrings == NULL)
		return;
	char* line = zelStringConcatenation::ConcatenateStrings(p_error, " (\"", p_detail, "\")",
		static_cast<const char*>(NULL));
	m_errorStrings->Push(line);
	free(line);
}
