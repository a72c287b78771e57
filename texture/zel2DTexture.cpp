#include "zel2DTexture.h"

#include "zelHighLevelList.h"
#include "zelStringConcatenation.h"
#include "zelStringQueue.h"

#include <SDL/SDL.h>
#include <SDL/SDL_image.h>
#include <GL/gl.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

const char zel2DTEXTURE_LIST_MEMBER__LABEL[] = "label";
const char zel2DTEXTURE_LIST_MEMBER__PATH[] = "path";
const char zel2DTEXTURE_LIST_MEMBER__MASK_PATH[] = "mpath";
const char zel2DTEXTURE_LIST_MEMBER__TYPE[] = "type";
const char zel2DTEXTURE_LIST_MEMBER__TYPE__UNSIGNED_INT_8_8_8_8[] = "ui8888";
const char zel2DTEXTURE_LIST_MEMBER__TYPE__UNSIGNED_SHORT_4_4_4_4[] = "us4444";
const char zel2DTEXTURE_LIST_MEMBER__TYPE__UNSIGNED_SHORT_5_5_5_1[] = "us5551";
const char zel2DTEXTURE_LIST_MEMBER__FILTERING[] = "filtering";
const char zel2DTEXTURE_LIST_MEMBER__FILTERING__NEAREST[] = "nearest";
const char zel2DTEXTURE_LIST_MEMBER__FILTERING__LINEAR[] = "linear";
const char zel2DTEXTURE_LIST_MEMBER__NO_S_CLAMP[] = "nosclamp";
const char zel2DTEXTURE_LIST_MEMBER__NO_T_CLAMP[] = "notclamp";

const char zel2DTEXTURE_LIST_ERROR__NULL_LABEL[] =
	"(zel2DTexture::Bind) passed NULL as the label of the texture to bind";
const char zel2DTEXTURE_LIST_ERROR__LABEL_NOT_FOUND[] =
	"(zel2DTexture::Bind) unable to find a texture with the specified label";
const char zel2DTEXTURE_LIST_ERROR__IMAGE_AND_MASK_IMAGE_DIMENSIONS_DIFFER[] =
	"(zel2DTexture::Input2DTexture) the dimensions of the image and the mask image differ";
const char zel2DTEXTURE_LIST_ERROR__UNKNOWN_PIXEL_TYPE[] =
	"(zel2DTexture::[constrcutor]) the pixel type listed in the texture list is not known";
const char zel2DTEXTURE_LIST_ERROR__UNKNOWN_TEXEL_FILTERING[] =
	"(zel2DTexture::[constructor]) the texel filtering listed in the texture list is not known";
const char zel2DTEXTURE_LIST_ERROR__NULL_LIST_PATH[] =
	"(zel2DTexture::[constructor]) passed NULL as the path to the texture list to input";
const char zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_LIST[] =
	"(zel2DTexture::[constructor]) unable to open the specified texture list";
const char zel2DTEXTURE_LIST_ERROR__LABEL_FOUND[] =
	"(zel2DTexture::[constructor]) the texture list contains a non-unique label";
const char zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_IMAGE[] =
	"(zel2DTexture::Input2DTexture) unable to open the specified image";
const char zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_MASK_IMAGE[] =
	"(zel2DTexture::Input2DTexture) unable to open the specified mask image";
const char zel2DTEXTURE_LIST_ERROR__UNABLE_TO_CONVERT_IMAGE[] =
	"(zel2DTexture::Input2DTexture) unable to convert the image to the internal format";
const char zel2DTEXTURE_LIST_ERROR__UNABLE_TO_CONVERT_MASK_IMAGE[] =
	"(zel2DTexture::Input2DTexture) unable to convert the mask image to the internal format";
const char zel2DTEXTURE_LIST_ERROR__IMAGE_TOO_LARGE[] =
	"(zel2DTexture::Input2DTexture) the image is too large for a texture; its width and height may exceed neither 32768 pixels nor the largest texture that OpenGL supports";
