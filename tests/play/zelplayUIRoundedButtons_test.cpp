#include "zelplayUIRoundedButtons.h"

#include "TestWindow.h"
#include "zelHighLevelList.h"
#include "zelStringQueue.h"
#include "zelplayCharacterBackground.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "Failures.h"

#include <cmath>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace
{
	// Digits from tile 0, capitals from tile 10, each glyph a white 8 x 8 square.
	const char FONT[] = "fixtures/buttons_font.txt";
	// HELLO (40 x 8 pixels) at (100, 100), message 1; GO (16 x 8) at (300, 200), message 2.
	const char BUTTONS[] = "fixtures/rounded_buttons.txt";
	// One point per corner, margin 4; stipple 0x0FFF x 1, width 1; hover 0xF0F0 x 2,
	// width 7; disabled opacity 0.5. The patterns are written with a 17th bit.
	const char OCTAGON[] = "fixtures/rounded_octagon.txt";

	std::string WithPath(const char* p_message, const std::string& p_path)
	{
		return std::string(p_message) + " (\"" + p_path + "\")";
	}

	struct Point
	{
		int x;
		int y;
		bool operator==(const Point& p_other) const { return x == p_other.x && y == p_other.y; }
	};

	std::ostream& operator<<(std::ostream& p_stream, const Point& p_point)
	{
		return p_stream << "(" << p_point.x << ", " << p_point.y << ")";
	}

	struct Colour
	{
		float red;
		float green;
		float blue;
		float alpha;
	};

	// What OpenGL's feedback mode reports of a drawing: every outline drawn
	// with the polygon mode GL_LINE as its vertices in order, and the colours
	// of the outlines and of the filled (text) polygons.
	struct Drawing
	{
		std::vector<std::vector<Point>> outlines;
		std::vector<Colour> outlineColours;
		std::vector<Colour> textColours;
	};

	Drawing Capture(const std::function<void()>& p_draw)
	{
		const int VALUES_PER_VERTEX = 7;	// x, y, z, red, green, blue, alpha
		std::vector<GLfloat> buffer(1 << 16);
		glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
		glRenderMode(GL_FEEDBACK);
		p_draw();
		const int size = glRenderMode(GL_RENDER);
		EXPECT_GE(size, 0) << "feedback buffer too small";

		Drawing drawing;
		for (int i = 0; i < size;)
		{
			const int token = static_cast<int>(buffer[i++]);
			int noOfVertices = 0;
			if (token == GL_LINE_RESET_TOKEN || token == GL_LINE_TOKEN)
			{
				// A polygon drawn as lines is a closed chain of edges; each edge's
				// first vertex is the next vertex of the polygon.
				if (token == GL_LINE_RESET_TOKEN)
					drawing.outlines.push_back(std::vector<Point>());
				const GLfloat* vertex = &buffer[i];
				drawing.outlines.back().push_back(Point { static_cast<int>(std::lround(vertex[0])),
					static_cast<int>(std::lround(vertex[1])) });
				drawing.outlineColours.push_back(Colour { vertex[3], vertex[4], vertex[5], vertex[6] });
				noOfVertices = 2;
			}
			else if (token == GL_POLYGON_TOKEN)
			{
				noOfVertices = static_cast<int>(buffer[i++]);
				const GLfloat* vertex = &buffer[i];
				drawing.textColours.push_back(Colour { vertex[3], vertex[4], vertex[5], vertex[6] });
			}
			else
			{
				ADD_FAILURE() << "unexpected feedback token " << token;
				break;
			}
			i += noOfVertices * VALUES_PER_VERTEX;
		}
		return drawing;
	}

	// Dark pixels of one column, from y0 to y1: the thickness of a horizontal line on white.
	int DarkPixels(int p_x, int p_y0, int p_y1)
	{
		int dark = 0;
		for (int y = p_y0; y <= p_y1; ++y)
			if (TestWindow::PixelIs(p_x, y, 0, 0, 0, 64))
				++dark;
		return dark;
	}

	class UIRoundedButtonsTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			TestWindow::Open();
			TestWindow::Clear();
			m_font = new zelplayCharacterBackground(FONT, 1, 1, &m_errors);
		}

		// The font refuses destruction while a button's text surface lives.
		void TearDown() override
		{
			EXPECT_EQ(nullptr, Thrown([&] { delete m_font; }));
		}

		zelStringQueue m_errors;
		zelplayCharacterBackground* m_font;
	};
}

