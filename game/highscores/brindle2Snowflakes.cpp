#include "brindle2Snowflakes.h"

#include "brindle2ErrorStrings.h"

#include "zelHighLevelList.h"
#include "zelplayMaths.h"
#include "zelplaySprite.h"

#include <GL/gl.h>
#include <cstdio>
#include <cstdlib>

const char brindle2SNOWFLAKES_ERROR__UNABLE_TO_OPEN_DEFINITION[] = "(brindle2Snowflakes::[constructor]) unable to open the definition of the snowflakes";
const char brindle2SNOWFLAKES_ERROR__INCOMPLETE_DEFINITION[] = "(brindle2Snowflakes::[constructor]) the definition of the snowflakes does not contain the members necessary to define the snowflakes";
const char brindle2SNOWFLAKES_ERROR__MIN_VELOCITY_NOT_BELOW_MAX_VELOCITY[] = "(brindle2Snowflakes::[constructor] the definition of the snowflakes is malformed, the min. velocity per tick of a snowflake is >= the max. velocity per tick";
const char brindle2SNOWFLAKES_ERROR__MIN_SCALE_NOT_BELOW_MAX_SCALE[] = "(brindle2Snowflakes::[constructor] the definition of the snowflakes is malformed, the min. scale of a snowflake is >= the max. scale";
const char brindle2SNOWFLAKES_ERROR__IMPOSSIBLE_CORNER[] = "(brindle2Snowflakes::BottomLeft{...}/TopRight{...}) tried to set a corner to an impossible coordinate (i.e., the top-right corner <= the bottom-left corner)";

const char brindle2SNOWFLAKES_DEFINITION_MEMBER__SNOWFLAKES[] = "snowflakes";
const char brindle2SNOWFLAKES_DEFINITION_MEMBER__FADE[] = "fade";
const char brindle2SNOWFLAKES_DEFINITION_MEMBER__ROTATE[] = "rotate";
const char brindle2SNOWFLAKES_DEFINITION_MEMBER__MIN_VELOCITY[] = "min_velocity";
const char brindle2SNOWFLAKES_DEFINITION_MEMBER__MAX_VELOCITY[] = "max_velocity";
const char brindle2SNOWFLAKES_DEFINITION_MEMBER__MIN_SPAWN[] = "min_spawn";
const char brindle2SNOWFLAKES_DEFINITION_MEMBER__MAX_SPAWN[] = "max_spawn";
const char brindle2SNOWFLAKES_DEFINITION_MEMBER__MIN_SCALE[] = "min_scale";
const char brindle2SNOWFLAKES_DEFINITION_MEMBER__MAX_SCALE[] = "max_scale";
const char brindle2SNOWFLAKES_DEFINITION_MEMBER__DIRECTION_DELAY[] = "direction_delay";
const char brindle2SNOWFLAKES_DEFINITION_MEMBER__DIRECTION[] = "direction";

const char brindle2SNOWFLAKES_DEFINITION_FILE[] = "snowflakes.txt";
const char brindle2SNOWFLAKES_SPRITE_FILE[] = "snowflake_sprite.txt";

namespace
{
	// A value in [low, high) from the game's one generator, in hundredths.
	double RandomFraction(double p_low, double p_high)
	{
		const long v = random() % 100;
		return (p_high - p_low) / 100.0 * v + p_low;
	}

	void DefineInt(zelHighLevelList& p_list, const char* p_label, int p_lower, int p_upper)
	{
		p_list.NewMember(p_label, zelHLL_MEMBER_TYPE__INT);
		p_list.SetIntMemberRange(p_label, p_lower, p_upper);
	}

	void DefinePositiveDouble(zelHighLevelList& p_list, const char* p_label)
	{
		p_list.NewMember(p_label, zelHLL_MEMBER_TYPE__DOUBLE);
		p_list.SetDoubleMemberRange(p_label, zelHLL_MEMBER_RANGE__GREATER, 0.0);
	}
}