const char zel2DTEXTURE_LIST_ERROR__EMPTY_LIST[] =
	"(zel2DTexture::[constructor]) the texture list contains no textures";

namespace
{
	const char EXCEPTION_WHILST_INPUT_BEFORE_PATH[] =
		"(zel2DTexture::[constructor]) exception thrown whilst texture list \"";
	const char EXCEPTION_WHILST_INPUT_AFTER_PATH[] = "\" was being input";

	// Padded sizes must still fit an unsigned short.
	const int LARGEST_IMAGE_DIMENSION = 32768;

	Uint32 PixelAt(const SDL_Surface* p_surface, int p_column, int p_row)
	{
		Uint32 pixel;
		const Uint8* row = static_cast<const Uint8*>(p_surface->pixels) + p_row * p_surface->pitch;
		std::memcpy(&pixel, row + p_column * 4, sizeof(pixel));
		return pixel;
	}

	// 32-bit RGBA with red in the high byte, as the packing reads it.
	SDL_Surface* ConvertToInternalFormat(SDL_Surface* p_surface)
	{
		SDL_PixelFormat format;
		std::memset(&format, 0, sizeof(format));
		format.BitsPerPixel = 32;
		format.BytesPerPixel = 4;
		format.Rmask = 0xFF000000;
		format.Gmask = 0x00FF0000;
		format.Bmask = 0x0000FF00;
		format.Amask = 0x000000FF;
		format.Rshift = 24;
		format.Gshift = 16;
		format.Bshift = 8;
		format.Ashift = 0;
		return SDL_ConvertSurface(p_surface, &format, 0);
	}

	void FreeSurface(SDL_Surface* p_surface)
	{
		if (p_surface != NULL)
			SDL_FreeSurface(p_surface);
	}
}

zel2DTexture::zel2DTexture(const char* p_listPath, zelStringQueue* p_labels, zelStringQueue* p_errorStrings)
	: m_firstChild(NULL), m_secondChild(NULL), m_label(NULL), m_textureName(0),
	m_width(0), m_height(0), m_potWidth(0), m_potHeight(0), m_errorStrings(p_errorStrings)
{
	if (p_listPath == NULL)
	{
		PushErrorString(zel2DTEXTURE_LIST_ERROR__NULL_LIST_PATH);
		throw zel2DTEXTURE_LIST_ERROR__NULL_LIST_PATH;
	}
	FILE* file = std::fopen(p_listPath, "r");
	if (file == NULL)
	{
		PushErrorString(zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_LIST, p_listPath);
		throw zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_LIST;
	}
	zelHighLevelList* list = NULL;
	try
	{
		list = InitialiseHighLevel2DTextureList();
		InputListings(p_labels, list, file);
	}
	catch (const char*)
	{
		delete list;
		std::fclose(file);
		// The constructor throws, so the destructor never runs: release what was made.
		Release();
		if (m_errorStrings != NULL)
		{
			char* line = zelStringConcatenation::ConcatenateStrings(EXCEPTION_WHILST_INPUT_BEFORE_PATH, p_listPath,
				EXCEPTION_WHILST_INPUT_AFTER_PATH, static_cast<const char*>(NULL));
			m_errorStrings->Push(line);
			std::free(line);
		}
		throw;
	}
	delete list;
	std::fclose(file);
	// A list without textures is a broken data file; callers could bind nothing.
	if (m_label == NULL)
	{
		PushErrorString(zel2DTEXTURE_LIST_ERROR__EMPTY_LIST, p_listPath);
		throw zel2DTEXTURE_LIST_ERROR__EMPTY_LIST;
	}
}

zel2DTexture::zel2DTexture(char* p_label, unsigned long p_textureName, unsigned short p_width,
	unsigned short p_height, unsigned short p_potWidth, unsigned short p_potHeight, zelStringQueue* p_errorStrings)
	: m_firstChild(NULL), m_secondChild(NULL), m_label(p_label), m_textureName(p_textureName),
	m_width(p_width), m_height(p_height), m_potWidth(p_potWidth), m_potHeight(p_potHeight),
	m_errorStrings(p_errorStrings)
{
}