TEST_F(UIRoundedButtonsTest, OutlinesFollowTheCornerPoints)
{
	// HELLO's text rectangle is x 100 ... 140, y 100 ... 108.
	struct Case { const char* definition; int margin; std::vector<Point> outline; };
	const Case cases[] = {
		// One point per corner, at 45 degrees: (2.83, 2.83) truncated toward zero.
		{ OCTAGON, 4, { { 100, 112 }, { 140, 112 }, { 142, 110 }, { 144, 108 }, { 144, 100 }, { 142, 98 },
			{ 140, 96 }, { 100, 96 }, { 98, 98 }, { 96, 100 }, { 96, 108 }, { 98, 110 } } },
		// Margin 0: every corner point is the text rectangle's corner.
		{ "fixtures/rounded_square.txt", 0, { { 100, 108 }, { 140, 108 }, { 140, 108 }, { 140, 108 },
			{ 140, 108 }, { 140, 108 }, { 140, 100 }, { 140, 100 }, { 140, 100 }, { 140, 100 },
			{ 140, 100 }, { 100, 100 }, { 100, 100 }, { 100, 100 }, { 100, 100 }, { 100, 100 },
			{ 100, 108 }, { 100, 108 }, { 100, 108 }, { 100, 108 } } },
		// A margin changed afterwards moves the straight edges, not the corner points.
		{ OCTAGON, 0, { { 100, 108 }, { 140, 108 }, { 142, 110 }, { 140, 108 }, { 140, 100 }, { 142, 98 },
			{ 140, 100 }, { 100, 100 }, { 98, 98 }, { 100, 100 }, { 100, 108 }, { 98, 110 } } },
	};
	for (const Case& c : cases)
	{
		SCOPED_TRACE(std::string(c.definition) + ", margin " + std::to_string(c.margin));
		zelplayUIRoundedButtons buttons(c.definition, BUTTONS, m_font, &m_errors);
		buttons.SetMargin(static_cast<unsigned char>(c.margin));
		buttons.Hide(2);

		const Drawing drawing = Capture([&] { buttons.Render(1.0); });

		ASSERT_EQ(1u, drawing.outlines.size());
		EXPECT_EQ(c.outline, drawing.outlines[0]);
	}
	EXPECT_TRUE(m_errors.IsEndOfQueue());
}

TEST_F(UIRoundedButtonsTest, EveryCornerIsDrawnWithAllItsPoints)
{
	// 255 points per corner at a margin of 20: each point's offsets are summed
	// and truncated toward zero, so 19.9999 gives 19 and -0.06 gives 0.
	zelplayUIRoundedButtons buttons("fixtures/rounded_round.txt", BUTTONS, m_font, &m_errors);
	buttons.Hide(2);

	const Drawing drawing = Capture([&] { buttons.Render(1.0); });

	ASSERT_EQ(1u, drawing.outlines.size());
	const std::vector<Point>& outline = drawing.outlines[0];
	ASSERT_EQ(4u * 255u + 8u, outline.size());
	struct Case { size_t index; Point point; };
	const Case cases[] = {
		{ 0, { 100, 128 } }, { 1, { 140, 128 } }, { 2, { 140, 127 } }, { 256, { 159, 108 } },
		{ 257, { 160, 108 } }, { 258, { 160, 100 } }, { 259, { 159, 100 } }, { 513, { 140, 81 } },
		{ 514, { 140, 80 } }, { 515, { 100, 80 } }, { 516, { 100, 81 } }, { 770, { 81, 100 } },
		{ 771, { 80, 100 } }, { 772, { 80, 108 } }, { 773, { 81, 108 } }, { 1027, { 100, 127 } },
	};
	for (const Case& c : cases)
		EXPECT_EQ(c.point, outline[c.index]) << "vertex " << c.index;
}

