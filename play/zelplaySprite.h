#ifndef ZELPLAY_SPRITE_H
#define ZELPLAY_SPRITE_H

class zelStringQueue;
class zelHighLevelList;
class zel2DTexture;

// Members of a sprite definition
extern const char zelplaySPRITE_DEFINITION_MEMBER__TEXTURE_LIST_PATH[];
extern const char zelplaySPRITE_DEFINITION_MEMBER__DELAY_BETWEEN_FRAMES[];
extern const char zelplaySPRITE_DEFINITION_MEMBER__BEHAVIOUR[];
extern const char zelplaySPRITE_DEFINITION_MEMBER__BEHAVIOUR__REPEAT[];
extern const char zelplaySPRITE_DEFINITION_MEMBER__BEHAVIOUR__REVERSE[];
extern const char zelplaySPRITE_DEFINITION_MEMBER__BEHAVIOUR__HALT[];
extern const char zelplaySPRITE_DEFINITION_MEMBER__BEHAVIOUR__REPEAT_FROM_FRAME_NO[];

// Error messages
extern const char zelplaySPRITE_ERROR__NULL_DEFINITION_PATH[];
extern const char zelplaySPRITE_ERROR__UNABLE_TO_OPEN_DEFINITION[];
extern const char zelplaySPRITE_ERROR__MALFORMED_DEFINITION[];
extern const char zelplaySPRITE_ERROR__INCOMPLETE_DEFINITION[];
extern const char zelplaySPRITE_ERROR__ILLEGAL_REPEAT_FROM_FRAME_NO[];
extern const char zelplaySPRITE_ERROR__ILLEGAL_NO_OF_FRAMES[];
extern const char zelplaySPRITE_ERROR__NULL_PARENT[];
extern const char zelplaySPRITE_ERROR__UNABLE_TO_DELETE_PARENT[];

// What an animation does after its last frame.
enum zelplaySPRITE_BEHAVIOUR
{
	zelplaySPRITE_BEHAVIOUR__REPEAT = 0,
	zelplaySPRITE_BEHAVIOUR__REVERSE = 1,
	zelplaySPRITE_BEHAVIOUR__HALT = 2
};

// An animated image: the listings of one texture list shown in turn with a
// fixed delay. A sprite made from a definition file is a parent; children
// share its frames and timing but animate, move and transform on their own.
// A sprite with living children refuses to be destroyed.
class zelplaySprite
{
public:
	zelplaySprite(const char* p_definitionPath, zelStringQueue* p_errorStrings);
	zelplaySprite(zelplaySprite* p_parent, zelStringQueue* p_errorStrings);
	// Throws zelplaySPRITE_ERROR__UNABLE_TO_DELETE_PARENT, changing nothing,
	// while children made from this sprite are alive.
	~zelplaySprite() noexcept(false);

	zelplaySprite(const zelplaySprite&) = delete;
	zelplaySprite& operator=(const zelplaySprite&) = delete;

	// Advances the animation by p_elapsed milliseconds and draws the frame.
	void Render(unsigned int p_elapsed);
	// Back to frame 0 at (0, 0), untransformed, with the timing restarted.
	void Reset();
	bool Halted() const;
	unsigned char NoOfFrames() const;
	unsigned char FrameNo() const;
	void IncrementFrameNo();
	void DecrementFrameNo();

	short BottomLeftX() const;
	short BottomLeftY() const;
	void BottomLeftX(short p_x);
	void BottomLeftY(short p_y);

	void EnableRotation();
	void DisableRotation();
	bool RotationEnabled() const;
	// Degrees; positive turns clockwise on screen.
	void AngleOfRotation(float p_angle);
	float AngleOfRotation() const;

	void EnableHFlip();
	void DisableHFlip();
	bool HFlipEnabled() const;
	void EnableVFlip();
	void DisableVFlip();
	bool VFlipEnabled() const;

	void EnableHScaling();
	void DisableHScaling();
	bool HScalingEnabled() const;
	void HScale(float p_scale);
	float HScale() const;
	void EnableCompensationForHScaling();
	void DisableCompensationForHScaling();
	bool CompensationForHScalingEnabled() const;

	void EnableVScaling();
	void DisableVScaling();
	bool VScalingEnabled() const;
	void VScale(float p_scale);
	float VScale() const;
	void EnableCompensationForVScaling();
	void DisableCompensationForVScaling();
	bool CompensationForVScalingEnabled() const;

	// The current frame's image size, unscaled.
	unsigned short WidthInPixels() const;
	unsigned short HeightInPixels() const;

	// Shared with children.
	zel2DTexture* Textures() const;
	zel2DTexture** FrameTextures() const;
	unsigned short DelayBetweenFrames() const;
	int Behaviour() const;
	unsigned char RepeatFromFrameNo() const;
	void IncrementNoOfChildren();
	void DecrementNoOfChildren();

private:
	void InitialiseHighLevelSpriteDefinition(zelHighLevelList* p_definition);
	int Behaviour(zelHighLevelList* p_definition);
	char* InputDefinition(const char* p_definitionPath, bool* p_repeatFromListed);
	void InputFrames(const char* p_definitionPath, const char* p_textureListPath, bool p_repeatFromListed);
	void AdvanceAnimation(unsigned int p_elapsed);
	void Draw() const;
	void PushErrorString(const char* p_error, const char* p_detail);
	void PushErrorString(const char* p_error);

	zelplaySprite* m_parent;
	bool m_isChild;
	unsigned short m_noOfChildren;
	zelStringQueue* m_errorStrings;
	zel2DTexture* m_textures;
	zel2DTexture** m_frameTextures;
	unsigned char m_noOfFrames;
	unsigned short m_delayBetweenFrames;
	int m_behaviour;
	unsigned char m_repeatFromFrameNo;
	short m_frameNo;
	int m_timeToNextFrame;
	int m_frameStep;
	short m_bottomLeftX;
	short m_bottomLeftY;
	bool m_rotationEnabled;
	float m_angleOfRotation;
	bool m_hFlipEnabled;
	bool m_vFlipEnabled;
	float m_hScale;
	float m_vScale;
	bool m_hScalingEnabled;
	bool m_vScalingEnabled;
	bool m_compensationForHScalingEnabled;
	bool m_compensationForVScalingEnabled;
};

#endif