zel2DTexture::~zel2DTexture()
{
	Release();
}

void zel2DTexture::Release()
{
	std::free(m_label);
	m_label = NULL;
	if (m_textureName != 0)
	{
		GLuint name = static_cast<GLuint>(m_textureName);
		glDeleteTextures(1, &name);
		m_textureName = 0;
	}
	delete m_firstChild;
	m_firstChild = NULL;
	delete m_secondChild;
	m_secondChild = NULL;
}

zel2DTexture* zel2DTexture::Bind(const char* p_label)
{
	if (p_label == NULL)
	{
		PushErrorString(zel2DTEXTURE_LIST_ERROR__NULL_LABEL);
		throw zel2DTEXTURE_LIST_ERROR__NULL_LABEL;
	}
	zel2DTexture* entry = this;
	while (entry != NULL)
	{
		const int comparison = std::strcmp(p_label, entry->m_label);
		if (comparison == 0)
		{
			entry->Bind();
			return entry;
		}
		entry = comparison > 0 ? entry->m_firstChild : entry->m_secondChild;
	}
	PushErrorString(zel2DTEXTURE_LIST_ERROR__LABEL_NOT_FOUND, p_label);
	throw zel2DTEXTURE_LIST_ERROR__LABEL_NOT_FOUND;
}

void zel2DTexture::Bind() const
{
	glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(m_textureName));
}

unsigned short zel2DTexture::Width() const
{
	return m_width;
}

unsigned short zel2DTexture::Height() const
{
	return m_height;
}

unsigned short zel2DTexture::POTWidth() const
{
	return m_potWidth;
}

unsigned short zel2DTexture::POTHeight() const
{
	return m_potHeight;
}

zelHighLevelList* zel2DTexture::InitialiseHighLevel2DTextureList()
{
	zelHighLevelList* list = new zelHighLevelList(m_errorStrings);
	try
	{
		list->NewMember(zel2DTEXTURE_LIST_MEMBER__LABEL, zelHLL_MEMBER_TYPE__STRING);
		list->NewMember(zel2DTEXTURE_LIST_MEMBER__PATH, zelHLL_MEMBER_TYPE__STRING);
		list->NewMember(zel2DTEXTURE_LIST_MEMBER__MASK_PATH, zelHLL_MEMBER_TYPE__STRING);
		list->NewMember(zel2DTEXTURE_LIST_MEMBER__TYPE, zelHLL_MEMBER_TYPE__STRING);
		list->NewMember(zel2DTEXTURE_LIST_MEMBER__FILTERING, zelHLL_MEMBER_TYPE__STRING);
		list->NewMember(zel2DTEXTURE_LIST_MEMBER__NO_S_CLAMP, zelHLL_MEMBER_TYPE__STRING);
		list->NewMember(zel2DTEXTURE_LIST_MEMBER__NO_T_CLAMP, zelHLL_MEMBER_TYPE__STRING);
		list->NewBreakMembers(zel2DTEXTURE_LIST_MEMBER__PATH, zel2DTEXTURE_LIST_MEMBER__TYPE,
			zel2DTEXTURE_LIST_MEMBER__FILTERING, static_cast<const char*>(NULL));
	}
	catch (const char*)
	{
		delete list;
		throw;
	}
	return list;
}

void zel2DTexture::InputListings(zelStringQueue* p_labels, zelHighLevelList* p_list, FILE* p_file)
{
	for (;;)
	{
		p_list->Input(p_file);
		if (!p_list->AllBreakMembersHaveBeenInput())
			return;
		InputListing(p_labels, p_list);
		p_list->ClearInput();
	}
}

