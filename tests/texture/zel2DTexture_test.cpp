#include "zel2DTexture.h"
#include "zelStringQueue.h"

#include "TestWindow.h"
#include "TextureFixtures.h"

#include <SDL/SDL_image.h>
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace TextureFixtures;

namespace
{
	class TextureLayout : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			TestWindow::Open();
		}

		std::string Image(const std::string& p_name, int p_width, int p_height, Rgb p_colour = { 255, 255, 255 })
		{
			WritePlainImage(m_folder.File(p_name), p_width, p_height, p_colour);
			return m_folder.File(p_name);
		}

		std::string List(const std::string& p_text)
		{
			m_folder.Write("list.txt", p_text);
			return m_folder.File("list.txt");
		}

		TempFolder m_folder;
		zelStringQueue m_errors;
	};

	// Labels given out of order so that entries land on both sides of the tree.
	struct SizeCase
	{
		const char* label;
		int width, height;
		unsigned short potWidth, potHeight;
	};
	const SizeCase SIZES[] = {
		{ "m", 1, 1, 1, 1 },
		{ "c", 2, 2, 4, 4 },
		{ "x", 3, 5, 4, 8 },
		{ "a", 100, 60, 128, 64 },
		{ "p", 256, 17, 256, 32 },
		{ "d", 4, 1, 4, 1 },
	};
}

TEST_F(TextureLayout, PadsEveryImageToThePowerOfTwoSizesAndBindsItByLabel)
{
	std::string text;
	for (const SizeCase& size : SIZES)
		text += Listing(size.label, Image(std::string(size.label) + ".bmp", size.width, size.height));
	zelStringQueue labels;
	zel2DTexture textures(List(text).c_str(), &labels, &m_errors);
	EXPECT_EQ(GL_NO_ERROR, glGetError());

	for (const SizeCase& size : SIZES)
	{
		SCOPED_TRACE(size.label);
		zel2DTexture* entry = textures.Bind(size.label);
		ASSERT_TRUE(entry != NULL);
		EXPECT_EQ(size.width, entry->Width());
		EXPECT_EQ(size.height, entry->Height());
		EXPECT_EQ(size.potWidth, entry->POTWidth());
		EXPECT_EQ(size.potHeight, entry->POTHeight());
		GLint width = 0, height = 0;
		glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
		glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
		EXPECT_EQ(size.potWidth, width);
		EXPECT_EQ(size.potHeight, height);
	}
	// Labels come out in file order, which the play library numbers tiles by.
	for (const SizeCase& size : SIZES)
	{
		ASSERT_FALSE(labels.IsEndOfQueue());
		char* label = labels.Pop();
		EXPECT_STREQ(size.label, label);
		free(label);
	}
	EXPECT_TRUE(labels.IsEndOfQueue());
	EXPECT_TRUE(NewlyRecordedLines(m_errors).empty());
}

TEST_F(TextureLayout, FlipsTheImageIntoTheBottomRowsAndPadsWithTransparentBlack)
{
	// Each pixel tells where it is: red its column, green its row counted from the top.
	std::vector<Rgb> pixels;
	for (int row = 0; row < 60; ++row)
		for (int column = 0; column < 100; ++column)
			pixels.push_back({ static_cast<unsigned char>(column), static_cast<unsigned char>(row), 200 });
	WriteImage(m_folder.File("where.bmp"), 100, 60, pixels);
	zel2DTexture textures(List(Listing("where", m_folder.File("where.bmp"))).c_str(), NULL, &m_errors);

	textures.Bind();
	const std::vector<GLuint> texels = BoundTexels<GLuint>(GL_UNSIGNED_INT_8_8_8_8);
	ASSERT_EQ(128u * 64u, texels.size());
	int wrong = 0;
	for (unsigned int texelRow = 0; texelRow < 64; ++texelRow)
	{
		for (unsigned int column = 0; column < 128; ++column)
		{
			GLuint expected = 0;
			if (column < 100 && texelRow < 60)
				expected = (column << 24) | ((59 - texelRow) << 16) | (200u << 8) | 255u;
			const GLuint texel = texels[texelRow * 128 + column];
			if (texel != expected && ++wrong <= 5)
				ADD_FAILURE() << "texel (" << column << ", " << texelRow << ") is " << std::hex << texel
					<< ", expected " << expected;
		}
	}
	EXPECT_EQ(0, wrong);
}

