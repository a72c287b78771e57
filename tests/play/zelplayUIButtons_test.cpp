#include "zelplayUIButtons.h"

#include "TestWindow.h"
#include "zelHighLevelList.h"
#include "zelStringQueue.h"
#include "zelplayCharacterBackground.h"

#include <gtest/gtest.h>

#include "Failures.h"

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace
{
	// The fixture font: digits from tile 0, capitals from tile 10, each glyph
	// an opaque white 8 x 8 square.
	const char FONT[] = "fixtures/buttons_font.txt";
	// HELLO at (10, 20), message 1; A above BC at (100, 50), message 2; GO at
	// (200, 20), message 2.
	const char THREE[] = "fixtures/buttons_three.txt";

	std::string WithPath(const char* p_message, const std::string& p_path)
	{
		return std::string(p_message) + " (\"" + p_path + "\")";
	}

	// A white glyph pixel on the black background.
	bool Lit(int p_x, int p_y)
	{
		return TestWindow::PixelIs(p_x, p_y, 255, 255, 255);
	}

	class UIButtonsTest : public ::testing::Test
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

		std::string WriteList(const std::string& p_name, unsigned int p_noOfButtons)
		{
			std::string list;
			for (unsigned int i = 0; i < p_noOfButtons; ++i)
				list += ".x=\"0\"\n.y=\"0\"\n.message_str=\"A\"\n.message=\"" + std::to_string(i % 256) + "\"\n";
			m_folder.Write(p_name, list);
			return m_folder.File(p_name);
		}

		TempFolder m_folder;
		zelStringQueue m_errors;
		zelplayCharacterBackground* m_font;
	};
}

TEST_F(UIButtonsTest, ReadsTheButtonsInFileOrder)
{
	zelplayUIButtons buttons(THREE, m_font, &m_errors);

	ASSERT_EQ(3, buttons.NoOfButtons());
	struct Expected { short x; short y; unsigned short width; unsigned short height; unsigned char message; };
	const Expected expected[] = { { 10, 20, 40, 8, 1 }, { 100, 50, 16, 16, 2 }, { 200, 20, 16, 8, 2 } };
	for (unsigned char i = 0; i < 3; ++i)
	{
		SCOPED_TRACE(i);
		EXPECT_EQ(expected[i].x, buttons.ButtonBottomLeftX(i));
		EXPECT_EQ(expected[i].y, buttons.ButtonBottomLeftY(i));
		EXPECT_EQ(expected[i].width, buttons.ButtonWidthInPixels(i));
		EXPECT_EQ(expected[i].height, buttons.ButtonHeightInPixels(i));
		EXPECT_TRUE(buttons.Visible(i));
		EXPECT_TRUE(buttons.Enabled(i));
	}
	EXPECT_FALSE(buttons.MouseIsOverAButton());
	EXPECT_EQ(0, buttons.Margin());
	EXPECT_EQ(0, buttons.BottomLeftX());
	EXPECT_EQ(0, buttons.BottomLeftY());
	for (const Expected& button : expected)
	{
		unsigned char message = 99;
		EXPECT_TRUE(buttons.ClickMouse(button.x, button.y, &message));
		EXPECT_EQ(button.message, message);
	}
	EXPECT_TRUE(m_errors.IsEndOfQueue());
}

TEST_F(UIButtonsTest, RenderDrawsEachTextWhereItsButtonIs)
{
	zelplayUIButtons buttons(THREE, m_font, &m_errors);

	buttons.Render();

	EXPECT_TRUE(Lit(10, 20));
	EXPECT_TRUE(Lit(49, 27));
	EXPECT_FALSE(Lit(50, 24));
	// A above BC: the new line starts again at the first column.
	EXPECT_TRUE(Lit(104, 62));
	EXPECT_FALSE(Lit(112, 62));
	EXPECT_TRUE(Lit(104, 54));
	EXPECT_TRUE(Lit(112, 54));
	EXPECT_TRUE(Lit(215, 27));
}

