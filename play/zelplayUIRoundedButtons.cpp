#include "zelplayUIRoundedButtons.h"

#include "zelHighLevelList.h"
#include "zelplayMaths.h"

#include <GL/gl.h>

#include <cstdio>

const char zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__NO_OF_VERTICES[] = "vertices";
const char zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__LINE_STIPPLE_PATTERN[] = "stipple";
const char zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__LINE_STIPPLE_PATTERN_BIT_REPEAT[] = "stipple_repeat";
const char zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__HOVER_LINE_STIPPLE_PATTERN[] = "hover_stipple";
const char zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__HOVER_LINE_STIPPLE_PATTERN_BIT_REPEAT[] = "hover_stipple_repeat";
const char zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__LINE_WIDTH[] = "width";
const char zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__HOVER_LINE_WIDTH[] = "hover_width";
const char zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__DISABLED_OPACITY[] = "disabled_a";
const char zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__MARGIN[] = "margin";

const char zelplayUIROUNDED_BUTTONS_ERROR__NULL_DEFINITION_PATH[] = "(zelplayUIRoundedButtons::[constructor]) p_definitionPath == NULL";
const char zelplayUIROUNDED_BUTTONS_ERROR__UNABLE_TO_OPEN_DEFINITION[] = "(zelplayUIRoundedButtons::[constructor]) unable to open p_defintionPath";
const char zelplayUIROUNDED_BUTTONS_ERROR__EMPTY_DEFINITION[] = "(zelplayUIRoundedButtons::[constructor]) empty p_definitionPath";

zelplayUIRoundedButtons::zelplayUIRoundedButtons(const char* p_definitionPath, const char* p_listPath,
	zelplayCharacterBackground* p_parentCharacterBackground, zelStringQueue* p_errorStrings)
	: zelplayUIButtons(),
	m_vertices(0),
	m_cornerPoints(NULL),
	m_stipple(0),
	m_stippleRepeat(0),
	m_hoverStipple(0),
	m_hoverStippleRepeat(0),
	m_width(0.0),
	m_hoverWidth(0.0),
	m_disabledOpacity(0.0)
{
	SetErrorStrings(p_errorStrings);
	if (p_definitionPath == NULL)
		Fail(zelplayUIROUNDED_BUTTONS_ERROR__NULL_DEFINITION_PATH);

	zelHighLevelList definition(p_errorStrings);
	InitialiseHighLevelRoundedButtonDefinition(&definition);
	InputDefinition(&definition, p_definitionPath);
	TakeDefinition(&definition);
	const unsigned char margin = static_cast<unsigned char>(
		definition.Int(zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__MARGIN));
	SetMargin(margin);
	ComputeCornerPoints(margin);
	try
	{
		Initialise(p_listPath, p_parentCharacterBackground, p_errorStrings);
	}
	catch (const char*)
	{
		// The destructor does not run for a failed construction.
		delete[] m_cornerPoints;
		m_cornerPoints = NULL;
		throw;
	}
}

zelplayUIRoundedButtons::~zelplayUIRoundedButtons() noexcept(false)
{
	delete[] m_cornerPoints;
}

