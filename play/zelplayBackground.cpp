#include "zelplayBackground.h"

#include "zel2DTexture.h"
#include "zelStringConcatenation.h"
#include "zelStringQueue.h"

#include <GL/gl.h>

#include <cstdlib>

const char zelplayBACKGROUND_ERROR__TEXTURE_LIST_PATH_NULL[] =
	"(zelplayBackground::[constructor (as potential parent)]) passed NULL as the path to the texture list from which the texture of this background is to be created";
const char zelplayBACKGROUND_ERROR__TOO_MANY_LISTINGS_IN_TEXTURE_LIST[] =
	"(zelplayBackground::[constructor (as potential parent)]) too many listings in the texture list from which this background is to be created; there should be only one listing";
const char zelplayBACKGROUND_ERROR__PARENT_NULL[] =
	"(zelplayBackground::[constructor (as child)]) passed NULL as the parent background this child will share it's texture with";
const char zelplayBACKGROUND_ERROR__UNABLE_TO_DELETE_PARENT[] =
	"(zelplayBackground::[destructor]) unable to delete that background, as it is a parent to a child which has not been deleted; parent-child background relationships must be deleted in the opposite order they were created in";

zelplayBackground::zelplayBackground(const char* p_textureListPath, zelStringQueue* p_errorStrings)
	: m_texture(NULL), m_isChild(false), m_parent(NULL), m_errorStrings(p_errorStrings)
{
	SetNewBackgroundState();
	if (p_textureListPath == NULL)
	{
		PushErrorString(zelplayBACKGROUND_ERROR__TEXTURE_LIST_PATH_NULL);
		throw zelplayBACKGROUND_ERROR__TEXTURE_LIST_PATH_NULL;
	}
	zelStringQueue labels;
	m_texture = new zel2DTexture(p_textureListPath, &labels, m_errorStrings);

	unsigned int noOfListings = 0;
	while (!labels.IsEndOfQueue())
	{
		free(labels.Pop());
		++noOfListings;
	}
	if (noOfListings > 1)
	{
		// This line has no blank before the path.
		if (m_errorStrings != NULL)
		{
			char* line = zelStringConcatenation::ConcatenateStrings(zelplayBACKGROUND_ERROR__TOO_MANY_LISTINGS_IN_TEXTURE_LIST,
				"(\"", p_textureListPath, "\")", static_cast<const char*>(NULL));
			m_errorStrings->Push(line);
			free(line);
		}
		delete m_texture;
		throw zelplayBACKGROUND_ERROR__TOO_MANY_LISTINGS_IN_TEXTURE_LIST;
	}
}

zelplayBackground::zelplayBackground(zelplayBackground* p_parent, zelStringQueue* p_errorStrings)
	: m_texture(NULL), m_isChild(true), m_parent(p_parent), m_errorStrings(p_errorStrings)
{
	if (p_parent == NULL)
	{
		PushErrorString(zelplayBACKGROUND_ERROR__PARENT_NULL);
		throw zelplayBACKGROUND_ERROR__PARENT_NULL;
	}
	p_parent->IncrementNoOfChildren();
	SetNewBackgroundState();
	m_texture = p_parent->Texture();
}

zelplayBackground::~zelplayBackground() noexcept(false)
{
	if (m_noOfChildren != 0)
	{
		PushErrorString(zelplayBACKGROUND_ERROR__UNABLE_TO_DELETE_PARENT);
		throw zelplayBACKGROUND_ERROR__UNABLE_TO_DELETE_PARENT;
	}
	if (m_isChild)
		m_parent->DecrementNoOfChildren();
	else
		delete m_texture;
}

void zelplayBackground::SetNewBackgroundState()
{
	m_bottomLeftX = 0;
	m_bottomLeftY = 0;
	m_noOfChildren = 0;
	m_rotationEnabled = false;
	m_wrappingEnabled = false;
	m_angleOfRotation = 0.0f;
}

