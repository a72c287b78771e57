#include "zelplayUIButtons.h"

#include "zelHighLevelList.h"
#include "zelStringConcatenation.h"
#include "zelStringQueue.h"
#include "zelplayCharacterBackground.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

const char zelplayUIBUTTONS_LIST_MEMBER__BOTTOM_LEFT_X[] = "x";
const char zelplayUIBUTTONS_LIST_MEMBER__BOTTOM_LEFT_Y[] = "y";
const char zelplayUIBUTTONS_LIST_MEMBER__MESSAGE_STRING[] = "message_str";
const char zelplayUIBUTTONS_LIST_MEMBER__MESSAGE[] = "message";

const char zelplayUIBUTTONS_ERROR__NOT_INITIALISED[] = "(zelplayUIButtons::{...}) m_initialised == false";
const char zelplayUIBUTTONS_ERROR__NOT_INITIALISED__DESTRUCTOR[] = "(zelplayUIButtons::[destructor]) m_initialised == false";
const char zelplayUIBUTTONS_ERROR__INITIALISED[] = "(zelplayUIButtons::Initialise) m_initialised == true";
const char zelplayUIBUTTONS_ERROR__ILLEGAL_BUTTON[] = "(zelplayUIButtons::{...}) p_button >= m_noOfButtons";
const char zelplayUIBUTTONS_ERROR__NULL_MESSAGE[] = "(zelplayUIButtons::ClickMouse) p_message == NULL";
const char zelplayUIBUTTONS_ERROR__NULL_LIST_PATH[] = "(zelplayUIButtons::[constructor]/Initialise) p_listPath == NULL";
const char zelplayUIBUTTONS_ERROR__NULL_PARENT_CHARACTER_BACKGROUND[] = "(zelplayUIButtons::[constructor]/Initialise) p_parentCharacterBackground == NULL";
const char zelplayUIBUTTONS_ERROR__UNABLE_TO_OPEN_LIST[] = "(zelplayUIButtons::[constructor]/Initialise) unable to open p_listPath";
const char zelplayUIBUTTONS_ERROR__NO_BUTTONS_IN_LIST[] = "(zelplayUIButtons::[constructor]/Initialise) no buttons in p_listPath";
const char zelplayUIBUTTONS_ERROR__TOO_MANY_BUTTONS_IN_LIST[] = "(zelplayUIButtons::[constructor]/Initialise) too many buttons (>255) in p_listPath";

namespace
{
	const char NULL_ERROR_STRING[] = "(zelplayUIButtons::PushErrorString) p_errorString == NULL";
	const char NULL_ERROR_STRING_DETAIL[] = "(zelplayUIButtons::PushErrorString) p_errorStringDetail == NULL";

	const unsigned int MAXIMUM_NO_OF_BUTTONS = 255;
	const unsigned int MAXIMUM_TEXT_WIDTH = 255;	// in tiles
}

zelplayUIButtons::zelplayUIButtons(const char* p_listPath, zelplayCharacterBackground* p_parentCharacterBackground,
	zelStringQueue* p_errorStrings)
	: zelplayUIButtons()
{
	Initialise(p_listPath, p_parentCharacterBackground, p_errorStrings);
}

zelplayUIButtons::zelplayUIButtons()
	: m_initialised(false),
	m_noOfButtons(0),
	m_buttons(NULL),
	m_margin(0),
	m_bottomLeftX(0),
	m_bottomLeftY(0),
	m_mouseIsOverAButton(false),
	m_buttonMouseIsOver(0),
	m_errorStrings(NULL)
{
}

zelplayUIButtons::~zelplayUIButtons() noexcept(false)
{
	if (!m_initialised)
	{
		// Throwing while another exception unwinds the stack would end the
		// program; that is the case for a failed Initialise or the failed
		// construction of a derived class, which release quietly.
		if (std::uncaught_exceptions() > 0)
			return;
		Fail(zelplayUIBUTTONS_ERROR__NOT_INITIALISED__DESTRUCTOR);
	}
	DeleteCharacterBackgrounds(m_noOfButtons);
	delete[] m_buttons;
}