TEST_F(UIButtonsTest, ALineThatFillsTheButtonKeepsTheLinesAfterIt)
{
	// The longest line fills the text exactly; writing on after it must not
	// wrap to a row of its own and push the last line off the surface.
	struct Case { std::string text; unsigned short width; unsigned short height; std::vector<std::string> rows; };
	const Case cases[] = {
		{ "AB&nC", 16, 16, { "##", "#." } },
		{ "AB&NC&nD", 24, 24, { "##.", "..#", "#.." } },
		{ "ABC&N&nD", 24, 24, { "###", "...", "#.." } },
		// A fill makes the text as wide as it can be (only its first columns are checked).
		{ "A&R1B", 255 * 8, 16, { "###", "#.." } },
	};
	for (const Case& c : cases)
	{
		SCOPED_TRACE(c.text);
		m_folder.Write("full.txt", ".x=\"10\"\n.y=\"20\"\n.message_str=\"" + c.text + "\"\n.message=\"1\"\n");
		const std::string path = m_folder.File("full.txt");
		zelplayUIButtons buttons(path.c_str(), m_font, &m_errors);
		EXPECT_EQ(c.width, buttons.ButtonWidthInPixels(0));
		EXPECT_EQ(c.height, buttons.ButtonHeightInPixels(0));

		TestWindow::Clear();
		buttons.Render();

		// Rows from the top, from the first column; "#" is a glyph, "." an empty cell.
		for (size_t row = 0; row < c.rows.size(); ++row)
			for (size_t column = 0; column < c.rows[row].size(); ++column)
			{
				const int x = 10 + 8 * static_cast<int>(column) + 4;
				const int y = 20 + 8 * static_cast<int>(c.rows.size() - 1 - row) + 4;
				EXPECT_EQ(c.rows[row][column] == '#', Lit(x, y)) << "row " << row << ", column " << column;
			}
	}
	EXPECT_TRUE(m_errors.IsEndOfQueue());
}

TEST_F(UIButtonsTest, HitTestGrowsEveryButtonByTheMargin)
{
	zelplayUIButtons buttons;
	buttons.SetMargin(4);
	buttons.Initialise(THREE, m_font, &m_errors);
	EXPECT_EQ(4, buttons.Margin());

	// HELLO covers x 10 ... 49 and y 20 ... 27; with the margin x 6 ... 53 and y 16 ... 31.
	struct Case { unsigned short x; unsigned short y; bool hit; };
	const Case cases[] = {
		{ 6, 24, true }, { 53, 24, true }, { 5, 24, false }, { 54, 24, false },
		{ 30, 16, true }, { 30, 31, true }, { 30, 15, false }, { 30, 32, false },
	};
	for (const Case& c : cases)
	{
		SCOPED_TRACE(std::to_string(c.x) + ", " + std::to_string(c.y));
		unsigned char button = 99;
		EXPECT_EQ(c.hit, buttons.MouseIsInButton(c.x, c.y, &button));
		EXPECT_EQ(c.hit ? 0 : 99, button);
	}
}

TEST_F(UIButtonsTest, OverlappingButtonsResolveToTheFirstListed)
{
	zelplayUIButtons buttons("fixtures/buttons_overlap.txt", m_font, &m_errors);
	unsigned char message = 0;

	EXPECT_TRUE(buttons.ClickMouse(12, 22, &message));
	EXPECT_EQ(7, message);
	EXPECT_EQ(0, buttons.ButtonMouseIsOver());

	buttons.Disable(7);
	EXPECT_TRUE(buttons.ClickMouse(12, 22, &message));
	EXPECT_EQ(9, message);
	EXPECT_EQ(1, buttons.ButtonMouseIsOver());
}

TEST_F(UIButtonsTest, HiddenOrDisabledButtonsAreNeverHit)
{
	zelplayUIButtons buttons(THREE, m_font, &m_errors);
	unsigned char button = 0;

	buttons.Hide(2);
	EXPECT_TRUE(buttons.Visible(0));
	EXPECT_FALSE(buttons.Visible(1));
	EXPECT_FALSE(buttons.Visible(2));
	EXPECT_FALSE(buttons.MouseIsInButton(104, 54, &button));
	EXPECT_FALSE(buttons.MouseIsInButton(204, 24, &button));

	buttons.Show(2);
	buttons.Disable(1);
	EXPECT_TRUE(buttons.MouseIsInButton(204, 24, &button));
	EXPECT_EQ(2, button);
	EXPECT_FALSE(buttons.Enabled(0));
	EXPECT_TRUE(buttons.Visible(0));
	EXPECT_FALSE(buttons.MouseIsInButton(12, 22, &button));

	buttons.Enable(1);
	EXPECT_TRUE(buttons.MouseIsInButton(12, 22, &button));
	EXPECT_EQ(0, button);

	// A message number that no button carries changes nothing.
	buttons.Hide(3);
	buttons.Disable(3);
	for (unsigned char i = 0; i < 3; ++i)
		EXPECT_TRUE(buttons.Visible(i) && buttons.Enabled(i));
}

