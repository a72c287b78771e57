#include "zel2DTexture.h"
#include "zelHighLevelList.h"
#include "zelStringQueue.h"

#include "TestWindow.h"
#include "TextureFixtures.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace TextureFixtures;

namespace
{
	const std::string WHILST = "(zel2DTexture::[constructor]) exception thrown whilst texture list \"";
	const std::string WAS_BEING_INPUT = "\" was being input";

	class TextureFailure : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			TestWindow::Open();
			m_image = m_folder.File("image.bmp");
			WritePlainImage(m_image, 4, 2);
		}

		std::string List(const std::string& p_text)
		{
			m_folder.Write("list.txt", p_text);
			return m_folder.File("list.txt");
		}

		// Constructs from the list and returns what was thrown (null if nothing).
		static const char* Construct(const char* p_listPath, zelStringQueue* p_errors)
		{
			return Thrown([&] { zel2DTexture textures(p_listPath, NULL, p_errors); });
		}

		static const char* Construct(const std::string& p_listPath, zelStringQueue* p_errors)
		{
			return Construct(p_listPath.c_str(), p_errors);
		}

		static std::string Quoted(const std::string& p_message, const std::string& p_detail)
		{
			return p_message + " (\"" + p_detail + "\")";
		}

		TempFolder m_folder;
		zelStringQueue m_errors;
		std::string m_image;
	};
}

TEST_F(TextureFailure, NullListPathIsRecordedBare)
{
	EXPECT_EQ(zel2DTEXTURE_LIST_ERROR__NULL_LIST_PATH, Construct(static_cast<const char*>(NULL), &m_errors));
	EXPECT_EQ(std::vector<std::string>{ zel2DTEXTURE_LIST_ERROR__NULL_LIST_PATH }, NewlyRecordedLines(m_errors));
}

TEST_F(TextureFailure, MissingListIsRecordedWithItsPath)
{
	const std::string path = m_folder.File("no such list.txt");
	EXPECT_EQ(zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_LIST, Construct(path, &m_errors));
	EXPECT_EQ(std::vector<std::string>{ Quoted(zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_LIST, path) }, NewlyRecordedLines(m_errors));
}

TEST_F(TextureFailure, ListWithoutTexturesIsRefused)
{
	const std::string path = List("no listings here, only words\n");
	EXPECT_EQ(zel2DTEXTURE_LIST_ERROR__EMPTY_LIST, Construct(path, &m_errors));
	EXPECT_EQ(std::vector<std::string>{ Quoted(zel2DTEXTURE_LIST_ERROR__EMPTY_LIST, path) }, NewlyRecordedLines(m_errors));
}

// Each broken listing follows a good one, so that what was already made must
// be released too (the sanitizer run checks that nothing leaks).
TEST_F(TextureFailure, BrokenListingsAreRecordedWithTheirDetailAndTheListPath)
{
	const std::string missing = m_folder.File("missing.bmp");
	const std::string garbage = m_folder.File("garbage.png");
	m_folder.Write("garbage.png", "this is not a picture at all");
	const std::string smallMask = m_folder.File("small mask.bmp");
	WritePlainImage(smallMask, 4, 1);
	const std::string tall = m_folder.File("tall.bmp");
	WritePlainImage(tall, 1, 32769);

	struct FailureCase
	{
		const char* name;
		std::string listing;
		const char* thrown;
		std::string line;
	};
	const FailureCase cases[] = {
		{ "missing image", Listing("bad", missing), zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_IMAGE,
			Quoted(zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_IMAGE, missing) },
		{ "unreadable image", Listing("bad", garbage), zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_IMAGE,
			Quoted(zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_IMAGE, garbage) },
		{ "missing mask", Listing("bad", m_image, "ui8888", "nearest", ".mpath=\"" + missing + "\"\n"),
			zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_MASK_IMAGE,
			Quoted(zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_MASK_IMAGE, missing) },
		{ "unreadable mask", Listing("bad", m_image, "ui8888", "nearest", ".mpath=\"" + garbage + "\"\n"),
			zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_MASK_IMAGE,
			Quoted(zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_MASK_IMAGE, garbage) },
		{ "mask of another size", Listing("bad", m_image, "ui8888", "nearest", ".mpath=\"" + smallMask + "\"\n"),
			zel2DTEXTURE_LIST_ERROR__IMAGE_AND_MASK_IMAGE_DIMENSIONS_DIFFER,
			std::string(zel2DTEXTURE_LIST_ERROR__IMAGE_AND_MASK_IMAGE_DIMENSIONS_DIFFER)
				+ " (\"" + m_image + "\", \"" + smallMask + "\")" },
		{ "image too tall", Listing("bad", tall), zel2DTEXTURE_LIST_ERROR__IMAGE_TOO_LARGE,
			Quoted(zel2DTEXTURE_LIST_ERROR__IMAGE_TOO_LARGE, tall) },
		{ "unknown pixel type", Listing("bad", m_image, "rgb565"), zel2DTEXTURE_LIST_ERROR__UNKNOWN_PIXEL_TYPE,
			Quoted(zel2DTEXTURE_LIST_ERROR__UNKNOWN_PIXEL_TYPE, "rgb565") },
		{ "unknown filtering", Listing("bad", m_image, "ui8888", "bilinear"),
			zel2DTEXTURE_LIST_ERROR__UNKNOWN_TEXEL_FILTERING,
			Quoted(zel2DTEXTURE_LIST_ERROR__UNKNOWN_TEXEL_FILTERING, "bilinear") },
		{ "label used twice", Listing("good", m_image), zel2DTEXTURE_LIST_ERROR__LABEL_FOUND,
			Quoted(zel2DTEXTURE_LIST_ERROR__LABEL_FOUND, "good") },
		{ "no label", ".path=\"" + m_image + "\"\n.type=\"ui8888\"\n.filtering=\"nearest\"\n",
			zelHLL_ERROR__MEMBER_NOT_INPUT, std::string(zelHLL_ERROR__MEMBER_NOT_INPUT) + " (label)" },
		// The high-level list throws this one without recording it.
		{ "list ends inside a listing", ".label=\"bad\"\n.path=\"" + m_image + "\"\n",
			zelHLL_ERROR__FILE_ENDS_UNEXPECTEDLY, "" },
	};
	for (const FailureCase& failure : cases)
	{
		SCOPED_TRACE(failure.name);
		zelStringQueue errors;
		const std::string path = List(Listing("good", m_image) + failure.listing);
		EXPECT_EQ(failure.thrown, Construct(path, &errors));
		std::vector<std::string> expected = { failure.line, WHILST + path + WAS_BEING_INPUT };
		if (failure.line.empty())
			expected.erase(expected.begin());
		EXPECT_EQ(expected, NewlyRecordedLines(errors));
	}
}