void zelplayUIRoundedButtons::InitialiseHighLevelRoundedButtonDefinition(zelHighLevelList* p_definition)
{
	p_definition->NewMember(zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__NO_OF_VERTICES, zelHLL_MEMBER_TYPE__INT);
	p_definition->SetIntMemberRange(zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__NO_OF_VERTICES, 1, 255);
	p_definition->NewMember(zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__LINE_STIPPLE_PATTERN, zelHLL_MEMBER_TYPE__HEX_INT);
	p_definition->NewMember(zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__LINE_STIPPLE_PATTERN_BIT_REPEAT,
		zelHLL_MEMBER_TYPE__INT);
	p_definition->SetIntMemberRange(zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__LINE_STIPPLE_PATTERN_BIT_REPEAT, 1, 256);
	p_definition->NewMember(zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__HOVER_LINE_STIPPLE_PATTERN,
		zelHLL_MEMBER_TYPE__HEX_INT);
	p_definition->NewMember(zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__HOVER_LINE_STIPPLE_PATTERN_BIT_REPEAT,
		zelHLL_MEMBER_TYPE__INT);
	p_definition->SetIntMemberRange(zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__HOVER_LINE_STIPPLE_PATTERN_BIT_REPEAT,
		1, 256);
	p_definition->NewMember(zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__LINE_WIDTH, zelHLL_MEMBER_TYPE__DOUBLE);
	p_definition->SetDoubleMemberRange(zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__LINE_WIDTH,
		zelHLL_MEMBER_RANGE__GREATER, 0.0);
	p_definition->NewMember(zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__HOVER_LINE_WIDTH, zelHLL_MEMBER_TYPE__DOUBLE);
	p_definition->SetDoubleMemberRange(zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__HOVER_LINE_WIDTH,
		zelHLL_MEMBER_RANGE__GREATER, 0.0);
	p_definition->NewMember(zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__DISABLED_OPACITY, zelHLL_MEMBER_TYPE__DOUBLE);
	p_definition->SetDoubleMemberRange(zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__DISABLED_OPACITY,
		zelHLL_MEMBER_RANGE__GREATER, 0.0);
	p_definition->SetDoubleMemberRange(zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__DISABLED_OPACITY,
		zelHLL_MEMBER_RANGE__LESS, 1.0);
	p_definition->NewMember(zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__MARGIN, zelHLL_MEMBER_TYPE__INT);
	p_definition->SetIntMemberRange(zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__MARGIN, 0, 255);
}

// Reads the definition's single listing.
void zelplayUIRoundedButtons::InputDefinition(zelHighLevelList* p_definition, const char* p_definitionPath)
{
	FILE* file = fopen(p_definitionPath, "r");
	if (file == NULL)
		Fail(zelplayUIROUNDED_BUTTONS_ERROR__UNABLE_TO_OPEN_DEFINITION, p_definitionPath);
	try
	{
		p_definition->Input(file);
	}
	catch (const char* error)
	{
		fclose(file);
		PushErrorString(error, p_definitionPath);
		throw;
	}
	fclose(file);
	if (!p_definition->AnyMemberHasBeenInput())
		Fail(zelplayUIROUNDED_BUTTONS_ERROR__EMPTY_DEFINITION, p_definitionPath);
}

void zelplayUIRoundedButtons::TakeDefinition(zelHighLevelList* p_definition)
{
	m_vertices = static_cast<unsigned char>(
		p_definition->Int(zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__NO_OF_VERTICES));
	m_stipple = static_cast<unsigned short>(
		p_definition->HexInt(zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__LINE_STIPPLE_PATTERN));
	m_stippleRepeat = static_cast<unsigned short>(
		p_definition->Int(zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__LINE_STIPPLE_PATTERN_BIT_REPEAT));
	m_hoverStipple = static_cast<unsigned short>(
		p_definition->HexInt(zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__HOVER_LINE_STIPPLE_PATTERN));
	m_hoverStippleRepeat = static_cast<unsigned short>(
		p_definition->Int(zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__HOVER_LINE_STIPPLE_PATTERN_BIT_REPEAT));
	m_width = p_definition->Double(zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__LINE_WIDTH);
	m_hoverWidth = p_definition->Double(zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__HOVER_LINE_WIDTH);
	m_disabledOpacity = p_definition->Double(zelplayUIROUNDED_BUTTONS_DEFINITION_MEMBER__DISABLED_OPACITY);
}

