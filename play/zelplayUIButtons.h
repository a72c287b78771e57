#ifndef ZELPLAY_UI_BUTTONS_H
#define ZELPLAY_UI_BUTTONS_H

class zelHighLevelList;
class zelStringQueue;
class zelplayCharacterBackground;

extern const char zelplayUIBUTTONS_LIST_MEMBER__BOTTOM_LEFT_X[];
extern const char zelplayUIBUTTONS_LIST_MEMBER__BOTTOM_LEFT_Y[];
extern const char zelplayUIBUTTONS_LIST_MEMBER__MESSAGE_STRING[];
extern const char zelplayUIBUTTONS_LIST_MEMBER__MESSAGE[];

extern const char zelplayUIBUTTONS_ERROR__NOT_INITIALISED[];
extern const char zelplayUIBUTTONS_ERROR__NOT_INITIALISED__DESTRUCTOR[];
extern const char zelplayUIBUTTONS_ERROR__INITIALISED[];
extern const char zelplayUIBUTTONS_ERROR__ILLEGAL_BUTTON[];
extern const char zelplayUIBUTTONS_ERROR__NULL_MESSAGE[];
extern const char zelplayUIBUTTONS_ERROR__NULL_LIST_PATH[];
extern const char zelplayUIBUTTONS_ERROR__NULL_PARENT_CHARACTER_BACKGROUND[];
extern const char zelplayUIBUTTONS_ERROR__UNABLE_TO_OPEN_LIST[];
extern const char zelplayUIBUTTONS_ERROR__NO_BUTTONS_IN_LIST[];
extern const char zelplayUIBUTTONS_ERROR__TOO_MANY_BUTTONS_IN_LIST[];

// One button; the same record is the node of the temporary list built while
// the button list is read (only then are the text and the next node used).
struct zelplayUIButton_struct
{
	short m_x;	// relative to the set's bottom-left corner
	short m_y;
	short m_right;	// m_x + the text's width in pixels
	short m_top;	// m_y + the text's height in pixels
	bool m_enabled;
	bool m_visible;
	char* m_messageText;
	zelplayCharacterBackground* m_characterBackground;	// owned
	unsigned char m_message;
	zelplayUIButton_struct* m_next;
};

// Clickable text buttons read from a button list. Each button's text is drawn
// on its own child of the font character background, so the buttons must be
// destroyed before the font. Hit tests grow every button by the margin on each
// side; overlapping buttons resolve to the one listed first.
class zelplayUIButtons
{
public:
	zelplayUIButtons(const char* p_listPath, zelplayCharacterBackground* p_parentCharacterBackground,
		zelStringQueue* p_errorStrings);
	// Must be initialised before any other use.
	zelplayUIButtons();
	// Destroying an object that was never initialised is reported and thrown,
	// except while an exception is already unwinding the stack.
	virtual ~zelplayUIButtons() noexcept(false);

	zelplayUIButtons(const zelplayUIButtons&) = delete;
	zelplayUIButtons& operator=(const zelplayUIButtons&) = delete;

	void Initialise(const char* p_listPath, zelplayCharacterBackground* p_parentCharacterBackground,
		zelStringQueue* p_errorStrings);

	// Draws every visible button, enabled or not.
	virtual void Render();
	// Draws one button, visible or not.
	void RenderButton(unsigned char p_button);

	void MoveMouse(unsigned short p_x, unsigned short p_y);
	// Stores the message of the button hit, if any, and says whether one was.
	bool ClickMouse(unsigned short p_x, unsigned short p_y, unsigned char* p_message);
	// Stores the index of the first visible, enabled button hit, if any.
	bool MouseIsInButton(unsigned short p_x, unsigned short p_y, unsigned char* p_button) const;
	bool MouseIsOverAButton() const;
	void ClearMouseIsOverAButton();
	unsigned char ButtonMouseIsOver() const;

	// Each acts on every button with that message number.
	void Show(unsigned char p_message);
	void Hide(unsigned char p_message);
	void Enable(unsigned char p_message);
	void Disable(unsigned char p_message);

	bool Visible(unsigned char p_button) const;
	bool Enabled(unsigned char p_button) const;
	unsigned short ButtonWidthInPixels(unsigned char p_button) const;
	unsigned short ButtonHeightInPixels(unsigned char p_button) const;
	short ButtonBottomLeftX(unsigned char p_button) const;
	short ButtonBottomLeftY(unsigned char p_button) const;

	short BottomLeftX() const;
	short BottomLeftY() const;
	void BottomLeftX(short p_x);
	void BottomLeftY(short p_y);

	unsigned char NoOfButtons() const;
	void SetMargin(unsigned char p_margin);
	unsigned char Margin() const;
	void SetErrorStrings(zelStringQueue* p_errorStrings);

protected:
	void PushErrorString(const char* p_errorString) const;
	// The message, a blank and the detail in double quotes within parentheses.
	void PushErrorString(const char* p_errorString, const char* p_errorStringDetail) const;
	// Record the message (bare, or with the detail) and throw it.
	[[noreturn]] void Fail(const char* p_errorString) const;
	[[noreturn]] void Fail(const char* p_errorString, const char* p_errorStringDetail) const;

private:
	void InitialiseHighLevelButtonsList(zelHighLevelList* p_list);
	zelplayUIButton_struct* InputButtons(zelHighLevelList* p_list, const char* p_listPath,
		unsigned char* p_noOfButtons);
	void BuildButtons(zelplayUIButton_struct* p_nodes, unsigned char p_noOfButtons,
		zelplayCharacterBackground* p_parentCharacterBackground);
	void BuildButton(zelplayUIButton_struct* p_button, const zelplayUIButton_struct* p_node,
		zelplayCharacterBackground* p_parentCharacterBackground);
	void WriteText(zelplayCharacterBackground* p_surface, const char* p_text,
		zelplayCharacterBackground* p_parentCharacterBackground);
	void DeleteCharacterBackgrounds(unsigned int p_noOfButtons);
	void Delete(zelplayUIButton_struct* p_nodes);
	void CheckInitialised() const;
	void CheckButton(unsigned char p_button) const;

	bool m_initialised;
	unsigned char m_noOfButtons;
	zelplayUIButton_struct* m_buttons;
	unsigned char m_margin;
	short m_bottomLeftX;
	short m_bottomLeftY;
	bool m_mouseIsOverAButton;
	unsigned char m_buttonMouseIsOver;
	zelStringQueue* m_errorStrings;
};

#endif
