#include "TestWindow.h"

#include <SDL/SDL.h>
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace TestWindow
{
	void Open()
	{
		if (SDL_GetVideoSurface() != NULL)
			return;
		// A display that is still starting (or busy) can refuse the first
		// connection; a few tries keep the suite from failing by chance.
		int initialised = -1;
		for (int attempt = 0; attempt < 10 && initialised != 0; attempt++)
		{
			if (attempt > 0)
				SDL_Delay(200);
			initialised = SDL_Init(SDL_INIT_VIDEO);
		}
		ASSERT_EQ(0, initialised) << SDL_GetError();
		SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
		SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 8);
		ASSERT_TRUE(SDL_SetVideoMode(640, 480, 32, SDL_OPENGL) != NULL) << SDL_GetError();
		glViewport(0, 0, 640, 480);
		glMatrixMode(GL_PROJECTION);
		glLoadIdentity();
		gluOrtho2D(0, 640, 0, 480);
		glMatrixMode(GL_MODELVIEW);
		glLoadIdentity();
		glEnable(GL_TEXTURE_2D);
		glEnable(GL_BLEND);
		glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
		glPixelStorei(GL_PACK_ALIGNMENT, 1);
	}

	void Clear(float p_red, float p_green, float p_blue)
	{
		glClearColor(p_red, p_green, p_blue, 1.0f);
		glClear(GL_COLOR_BUFFER_BIT);
		glMatrixMode(GL_MODELVIEW);
		glLoadIdentity();
		glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
	}

	void Pixel(int p_x, int p_y, unsigned char p_rgba[4])
	{
		glFinish();
		glReadPixels(p_x, p_y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p_rgba);
	}

	bool PixelIs(int p_x, int p_y, int p_red, int p_green, int p_blue, int p_tolerance)
	{
		unsigned char rgba[4];
		Pixel(p_x, p_y, rgba);
		return std::abs(rgba[0] - p_red) <= p_tolerance
			&& std::abs(rgba[1] - p_green) <= p_tolerance
			&& std::abs(rgba[2] - p_blue) <= p_tolerance;
	}
}

TempFolder::TempFolder()
{
	char pattern[] = "/tmp/brindle-test-XXXXXX";
	const char* made = mkdtemp(pattern);
	if (made != NULL)
		m_path = made;
}

TempFolder::~TempFolder()
{
	if (m_path.empty())
		return;
	// Test folders may be left unwritable on purpose; make them removable first.
	const std::string command = "chmod -R u+rwx '" + m_path + "' && rm -rf '" + m_path + "'";
	if (std::system(command.c_str()) != 0)
		std::fprintf(stderr, "could not remove %s\n", m_path.c_str());
}

void TempFolder::Write(const std::string& p_name, const std::string& p_text) const
{
	std::ofstream file(File(p_name).c_str(), std::ios::binary);
	file << p_text;
}