TEST_F(UIButtonsTest, RenderSkipsHiddenButtonsButDrawsDisabledOnes)
{
	zelplayUIButtons buttons(THREE, m_font, &m_errors);
	buttons.Hide(2);
	buttons.Disable(1);

	buttons.Render();

	EXPECT_TRUE(Lit(12, 22));
	EXPECT_FALSE(Lit(104, 54));
	EXPECT_FALSE(Lit(204, 24));

	// RenderButton draws a hidden button all the same.
	buttons.RenderButton(2);
	EXPECT_TRUE(Lit(204, 24));
}

TEST_F(UIButtonsTest, HoverStateFollowsTheMouseOnly)
{
	zelplayUIButtons buttons(THREE, m_font, &m_errors);

	buttons.MoveMouse(105, 60);
	EXPECT_TRUE(buttons.MouseIsOverAButton());
	EXPECT_EQ(1, buttons.ButtonMouseIsOver());

	// Hiding or disabling the button does not touch the hover state.
	buttons.Hide(2);
	buttons.Disable(2);
	EXPECT_TRUE(buttons.MouseIsOverAButton());
	EXPECT_EQ(1, buttons.ButtonMouseIsOver());

	buttons.Show(2);
	buttons.Enable(2);
	buttons.MoveMouse(300, 300);
	EXPECT_FALSE(buttons.MouseIsOverAButton());

	buttons.MoveMouse(12, 22);
	EXPECT_TRUE(buttons.MouseIsOverAButton());
	buttons.ClearMouseIsOverAButton();
	EXPECT_FALSE(buttons.MouseIsOverAButton());
}

TEST_F(UIButtonsTest, ClickOnEmptySpaceClearsTheHoverAndKeepsTheMessage)
{
	zelplayUIButtons buttons(THREE, m_font, &m_errors);
	unsigned char message = 42;

	EXPECT_TRUE(buttons.ClickMouse(202, 22, &message));
	EXPECT_EQ(2, message);
	EXPECT_TRUE(buttons.MouseIsOverAButton());

	message = 42;
	EXPECT_FALSE(buttons.ClickMouse(300, 300, &message));
	EXPECT_EQ(42, message);
	EXPECT_FALSE(buttons.MouseIsOverAButton());
}

TEST_F(UIButtonsTest, ClickWithoutAPlaceForTheMessageFails)
{
	zelplayUIButtons buttons(THREE, m_font, &m_errors);
	buttons.MoveMouse(12, 22);

	EXPECT_EQ(zelplayUIBUTTONS_ERROR__NULL_MESSAGE, Thrown([&] { buttons.ClickMouse(300, 300, NULL); }));
	EXPECT_EQ("(zelplayUIButtons::ClickMouse) p_message == NULL", NextRecordedLine(m_errors));
	// A refused click changes nothing.
	EXPECT_TRUE(buttons.MouseIsOverAButton());
}

TEST_F(UIButtonsTest, MovingTheSetMovesTextsAndHitRectangles)
{
	zelplayUIButtons buttons(THREE, m_font, &m_errors);
	unsigned char button = 0;

	buttons.BottomLeftX(100);
	buttons.BottomLeftY(-10);
	EXPECT_EQ(100, buttons.BottomLeftX());
	EXPECT_EQ(-10, buttons.BottomLeftY());
	EXPECT_EQ(110, buttons.ButtonBottomLeftX(0));
	EXPECT_EQ(10, buttons.ButtonBottomLeftY(0));
	EXPECT_EQ(300, buttons.ButtonBottomLeftX(2));

	buttons.Render();
	EXPECT_FALSE(Lit(12, 22));
	EXPECT_TRUE(Lit(112, 12));
	EXPECT_TRUE(Lit(302, 12));

	EXPECT_FALSE(buttons.MouseIsInButton(12, 22, &button));
	EXPECT_TRUE(buttons.MouseIsInButton(112, 12, &button));
	EXPECT_EQ(0, button);
	EXPECT_TRUE(buttons.MouseIsInButton(149, 17, &button));
	EXPECT_FALSE(buttons.MouseIsInButton(150, 17, &button));
}