// Point k of the 4n points lies at the bearing (k + 0.5) x 90 / n degrees, at
// the margin's distance: each corner's points run clockwise, half a step away
// from the axes.
void zelplayUIRoundedButtons::ComputeCornerPoints(unsigned char p_margin)
{
	const zelplayMaths maths;
	const unsigned int noOfPoints = 4u * m_vertices;
	const double step = 90.0 / m_vertices;
	m_cornerPoints = new double[noOfPoints][2];
	for (unsigned int k = 0; k < noOfPoints; ++k)
	{
		const double angle = step * (k + 0.5);
		m_cornerPoints[k][0] = maths.XComponentOfVector(angle, p_margin);
		m_cornerPoints[k][1] = maths.YComponentOfVector(angle, p_margin);
	}
}

void zelplayUIRoundedButtons::Render(double p_opacity)
{
	// The negated test also sends a NaN to 0.
	if (p_opacity > 1.0)
		p_opacity = 1.0;
	else if (!(p_opacity >= 0.0))
		p_opacity = 0.0;

	for (unsigned int i = 0; i < NoOfButtons(); ++i)
	{
		const unsigned char button = static_cast<unsigned char>(i);
		if (!Visible(button))
			continue;
		const bool enabled = Enabled(button);
		double opacity = p_opacity;
		if (!enabled && m_disabledOpacity < opacity)
			opacity = m_disabledOpacity;

		glColor4d(1.0, 1.0, 1.0, opacity);
		RenderButton(button);

		glColor4d(0.0, 0.0, 0.0, opacity);
		glDisable(GL_TEXTURE_2D);
		glEnable(GL_LINE_STIPPLE);
		glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
		if (enabled && MouseIsOverAButton() && ButtonMouseIsOver() == button)
		{
			glLineStipple(m_hoverStippleRepeat, m_hoverStipple);
			glLineWidth(static_cast<GLfloat>(m_hoverWidth));
		}
		else
		{
			glLineStipple(m_stippleRepeat, m_stipple);
			glLineWidth(static_cast<GLfloat>(m_width));
		}
		RenderRoundedRect(button);

		glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
		glDisable(GL_LINE_STIPPLE);
		glEnable(GL_TEXTURE_2D);
		glColor4d(1.0, 1.0, 1.0, 1.0);
	}
}

namespace
{
	// Corner coordinates are summed in doubles and truncated toward zero.
	void CornerVertex(double p_x, double p_y)
	{
		glVertex2i(static_cast<GLint>(p_x), static_cast<GLint>(p_y));
	}
}

// The text rectangle grown by the margin on every side, each corner replaced by
// a quarter circle of the corner points around the text rectangle's corner.
void zelplayUIRoundedButtons::RenderRoundedRect(unsigned char p_button)
{
	const int w = ButtonWidthInPixels(p_button);
	const int h = ButtonHeightInPixels(p_button);
	const int m = Margin();
	const unsigned int n = m_vertices;

	glPushMatrix();
	glTranslatef(ButtonBottomLeftX(p_button), ButtonBottomLeftY(p_button), 0.0f);
	glBegin(GL_POLYGON);
	glVertex2i(0, h + m);
	glVertex2i(w, h + m);
	for (unsigned int k = 0; k < n; ++k)
		CornerVertex(w + m_cornerPoints[k][0], h + m_cornerPoints[k][1]);
	glVertex2i(w + m, h);
	glVertex2i(w + m, 0);
	for (unsigned int k = n; k < 2 * n; ++k)
		CornerVertex(w + m_cornerPoints[k][0], m_cornerPoints[k][1]);
	glVertex2i(w, -m);
	glVertex2i(0, -m);
	for (unsigned int k = 2 * n; k < 3 * n; ++k)
		CornerVertex(m_cornerPoints[k][0], m_cornerPoints[k][1]);
	glVertex2i(-m, 0);
	glVertex2i(-m, h);
	for (unsigned int k = 3 * n; k < 4 * n; ++k)
		CornerVertex(m_cornerPoints[k][0], h + m_cornerPoints[k][1]);
	glEnd();
	glPopMatrix();
}
