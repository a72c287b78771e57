#include "zelplaySprite.h"

#include "zel2DTexture.h"
#include "zelHighLevelList.h"
#include "zelStringConcatenation.h"
#include "zelStringQueue.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>

const char zelplaySPRITE_DEFINITION_MEMBER__TEXTURE_LIST_PATH[] = "path";
const char zelplaySPRITE_DEFINITION_MEMBER__DELAY_BETWEEN_FRAMES[] = "delay";
const char zelplaySPRITE_DEFINITION_MEMBER__BEHAVIOUR[] = "behaviour";
const char zelplaySPRITE_DEFINITION_MEMBER__BEHAVIOUR__REPEAT[] = "bRepeat";
const char zelplaySPRITE_DEFINITION_MEMBER__BEHAVIOUR__REVERSE[] = "bReverse";
const char zelplaySPRITE_DEFINITION_MEMBER__BEHAVIOUR__HALT[] = "bHalt";
const char zelplaySPRITE_DEFINITION_MEMBER__BEHAVIOUR__REPEAT_FROM_FRAME_NO[] = "bRepeatFrom";

const char zelplaySPRITE_ERROR__NULL_DEFINITION_PATH[] =
	"(zelplaySprite::[constructor (as potential parent)]) passed NULL as the path to the high-level definition from which to create the sprite";
const char zelplaySPRITE_ERROR__UNABLE_TO_OPEN_DEFINITION[] =
	"(zelplaySprite::[constructor (as potential parent)]) unable to open the high-level definition at the specified path, from which to create the sprite";
const char zelplaySPRITE_ERROR__MALFORMED_DEFINITION[] =
	"(zelplaySprite::[constructor (as potential parent)]) error occurred whilst creating sprite from the high-level definition at the specified path";
const char zelplaySPRITE_ERROR__INCOMPLETE_DEFINITION[] =
	"(zelplaySprite::[constructor (as potential parent)]) although the high-level sprite defintion at the specified path states that the animation of the sprite repeats, it does not state the frame no. from which the animation of the sprite repeats";
const char zelplaySPRITE_ERROR__ILLEGAL_REPEAT_FROM_FRAME_NO[] =
	"(zelplaySprite::[constructor (as potential parent)]) the frame no. from which the animation of the sprite repeats stated in the high-level defintion at the specified path is greater than the no. of frames in the animation of that sprite";
const char zelplaySPRITE_ERROR__ILLEGAL_NO_OF_FRAMES[] =
	"(zelplaySprite::[constructor (as potential parent)]) the texture list named in the high-level definition at the specified path holds more than 255 frames, or none";
const char zelplaySPRITE_ERROR__NULL_PARENT[] =
	"(zelplaySprite::[constructor (as child)]) passed NULL as the parent sprite from which to create the sprite";
const char zelplaySPRITE_ERROR__UNABLE_TO_DELETE_PARENT[] =
	"(zelplaySprite::[destructor]) unable to delete that sprite, as it is a parent to child sprites which have not been deleted; parent-child relationships must be deleted in the opposite of the order they were created in";

namespace
{
	// The frame count is kept in an unsigned char.
	const unsigned int MAXIMUM_NO_OF_FRAMES = 255;
}

zelplaySprite::zelplaySprite(const char* p_definitionPath, zelStringQueue* p_errorStrings)
	: m_parent(NULL), m_isChild(false), m_noOfChildren(0), m_errorStrings(p_errorStrings),
	m_textures(NULL), m_frameTextures(NULL), m_noOfFrames(0), m_delayBetweenFrames(0),
	m_behaviour(zelplaySPRITE_BEHAVIOUR__HALT), m_repeatFromFrameNo(0)
{
	if (p_definitionPath == NULL)
	{
		PushErrorString(zelplaySPRITE_ERROR__NULL_DEFINITION_PATH);
		throw zelplaySPRITE_ERROR__NULL_DEFINITION_PATH;
	}
	bool repeatFromListed = false;
	char* textureListPath = InputDefinition(p_definitionPath, &repeatFromListed);
	try
	{
		InputFrames(p_definitionPath, textureListPath, repeatFromListed);
	}
	catch (const char*)
	{
		free(textureListPath);
		throw;
	}
	free(textureListPath);
	Reset();
}