TEST_F(TextureLayout, PacksEachPixelTypeWithTheMaskBrightnessAsAlpha)
{
	const std::vector<Rgb> colours = {
		{ 255, 0, 0 }, { 0, 255, 0 }, { 0, 0, 255 }, { 85, 85, 85 },
		{ 119, 170, 187 }, { 128, 128, 128 }, { 238, 17, 1 }, { 254, 200, 127 } };
	// Alpha is the truncated mean of the mask's red, green and blue.
	const std::vector<Rgb> mask = {
		{ 255, 255, 255 }, { 0, 0, 0 }, { 128, 128, 128 }, { 100, 50, 1 },
		{ 254, 254, 254 }, { 85, 85, 85 }, { 255, 255, 255 }, { 200, 201, 202 } };
	WriteImage(m_folder.File("colours.bmp"), 8, 1, colours);
	WriteImage(m_folder.File("mask.bmp"), 8, 1, mask);
	const std::string maskPath = ".mpath=\"" + m_folder.File("mask.bmp") + "\"\n";
	const std::string path = m_folder.File("colours.bmp");
	zel2DTexture textures(List(Listing("8888", path, "ui8888", "nearest", maskPath)
		+ Listing("4444", path, "us4444", "nearest", maskPath)
		+ Listing("5551", path, "us5551", "nearest", maskPath)).c_str(), NULL, &m_errors);

	textures.Bind("8888");
	const std::vector<GLuint> expected8888 = {
		0xFF0000FF, 0x00FF0000, 0x0000FF80, 0x55555532, 0x77AABBFE, 0x80808055, 0xEE1101FF, 0xFEC87FC9 };
	EXPECT_EQ(expected8888, BoundTexels<GLuint>(GL_UNSIGNED_INT_8_8_8_8));

	// Four bits a channel, scaled down with truncation: 85 gives 4, 119 gives 6,
	// 170 gives 9, 187 gives 10, 238 gives 13, 128 gives 7.
	textures.Bind("4444");
	const std::vector<GLushort> expected4444 = {
		0xF00F, 0x0F00, 0x00F7, 0x4442, 0x69AE, 0x7774, 0xD10F, 0xEB7B };
	EXPECT_EQ(expected4444, BoundTexels<GLushort>(GL_UNSIGNED_SHORT_4_4_4_4));

	// Five bits a colour (128 gives 15); only a full alpha of 255 sets the alpha bit.
	textures.Bind("5551");
	const std::vector<GLushort> expected5551 = {
		0xF801, 0x07C0, 0x003E, 0x5294, 0x752C, 0x7BDE, 0xE081, 0xF61E };
	EXPECT_EQ(expected5551, BoundTexels<GLushort>(GL_UNSIGNED_SHORT_5_5_5_1));
}

TEST_F(TextureLayout, OneTexelWideTexturesOfSixteenBitTypesKeepTheirRows)
{
	// A 16-bit row of one texel is 2 bytes, less than OpenGL's default row alignment.
	WriteImage(m_folder.File("column.bmp"), 1, 3, { { 255, 0, 0 }, { 0, 255, 0 }, { 0, 0, 255 } });
	const std::string path = m_folder.File("column.bmp");
	zel2DTexture textures(List(Listing("4444", path, "us4444") + Listing("5551", path, "us5551")).c_str(),
		NULL, &m_errors);

	textures.Bind("4444");
	EXPECT_EQ((std::vector<GLushort>{ 0x00FF, 0x0F0F, 0xF00F, 0 }), BoundTexels<GLushort>(GL_UNSIGNED_SHORT_4_4_4_4));
	textures.Bind("5551");
	EXPECT_EQ((std::vector<GLushort>{ 0x003F, 0x07C1, 0xF801, 0 }), BoundTexels<GLushort>(GL_UNSIGNED_SHORT_5_5_5_1));
	// The caller's unpacking setting is left as it was.
	GLint alignment = 0;
	glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
	EXPECT_EQ(4, alignment);
}