TEST_F(TextureFailure, ALabelIsHandedOutBeforeItsImageIsLoaded)
{
	zelStringQueue labels;
	const std::string path = List(Listing("good", m_image) + Listing("bad", m_folder.File("missing.bmp")));
	EXPECT_EQ(zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_IMAGE,
		Thrown([&] { zel2DTexture textures(path.c_str(), &labels, &m_errors); }));
	EXPECT_EQ((std::vector<std::string>{ "good", "bad" }), NewlyRecordedLines(labels));
}

TEST_F(TextureFailure, ImageBeyondTheLargestOpenGLTextureIsRefused)
{
	GLint largest = 0;
	glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
	if (largest >= 32768)
		GTEST_SKIP() << "OpenGL takes every size that fits 16 bits";
	// One pixel more than the largest texture pads to twice its size. (SDL
	// cannot load images 16384 pixels wide or wider, so the image is tall.)
	const std::string tall = m_folder.File("tall.bmp");
	WritePlainImage(tall, 1, largest + 1);
	const std::string path = List(Listing("tall", tall));
	EXPECT_EQ(zel2DTEXTURE_LIST_ERROR__IMAGE_TOO_LARGE, Construct(path, &m_errors));
	const std::vector<std::string> expected = {
		Quoted(zel2DTEXTURE_LIST_ERROR__IMAGE_TOO_LARGE, tall), WHILST + path + WAS_BEING_INPUT };
	EXPECT_EQ(expected, NewlyRecordedLines(m_errors));
}

TEST_F(TextureFailure, WithoutErrorQueueFailuresStillThrow)
{
	EXPECT_EQ(zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_LIST, Construct(m_folder.File("none.txt"), NULL));
	EXPECT_EQ(zel2DTEXTURE_LIST_ERROR__UNABLE_TO_OPEN_IMAGE,
		Construct(List(Listing("good", m_image) + Listing("bad", m_folder.File("missing.bmp"))), NULL));

	zel2DTexture textures(List(Listing("good", m_image)).c_str(), NULL, NULL);
	EXPECT_EQ(zel2DTEXTURE_LIST_ERROR__LABEL_NOT_FOUND, Thrown([&] { textures.Bind("bad"); }));
	EXPECT_EQ(zel2DTEXTURE_LIST_ERROR__NULL_LABEL, Thrown([&] { textures.Bind(NULL); }));
}

TEST_F(TextureFailure, BindOfAnUnknownOrNullLabelIsRecorded)
{
	zel2DTexture textures(List(Listing("m", m_image) + Listing("c", m_image) + Listing("x", m_image)).c_str(),
		NULL, &m_errors);

	for (const char* label : { "a", "n", "z", "" })
	{
		SCOPED_TRACE(label);
		EXPECT_EQ(zel2DTEXTURE_LIST_ERROR__LABEL_NOT_FOUND, Thrown([&] { textures.Bind(label); }));
		EXPECT_EQ(std::vector<std::string>{ Quoted(zel2DTEXTURE_LIST_ERROR__LABEL_NOT_FOUND, label) }, NewlyRecordedLines(m_errors));
	}

	EXPECT_EQ(zel2DTEXTURE_LIST_ERROR__NULL_LABEL, Thrown([&] { textures.Bind(NULL); }));
	EXPECT_EQ(std::vector<std::string>{ zel2DTEXTURE_LIST_ERROR__NULL_LABEL }, NewlyRecordedLines(m_errors));

	// Every entry records in the queue the list was given.
	zel2DTexture* entry = textures.Bind("c");
	EXPECT_EQ(zel2DTEXTURE_LIST_ERROR__LABEL_NOT_FOUND, Thrown([&] { entry->Bind("zz"); }));
	EXPECT_EQ(std::vector<std::string>{ Quoted(zel2DTEXTURE_LIST_ERROR__LABEL_NOT_FOUND, "zz") }, NewlyRecordedLines(m_errors));
}