TEST_F(UIRoundedButtonsTest, OpacityIsClampedAndCappedForDisabledButtons)
{
	struct Case { double opacity; bool disabled; float alpha; };
	const Case cases[] = {
		{ 0.7, false, 0.7f }, { 1.5, false, 1.0f }, { -0.2, false, 0.0f }, { std::nan(""), false, 0.0f },
		{ 0.3, true, 0.3f }, { 1.0, true, 0.5f }, { 1.5, true, 0.5f },
	};
	zelplayUIRoundedButtons buttons(OCTAGON, BUTTONS, m_font, &m_errors);
	buttons.Hide(2);
	for (const Case& c : cases)
	{
		SCOPED_TRACE(std::to_string(c.opacity) + (c.disabled ? ", disabled" : ""));
		if (c.disabled)
			buttons.Disable(1);
		else
			buttons.Enable(1);

		const Drawing drawing = Capture([&] { buttons.Render(c.opacity); });

		ASSERT_FALSE(drawing.textColours.empty());
		ASSERT_FALSE(drawing.outlineColours.empty());
		for (const Colour& colour : drawing.textColours)
		{
			EXPECT_FLOAT_EQ(1.0f, colour.red);
			EXPECT_FLOAT_EQ(1.0f, colour.blue);
			EXPECT_NEAR(c.alpha, colour.alpha, 1e-6);
		}
		for (const Colour& colour : drawing.outlineColours)
		{
			EXPECT_FLOAT_EQ(0.0f, colour.red);
			EXPECT_FLOAT_EQ(0.0f, colour.blue);
			EXPECT_NEAR(c.alpha, colour.alpha, 1e-6);
		}
	}
}

TEST_F(UIRoundedButtonsTest, RenderLeavesTheDrawingStateAsTheGameExpectsIt)
{
	zelplayUIRoundedButtons buttons(OCTAGON, BUTTONS, m_font, &m_errors);

	buttons.Render(0.5);

	GLint polygonMode[2] = { 0, 0 };
	glGetIntegerv(GL_POLYGON_MODE, polygonMode);
	EXPECT_EQ(GL_FILL, polygonMode[0]);
	EXPECT_EQ(GL_FILL, polygonMode[1]);
	EXPECT_FALSE(glIsEnabled(GL_LINE_STIPPLE));
	EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
	GLfloat colour[4] = { 0, 0, 0, 0 };
	glGetFloatv(GL_CURRENT_COLOR, colour);
	EXPECT_EQ(std::vector<GLfloat>({ 1, 1, 1, 1 }), std::vector<GLfloat>(colour, colour + 4));
}

TEST_F(UIRoundedButtonsTest, OnlyTheEnabledButtonUnderTheMouseGetsTheHoverLine)
{
	zelplayUIRoundedButtons buttons(OCTAGON, BUTTONS, m_font, &m_errors);
	// The top edges lie at y 112 (HELLO) and 212 (GO); 10 pixels in from the
	// left both stipple patterns draw.
	const auto helloLine = [] { return DarkPixels(110, 100, 125); };
	const auto goLine = [] { return DarkPixels(310, 200, 225); };
	const auto lastStipple = [] {
		GLint pattern = 0;
		GLint repeat = 0;
		GLfloat width = 0;
		glGetIntegerv(GL_LINE_STIPPLE_PATTERN, &pattern);
		glGetIntegerv(GL_LINE_STIPPLE_REPEAT, &repeat);
		glGetFloatv(GL_LINE_WIDTH, &width);
		return std::to_string(pattern) + " x " + std::to_string(repeat) + ", width " + std::to_string(width);
	};
	const std::string normal = std::to_string(0x0FFF) + " x 1, width " + std::to_string(1.0f);
	const std::string hover = std::to_string(0xF0F0) + " x 2, width " + std::to_string(7.0f);

	buttons.MoveMouse(105, 105);
	TestWindow::Clear(1, 1, 1);
	buttons.Render(1.0);
	EXPECT_GE(helloLine(), 5);
	EXPECT_LE(goLine(), 2);
	EXPECT_EQ(normal, lastStipple());

	buttons.MoveMouse(305, 205);
	TestWindow::Clear(1, 1, 1);
	buttons.Render(1.0);
	EXPECT_LE(helloLine(), 2);
	EXPECT_GE(goLine(), 5);
	EXPECT_EQ(hover, lastStipple());

	// Disabled, it loses the hover line at once, though the mouse has not moved.
	buttons.Disable(2);
	TestWindow::Clear(1, 1, 1);
	buttons.Render(1.0);
	EXPECT_TRUE(buttons.MouseIsOverAButton());
	EXPECT_LE(goLine(), 2);
	EXPECT_EQ(normal, lastStipple());
}