void zelplayUIButtons::Initialise(const char* p_listPath, zelplayCharacterBackground* p_parentCharacterBackground,
	zelStringQueue* p_errorStrings)
{
	if (m_initialised)
		Fail(zelplayUIBUTTONS_ERROR__INITIALISED);
	m_errorStrings = p_errorStrings;
	if (p_listPath == NULL)
		Fail(zelplayUIBUTTONS_ERROR__NULL_LIST_PATH);
	if (p_parentCharacterBackground == NULL)
		Fail(zelplayUIBUTTONS_ERROR__NULL_PARENT_CHARACTER_BACKGROUND);

	zelHighLevelList list(m_errorStrings);
	InitialiseHighLevelButtonsList(&list);
	unsigned char noOfButtons = 0;
	zelplayUIButton_struct* nodes = InputButtons(&list, p_listPath, &noOfButtons);
	try
	{
		BuildButtons(nodes, noOfButtons, p_parentCharacterBackground);
	}
	catch (const char*)
	{
		Delete(nodes);
		throw;
	}
	Delete(nodes);
	m_initialised = true;
}

void zelplayUIButtons::InitialiseHighLevelButtonsList(zelHighLevelList* p_list)
{
	p_list->NewMember(zelplayUIBUTTONS_LIST_MEMBER__BOTTOM_LEFT_X, zelHLL_MEMBER_TYPE__INT);
	p_list->SetIntMemberRange(zelplayUIBUTTONS_LIST_MEMBER__BOTTOM_LEFT_X, -32767, 32767);
	p_list->NewMember(zelplayUIBUTTONS_LIST_MEMBER__BOTTOM_LEFT_Y, zelHLL_MEMBER_TYPE__INT);
	p_list->SetIntMemberRange(zelplayUIBUTTONS_LIST_MEMBER__BOTTOM_LEFT_Y, -32767, 32767);
	p_list->NewMember(zelplayUIBUTTONS_LIST_MEMBER__MESSAGE_STRING, zelHLL_MEMBER_TYPE__STRING);
	p_list->SetStringMemberLength__DisableAcceptableStrings(zelplayUIBUTTONS_LIST_MEMBER__MESSAGE_STRING,
		zelHLL_MEMBER_LENGTH__MINIMUM, 1);
	p_list->NewMember(zelplayUIBUTTONS_LIST_MEMBER__MESSAGE, zelHLL_MEMBER_TYPE__INT);
	p_list->SetIntMemberRange(zelplayUIBUTTONS_LIST_MEMBER__MESSAGE, 0, 255);
}

// Reads every listing into a temporary list of nodes, in file order.
zelplayUIButton_struct* zelplayUIButtons::InputButtons(zelHighLevelList* p_list, const char* p_listPath,
	unsigned char* p_noOfButtons)
{
	FILE* file = fopen(p_listPath, "r");
	if (file == NULL)
		Fail(zelplayUIBUTTONS_ERROR__UNABLE_TO_OPEN_LIST, p_listPath);

	zelplayUIButton_struct* first = NULL;
	zelplayUIButton_struct* last = NULL;
	unsigned int noOfButtons = 0;
	for (;;)
	{
		try
		{
			p_list->Input(file);
		}
		catch (const char* error)
		{
			fclose(file);
			Delete(first);
			PushErrorString(error, p_listPath);
			throw;
		}
		if (!p_list->AnyMemberHasBeenInput())
			break;
		if (noOfButtons == MAXIMUM_NO_OF_BUTTONS)
		{
			fclose(file);
			Delete(first);
			Fail(zelplayUIBUTTONS_ERROR__TOO_MANY_BUTTONS_IN_LIST, p_listPath);
		}

		zelplayUIButton_struct* node = new zelplayUIButton_struct();
		node->m_x = static_cast<short>(p_list->Int(zelplayUIBUTTONS_LIST_MEMBER__BOTTOM_LEFT_X));
		node->m_y = static_cast<short>(p_list->Int(zelplayUIBUTTONS_LIST_MEMBER__BOTTOM_LEFT_Y));
		node->m_messageText = p_list->String(zelplayUIBUTTONS_LIST_MEMBER__MESSAGE_STRING);
		node->m_message = static_cast<unsigned char>(p_list->Int(zelplayUIBUTTONS_LIST_MEMBER__MESSAGE));
		if (first == NULL)
			first = node;
		else
			last->m_next = node;
		last = node;
		++noOfButtons;
		p_list->ClearInput();
	}
	fclose(file);

	if (noOfButtons == 0)
		Fail(zelplayUIBUTTONS_ERROR__NO_BUTTONS_IN_LIST, p_listPath);
	*p_noOfButtons = static_cast<unsigned char>(noOfButtons);
	return first;
}