void zel2DTexture::InputListing(zelStringQueue* p_labels, zelHighLevelList* p_list)
{
	char* label = NULL;
	char* path = NULL;
	char* maskPath = NULL;
	unsigned long textureName = 0;
	try
	{
		label = p_list->String(zel2DTEXTURE_LIST_MEMBER__LABEL);
		if (p_labels != NULL)
			p_labels->Push(label);
		path = p_list->String(zel2DTEXTURE_LIST_MEMBER__PATH);
		if (p_list->MemberHasBeenInput(zel2DTEXTURE_LIST_MEMBER__MASK_PATH))
			maskPath = p_list->String(zel2DTEXTURE_LIST_MEMBER__MASK_PATH);
		const unsigned long type = Type(p_list);
		const unsigned long filtering = Filtering(p_list);
		// Only the presence of these members counts, never their values.
		const bool clampS = !p_list->MemberHasBeenInput(zel2DTEXTURE_LIST_MEMBER__NO_S_CLAMP);
		const bool clampT = !p_list->MemberHasBeenInput(zel2DTEXTURE_LIST_MEMBER__NO_T_CLAMP);
		unsigned short width, height, potWidth, potHeight;
		Input2DTexture(path, maskPath, type, filtering, clampS, clampT,
			&width, &height, &potWidth, &potHeight, &textureName);
		std::free(path);
		path = NULL;
		std::free(maskPath);
		maskPath = NULL;
		AddEntry(label, textureName, width, height, potWidth, potHeight);
	}
	catch (const char*)
	{
		std::free(label);
		std::free(path);
		std::free(maskPath);
		if (textureName != 0)
		{
			GLuint name = static_cast<GLuint>(textureName);
			glDeleteTextures(1, &name);
		}
		throw;
	}
}

// The first listing fills this object; every later one becomes an entry of its tree.
void zel2DTexture::AddEntry(char* p_label, unsigned long p_textureName, unsigned short p_width,
	unsigned short p_height, unsigned short p_potWidth, unsigned short p_potHeight)
{
	if (m_label != NULL)
	{
		Insert2DTexture(p_label, p_textureName, p_width, p_height, p_potWidth, p_potHeight, m_errorStrings);
		return;
	}
	m_label = p_label;
	m_textureName = p_textureName;
	m_width = p_width;
	m_height = p_height;
	m_potWidth = p_potWidth;
	m_potHeight = p_potHeight;
}

unsigned long zel2DTexture::Type(zelHighLevelList* p_list)
{
	if (p_list->CompareStringToIgnoreCase(zel2DTEXTURE_LIST_MEMBER__TYPE,
		zel2DTEXTURE_LIST_MEMBER__TYPE__UNSIGNED_INT_8_8_8_8))
		return GL_UNSIGNED_INT_8_8_8_8;
	if (p_list->CompareStringToIgnoreCase(zel2DTEXTURE_LIST_MEMBER__TYPE,
		zel2DTEXTURE_LIST_MEMBER__TYPE__UNSIGNED_SHORT_4_4_4_4))
		return GL_UNSIGNED_SHORT_4_4_4_4;
	if (p_list->CompareStringToIgnoreCase(zel2DTEXTURE_LIST_MEMBER__TYPE,
		zel2DTEXTURE_LIST_MEMBER__TYPE__UNSIGNED_SHORT_5_5_5_1))
		return GL_UNSIGNED_SHORT_5_5_5_1;
	char* type = p_list->String(zel2DTEXTURE_LIST_MEMBER__TYPE);
	PushErrorString(zel2DTEXTURE_LIST_ERROR__UNKNOWN_PIXEL_TYPE, type);
	std::free(type);
	throw zel2DTEXTURE_LIST_ERROR__UNKNOWN_PIXEL_TYPE;
}

