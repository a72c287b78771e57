#ifndef TEXTURE_FIXTURES_H
#define TEXTURE_FIXTURES_H

#include "Failures.h"
#include "zelStringQueue.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

// Small images and texture lists made by the tests, and texels read back.
namespace TextureFixtures
{
	struct Rgb
	{
		unsigned char red, green, blue;
	};

	inline void PutLittleEndian(std::string& p_bytes, unsigned long p_value, int p_size)
	{
		for (int byte = 0; byte < p_size; ++byte)
			p_bytes += static_cast<char>((p_value >> (8 * byte)) & 0xFF);
	}

	// Writes a 24-bit BMP; p_pixels are rows from the top, as the picture is seen.
	// Written by hand because SDL cannot make surfaces as large as some tests need.
	inline void WriteImage(const std::string& p_path, int p_width, int p_height, const std::vector<Rgb>& p_pixels)
	{
		ASSERT_EQ(p_pixels.size(), static_cast<size_t>(p_width) * p_height);
		const unsigned long rowSize = (static_cast<unsigned long>(p_width) * 3 + 3) / 4 * 4;
		const unsigned long imageSize = rowSize * p_height;
		std::string bytes = "BM";
		PutLittleEndian(bytes, 54 + imageSize, 4);
		PutLittleEndian(bytes, 0, 4);
		PutLittleEndian(bytes, 54, 4);
		PutLittleEndian(bytes, 40, 4);
		PutLittleEndian(bytes, p_width, 4);
		PutLittleEndian(bytes, p_height, 4);
		PutLittleEndian(bytes, 1, 2);
		PutLittleEndian(bytes, 24, 2);
		PutLittleEndian(bytes, 0, 4);
		PutLittleEndian(bytes, imageSize, 4);
		PutLittleEndian(bytes, 2835, 4);
		PutLittleEndian(bytes, 2835, 4);
		PutLittleEndian(bytes, 0, 4);
		PutLittleEndian(bytes, 0, 4);
		// BMP rows run from the bottom up, blue first.
		for (int row = p_height - 1; row >= 0; --row)
		{
			std::string line;
			for (int column = 0; column < p_width; ++column)
			{
				const Rgb& colour = p_pixels[static_cast<size_t>(row) * p_width + column];
				line += static_cast<char>(colour.blue);
				line += static_cast<char>(colour.green);
				line += static_cast<char>(colour.red);
			}
			line.resize(rowSize, '\0');
			bytes += line;
		}
		std::ofstream file(p_path.c_str(), std::ios::binary);
		file << bytes;
		ASSERT_TRUE(file.good()) << p_path;
	}

	// An image of one colour.
	inline void WritePlainImage(const std::string& p_path, int p_width, int p_height, Rgb p_colour = { 255, 255, 255 })
	{
		WriteImage(p_path, p_width, p_height, std::vector<Rgb>(static_cast<size_t>(p_width * p_height), p_colour));
	}

	// One listing of a texture list; p_extra (mask path, clamping) comes before
	// the break members so that it belongs to this listing.
	inline std::string Listing(const std::string& p_label, const std::string& p_path,
		const std::string& p_type = "ui8888", const std::string& p_filtering = "nearest",
		const std::string& p_extra = "")
	{
		return ".label=\"" + p_label + "\"\n" + p_extra + ".path=\"" + p_path + "\"\n.type=\"" + p_type
			+ "\"\n.filtering=\"" + p_filtering + "\"\n\n";
	}

	// The texels of the bound texture's level 0, in the given packed type.
	template <typename T>
	std::vector<T> BoundTexels(GLenum p_type)
	{
		GLint width = 0, height = 0;
		glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
		glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
		std::vector<T> texels(static_cast<size_t>(width * height));
		glPixelStorei(GL_PACK_ALIGNMENT, 1);
		glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, p_type, texels.data());
		return texels;
	}

	inline GLint BoundTextureName()
	{
		GLint name = 0;
		glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
		return name;
	}

	inline GLint BoundParameter(GLenum p_parameter)
	{
		GLint value = 0;
		glGetTexParameteriv(GL_TEXTURE_2D, p_parameter, &value);
		return value;
	}
}

#endif