// Makes the buttons from the nodes; on a failure releases the buttons made so far.
void zelplayUIButtons::BuildButtons(zelplayUIButton_struct* p_nodes, unsigned char p_noOfButtons,
	zelplayCharacterBackground* p_parentCharacterBackground)
{
	m_buttons = new zelplayUIButton_struct[p_noOfButtons]();
	m_mouseIsOverAButton = false;
	unsigned int built = 0;
	try
	{
		for (const zelplayUIButton_struct* node = p_nodes; node != NULL; node = node->m_next)
		{
			BuildButton(&m_buttons[built], node, p_parentCharacterBackground);
			++built;
		}
	}
	catch (const char*)
	{
		DeleteCharacterBackgrounds(built);
		delete[] m_buttons;
		m_buttons = NULL;
		throw;
	}
	m_noOfButtons = p_noOfButtons;
}

void zelplayUIButtons::BuildButton(zelplayUIButton_struct* p_button, const zelplayUIButton_struct* p_node,
	zelplayCharacterBackground* p_parentCharacterBackground)
{
	p_button->m_x = p_node->m_x;
	p_button->m_y = p_node->m_y;
	p_button->m_enabled = true;
	p_button->m_visible = true;
	p_button->m_message = p_node->m_message;

	const char* text = p_node->m_messageText;
	const unsigned char width = p_parentCharacterBackground->StringWidth(text, false);
	const unsigned char height = p_parentCharacterBackground->StringHeight(text, false);
	zelplayCharacterBackground* characterBackground =
		new zelplayCharacterBackground(p_parentCharacterBackground, width, height, m_errorStrings);
	p_button->m_characterBackground = characterBackground;
	WriteText(characterBackground, text, p_parentCharacterBackground);
	// The set is at 0, 0 while it is being built.
	characterBackground->BottomLeftX(p_button->m_x);
	characterBackground->BottomLeftY(p_button->m_y);
	p_button->m_right = static_cast<short>(p_button->m_x + characterBackground->WidthInPixels());
	p_button->m_top = static_cast<short>(p_button->m_y + characterBackground->HeightInPixels());
}

// The surface is exactly as wide as the longest line, but String wraps as soon
// as a line fills the surface, even where the line ends: a full line followed
// by "&n" or "&N" would skip a row and push what follows off the surface. So
// the text is laid out one column wider, where it never wraps, and copied
// without that column. A surface of the widest size wraps where the text's
// height was measured to wrap, so it is written directly.
void zelplayUIButtons::WriteText(zelplayCharacterBackground* p_surface, const char* p_text,
	zelplayCharacterBackground* p_parentCharacterBackground)
{
	const unsigned int width = p_surface->WidthInTiles();
	const unsigned int height = p_surface->HeightInTiles();
	if (width == MAXIMUM_TEXT_WIDTH)
	{
		p_surface->String(p_text, 0, 0, true);
		return;
	}
	zelplayCharacterBackground layout(p_parentCharacterBackground, static_cast<unsigned char>(width + 1),
		static_cast<unsigned char>(height), m_errorStrings);
	layout.String(p_text, 0, 0, true);
	for (unsigned int y = 0; y < height; ++y)
		for (unsigned int x = 0; x < width; ++x)
			p_surface->Tile(x, y, layout.Tile(x, y));
}

// Children of one font: destroyed in the reverse order of their creation.
void zelplayUIButtons::DeleteCharacterBackgrounds(unsigned int p_noOfButtons)
{
	for (unsigned int i = p_noOfButtons; i > 0; --i)
	{
		delete m_buttons[i - 1].m_characterBackground;
		m_buttons[i - 1].m_characterBackground = NULL;
	}
}