TEST_F(UIButtonsTest, HitBoundsAreSixteenBitValues)
{
	zelplayUIButtons buttons(THREE, m_font, &m_errors);
	unsigned char button = 0;

	// Left of the screen, HELLO covers x -10 ... 29.
	buttons.BottomLeftX(-20);
	EXPECT_TRUE(buttons.MouseIsInButton(0, 22, &button));
	EXPECT_TRUE(buttons.MouseIsInButton(29, 22, &button));
	EXPECT_FALSE(buttons.MouseIsInButton(30, 22, &button));

	// At 32760 HELLO's bounds wrap to negative values, so even a position
	// that lies between them as plain integers misses.
	buttons.BottomLeftX(32760);
	EXPECT_EQ(-32766, buttons.ButtonBottomLeftX(0));
	EXPECT_FALSE(buttons.MouseIsInButton(32780, 22, &button));
}

TEST_F(UIButtonsTest, AListOf255ButtonsIsAccepted)
{
	const std::string path = WriteList("many.txt", 255);

	zelplayUIButtons buttons(path.c_str(), m_font, &m_errors);

	EXPECT_EQ(255, buttons.NoOfButtons());
	EXPECT_TRUE(buttons.Visible(254));
	EXPECT_TRUE(m_errors.IsEndOfQueue());
}

TEST_F(UIButtonsTest, ListFailuresAreRecordedWithThePath)
{
	struct Case { std::string path; const char* error; std::vector<std::string> lines; };
	const std::string tooMany = WriteList("too_many.txt", 256);
	const Case cases[] = {
		{ "fixtures/buttons_missing.txt", zelplayUIBUTTONS_ERROR__UNABLE_TO_OPEN_LIST,
			{ WithPath(zelplayUIBUTTONS_ERROR__UNABLE_TO_OPEN_LIST, "fixtures/buttons_missing.txt") } },
		{ "fixtures/buttons_empty.txt", zelplayUIBUTTONS_ERROR__NO_BUTTONS_IN_LIST,
			{ WithPath(zelplayUIBUTTONS_ERROR__NO_BUTTONS_IN_LIST, "fixtures/buttons_empty.txt") } },
		{ tooMany, zelplayUIBUTTONS_ERROR__TOO_MANY_BUTTONS_IN_LIST,
			{ WithPath(zelplayUIBUTTONS_ERROR__TOO_MANY_BUTTONS_IN_LIST, tooMany) } },
		{ "fixtures/buttons_empty_text.txt", zelHLL_ERROR__STRING_TOO_SHORT,
			{ std::string(zelHLL_ERROR__STRING_TOO_SHORT) + " (\"message_str\"; \"\")",
				WithPath(zelHLL_ERROR__STRING_TOO_SHORT, "fixtures/buttons_empty_text.txt") } },
		// The list records nothing for a listing cut short; only the path is recorded.
		{ "fixtures/buttons_incomplete.txt", zelHLL_ERROR__FILE_ENDS_UNEXPECTEDLY,
			{ WithPath(zelHLL_ERROR__FILE_ENDS_UNEXPECTEDLY, "fixtures/buttons_incomplete.txt") } },
		{ "fixtures/buttons_message_256.txt", zelHLL_ERROR__OUT_OF_RANGE,
			{ std::string(zelHLL_ERROR__OUT_OF_RANGE) + " (message)",
				WithPath(zelHLL_ERROR__OUT_OF_RANGE, "fixtures/buttons_message_256.txt") } },
	};
	for (const Case& c : cases)
	{
		SCOPED_TRACE(c.path);
		zelplayUIButtons* made = NULL;
		EXPECT_EQ(c.error, Thrown([&] { made = new zelplayUIButtons(c.path.c_str(), m_font, &m_errors); }));
		EXPECT_EQ(nullptr, made);
		for (const std::string& line : c.lines)
			EXPECT_EQ(line, NextRecordedLine(m_errors));
		EXPECT_TRUE(m_errors.IsEndOfQueue());
	}
}

