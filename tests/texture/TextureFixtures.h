#ifndef TEXTURE_FIXTURES_H
#define TEXTURE_FIXTURES_H

#include "zelStringQueue.h"

#include <SDL/SDL.h>
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

// Small images and texture lists made by the tests, and texels read back.
namespace TextureFixtures
{
	struct Rgb
	{
		unsigned char red, green, blue;
	};

	// Writes a BMP of the given size; p_pixels are rows from the top, as in the file.
	inline void WriteImage(const std::string& p_path, int p_width, int p_height, const std::vector<Rgb>& p_pixels)
	{
		SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, p_width, p_height, 32,
			0x00FF0000, 0x0000FF00, 0x000000FF, 0);
		ASSERT_TRUE(surface != NULL) << SDL_GetError();
		ASSERT_EQ(p_pixels.size(), static_cast<size_t>(p_width * p_height));
		SDL_LockSurface(surface);
		for (int row = 0; row < p_height; ++row)
		{
			for (int column = 0; column < p_width; ++column)
			{
				const Rgb& colour = p_pixels[row * p_width + column];
				const Uint32 pixel = SDL_MapRGB(surface->format, colour.red, colour.green, colour.blue);
				std::memcpy(static_cast<Uint8*>(surface->pixels) + row * surface->pitch + column * 4, &pixel, 4);
			}
		}
		SDL_UnlockSurface(surface);
		ASSERT_EQ(0, SDL_SaveBMP(surface, p_path.c_str())) << SDL_GetError();
		SDL_FreeSurface(surface);
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

	// The message an operation throws, or null if it throws nothing.
	template <typename Operation>
	const char* Thrown(Operation p_operation)
	{
		try
		{
			p_operation();
		}
		catch (const char* error)
		{
			return error;
		}
		return NULL;
	}

	// Every line recorded since the queue was last read.
	inline std::vector<std::string> Lines(zelStringQueue& p_queue)
	{
		std::vector<std::string> lines;
		while (!p_queue.IsEndOfQueue())
		{
			char* line = p_queue.Pop();
			lines.push_back(line);
			std::free(line);
		}
		return lines;
	}
}

#endif