zelplaySprite::zelplaySprite(zelplaySprite* p_parent, zelStringQueue* p_errorStrings)
	: m_parent(p_parent), m_isChild(true), m_noOfChildren(0), m_errorStrings(p_errorStrings),
	m_textures(NULL), m_frameTextures(NULL), m_noOfFrames(0), m_delayBetweenFrames(0),
	m_behaviour(zelplaySPRITE_BEHAVIOUR__HALT), m_repeatFromFrameNo(0)
{
	if (p_parent == NULL)
	{
		PushErrorString(zelplaySPRITE_ERROR__NULL_PARENT);
		throw zelplaySPRITE_ERROR__NULL_PARENT;
	}
	p_parent->IncrementNoOfChildren();
	m_textures = p_parent->Textures();
	m_frameTextures = p_parent->FrameTextures();
	m_noOfFrames = p_parent->NoOfFrames();
	m_delayBetweenFrames = p_parent->DelayBetweenFrames();
	m_behaviour = p_parent->Behaviour();
	m_repeatFromFrameNo = p_parent->RepeatFromFrameNo();
	Reset();
}

zelplaySprite::~zelplaySprite() noexcept(false)
{
	if (m_noOfChildren != 0)
	{
		PushErrorString(zelplaySPRITE_ERROR__UNABLE_TO_DELETE_PARENT);
		throw zelplaySPRITE_ERROR__UNABLE_TO_DELETE_PARENT;
	}
	if (m_isChild)
	{
		m_parent->DecrementNoOfChildren();
		return;
	}
	delete[] m_frameTextures;
	delete m_textures;
}

// Reads the definition into the timing fields and returns the texture list
// path (malloc'ed; the caller frees it).
char* zelplaySprite::InputDefinition(const char* p_definitionPath, bool* p_repeatFromListed)
{
	FILE* file = fopen(p_definitionPath, "r");
	if (file == NULL)
	{
		PushErrorString(zelplaySPRITE_ERROR__UNABLE_TO_OPEN_DEFINITION, p_definitionPath);
		throw zelplaySPRITE_ERROR__UNABLE_TO_OPEN_DEFINITION;
	}
	zelHighLevelList* definition = new zelHighLevelList(m_errorStrings);
	try
	{
		InitialiseHighLevelSpriteDefinition(definition);
		definition->Input(file);
	}
	catch (const char*)
	{
		fclose(file);
		delete definition;
		PushErrorString(zelplaySPRITE_ERROR__MALFORMED_DEFINITION, p_definitionPath);
		throw;
	}
	fclose(file);

	char* textureListPath = NULL;
	try
	{
		m_behaviour = Behaviour(definition);
		*p_repeatFromListed = definition->MemberHasBeenInput(zelplaySPRITE_DEFINITION_MEMBER__BEHAVIOUR__REPEAT_FROM_FRAME_NO);
		if (*p_repeatFromListed)
			m_repeatFromFrameNo = static_cast<unsigned char>(definition->Int(zelplaySPRITE_DEFINITION_MEMBER__BEHAVIOUR__REPEAT_FROM_FRAME_NO));
		else if (m_behaviour == zelplaySPRITE_BEHAVIOUR__REPEAT)
		{
			PushErrorString(zelplaySPRITE_ERROR__INCOMPLETE_DEFINITION, p_definitionPath);
			throw zelplaySPRITE_ERROR__INCOMPLETE_DEFINITION;
		}
		m_delayBetweenFrames = static_cast<unsigned short>(definition->Int(zelplaySPRITE_DEFINITION_MEMBER__DELAY_BETWEEN_FRAMES));
		textureListPath = definition->String(zelplaySPRITE_DEFINITION_MEMBER__TEXTURE_LIST_PATH);
	}
	catch (const char*)
	{
		delete definition;
		throw;
	}
	delete definition;
	return textureListPath;
}