TEST_F(UIButtonsTest, NullArgumentsAreRefusedBare)
{
	struct Case { const char* path; bool withFont; const char* error; };
	const Case cases[] = {
		{ NULL, true, zelplayUIBUTTONS_ERROR__NULL_LIST_PATH },
		{ NULL, false, zelplayUIBUTTONS_ERROR__NULL_LIST_PATH },
		{ THREE, false, zelplayUIBUTTONS_ERROR__NULL_PARENT_CHARACTER_BACKGROUND },
	};
	for (const Case& c : cases)
	{
		zelplayCharacterBackground* font = c.withFont ? m_font : NULL;
		EXPECT_EQ(c.error, Thrown([&] { zelplayUIButtons buttons(c.path, font, &m_errors); }));
		EXPECT_EQ(c.error, NextRecordedLine(m_errors));
	}
	EXPECT_EQ("(zelplayUIButtons::[constructor]/Initialise) p_listPath == NULL",
		std::string(zelplayUIBUTTONS_ERROR__NULL_LIST_PATH));
	EXPECT_EQ("(zelplayUIButtons::[constructor]/Initialise) p_parentCharacterBackground == NULL",
		std::string(zelplayUIBUTTONS_ERROR__NULL_PARENT_CHARACTER_BACKGROUND));
	EXPECT_TRUE(m_errors.IsEndOfQueue());
}

TEST_F(UIButtonsTest, AFailedInitialiseLeavesTheObjectUninitialisedAndQuiet)
{
	// The object goes out of scope while the failure unwinds: it is released
	// without a second report.
	EXPECT_EQ(zelplayUIBUTTONS_ERROR__NO_BUTTONS_IN_LIST, Thrown([&] {
		zelplayUIButtons buttons;
		buttons.Initialise("fixtures/buttons_empty.txt", m_font, &m_errors);
	}));
	EXPECT_EQ(WithPath(zelplayUIBUTTONS_ERROR__NO_BUTTONS_IN_LIST, "fixtures/buttons_empty.txt"), NextRecordedLine(m_errors));
	EXPECT_TRUE(m_errors.IsEndOfQueue());

	// After a failure the same object can be initialised with a good list.
	zelplayUIButtons buttons;
	EXPECT_NE(nullptr, Thrown([&] { buttons.Initialise("fixtures/buttons_message_256.txt", m_font, &m_errors); }));
	EXPECT_EQ(zelplayUIBUTTONS_ERROR__NOT_INITIALISED, Thrown([&] { buttons.NoOfButtons(); }));
	buttons.Initialise(THREE, m_font, &m_errors);
	EXPECT_EQ(3, buttons.NoOfButtons());
}

TEST_F(UIButtonsTest, SecondInitialiseIsRefused)
{
	zelplayUIButtons buttons(THREE, m_font, &m_errors);
	zelStringQueue otherErrors;

	// Refused before the new queue is taken: the line goes to the object's queue.
	EXPECT_EQ(zelplayUIBUTTONS_ERROR__INITIALISED, Thrown([&] { buttons.Initialise(THREE, m_font, &otherErrors); }));
	EXPECT_EQ("(zelplayUIButtons::Initialise) m_initialised == true", NextRecordedLine(m_errors));
	EXPECT_TRUE(otherErrors.IsEndOfQueue());
	EXPECT_EQ(3, buttons.NoOfButtons());
}