brindle2Snowflakes::brindle2Snowflakes(zelStringQueue* p_errorStrings)
	: m_noOfSnowflakes(0), m_snowflakes(NULL), m_left(0), m_bottom(0), m_right(1), m_top(1),
	m_fade(0.0), m_rotate(0.0), m_minVelocity(0.0), m_maxVelocity(0.0), m_minScale(0.0), m_maxScale(0.0),
	m_direction(0.0), m_spawnCountdown(0), m_minSpawn(0), m_maxSpawn(0), m_directionDelay(0),
	m_snowflakeSprite(NULL), m_errorStrings(p_errorStrings)
{
	ReadDefinition();
	m_snowflakeSprite = new zelplaySprite(brindle2SNOWFLAKES_SPRITE_FILE, m_errorStrings);
	try
	{
		CreatePool();
	}
	catch (const char*)
	{
		delete m_snowflakeSprite;
		throw;
	}
}

brindle2Snowflakes::~brindle2Snowflakes()
{
	DestroyPool();
	delete m_snowflakeSprite;
}

void brindle2Snowflakes::ReadDefinition()
{
	FILE* file = fopen(brindle2SNOWFLAKES_DEFINITION_FILE, "r");
	if (file == NULL)
	{
		brindle2ErrorStrings::PushErrorStringOnto(m_errorStrings, brindle2SNOWFLAKES_ERROR__UNABLE_TO_OPEN_DEFINITION, brindle2SNOWFLAKES_DEFINITION_FILE);
		throw brindle2SNOWFLAKES_ERROR__UNABLE_TO_OPEN_DEFINITION;
	}
	zelHighLevelList list(m_errorStrings);
	try
	{
		DefineInt(list, brindle2SNOWFLAKES_DEFINITION_MEMBER__SNOWFLAKES, 1, 255);
		DefinePositiveDouble(list, brindle2SNOWFLAKES_DEFINITION_MEMBER__FADE);
		DefinePositiveDouble(list, brindle2SNOWFLAKES_DEFINITION_MEMBER__ROTATE);
		DefinePositiveDouble(list, brindle2SNOWFLAKES_DEFINITION_MEMBER__MIN_VELOCITY);
		DefinePositiveDouble(list, brindle2SNOWFLAKES_DEFINITION_MEMBER__MAX_VELOCITY);
		DefineInt(list, brindle2SNOWFLAKES_DEFINITION_MEMBER__MIN_SPAWN, 0, 65535);
		DefineInt(list, brindle2SNOWFLAKES_DEFINITION_MEMBER__MAX_SPAWN, 0, 65535);
		DefinePositiveDouble(list, brindle2SNOWFLAKES_DEFINITION_MEMBER__MIN_SCALE);
		DefinePositiveDouble(list, brindle2SNOWFLAKES_DEFINITION_MEMBER__MAX_SCALE);
		DefineInt(list, brindle2SNOWFLAKES_DEFINITION_MEMBER__DIRECTION_DELAY, 0, 65535);
		list.NewMember(brindle2SNOWFLAKES_DEFINITION_MEMBER__DIRECTION, zelHLL_MEMBER_TYPE__DOUBLE);
		list.SetDoubleMemberRange(brindle2SNOWFLAKES_DEFINITION_MEMBER__DIRECTION, zelHLL_MEMBER_RANGE__GREATER_OR_EQUAL, 0.0);
		list.SetDoubleMemberRange(brindle2SNOWFLAKES_DEFINITION_MEMBER__DIRECTION, zelHLL_MEMBER_RANGE__LESS, 360.0);
		list.Input(file);
	}
	catch (const char*)
	{
		fclose(file);
		throw;
	}
	fclose(file);
	if (!list.AllMembersHaveBeenInput())
	{
		brindle2ErrorStrings::PushErrorStringOnto(m_errorStrings, brindle2SNOWFLAKES_ERROR__INCOMPLETE_DEFINITION, brindle2SNOWFLAKES_DEFINITION_FILE);
		throw brindle2SNOWFLAKES_ERROR__INCOMPLETE_DEFINITION;
	}
	m_noOfSnowflakes = (unsigned char)list.Int(brindle2SNOWFLAKES_DEFINITION_MEMBER__SNOWFLAKES);
	m_fade = list.Double(brindle2SNOWFLAKES_DEFINITION_MEMBER__FADE);
	m_rotate = list.Double(brindle2SNOWFLAKES_DEFINITION_MEMBER__ROTATE);
	m_minVelocity = list.Double(brindle2SNOWFLAKES_DEFINITION_MEMBER__MIN_VELOCITY);
	m_maxVelocity = list.Double(brindle2SNOWFLAKES_DEFINITION_MEMBER__MAX_VELOCITY);
	if (m_minVelocity >= m_maxVelocity)
	{
		brindle2ErrorStrings::PushErrorStringOnto(m_errorStrings, brindle2SNOWFLAKES_ERROR__MIN_VELOCITY_NOT_BELOW_MAX_VELOCITY, brindle2SNOWFLAKES_DEFINITION_FILE);
		throw brindle2SNOWFLAKES_ERROR__MIN_VELOCITY_NOT_BELOW_MAX_VELOCITY;
	}
	m_minScale = list.Double(brindle2SNOWFLAKES_DEFINITION_MEMBER__MIN_SCALE);
	m_maxScale = list.Double(brindle2SNOWFLAKES_DEFINITION_MEMBER__MAX_SCALE);
	if (m_minScale >= m_maxScale)
	{
		brindle2ErrorStrings::PushErrorStringOnto(m_errorStrings, brindle2SNOWFLAKES_ERROR__MIN_SCALE_NOT_BELOW_MAX_SCALE, brindle2SNOWFLAKES_DEFINITION_FILE);
		throw brindle2SNOWFLAKES_ERROR__MIN_SCALE_NOT_BELOW_MAX_SCALE;
	}
	m_minSpawn = (unsigned short)list.Int(brindle2SNOWFLAKES_DEFINITION_MEMBER__MIN_SPAWN);
	m_maxSpawn = (unsigned short)list.Int(brindle2SNOWFLAKES_DEFINITION_MEMBER__MAX_SPAWN);
	m_directionDelay = (unsigned short)list.Int(brindle2SNOWFLAKES_DEFINITION_MEMBER__DIRECTION_DELAY);
	m_direction = list.Double(brindle2SNOWFLAKES_DEFINITION_MEMBER__DIRECTION);
}