TEST_F(UIRoundedButtonsTest, InheritedRenderDrawsTheTextsWithoutOutlines)
{
	zelplayUIRoundedButtons buttons(OCTAGON, BUTTONS, m_font, &m_errors);
	zelplayUIButtons& plain = buttons;

	const Drawing drawing = Capture([&] { plain.Render(); });
	const Drawing direct = Capture([&] { buttons.Render(); });

	EXPECT_TRUE(drawing.outlines.empty());
	EXPECT_FALSE(drawing.textColours.empty());
	EXPECT_TRUE(direct.outlines.empty());
	EXPECT_EQ(drawing.textColours.size(), direct.textColours.size());
}

TEST_F(UIRoundedButtonsTest, HiddenButtonsGetNoOutline)
{
	zelplayUIRoundedButtons buttons(OCTAGON, BUTTONS, m_font, &m_errors);

	EXPECT_EQ(2u, Capture([&] { buttons.Render(1.0); }).outlines.size());
	buttons.Hide(1);
	const Drawing drawing = Capture([&] { buttons.Render(1.0); });
	ASSERT_EQ(1u, drawing.outlines.size());
	EXPECT_EQ((Point { 300, 212 }), drawing.outlines[0][0]);
}

TEST_F(UIRoundedButtonsTest, TheMarginIsTheHitTestEnlargement)
{
	zelplayUIRoundedButtons buttons(OCTAGON, BUTTONS, m_font, &m_errors);
	unsigned char button = 0;

	EXPECT_EQ(4, buttons.Margin());
	EXPECT_TRUE(buttons.MouseIsInButton(96, 96, &button));
	EXPECT_TRUE(buttons.MouseIsInButton(143, 111, &button));
	EXPECT_FALSE(buttons.MouseIsInButton(144, 104, &button));
	EXPECT_FALSE(buttons.MouseIsInButton(120, 95, &button));
}

TEST_F(UIRoundedButtonsTest, DefinitionValuesAreCheckedAgainstTheirBounds)
{
	// Integer ranges are inclusive; the doubles' bounds are exclusive ("width"
	// 0 and "disabled_a" 1 are among the construction failures below).
	struct Case { const char* label; const char* value; bool accepted; };
	const Case cases[] = {
		{ "vertices", "0", false }, { "vertices", "256", false },
		{ "stipple_repeat", "0", false }, { "stipple_repeat", "256", true }, { "stipple_repeat", "257", false },
		{ "hover_stipple_repeat", "0", false }, { "hover_stipple_repeat", "256", true },
		{ "hover_stipple_repeat", "257", false },
		{ "width", "0.001", true }, { "hover_width", "0.0", false }, { "hover_width", "0.001", true },
		{ "disabled_a", "0.0", false }, { "disabled_a", "0.999", true },
		{ "margin", "-1", false }, { "margin", "255", true }, { "margin", "256", false },
	};
	const char* const labels[] = { "vertices", "stipple", "stipple_repeat", "hover_stipple", "hover_stipple_repeat",
		"width", "hover_width", "disabled_a", "margin" };
	const char* const values[] = { "1", "FFFF", "1", "FFFF", "1", "1.0", "1.0", "0.5", "4" };
	TempFolder folder;
	const std::string path = folder.File("definition.txt");
	for (const Case& c : cases)
	{
		SCOPED_TRACE(std::string(c.label) + " " + c.value);
		std::string definition;
		for (size_t i = 0; i < std::size(labels); ++i)
			definition += std::string(".") + labels[i] + "=\"" + (labels[i] == std::string(c.label) ? c.value : values[i])
				+ "\"\n";
		folder.Write("definition.txt", definition);

		zelplayUIRoundedButtons* made = NULL;
		const char* error = Thrown([&] { made = new zelplayUIRoundedButtons(path.c_str(), BUTTONS, m_font, &m_errors); });
		EXPECT_EQ(c.accepted, made != NULL);
		delete made;
		if (c.accepted)
			EXPECT_EQ(nullptr, error);
		else
		{
			EXPECT_EQ(zelHLL_ERROR__OUT_OF_RANGE, error);
			EXPECT_EQ(std::string(zelHLL_ERROR__OUT_OF_RANGE) + " (" + c.label + ")", NextRecordedLine(m_errors));
			EXPECT_EQ(WithPath(zelHLL_ERROR__OUT_OF_RANGE, path), NextRecordedLine(m_errors));
		}
		EXPECT_TRUE(m_errors.IsEndOfQueue());
	}
}

