#ifndef ZEL_2D_TEXTURE_H
#define ZEL_2D_TEXTURE_H

#include <cstddef>
#include <cstdio>

struct SDL_Surface;
class zelStringQueue;
class zelHighLevelList;

// Members of a texture list file
extern const char zel2DTEXTURE_LIST_MEMBER__LABEL[];
extern const char zel2DTEXTURE_LIST_MEMBER__PATH[];
extern const char zel2DTEXTURE_LIST_MEMBER__MASK_PATH[];
extern const char zel2DTEXTURE_LIST_MEMBER__TYPE[];
extern const char zel2DTEXTURE_LIST_MEMBER__TYPE__UNSIGNED_INT_8_8_8_8[];
extern const char zel2DTEXTURE_LIST_MEMBER__TYPE__UNSIGNED_SHORT_4_4_4_4[];
extern const char zel2DTEXTURE_LIST_MEMBER__TYPE__UNSIGNED_SHORT_5_5_5_1[];
extern const char zel2DTEXTURE_LIST_MEMBER__FILTERING[];
extern const char zel2DTEXTURE_LIST_MEMBER__FILTERING__NEAREST[];
extern const char zel2DTEXTURE_LIST_MEMBER__FILTERING__LINEAR[];
extern const char zel2DTEXTURE_LIST_MEMBER__NO_S_CLAMP[];
extern const char zel2DTEXTURE_LIST_MEMBER__NO_T_CLAMP[];

// Error messages
extern const char zel2DTEXTURE_LIST_ERROR__NULL_LABEL[];
extern const char zel2DTEXTURE_LIST_ERROR__LABEL_NOT_FOUND[];
extern const char zel2DTEXTURE_LIST_ERROR__IMAGE_AND_MASK_IMAGE_DIMENSIONS_DIFFER[];
extern const char zel2DTEXTURE_LIST_ERROR__UNKNOWN_PIXEL_TYPE[];
extern const char zel2DTEXTURE_LIST_ERROR__UNKNOWN_TEXEL_FILTERING[];
extern const char zel2DTEXTURE_LIST_ERROR__NULL_LIST_PATH[];
extern const char zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_LIST[];
extern const char zel2DTEXTURE_LIST_ERROR__LABEL_FOUND[];
extern const char zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_IMAGE[];
extern const char zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_MASK_IMAGE[];
extern const char zel2DTEXTURE_LIST_ERROR__UNABLE_TO_CONVERT_IMAGE[];
extern const char zel2DTEXTURE_LIST_ERROR__UNABLE_TO_CONVERT_MASK_IMAGE[];
extern const char zel2DTEXTURE_LIST_ERROR__IMAGE_TOO_LARGE[];
extern const char zel2DTEXTURE_LIST_ERROR__EMPTY_LIST[];

// A set of labelled OpenGL textures read from a texture list file. The object
// a caller constructs holds the first listing and is the root of a search tree
// (by label) of one entry per further listing. Each image sits at the bottom
// left of a power-of-two texture padded with transparent texels.
// Needs a current OpenGL context to be constructed and destroyed.
class zel2DTexture
{
public:
	zel2DTexture(const char* p_listPath, zelStringQueue* p_labels, zelStringQueue* p_errorStrings);
	~zel2DTexture();

	zel2DTexture(const zel2DTexture&) = delete;
	zel2DTexture& operator=(const zel2DTexture&) = delete;

	// Binds the texture with that label and returns its entry.
	zel2DTexture* Bind(const char* p_label);
	// Binds this entry's own texture.
	void Bind() const;

	unsigned short Width() const;
	unsigned short Height() const;
	unsigned short POTWidth() const;
	unsigned short POTHeight() const;

private:
	zel2DTexture(char* p_label, unsigned long p_textureName, unsigned short p_width, unsigned short p_height,
		unsigned short p_potWidth, unsigned short p_potHeight, zelStringQueue* p_errorStrings);

	zelHighLevelList* InitialiseHighLevel2DTextureList();
	void InputListings(zelStringQueue* p_labels, zelHighLevelList* p_list, FILE* p_file);
	void InputListing(zelStringQueue* p_labels, zelHighLevelList* p_list);
	unsigned long Type(zelHighLevelList* p_list);
	unsigned long Filtering(zelHighLevelList* p_list);
	void Input2DTexture(const char* p_path, const char* p_maskPath, unsigned long p_type, unsigned long p_filtering,
		bool p_clampS, bool p_clampT, unsigned short* p_width, unsigned short* p_height,
		unsigned short* p_potWidth, unsigned short* p_potHeight, unsigned long* p_textureName);
	SDL_Surface* LoadImages(const char* p_path, const char* p_maskPath, SDL_Surface** p_mask);
	void ConvertImages(SDL_Surface** p_image, SDL_Surface** p_mask);
	void CheckImage_MaskImageDimensions(const SDL_Surface* p_image, const char* p_path,
		const SDL_Surface* p_mask, const char* p_maskPath);
	void CheckImageSize(const SDL_Surface* p_image, const char* p_path);
	void AddEntry(char* p_label, unsigned long p_textureName, unsigned short p_width, unsigned short p_height,
		unsigned short p_potWidth, unsigned short p_potHeight);
	void Insert2DTexture(char* p_label, unsigned long p_textureName, unsigned short p_width, unsigned short p_height,
		unsigned short p_potWidth, unsigned short p_potHeight, zelStringQueue* p_errorStrings);
	void PushErrorString(const char* p_error, const char* p_detail);
	void PushErrorString(const char* p_error);
	void Release();

	static void* Texels(SDL_Surface* p_image, SDL_Surface* p_mask, unsigned long p_type,
		unsigned short p_potWidth, unsigned short p_potHeight);
	static void PackTexel(void* p_texels, size_t p_index, unsigned long p_type,
		unsigned char p_red, unsigned char p_green, unsigned char p_blue, unsigned char p_alpha);
	static unsigned short NearestPOTDimension(unsigned short p_dimension);
	static unsigned char ReducedColour(unsigned char p_colour, unsigned char p_maximum);

	zel2DTexture* m_firstChild;
	zel2DTexture* m_secondChild;
	char* m_label;
	unsigned long m_textureName;
	unsigned short m_width;
	unsigned short m_height;
	unsigned short m_potWidth;
	unsigned short m_potHeight;
	zelStringQueue* m_errorStrings;
};

#endif