void brindle2Snowflakes::CreatePool()
{
	m_snowflakes = new brindle2Snowflake_struct[m_noOfSnowflakes]();
	for (unsigned int i = 0; i < m_noOfSnowflakes; ++i)
	{
		try
		{
			m_snowflakes[i].sprite = new zelplaySprite(m_snowflakeSprite, m_errorStrings);
		}
		catch (const char*)
		{
			DestroyPool();
			throw;
		}
	}
}

void brindle2Snowflakes::DestroyPool()
{
	if (m_snowflakes == NULL)
		return;
	for (unsigned int i = 0; i < m_noOfSnowflakes; ++i)
		delete m_snowflakes[i].sprite;
	delete[] m_snowflakes;
	m_snowflakes = NULL;
}

void brindle2Snowflakes::SpawnSnowflake()
{
	brindle2Snowflake_struct* snowflake = NULL;
	for (unsigned int i = 0; i < m_noOfSnowflakes && snowflake == NULL; ++i)
		if (!m_snowflakes[i].active)
			snowflake = &m_snowflakes[i];
	if (snowflake == NULL)
		return;

	snowflake->active = true;
	zelplaySprite* sprite = snowflake->sprite;
	sprite->Reset();
	sprite->EnableRotation();
	sprite->EnableHScaling();
	sprite->EnableVScaling();
	// Scaled about the centre, so that flakes of every size turn in place.
	sprite->EnableCompensationForHScaling();
	sprite->EnableCompensationForVScaling();
	const float scale = (float)RandomFraction(m_minScale, m_maxScale);
	sprite->HScale(scale);
	sprite->VScale(scale);

	snowflake->y = m_top;
	snowflake->x = m_left + (int)RandomFraction(0.0, m_right - m_left - m_snowflakeSprite->WidthInPixels());
	RandomVelocity(*snowflake);
	snowflake->rotationDirection = random() % 100 > 49 ? -1 : 1;
	snowflake->directionCountdown = m_directionDelay;
	snowflake->fading = false;
	snowflake->opacity = 1.0;
}