TEST_F(UIButtonsTest, AnUninitialisedObjectRefusesEveryOperation)
{
	zelplayUIButtons* buttons = new zelplayUIButtons();
	buttons->SetErrorStrings(&m_errors);
	buttons->SetMargin(3);
	unsigned char place = 0;
	EXPECT_FALSE(buttons->MouseIsInButton(0, 0, &place));

	const std::vector<std::function<void()>> operations = {
		[&] { buttons->Render(); },
		[&] { buttons->RenderButton(0); },
		[&] { buttons->MoveMouse(0, 0); },
		[&] { buttons->ClickMouse(0, 0, &place); },
		[&] { buttons->MouseIsOverAButton(); },
		[&] { buttons->ClearMouseIsOverAButton(); },
		[&] { buttons->ButtonMouseIsOver(); },
		[&] { buttons->Show(0); },
		[&] { buttons->Hide(0); },
		[&] { buttons->Enable(0); },
		[&] { buttons->Disable(0); },
		[&] { buttons->Visible(0); },
		[&] { buttons->Enabled(0); },
		[&] { buttons->ButtonWidthInPixels(0); },
		[&] { buttons->ButtonHeightInPixels(0); },
		[&] { buttons->ButtonBottomLeftX(0); },
		[&] { buttons->ButtonBottomLeftY(0); },
		[&] { buttons->BottomLeftX(); },
		[&] { buttons->BottomLeftY(); },
		[&] { buttons->BottomLeftX(5); },
		[&] { buttons->BottomLeftY(5); },
		[&] { buttons->NoOfButtons(); },
		[&] { buttons->Margin(); },
	};
	for (size_t i = 0; i < operations.size(); ++i)
	{
		SCOPED_TRACE(i);
		EXPECT_EQ(zelplayUIBUTTONS_ERROR__NOT_INITIALISED, Thrown(operations[i]));
		EXPECT_EQ("(zelplayUIButtons::{...}) m_initialised == false", NextRecordedLine(m_errors));
	}

	EXPECT_EQ(zelplayUIBUTTONS_ERROR__NOT_INITIALISED__DESTRUCTOR, Thrown([&] { delete buttons; }));
	EXPECT_EQ("(zelplayUIButtons::[destructor]) m_initialised == false", NextRecordedLine(m_errors));
	EXPECT_TRUE(m_errors.IsEndOfQueue());
}

TEST_F(UIButtonsTest, ButtonIndicesAreCheckedAgainstTheNumberOfButtons)
{
	zelplayUIButtons buttons(THREE, m_font, &m_errors);

	const std::vector<std::function<void(unsigned char)>> operations = {
		[&](unsigned char p_button) { buttons.RenderButton(p_button); },
		[&](unsigned char p_button) { buttons.Visible(p_button); },
		[&](unsigned char p_button) { buttons.Enabled(p_button); },
		[&](unsigned char p_button) { buttons.ButtonWidthInPixels(p_button); },
		[&](unsigned char p_button) { buttons.ButtonHeightInPixels(p_button); },
		[&](unsigned char p_button) { buttons.ButtonBottomLeftX(p_button); },
		[&](unsigned char p_button) { buttons.ButtonBottomLeftY(p_button); },
	};
	for (size_t i = 0; i < operations.size(); ++i)
	{
		SCOPED_TRACE(i);
		EXPECT_EQ(nullptr, Thrown([&] { operations[i](2); }));
		EXPECT_EQ(zelplayUIBUTTONS_ERROR__ILLEGAL_BUTTON, Thrown([&] { operations[i](3); }));
		EXPECT_EQ("(zelplayUIButtons::{...}) p_button >= m_noOfButtons", NextRecordedLine(m_errors));
	}
	EXPECT_TRUE(m_errors.IsEndOfQueue());
}

namespace
{
	class ExposedButtons : public zelplayUIButtons
	{
	public:
		using zelplayUIButtons::PushErrorString;
	};
}

TEST_F(UIButtonsTest, RecordedLinesReportMissingTexts)
{
	ExposedButtons* buttons = new ExposedButtons();
	buttons->SetErrorStrings(&m_errors);

	buttons->PushErrorString("(x) failed", "here");
	buttons->PushErrorString(NULL);
	buttons->PushErrorString(NULL, "here");
	buttons->PushErrorString("(x) failed", NULL);
	EXPECT_EQ("(x) failed (\"here\")", NextRecordedLine(m_errors));
	EXPECT_EQ("(zelplayUIButtons::PushErrorString) p_errorString == NULL", NextRecordedLine(m_errors));
	EXPECT_EQ("(zelplayUIButtons::PushErrorString) p_errorString == NULL", NextRecordedLine(m_errors));
	EXPECT_EQ("(zelplayUIButtons::PushErrorString) p_errorStringDetail == NULL", NextRecordedLine(m_errors));

	buttons->SetErrorStrings(NULL);
	EXPECT_EQ(zelplayUIBUTTONS_ERROR__NOT_INITIALISED__DESTRUCTOR, Thrown([&] { delete buttons; }));
	EXPECT_TRUE(m_errors.IsEndOfQueue());
}