void zelplayBackground::Render(unsigned short p_areaWidth, unsigned short p_areaHeight) const
{
	DrawQuad(m_bottomLeftX, m_bottomLeftY, m_rotationEnabled);
	if (!m_wrappingEnabled)
		return;

	// A picture over an edge of the area shows again, by one area's size,
	// at the opposite edge; over a corner, at the three other corners.
	const int width = m_texture->Width();
	const int height = m_texture->Height();
	bool wrapped = false;
	short wrappedX = m_bottomLeftX;
	if (m_bottomLeftX < 0)
	{
		wrappedX = static_cast<short>(m_bottomLeftX + p_areaWidth);
		wrapped = true;
	}
	else if (m_bottomLeftX + width > p_areaWidth)
	{
		wrappedX = static_cast<short>(m_bottomLeftX - p_areaWidth);
		wrapped = true;
	}
	short wrappedY = m_bottomLeftY;
	if (m_bottomLeftY < 0)
	{
		wrappedY = static_cast<short>(m_bottomLeftY + p_areaHeight);
		wrapped = true;
	}
	else if (m_bottomLeftY + height > p_areaHeight)
	{
		wrappedY = static_cast<short>(m_bottomLeftY - p_areaHeight);
		wrapped = true;
	}
	if (!wrapped)
		return;
	DrawQuad(m_bottomLeftX, wrappedY, false);
	DrawQuad(wrappedX, m_bottomLeftY, false);
	DrawQuad(wrappedX, wrappedY, false);
}

// The quad covers the whole padded texture; its transparent padding shows
// nothing. Rotation turns it about the centre of the picture itself.
void zelplayBackground::DrawQuad(short p_x, short p_y, bool p_rotate) const
{
	const int potWidth = m_texture->POTWidth();
	const int potHeight = m_texture->POTHeight();
	glPushMatrix();
	glTranslatef(p_x, p_y, 0.0f);
	if (p_rotate)
	{
		const double halfWidth = m_texture->Width() * 0.5;
		const double halfHeight = m_texture->Height() * 0.5;
		glTranslatef(static_cast<float>(halfWidth), static_cast<float>(halfHeight), 0.0f);
		glRotatef(-m_angleOfRotation, 0.0f, 0.0f, 1.0f);
		glTranslatef(static_cast<float>(-halfWidth), static_cast<float>(-halfHeight), 0.0f);
	}
	m_texture->Bind();
	glBegin(GL_QUADS);
	glTexCoord2i(0, 0);
	glVertex2i(0, 0);
	glTexCoord2i(0, 1);
	glVertex2i(0, potHeight);
	glTexCoord2i(1, 1);
	glVertex2i(potWidth, potHeight);
	glTexCoord2i(1, 0);
	glVertex2i(potWidth, 0);
	glEnd();
	glPopMatrix();
}

short zelplayBackground::BottomLeftX() const { return m_bottomLeftX; }
short zelplayBackground::BottomLeftY() const { return m_bottomLeftY; }
void zelplayBackground::BottomLeftX(short p_x) { m_bottomLeftX = p_x; }
void zelplayBackground::BottomLeftY(short p_y) { m_bottomLeftY = p_y; }

void zelplayBackground::EnableWrapping__DisableRotation()
{
	m_wrappingEnabled = true;
	m_rotationEnabled = false;
}

void zelplayBackground::DisableWrapping() { m_wrappingEnabled = false; }
bool zelplayBackground::WrappingEnabled() const { return m_wrappingEnabled; }

void zelplayBackground::EnableRotation__DisableWrapping()
{
	m_rotationEnabled = true;
	m_wrappingEnabled = false;
}

void zelplayBackground::DisableRotation() { m_rotationEnabled = false; }
bool zelplayBackground::RotationEnabled() const { return m_rotationEnabled; }
void zelplayBackground::AngleOfRotation(float p_angle) { m_angleOfRotation = p_angle; }
float zelplayBackground::AngleOfRotation() const { return m_angleOfRotation; }

unsigned short zelplayBackground::WidthInPixels() const { return m_texture->Width(); }
unsigned short zelplayBackground::HeightInPixels() const { return m_texture->Height(); }

zel2DTexture* zelplayBackground::Texture() const { return m_texture; }
void zelplayBackground::IncrementNoOfChildren() { ++m_noOfChildren; }
void zelplayBackground::DecrementNoOfChildren() { --m_noOfChildren; }

void zelplayBackground::PushErrorString(const char* p_error)
{
	if (m_errorStrings != NULL)
		m_errorStrings->Push(p_error);
}