void brindle2Snowflakes::RandomVelocity(brindle2Snowflake_struct& p_snowflake)
{
	zelplayMaths maths;
	const double speed = RandomFraction(m_minVelocity, m_maxVelocity);
	// A fan of the spread's width centred on straight down (180 degrees).
	const double angle = RandomFraction(0.0, m_direction) + (360.0 - m_direction) / 2.0;
	p_snowflake.xVelocity = maths.XComponentOfVector(angle, speed);
	p_snowflake.yVelocity = maths.YComponentOfVector(angle, speed);
}

void brindle2Snowflakes::Update(Uint32 p_elapsed)
{
	const int elapsed = (int)p_elapsed;
	m_spawnCountdown -= elapsed;
	if (m_spawnCountdown <= 0)
	{
		SpawnSnowflake();
		m_spawnCountdown = (unsigned short)(int)RandomFraction(m_minSpawn, m_maxSpawn);
	}

	const unsigned short width = m_snowflakeSprite->WidthInPixels();
	for (unsigned int i = 0; i < m_noOfSnowflakes; ++i)
	{
		brindle2Snowflake_struct& snowflake = m_snowflakes[i];
		if (!snowflake.active)
			continue;
		zelplaySprite* sprite = snowflake.sprite;

		float angle = (float)(sprite->AngleOfRotation() + elapsed * m_rotate * snowflake.rotationDirection);
		if (angle >= 360.0f)
			angle -= 360.0f;
		else if (angle < 0.0f)
			angle += 360.0f;
		sprite->AngleOfRotation(angle);

		if (!snowflake.fading)
		{
			snowflake.directionCountdown -= elapsed;
			if (snowflake.directionCountdown <= 0)
			{
				snowflake.directionCountdown = m_directionDelay;
				RandomVelocity(snowflake);
			}
		}

		snowflake.x += elapsed * snowflake.xVelocity;
		snowflake.y += elapsed * snowflake.yVelocity;
		sprite->BottomLeftX((short)snowflake.x);
		sprite->BottomLeftY((short)snowflake.y);

		if (snowflake.fading)
		{
			snowflake.opacity -= elapsed * m_fade;
			if (snowflake.opacity <= 0.0)
				snowflake.active = false;
		}
		else if (snowflake.x < m_left || snowflake.x + width >= m_right || snowflake.y < m_bottom)
			snowflake.fading = true;
	}
}

void brindle2Snowflakes::Render()
{
	for (unsigned int i = 0; i < m_noOfSnowflakes; ++i)
	{
		const brindle2Snowflake_struct& snowflake = m_snowflakes[i];
		if (!snowflake.active)
			continue;
		if (snowflake.fading)
			glColor4f(1.0f, 1.0f, 1.0f, (float)snowflake.opacity);
		// No time passes here: a flake keeps the frame it was given.
		snowflake.sprite->Render(0);
		if (snowflake.fading)
			glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
	}
}

void brindle2Snowflakes::RefuseCorner()
{
	brindle2ErrorStrings::PushErrorStringOnto(m_errorStrings, brindle2SNOWFLAKES_ERROR__IMPOSSIBLE_CORNER);
	throw brindle2SNOWFLAKES_ERROR__IMPOSSIBLE_CORNER;
}

void brindle2Snowflakes::BottomLeftX(short p_x)
{
	if (!(p_x < m_right))
		RefuseCorner();
	m_left = p_x;
}

void brindle2Snowflakes::BottomLeftY(short p_y)
{
	if (!(p_y < m_top))
		RefuseCorner();
	m_bottom = p_y;
}

void brindle2Snowflakes::TopRightX(short p_x)
{
	if (!(p_x > m_left))
		RefuseCorner();
	m_right = p_x;
}

void brindle2Snowflakes::TopRightY(short p_y)
{
	if (!(p_y > m_bottom))
		RefuseCorner();
	m_top = p_y;
}

short brindle2Snowflakes::BottomLeftX() const
{
	return m_left;
}

short brindle2Snowflakes::BottomLeftY() const
{
	return m_bottom;
}

short brindle2Snowflakes::TopRightX() const
{
	return m_right;
}

short brindle2Snowflakes::TopRightY() const
{
	return m_top;
}
