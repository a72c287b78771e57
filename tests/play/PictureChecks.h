#ifndef PICTURE_CHECKS_H
#define PICTURE_CHECKS_H

// Checks shared by the sprite and background tests: where a picture of four
// coloured quadrants landed in the framebuffer, the thrown message, and the
// lines recorded in an error-string queue.

#include "zelStringQueue.h"

#include "Failures.h"
#include "TestWindow.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace PictureChecks
{
	// Names the colour of a framebuffer pixel: R, G, B, W, or - for the
	// black of a cleared window; ? for anything else.
	inline char ColourAt(int p_x, int p_y)
	{
		const struct { char name; int red, green, blue; } colours[] = {
			{'R', 255, 0, 0}, {'G', 0, 255, 0}, {'B', 0, 0, 255}, {'W', 255, 255, 255}, {'-', 0, 0, 0}};
		for (const auto& colour : colours)
			if (TestWindow::PixelIs(p_x, p_y, colour.red, colour.green, colour.blue))
				return colour.name;
		return '?';
	}

	// The pixels x0..x1, y0..y1 (inclusive) are covered and those just
	// outside are not (p_margin pixels further in and out, for edges that
	// rotation may blur); p_quadrants names the colours seen in the top-left,
	// top-right, bottom-left and bottom-right quarters.
	inline void ExpectPicture(int p_x0, int p_y0, int p_x1, int p_y1, const std::string& p_quadrants, int p_margin = 0)
	{
		const int midX = (p_x0 + p_x1) / 2;
		const int midY = (p_y0 + p_y1) / 2;
		EXPECT_NE('-', ColourAt(p_x0 + p_margin, midY)) << "left edge";
		EXPECT_EQ('-', ColourAt(p_x0 - 1 - p_margin, midY)) << "left of the left edge";
		EXPECT_NE('-', ColourAt(p_x1 - p_margin, midY)) << "right edge";
		EXPECT_EQ('-', ColourAt(p_x1 + 1 + p_margin, midY)) << "right of the right edge";
		EXPECT_NE('-', ColourAt(midX, p_y0 + p_margin)) << "bottom edge";
		EXPECT_EQ('-', ColourAt(midX, p_y0 - 1 - p_margin)) << "below the bottom edge";
		EXPECT_NE('-', ColourAt(midX, p_y1 - p_margin)) << "top edge";
		EXPECT_EQ('-', ColourAt(midX, p_y1 + 1 + p_margin)) << "above the top edge";
		const int left = p_x0 + (p_x1 - p_x0) / 4;
		const int right = p_x1 - (p_x1 - p_x0) / 4;
		const int bottom = p_y0 + (p_y1 - p_y0) / 4;
		const int top = p_y1 - (p_y1 - p_y0) / 4;
		const std::string seen = {ColourAt(left, top), ColourAt(right, top), ColourAt(left, bottom), ColourAt(right, bottom)};
		EXPECT_EQ(p_quadrants, seen) << "quadrants (top left, top right, bottom left, bottom right)";
	}
}

#endif