unsigned long zel2DTexture::Filtering(zelHighLevelList* p_list)
{
	if (p_list->CompareStringToIgnoreCase(zel2DTEXTURE_LIST_MEMBER__FILTERING,
		zel2DTEXTURE_LIST_MEMBER__FILTERING__NEAREST))
		return GL_NEAREST;
	if (p_list->CompareStringToIgnoreCase(zel2DTEXTURE_LIST_MEMBER__FILTERING,
		zel2DTEXTURE_LIST_MEMBER__FILTERING__LINEAR))
		return GL_LINEAR;
	char* filtering = p_list->String(zel2DTEXTURE_LIST_MEMBER__FILTERING);
	PushErrorString(zel2DTEXTURE_LIST_ERROR__UNKNOWN_TEXEL_FILTERING, filtering);
	std::free(filtering);
	throw zel2DTEXTURE_LIST_ERROR__UNKNOWN_TEXEL_FILTERING;
}

void zel2DTexture::Input2DTexture(const char* p_path, const char* p_maskPath, unsigned long p_type,
	unsigned long p_filtering, bool p_clampS, bool p_clampT, unsigned short* p_width, unsigned short* p_height,
	unsigned short* p_potWidth, unsigned short* p_potHeight, unsigned long* p_textureName)
{
	SDL_Surface* mask = NULL;
	SDL_Surface* image = LoadImages(p_path, p_maskPath, &mask);
	*p_width = static_cast<unsigned short>(image->w);
	*p_height = static_cast<unsigned short>(image->h);
	*p_potWidth = NearestPOTDimension(*p_width);
	*p_potHeight = NearestPOTDimension(*p_height);
	ConvertImages(&image, &mask);
	void* texels = Texels(image, mask, p_type, *p_potWidth, *p_potHeight);
	SDL_FreeSurface(image);
	FreeSurface(mask);

	GLuint name = 0;
	glGenTextures(1, &name);
	*p_textureName = name;
	glBindTexture(GL_TEXTURE_2D, name);
	glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, static_cast<GLint>(p_filtering));
	glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, static_cast<GLint>(p_filtering));
	if (p_clampS)
		glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
	if (p_clampT)
		glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
	// The texel rows are packed tightly: a one-texel row of a 16-bit type is
	// 2 bytes, which OpenGL's default 4-byte row alignment would misread.
	GLint unpackAlignment = 4;
	glGetIntegerv(GL_UNPACK_ALIGNMENT, &unpackAlignment);
	glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
	glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, *p_potWidth, *p_potHeight, 0, GL_RGBA,
		static_cast<GLenum>(p_type), texels);
	glPixelStorei(GL_UNPACK_ALIGNMENT, unpackAlignment);
	std::free(texels);
}

// Loads the image and, if a path is given, its mask, checking both; frees
// whatever it loaded when it throws.
SDL_Surface* zel2DTexture::LoadImages(const char* p_path, const char* p_maskPath, SDL_Surface** p_mask)
{
	SDL_Surface* image = IMG_Load(p_path);
	if (image == NULL)
	{
		PushErrorString(zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_IMAGE, p_path);
		throw zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_IMAGE;
	}
	try
	{
		CheckImageSize(image, p_path);
		if (p_maskPath != NULL)
		{
			*p_mask = IMG_Load(p_maskPath);
			if (*p_mask == NULL)
			{
				PushErrorString(zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_MASK_IMAGE, p_maskPath);
				throw zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_MASK_IMAGE;
			}
			CheckImage_MaskImageDimensions(image, p_path, *p_mask, p_maskPath);
		}
	}
	catch (const char*)
	{
		SDL_FreeSurface(image);
		FreeSurface(*p_mask);
		*p_mask = NULL;
		throw;
	}
	return image;
}

