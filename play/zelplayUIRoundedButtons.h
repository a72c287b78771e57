#ifndef ZELPLAY_UI_ROUNDED_BUTTONS_H
#define ZELPLAY_UI_ROUNDED_BUTTONS_H

#include "zelplayUIButtons.h"

extern const char zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__NO_OF_VERTICES[];
extern const char zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__LINE_STIPPLE_PATTERN[];
extern const char zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__LINE_STIPPLE_PATTERN_BIT_REPEAT[];
extern const char zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__HOVER_LINE_STIPPLE_PATTERN[];
extern const char zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__HOVER_LINE_STIPPLE_PATTERN_BIT_REPEAT[];
extern const char zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__LINE_WIDTH[];
extern const char zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__HOVER_LINE_WIDTH[];
extern const char zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__DISABLED_OPACITY[];
extern const char zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__MARGIN[];

extern const char zelplayUIROUNDED_BUTTONS_ERROR__NULL_DEFINITION_PATH[];
extern const char zelplayUIROUNDED_BUTTONS_ERROR__UNABLE_TO_OPEN_DEFINITION[];
extern const char zelplayUIROUNDED_BUTTONS_ERROR__EMPTY_DEFINITION[];

// Text buttons drawn inside stippled rounded outlines. The corner radius is the
// margin, which is also the hit-test enlargement, so the outline encloses
// exactly the area that reacts to the mouse. The button under the mouse gets
// its own pattern and line width; disabled buttons are drawn more faintly.
class zelplayUIRoundedButtons : public zelplayUIButtons
{
public:
	zelplayUIRoundedButtons(const char* p_definitionPath, const char* p_listPath,
		zelplayCharacterBackground* p_parentCharacterBackground, zelStringQueue* p_errorStrings);
	~zelplayUIRoundedButtons() noexcept(false) override;

	// Render() still draws the buttons' text without outlines.
	using zelplayUIButtons::Render;
	// Draws every visible button with its outline; the opacity is clamped to 0 ... 1.
	void Render(double p_opacity);

private:
	void InitialiseHighLevelRoundedButtonDefinition(zelHighLevelList* p_definition);
	void InputDefinition(zelHighLevelList* p_definition, const char* p_definitionPath);
	void TakeDefinition(zelHighLevelList* p_definition);
	void ComputeCornerPoints(unsigned char p_margin);
	void RenderRoundedRect(unsigned char p_button);

	unsigned char m_vertices;
	double (*m_cornerPoints)[2];	// 4 x m_vertices offsets (x, y) from a corner of the text
	unsigned short m_stipple;
	unsigned short m_stippleRepeat;
	unsigned short m_hoverStipple;
	unsigned short m_hoverStippleRepeat;
	double m_width;
	double m_hoverWidth;
	double m_disabledOpacity;
};

#endif
