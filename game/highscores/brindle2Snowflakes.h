#ifndef BRINDLE2_SNOWFLAKES_H
#define BRINDLE2_SNOWFLAKES_H

#include <SDL/SDL.h>

class zelStringQueue;
class zelplaySprite;

extern const char brindle2SNOWFLAKES_ERROR__UNABLE_TO_OPEN_DEFINITION[];
extern const char brindle2SNOWFLAKES_ERROR__INCOMPLETE_DEFINITION[];
extern const char brindle2SNOWFLAKES_ERROR__MIN_VELOCITY_NOT_BELOW_MAX_VELOCITY[];
extern const char brindle2SNOWFLAKES_ERROR__MIN_SCALE_NOT_BELOW_MAX_SCALE[];
extern const char brindle2SNOWFLAKES_ERROR__IMPOSSIBLE_CORNER[];

extern const char brindle2SNOWFLAKES_DEFINITION_MEMBER__SNOWFLAKES[];
extern const char brindle2SNOWFLAKES_DEFINITION_MEMBER__FADE[];
extern const char brindle2SNOWFLAKES_DEFINITION_MEMBER__ROTATE[];
extern const char brindle2SNOWFLAKES_DEFINITION_MEMBER__MIN_VELOCITY[];
extern const char brindle2SNOWFLAKES_DEFINITION_MEMBER__MAX_VELOCITY[];
extern const char brindle2SNOWFLAKES_DEFINITION_MEMBER__MIN_SPAWN[];
extern const char brindle2SNOWFLAKES_DEFINITION_MEMBER__MAX_SPAWN[];
extern const char brindle2SNOWFLAKES_DEFINITION_MEMBER__MIN_SCALE[];
extern const char brindle2SNOWFLAKES_DEFINITION_MEMBER__MAX_SCALE[];
extern const char brindle2SNOWFLAKES_DEFINITION_MEMBER__DIRECTION_DELAY[];
extern const char brindle2SNOWFLAKES_DEFINITION_MEMBER__DIRECTION[];

extern const char brindle2SNOWFLAKES_DEFINITION_FILE[];
extern const char brindle2SNOWFLAKES_SPRITE_FILE[];

// One snowflake of the pool.
struct brindle2Snowflake_struct
{
	bool active;
	double x;
	double xVelocity;
	double y;
	double yVelocity;
	zelplaySprite* sprite;
	int rotationDirection;
	int directionCountdown;
	bool fading;
	double opacity;
};

// Snowflakes that appear at the top of a box, drift down in directions that
// change now and then, turn as they fall and fade once they leave the box at
// its sides or bottom. Read from "snowflakes.txt" in the working directory.
class brindle2Snowflakes
{
public:
	explicit brindle2Snowflakes(zelStringQueue* p_errorStrings);
	~brindle2Snowflakes();

	void Update(Uint32 p_elapsed);
	void Render();

	// A corner that would not lie beyond the opposite one is refused.
	void BottomLeftX(short p_x);
	void BottomLeftY(short p_y);
	void TopRightX(short p_x);
	void TopRightY(short p_y);
	short BottomLeftX() const;
	short BottomLeftY() const;
	short TopRightX() const;
	short TopRightY() const;

private:
	brindle2Snowflakes(const brindle2Snowflakes&) = delete;
	brindle2Snowflakes& operator=(const brindle2Snowflakes&) = delete;

	void ReadDefinition();
	void CreatePool();
	void DestroyPool();
	void SpawnSnowflake();
	void RandomVelocity(brindle2Snowflake_struct& p_snowflake);
	void RefuseCorner();

	unsigned char m_noOfSnowflakes;
	brindle2Snowflake_struct* m_snowflakes;
	short m_left;
	short m_bottom;
	short m_right;
	short m_top;
	double m_fade;
	double m_rotate;
	double m_minVelocity;
	double m_maxVelocity;
	double m_minScale;
	double m_maxScale;
	double m_direction;
	int m_spawnCountdown;
	unsigned short m_minSpawn;
	unsigned short m_maxSpawn;
	unsigned short m_directionDelay;
	zelplaySprite* m_snowflakeSprite;
	zelStringQueue* m_errorStrings;
};

#endif