void zelplayUIButtons::Delete(zelplayUIButton_struct* p_nodes)
{
	while (p_nodes != NULL)
	{
		zelplayUIButton_struct* next = p_nodes->m_next;
		free(p_nodes->m_messageText);
		delete p_nodes;
		p_nodes = next;
	}
}

void zelplayUIButtons::Render()
{
	CheckInitialised();
	for (unsigned int i = 0; i < m_noOfButtons; ++i)
		if (m_buttons[i].m_visible)
			m_buttons[i].m_characterBackground->Render(0, 0);
}

void zelplayUIButtons::RenderButton(unsigned char p_button)
{
	CheckButton(p_button);
	m_buttons[p_button].m_characterBackground->Render(0, 0);
}

void zelplayUIButtons::MoveMouse(unsigned short p_x, unsigned short p_y)
{
	CheckInitialised();
	unsigned char button = 0;
	if (MouseIsInButton(p_x, p_y, &button))
	{
		m_mouseIsOverAButton = true;
		m_buttonMouseIsOver = button;
	}
	else
		m_mouseIsOverAButton = false;
}

bool zelplayUIButtons::ClickMouse(unsigned short p_x, unsigned short p_y, unsigned char* p_message)
{
	CheckInitialised();
	if (p_message == NULL)
		Fail(zelplayUIBUTTONS_ERROR__NULL_MESSAGE);
	MoveMouse(p_x, p_y);
	if (!m_mouseIsOverAButton)
		return false;
	*p_message = m_buttons[m_buttonMouseIsOver].m_message;
	return true;
}

bool zelplayUIButtons::MouseIsInButton(unsigned short p_x, unsigned short p_y, unsigned char* p_button) const
{
	const int x = p_x;
	const int y = p_y;
	for (unsigned int i = 0; i < m_noOfButtons; ++i)
	{
		const zelplayUIButton_struct& button = m_buttons[i];
		if (!button.m_visible || !button.m_enabled)
			continue;
		// The bounds wrap as 16-bit values, like every position of the set.
		const short left = static_cast<short>(m_bottomLeftX + button.m_x - m_margin);
		const short right = static_cast<short>(m_bottomLeftX + button.m_right + m_margin);
		const short bottom = static_cast<short>(m_bottomLeftY + button.m_y - m_margin);
		const short top = static_cast<short>(m_bottomLeftY + button.m_top + m_margin);
		if (left <= x && x < right && bottom <= y && y < top)
		{
			*p_button = static_cast<unsigned char>(i);
			return true;
		}
	}
	return false;
}

bool zelplayUIButtons::MouseIsOverAButton() const
{
	CheckInitialised();
	return m_mouseIsOverAButton;
}

void zelplayUIButtons::ClearMouseIsOverAButton()
{
	CheckInitialised();
	m_mouseIsOverAButton = false;
}

unsigned char zelplayUIButtons::ButtonMouseIsOver() const
{
	CheckInitialised();
	return m_buttonMouseIsOver;
}

void zelplayUIButtons::Show(unsigned char p_message)
{
	CheckInitialised();
	for (unsigned int i = 0; i < m_noOfButtons; ++i)
		if (m_buttons[i].m_message == p_message)
			m_buttons[i].m_visible = true;
}

void zelplayUIButtons::Hide(unsigned char p_message)
{
	CheckInitialised();
	for (unsigned int i = 0; i < m_noOfButtons; ++i)
		if (m_buttons[i].m_message == p_message)
			m_buttons[i].m_visible = false;
}

void zelplayUIButtons::Enable(unsigned char p_message)
{
	CheckInitialised();
	for (unsigned int i = 0; i < m_noOfButtons; ++i)
		if (m_buttons[i].m_message == p_message)
			m_buttons[i].m_enabled = true;
}

void zelplayUIButtons::Disable(unsigned char p_message)
{
	CheckInitialised();
	for (unsigned int i = 0; i < m_noOfButtons; ++i)
		if (m_buttons[i].m_message == p_message)
			m_buttons[i].m_enabled = false;
}

bool zelplayUIButtons::Visible(unsigned char p_button) const
{
	CheckButton(p_button);
	return m_buttons[p_button].m_visible;
}