// Loads the texture list and takes its listings, in file order, as the frames.
void zelplaySprite::InputFrames(const char* p_definitionPath, const char* p_textureListPath, bool p_repeatFromListed)
{
	zelStringQueue labels;
	try
	{
		m_textures = new zel2DTexture(p_textureListPath, &labels, m_errorStrings);
	}
	catch (const char*)
	{
		PushErrorString(zelplaySPRITE_ERROR__MALFORMED_DEFINITION, p_definitionPath);
		throw;
	}

	unsigned int noOfLabels = 0;
	labels.Reset();
	while (!labels.IsEndOfQueue())
	{
		free(labels.Pop());
		++noOfLabels;
	}
	const char* error = NULL;
	if (noOfLabels == 0 || noOfLabels > MAXIMUM_NO_OF_FRAMES)
		error = zelplaySPRITE_ERROR__ILLEGAL_NO_OF_FRAMES;
	else if (p_repeatFromListed && m_repeatFromFrameNo >= noOfLabels)
		error = zelplaySPRITE_ERROR__ILLEGAL_REPEAT_FROM_FRAME_NO;
	if (error != NULL)
	{
		delete m_textures;
		m_textures = NULL;
		PushErrorString(error, p_definitionPath);
		throw error;
	}

	m_noOfFrames = static_cast<unsigned char>(noOfLabels);
	m_frameTextures = new zel2DTexture*[m_noOfFrames];
	labels.Reset();
	for (unsigned int frame = 0; frame < m_noOfFrames; ++frame)
	{
		// Every label came from this very list, so Bind finds it.
		char* label = labels.Pop();
		m_frameTextures[frame] = m_textures->Bind(label);
		free(label);
	}
}

void zelplaySprite::InitialiseHighLevelSpriteDefinition(zelHighLevelList* p_definition)
{
	p_definition->NewMember(zelplaySPRITE_DEFINITION_MEMBER__TEXTURE_LIST_PATH, zelHLL_MEMBER_TYPE__STRING);
	p_definition->NewMember(zelplaySPRITE_DEFINITION_MEMBER__DELAY_BETWEEN_FRAMES, zelHLL_MEMBER_TYPE__INT);
	p_definition->SetIntMemberRange(zelplaySPRITE_DEFINITION_MEMBER__DELAY_BETWEEN_FRAMES, 0, 65535);
	p_definition->NewMember(zelplaySPRITE_DEFINITION_MEMBER__BEHAVIOUR, zelHLL_MEMBER_TYPE__STRING);
	p_definition->SetAcceptableStrings__DisableMinMaxLength(zelplaySPRITE_DEFINITION_MEMBER__BEHAVIOUR,
		zelplaySPRITE_DEFINITION_MEMBER__BEHAVIOUR__REPEAT, zelplaySPRITE_DEFINITION_MEMBER__BEHAVIOUR__REVERSE,
		zelplaySPRITE_DEFINITION_MEMBER__BEHAVIOUR__HALT, static_cast<const char*>(NULL));
	p_definition->SetIgnoreCaseOfAcceptableStrings(zelplaySPRITE_DEFINITION_MEMBER__BEHAVIOUR, true);
	p_definition->NewMember(zelplaySPRITE_DEFINITION_MEMBER__BEHAVIOUR__REPEAT_FROM_FRAME_NO, zelHLL_MEMBER_TYPE__INT);
	p_definition->SetIntMemberRange(zelplaySPRITE_DEFINITION_MEMBER__BEHAVIOUR__REPEAT_FROM_FRAME_NO, 0, 255);
	p_definition->NewBreakMembers(zelplaySPRITE_DEFINITION_MEMBER__TEXTURE_LIST_PATH,
		zelplaySPRITE_DEFINITION_MEMBER__DELAY_BETWEEN_FRAMES, zelplaySPRITE_DEFINITION_MEMBER__BEHAVIOUR,
		static_cast<const char*>(NULL));
}

int zelplaySprite::Behaviour(zelHighLevelList* p_definition)
{
	if (p_definition->CompareStringToIgnoreCase(zelplaySPRITE_DEFINITION_MEMBER__BEHAVIOUR,
		zelplaySPRITE_DEFINITION_MEMBER__BEHAVIOUR__REPEAT))
		return zelplaySPRITE_BEHAVIOUR__REPEAT;
	if (p_definition->CompareStringToIgnoreCase(zelplaySPRITE_DEFINITION_MEMBER__BEHAVIOUR,
		zelplaySPRITE_DEFINITION_MEMBER__BEHAVIOUR__REVERSE))
		return zelplaySPRITE_BEHAVIOUR__REVERSE;
	return zelplaySPRITE_BEHAVIOUR__HALT;
}

void zelplaySprite::Render(unsigned int p_elapsed)
{
	AdvanceAnimation(p_elapsed);
	Draw();
}