// Replaces the loaded surfaces by their conversions to the internal format;
// on failure frees them all.
void zel2DTexture::ConvertImages(SDL_Surface** p_image, SDL_Surface** p_mask)
{
	SDL_Surface* image = ConvertToInternalFormat(*p_image);
	if (image == NULL)
	{
		PushErrorString(zel2DTEXTURE_LIST_ERROR__UNABLE_TO_CONVERT_IMAGE, SDL_GetError());
		SDL_FreeSurface(*p_image);
		FreeSurface(*p_mask);
		throw zel2DTEXTURE_LIST_ERROR__UNABLE_TO_CONVERT_IMAGE;
	}
	SDL_FreeSurface(*p_image);
	*p_image = image;
	if (*p_mask == NULL)
		return;
	SDL_Surface* mask = ConvertToInternalFormat(*p_mask);
	if (mask == NULL)
	{
		PushErrorString(zel2DTEXTURE_LIST_ERROR__UNABLE_TO_CONVERT_MASK_IMAGE, SDL_GetError());
		SDL_FreeSurface(*p_image);
		SDL_FreeSurface(*p_mask);
		throw zel2DTEXTURE_LIST_ERROR__UNABLE_TO_CONVERT_MASK_IMAGE;
	}
	SDL_FreeSurface(*p_mask);
	*p_mask = mask;
}

void zel2DTexture::CheckImage_MaskImageDimensions(const SDL_Surface* p_image, const char* p_path,
	const SDL_Surface* p_mask, const char* p_maskPath)
{
	if (p_image->w == p_mask->w && p_image->h == p_mask->h)
		return;
	if (m_errorStrings != NULL)
	{
		char* line = zelStringConcatenation::ConcatenateStrings(zel2DTEXTURE_LIST_ERROR__IMAGE_AND_MASK_IMAGE_DIMENSIONS_DIFFER,
			" (\"", p_path, "\", \"", p_maskPath, "\")", static_cast<const char*>(NULL));
		m_errorStrings->Push(line);
		std::free(line);
	}
	throw zel2DTEXTURE_LIST_ERROR__IMAGE_AND_MASK_IMAGE_DIMENSIONS_DIFFER;
}

// Refuses images whose padded size would not fit an unsigned short or that
// OpenGL would silently refuse to store.
void zel2DTexture::CheckImageSize(const SDL_Surface* p_image, const char* p_path)
{
	GLint largestTexture = 0;
	glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largestTexture);
	bool tooLarge = p_image->w > LARGEST_IMAGE_DIMENSION || p_image->h > LARGEST_IMAGE_DIMENSION;
	if (!tooLarge && largestTexture > 0)
	{
		tooLarge = NearestPOTDimension(static_cast<unsigned short>(p_image->w)) > largestTexture
			|| NearestPOTDimension(static_cast<unsigned short>(p_image->h)) > largestTexture;
	}
	if (!tooLarge)
		return;
	PushErrorString(zel2DTEXTURE_LIST_ERROR__IMAGE_TOO_LARGE, p_path);
	throw zel2DTEXTURE_LIST_ERROR__IMAGE_TOO_LARGE;
}

// The image flipped so that its bottom row is texel row 0, padded with zero
// texels to the power-of-two size and packed in the pixel type.
void* zel2DTexture::Texels(SDL_Surface* p_image, SDL_Surface* p_mask, unsigned long p_type,
	unsigned short p_potWidth, unsigned short p_potHeight)
{
	const size_t bytesPerTexel = p_type == GL_UNSIGNED_INT_8_8_8_8 ? 4 : 2;
	void* texels = std::calloc(static_cast<size_t>(p_potWidth) * p_potHeight, bytesPerTexel);
	const int width = p_image->w;
	const int height = p_image->h;
	SDL_LockSurface(p_image);
	if (p_mask != NULL)
		SDL_LockSurface(p_mask);
	for (int row = 0; row < height; ++row)
	{
		const size_t texelRow = static_cast<size_t>(height - 1 - row);
		for (int column = 0; column < width; ++column)
		{
			Uint8 red, green, blue;
			SDL_GetRGB(PixelAt(p_image, column, row), p_image->format, &red, &green, &blue);
			unsigned char alpha = 255;
			if (p_mask != NULL)
			{
				Uint8 maskRed, maskGreen, maskBlue;
				SDL_GetRGB(PixelAt(p_mask, column, row), p_mask->format, &maskRed, &maskGreen, &maskBlue);
				alpha = static_cast<unsigned char>((maskRed + maskGreen + maskBlue) / 3);
			}
			PackTexel(texels, texelRow * p_potWidth + column, p_type, red, green, blue, alpha);
		}
	}
	if (p_mask != NULL)
		SDL_UnlockSurface(p_mask);
	SDL_UnlockSurface(p_image);
	return texels;
}