bool zelplayUIButtons::Enabled(unsigned char p_button) const
{
	CheckButton(p_button);
	return m_buttons[p_button].m_enabled;
}

unsigned short zelplayUIButtons::ButtonWidthInPixels(unsigned char p_button) const
{
	CheckButton(p_button);
	return m_buttons[p_button].m_characterBackground->WidthInPixels();
}

unsigned short zelplayUIButtons::ButtonHeightInPixels(unsigned char p_button) const
{
	CheckButton(p_button);
	return m_buttons[p_button].m_characterBackground->HeightInPixels();
}

short zelplayUIButtons::ButtonBottomLeftX(unsigned char p_button) const
{
	CheckButton(p_button);
	return static_cast<short>(m_bottomLeftX + m_buttons[p_button].m_x);
}

short zelplayUIButtons::ButtonBottomLeftY(unsigned char p_button) const
{
	CheckButton(p_button);
	return static_cast<short>(m_bottomLeftY + m_buttons[p_button].m_y);
}

short zelplayUIButtons::BottomLeftX() const
{
	CheckInitialised();
	return m_bottomLeftX;
}

short zelplayUIButtons::BottomLeftY() const
{
	CheckInitialised();
	return m_bottomLeftY;
}

void zelplayUIButtons::BottomLeftX(short p_x)
{
	CheckInitialised();
	m_bottomLeftX = p_x;
	for (unsigned int i = 0; i < m_noOfButtons; ++i)
		m_buttons[i].m_characterBackground->BottomLeftX(static_cast<short>(p_x + m_buttons[i].m_x));
}

void zelplayUIButtons::BottomLeftY(short p_y)
{
	CheckInitialised();
	m_bottomLeftY = p_y;
	for (unsigned int i = 0; i < m_noOfButtons; ++i)
		m_buttons[i].m_characterBackground->BottomLeftY(static_cast<short>(p_y + m_buttons[i].m_y));
}

unsigned char zelplayUIButtons::NoOfButtons() const
{
	CheckInitialised();
	return m_noOfButtons;
}

void zelplayUIButtons::SetMargin(unsigned char p_margin)
{
	m_margin = p_margin;
}

unsigned char zelplayUIButtons::Margin() const
{
	CheckInitialised();
	return m_margin;
}

void zelplayUIButtons::SetErrorStrings(zelStringQueue* p_errorStrings)
{
	m_errorStrings = p_errorStrings;
}

void zelplayUIButtons::CheckInitialised() const
{
	if (!m_initialised)
		Fail(zelplayUIBUTTONS_ERROR__NOT_INITIALISED);
}

void zelplayUIButtons::CheckButton(unsigned char p_button) const
{
	CheckInitialised();
	if (p_button >= m_noOfButtons)
		Fail(zelplayUIBUTTONS_ERROR__ILLEGAL_BUTTON);
}

void zelplayUIButtons::Fail(const char* p_errorString) const
{
	PushErrorString(p_errorString);
	throw p_errorString;
}

void zelplayUIButtons::Fail(const char* p_errorString, const char* p_errorStringDetail) const
{
	PushErrorString(p_errorString, p_errorStringDetail);
	throw p_errorString;
}

void zelplayUIButtons::PushErrorString(const char* p_errorString) const
{
	if (m_errorStrings == NULL)
		return;
	m_errorStrings->Push(p_errorString != NULL ? p_errorString : NULL_ERROR_STRING);
}

void zelplayUIButtons::PushErrorString(const char* p_errorString, const char* p_errorStringDetail) const
{
	if (m_errorStrings == NULL)
		return;
	if (p_errorString == NULL)
	{
		m_errorStrings->Push(NULL_ERROR_STRING);
		return;
	}
	if (p_errorStringDetail == NULL)
	{
		m_errorStrings->Push(NULL_ERROR_STRING_DETAIL);
		return;
	}
	char* line = zelStringConcatenation::ConcatenateStrings(p_errorString, " (\"", p_errorStringDetail, "\")",
		static_cast<const char*>(NULL));
	m_errorStrings->Push(line);
	free(line);
}