void zelplaySprite::AdvanceAnimation(unsigned int p_elapsed)
{
	if (m_frameStep == 0)
		return;
	// The time left is never negative between calls, so comparing first keeps
	// huge elapsed times from overflowing.
	if (m_timeToNextFrame > 0 && static_cast<unsigned int>(m_timeToNextFrame) > p_elapsed)
	{
		m_timeToNextFrame -= static_cast<int>(p_elapsed);
		return;
	}
	// Any overshoot is dropped: at most one frame per call.
	m_frameNo += m_frameStep;
	m_timeToNextFrame = m_delayBetweenFrames;
	if (m_frameNo >= m_noOfFrames)
	{
		if (m_behaviour == zelplaySPRITE_BEHAVIOUR__REPEAT)
			m_frameNo = m_repeatFromFrameNo;
		else if (m_behaviour == zelplaySPRITE_BEHAVIOUR__REVERSE)
		{
			// A single frame has nothing to play backwards to.
			if (m_noOfFrames > 1)
			{
				m_frameNo = m_noOfFrames - 2;
				m_frameStep = -1;
			}
			else
				m_frameNo = 0;
		}
		else
		{
			m_frameNo = m_noOfFrames - 1;
			m_frameStep = 0;
		}
	}
	else if (m_frameNo < 0)
	{
		m_frameNo = 1;
		m_frameStep = 1;
	}
}

// The quad covers the whole padded texture; its transparent padding shows
// nothing. Flips mirror that whole quad, so a flipped image narrower than its
// texture appears at the quad's far end.
void zelplaySprite::Draw() const
{
	const zel2DTexture* frame = m_frameTextures[m_frameNo];
	frame->Bind();
	float width = frame->Width();
	float height = frame->Height();
	float potWidth = frame->POTWidth();
	float potHeight = frame->POTHeight();
	float compensationX = 0.0f;
	float compensationY = 0.0f;
	if (m_hScalingEnabled)
	{
		potWidth *= m_hScale;
		const float scaledWidth = width * m_hScale;
		if (m_compensationForHScalingEnabled)
			compensationX = scaledWidth - width;
		width = scaledWidth;
	}
	if (m_vScalingEnabled)
	{
		potHeight *= m_vScale;
		const float scaledHeight = height * m_vScale;
		if (m_compensationForVScalingEnabled)
			compensationY = scaledHeight - height;
		height = scaledHeight;
	}

	glPushMatrix();
	// Compensation keeps the scaled image centred where the unscaled one was.
	glTranslatef(m_bottomLeftX - compensationX * 0.5f, m_bottomLeftY - compensationY * 0.5f, 0.0f);
	if (m_rotationEnabled)
	{
		// About the centre of the visible image, not of the padded texture.
		glTranslatef(width * 0.5f, height * 0.5f, 0.0f);
		glRotatef(-m_angleOfRotation, 0.0f, 0.0f, 1.0f);
		glTranslatef(-width * 0.5f, -height * 0.5f, 0.0f);
	}
	const int left = m_hFlipEnabled ? 1 : 0;
	const int right = 1 - left;
	const int bottom = m_vFlipEnabled ? 1 : 0;
	const int top = 1 - bottom;
	glBegin(GL_QUADS);
	glTexCoord2i(left, top);
	glVertex2f(0.0f, potHeight);
	glTexCoord2i(right, top);
	glVertex2f(potWidth, potHeight);
	glTexCoord2i(right, bottom);
	glVertex2f(potWidth, 0.0f);
	glTexCoord2i(left, bottom);
	glVertex2f(0.0f, 0.0f);
	glEnd();
	glPopMatrix();
}

void zelplaySprite::Reset()
{
	m_timeToNextFrame = m_delayBetweenFrames;
	m_frameStep = 1;
	m_frameNo = 0;
	m_bottomLeftX = 0;
	m_bottomLeftY = 0;
	m_rotationEnabled = false;
	m_angleOfRotation = 0.0f;
	m_hFlipEnabled = false;
	m_vFlipEnabled = false;
	m_hScale = 1.0f;
	m_vScale = 1.0f;
	m_hScalingEnabled = false;
	m_vScalingEnabled = false;
	m_compensationForHScalingEnabled = false;
	m_compensationForVScalingEnabled = false;
}

bool zelplaySprite::Halted() const { return m_frameStep == 0; }
unsigned char zelplaySprite::NoOfFrames() const { return m_noOfFrames; }
unsigned char zelplaySprite::FrameNo() const { return static_cast<unsigned char>(m_frameNo); }