void zel2DTexture::PackTexel(void* p_texels, size_t p_index, unsigned long p_type,
	unsigned char p_red, unsigned char p_green, unsigned char p_blue, unsigned char p_alpha)
{
	if (p_type == GL_UNSIGNED_INT_8_8_8_8)
	{
		static_cast<Uint32*>(p_texels)[p_index] = (static_cast<Uint32>(p_red) << 24)
			| (static_cast<Uint32>(p_green) << 16) | (static_cast<Uint32>(p_blue) << 8) | p_alpha;
	}
	else if (p_type == GL_UNSIGNED_SHORT_4_4_4_4)
	{
		static_cast<Uint16*>(p_texels)[p_index] = static_cast<Uint16>((ReducedColour(p_red, 15) << 12)
			| (ReducedColour(p_green, 15) << 8) | (ReducedColour(p_blue, 15) << 4) | ReducedColour(p_alpha, 15));
	}
	else
	{
		static_cast<Uint16*>(p_texels)[p_index] = static_cast<Uint16>((ReducedColour(p_red, 31) << 11)
			| (ReducedColour(p_green, 31) << 6) | (ReducedColour(p_blue, 31) << 1) | ReducedColour(p_alpha, 1));
	}
}

unsigned short zel2DTexture::NearestPOTDimension(unsigned short p_dimension)
{
	if (p_dimension <= 1)
		return 1;
	// The candidates after 1 start at 4, so a dimension of 2 gives 4.
	int power = 2;
	unsigned int candidate = static_cast<unsigned int>(std::pow(2.0, power));
	while (candidate < p_dimension)
	{
		++power;
		candidate = static_cast<unsigned int>(std::pow(2.0, power));
	}
	return static_cast<unsigned short>(candidate);
}

unsigned char zel2DTexture::ReducedColour(unsigned char p_colour, unsigned char p_maximum)
{
	// Kept in this order: the rounding it gives (85 gives 4 of 15) is what stored art was made with.
	const double reduced = (p_colour / 255.0 * 100.0) * (p_maximum / 100.0);
	return static_cast<unsigned char>(static_cast<unsigned int>(reduced) & 0xFF);
}

void zel2DTexture::Insert2DTexture(char* p_label, unsigned long p_textureName, unsigned short p_width,
	unsigned short p_height, unsigned short p_potWidth, unsigned short p_potHeight, zelStringQueue* p_errorStrings)
{
	zel2DTexture* entry = this;
	for (;;)
	{
		const int comparison = std::strcmp(p_label, entry->m_label);
		if (comparison == 0)
		{
			PushErrorString(zel2DTEXTURE_LIST_ERROR__LABEL_FOUND, p_label);
			throw zel2DTEXTURE_LIST_ERROR__LABEL_FOUND;
		}
		zel2DTexture** child = comparison > 0 ? &entry->m_firstChild : &entry->m_secondChild;
		if (*child == NULL)
		{
			*child = new zel2DTexture(p_label, p_textureName, p_width, p_height, p_potWidth, p_potHeight,
				p_errorStrings);
			return;
		}
		entry = *child;
	}
}

void zel2DTexture::PushErrorString(const char* p_error, const char* p_detail)
{
	if (m_errorStrings == NULL)
		return;
	char* line = zelStringConcatenation::ConcatenateStrings(p_error, " (\"", p_detail, "\")", static_cast<const char*>(NULL));
	m_errorStrings->Push(line);
	std::free(line);
}

void zel2DTexture::PushErrorString(const char* p_error)
{
	if (m_errorStrings != NULL)
		m_errorStrings->Push(p_error);
}
