#ifndef ZELPLAY_BACKGROUND_H
#define ZELPLAY_BACKGROUND_H

class zelStringQueue;
class zel2DTexture;

// Error messages
extern const char zelplayBACKGROUND_ERROR__TEXTURE_LIST_PATH_NULL[];
extern const char zelplayBACKGROUND_ERROR__TOO_MANY_LISTINGS_IN_TEXTURE_LIST[];
extern const char zelplayBACKGROUND_ERROR__PARENT_NULL[];
extern const char zelplayBACKGROUND_ERROR__UNABLE_TO_DELETE_PARENT[];

// One still picture, from a texture list of exactly one listing, drawn with
// its bottom-left corner at a position; it may turn about its centre or wrap
// around the edges of an area. Children share the parent's texture and have
// their own position and settings. A background with living children refuses
// to be destroyed.
class zelplayBackground
{
public:
	zelplayBackground(const char* p_textureListPath, zelStringQueue* p_errorStrings);
	zelplayBackground(zelplayBackground* p_parent, zelStringQueue* p_errorStrings);
	// Throws zelplayBACKGROUND_ERROR__UNABLE_TO_DELETE_PARENT, changing
	// nothing, while children made from this background are alive.
	~zelplayBackground() noexcept(false);

	zelplayBackground(const zelplayBackground&) = delete;
	zelplayBackground& operator=(const zelplayBackground&) = delete;

	// The area (usually the screen) matters only while wrapping is enabled.
	void Render(unsigned short p_areaWidth, unsigned short p_areaHeight) const;

	short BottomLeftX() const;
	short BottomLeftY() const;
	void BottomLeftX(short p_x);
	void BottomLeftY(short p_y);

	// Wrapping and rotation exclude each other.
	void EnableWrapping__DisableRotation();
	void DisableWrapping();
	bool WrappingEnabled() const;
	void EnableRotation__DisableWrapping();
	void DisableRotation();
	bool RotationEnabled() const;
	// Degrees; positive turns clockwise on screen.
	void AngleOfRotation(float p_angle);
	float AngleOfRotation() const;

	// The picture's size, not the padded texture's.
	unsigned short WidthInPixels() const;
	unsigned short HeightInPixels() const;

	zel2DTexture* Texture() const;
	void IncrementNoOfChildren();
	void DecrementNoOfChildren();

private:
	void SetNewBackgroundState();
	void DrawQuad(short p_x, short p_y, bool p_rotate) const;
	void PushErrorString(const char* p_error);

	zel2DTexture* m_texture;
	short m_bottomLeftX;
	short m_bottomLeftY;
	bool m_isChild;
	zelplayBackground* m_parent;
	unsigned char m_noOfChildren;
	bool m_rotationEnabled;
	bool m_wrappingEnabled;
	float m_angleOfRotation;
	zelStringQueue* m_errorStrings;
};

#endif