void zelplaySprite::IncrementFrameNo()
{
	++m_frameNo;
	if (m_frameNo >= m_noOfFrames)
		m_frameNo = 0;
}

void zelplaySprite::DecrementFrameNo()
{
	--m_frameNo;
	if (m_frameNo < 0)
		m_frameNo = m_noOfFrames - 1;
}

short zelplaySprite::BottomLeftX() const { return m_bottomLeftX; }
short zelplaySprite::BottomLeftY() const { return m_bottomLeftY; }
void zelplaySprite::BottomLeftX(short p_x) { m_bottomLeftX = p_x; }
void zelplaySprite::BottomLeftY(short p_y) { m_bottomLeftY = p_y; }

void zelplaySprite::EnableRotation() { m_rotationEnabled = true; }
void zelplaySprite::DisableRotation() { m_rotationEnabled = false; }
bool zelplaySprite::RotationEnabled() const { return m_rotationEnabled; }
void zelplaySprite::AngleOfRotation(float p_angle) { m_angleOfRotation = p_angle; }
float zelplaySprite::AngleOfRotation() const { return m_angleOfRotation; }

void zelplaySprite::EnableHFlip() { m_hFlipEnabled = true; }
void zelplaySprite::DisableHFlip() { m_hFlipEnabled = false; }
bool zelplaySprite::HFlipEnabled() const { return m_hFlipEnabled; }
void zelplaySprite::EnableVFlip() { m_vFlipEnabled = true; }
void zelplaySprite::DisableVFlip() { m_vFlipEnabled = false; }
bool zelplaySprite::VFlipEnabled() const { return m_vFlipEnabled; }

void zelplaySprite::EnableHScaling() { m_hScalingEnabled = true; }
void zelplaySprite::DisableHScaling() { m_hScalingEnabled = false; }
bool zelplaySprite::HScalingEnabled() const { return m_hScalingEnabled; }
void zelplaySprite::HScale(float p_scale) { m_hScale = p_scale; }
float zelplaySprite::HScale() const { return m_hScale; }
void zelplaySprite::EnableCompensationForHScaling() { m_compensationForHScalingEnabled = true; }
void zelplaySprite::DisableCompensationForHScaling() { m_compensationForHScalingEnabled = false; }
bool zelplaySprite::CompensationForHScalingEnabled() const { return m_compensationForHScalingEnabled; }

void zelplaySprite::EnableVScaling() { m_vScalingEnabled = true; }
void zelplaySprite::DisableVScaling() { m_vScalingEnabled = false; }
bool zelplaySprite::VScalingEnabled() const { return m_vScalingEnabled; }
void zelplaySprite::VScale(float p_scale) { m_vScale = p_scale; }
float zelplaySprite::VScale() const { return m_vScale; }
void zelplaySprite::EnableCompensationForVScaling() { m_compensationForVScalingEnabled = true; }
void zelplaySprite::DisableCompensationForVScaling() { m_compensationForVScalingEnabled = false; }
bool zelplaySprite::CompensationForVScalingEnabled() const { return m_compensationForVScalingEnabled; }

unsigned short zelplaySprite::WidthInPixels() const { return m_frameTextures[m_frameNo]->Width(); }
unsigned short zelplaySprite::HeightInPixels() const { return m_frameTextures[m_frameNo]->Height(); }

zel2DTexture* zelplaySprite::Textures() const { return m_textures; }
zel2DTexture** zelplaySprite::FrameTextures() const { return m_frameTextures; }
unsigned short zelplaySprite::DelayBetweenFrames() const { return m_delayBetweenFrames; }
int zelplaySprite::Behaviour() const { return m_behaviour; }
unsigned char zelplaySprite::RepeatFromFrameNo() const { return m_repeatFromFrameNo; }
void zelplaySprite::IncrementNoOfChildren() { ++m_noOfChildren; }
void zelplaySprite::DecrementNoOfChildren() { --m_noOfChildren; }

void zelplaySprite::PushErrorString(const char* p_error, const char* p_detail)
{
	if (m_errorStrings == NULL)
		return;
	char* line = zelStringConcatenation::ConcatenateStrings(p_error, " (\"", p_detail, "\")", static_cast<const char*>(NULL));
	m_errorStrings->Push(line);
	free(line);
}

void zelplaySprite::PushErrorString(const char* p_error)
{
	if (m_errorStrings != NULL)
		m_errorStrings->Push(p_error);
}