TEST_F(TextureLayout, AnImageWithoutMaskIsOpaqueWhateverItsOwnAlpha)
{
	// The fixture is a 3 x 2 PNG whose top-left pixel has alpha 0 and the rest 127.
	SDL_Surface* picture = IMG_Load("fixtures/translucent.png");
	ASSERT_TRUE(picture != NULL) << IMG_GetError();
	EXPECT_NE(0u, picture->format->Amask);
	SDL_FreeSurface(picture);

	zel2DTexture textures("fixtures/translucent.txt", NULL, &m_errors);
	textures.Bind();
	const std::vector<GLuint> texels = BoundTexels<GLuint>(GL_UNSIGNED_INT_8_8_8_8);
	const GLuint topLeft = 0xC80A3CFF;
	const GLuint other = 0x285078FF;
	const std::vector<GLuint> expected = {
		other, other, other, 0,
		topLeft, other, other, 0,
		0, 0, 0, 0,
		0, 0, 0, 0 };
	EXPECT_EQ(expected, texels);
}

TEST_F(TextureLayout, SetsFilteringAndClampingAsListed)
{
	struct ParameterCase
	{
		const char* label;
		const char* type;
		const char* filtering;
		const char* extra;
		GLint filter, wrapS, wrapT;
	};
	// Type and filtering in any case; only the presence of nosclamp and notclamp counts.
	const ParameterCase cases[] = {
		{ "plain", "ui8888", "nearest", "", GL_NEAREST, GL_CLAMP_TO_EDGE, GL_CLAMP_TO_EDGE },
		{ "s", "UI8888", "LINEAR", ".nosclamp=\"\"\n", GL_LINEAR, GL_REPEAT, GL_CLAMP_TO_EDGE },
		{ "t", "Us4444", "Nearest", ".notclamp=\"no\"\n", GL_NEAREST, GL_CLAMP_TO_EDGE, GL_REPEAT },
		{ "both", "uS5551", "liNear", ".nosclamp=\"0\"\n.notclamp=\"false\"\n", GL_LINEAR, GL_REPEAT, GL_REPEAT },
	};
	const std::string path = Image("plain.bmp", 2, 2);
	std::string text;
	for (const ParameterCase& parameters : cases)
		text += Listing(parameters.label, path, parameters.type, parameters.filtering, parameters.extra);
	zel2DTexture textures(List(text).c_str(), NULL, &m_errors);

	for (const ParameterCase& parameters : cases)
	{
		SCOPED_TRACE(parameters.label);
		textures.Bind(parameters.label);
		EXPECT_EQ(parameters.filter, BoundParameter(GL_TEXTURE_MAG_FILTER));
		EXPECT_EQ(parameters.filter, BoundParameter(GL_TEXTURE_MIN_FILTER));
		EXPECT_EQ(parameters.wrapS, BoundParameter(GL_TEXTURE_WRAP_S));
		EXPECT_EQ(parameters.wrapT, BoundParameter(GL_TEXTURE_WRAP_T));
	}
}

TEST_F(TextureLayout, BindsTheFirstListingByDefaultAndDeletesEveryTextureOnDestruction)
{
	const std::string path = Image("plain.bmp", 2, 2);
	std::unique_ptr<zel2DTexture> textures(new zel2DTexture(
		List(Listing("first", path) + Listing("second", path) + Listing("a third", path)).c_str(), NULL, &m_errors));

	std::vector<GLint> names;
	for (const char* label : { "first", "second", "a third" })
	{
		textures->Bind(label);
		names.push_back(BoundTextureName());
	}
	EXPECT_NE(names[0], names[1]);
	EXPECT_NE(names[1], names[2]);
	EXPECT_NE(names[0], names[2]);
	glBindTexture(GL_TEXTURE_2D, 0);
	textures->Bind();
	EXPECT_EQ(names[0], BoundTextureName());

	textures.reset();
	for (GLint name : names)
		EXPECT_FALSE(glIsTexture(static_cast<GLuint>(name))) << name;
}