TEST_F(UIRoundedButtonsTest, FailedConstructionReleasesWhatItBuilt)
{
	struct Case { const char* definition; const char* list; bool withFont; const char* error;
		std::vector<std::string> lines; };
	const std::string missing = "fixtures/rounded_missing.txt";
	const Case cases[] = {
		{ NULL, BUTTONS, true, zelplayUIROUNDED_BUTTONS_ERROR__NULL_DEFINITION_PATH,
			{ "(zelplayUIRoundedButtons::[constructor]) p_definitionPath == NULL" } },
		{ missing.c_str(), BUTTONS, true, zelplayUIROUNDED_BUTTONS_ERROR__UNABLE_TO_OPEN_DEFINITION,
			{ "(zelplayUIRoundedButtons::[constructor]) unable to open p_defintionPath (\"" + missing + "\")" } },
		{ "fixtures/rounded_empty.txt", BUTTONS, true, zelplayUIROUNDED_BUTTONS_ERROR__EMPTY_DEFINITION,
			{ "(zelplayUIRoundedButtons::[constructor]) empty p_definitionPath (\"fixtures/rounded_empty.txt\")" } },
		{ "fixtures/rounded_no_margin.txt", BUTTONS, true, zelHLL_ERROR__FILE_ENDS_UNEXPECTEDLY,
			{ WithPath(zelHLL_ERROR__FILE_ENDS_UNEXPECTEDLY, "fixtures/rounded_no_margin.txt") } },
		{ "fixtures/rounded_disabled_a_1.txt", BUTTONS, true, zelHLL_ERROR__OUT_OF_RANGE,
			{ std::string(zelHLL_ERROR__OUT_OF_RANGE) + " (disabled_a)",
				WithPath(zelHLL_ERROR__OUT_OF_RANGE, "fixtures/rounded_disabled_a_1.txt") } },
		{ "fixtures/rounded_width_0.txt", BUTTONS, true, zelHLL_ERROR__OUT_OF_RANGE,
			{ std::string(zelHLL_ERROR__OUT_OF_RANGE) + " (width)",
				WithPath(zelHLL_ERROR__OUT_OF_RANGE, "fixtures/rounded_width_0.txt") } },
		// Failures of the button list, after the corner points were made.
		{ OCTAGON, missing.c_str(), true, zelplayUIBUTTONS_ERROR__UNABLE_TO_OPEN_LIST,
			{ WithPath(zelplayUIBUTTONS_ERROR__UNABLE_TO_OPEN_LIST, missing) } },
		{ OCTAGON, BUTTONS, false, zelplayUIBUTTONS_ERROR__NULL_PARENT_CHARACTER_BACKGROUND,
			{ zelplayUIBUTTONS_ERROR__NULL_PARENT_CHARACTER_BACKGROUND } },
	};
	for (const Case& c : cases)
	{
		SCOPED_TRACE(c.definition != NULL ? c.definition : "NULL");
		zelplayCharacterBackground* font = c.withFont ? m_font : NULL;
		zelplayUIRoundedButtons* made = NULL;
		EXPECT_EQ(c.error, Thrown([&] { made = new zelplayUIRoundedButtons(c.definition, c.list, font, &m_errors); }));
		EXPECT_EQ(nullptr, made);
		// Only the failure itself is recorded: the unfinished object is released quietly.
		for (const std::string& line : c.lines)
			EXPECT_EQ(line, NextRecordedLine(m_errors));
		EXPECT_TRUE(m_errors.IsEndOfQueue());
	}
}
