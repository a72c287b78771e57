#ifndef TEST_WINDOW_H
#define TEST_WINDOW_H

#include <string>

// A 640 x 480 OpenGL window with the game's projection (origin bottom left),
// opened once per test program under the virtual display. Texturing and
// blending are on, as the game draws.
namespace TestWindow
{
	void Open();
	// Clears to the given colour and resets the modelview matrix.
	void Clear(float p_red = 0.0f, float p_green = 0.0f, float p_blue = 0.0f);
	// Reads one framebuffer pixel as RGBA bytes (x, y from the bottom left).
	void Pixel(int p_x, int p_y, unsigned char p_rgba[4]);
	// True when the pixel is (within tolerance) the given colour.
	bool PixelIs(int p_x, int p_y, int p_red, int p_green, int p_blue, int p_tolerance = 8);
}

// A fresh empty folder under /tmp, removed with everything in it on destruction.
class TempFolder
{
public:
	TempFolder();
	~TempFolder();
	const std::string& Path() const { return m_path; }
	std::string File(const std::string& p_name) const { return m_path + "/" + p_name; }
	void Write(const std::string& p_name, const std::string& p_text) const;
private:
	std::string m_path;
};

#endif
