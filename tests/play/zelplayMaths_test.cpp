#include "zelplayMaths.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
	const zelplayMaths maths;
}

TEST(zelplayMaths, ConvertsWithTheRoundedFactorOfPi)
{
	EXPECT_DOUBLE_EQ(0.017453292522222223, maths.Angle2Radian(1.0));
	EXPECT_DOUBLE_EQ(180.0, maths.Radian2Angle(3.141592654));
	EXPECT_NE(M_PI / 180.0, maths.Angle2Radian(1.0));
	for (double angle : {0.0, 1.0, 45.0, 123.456, 359.9, -30.0})
		EXPECT_NEAR(angle, maths.Radian2Angle(maths.Angle2Radian(angle)), 1e-12);
}

TEST(zelplayMaths, ComponentsFollowTheBearing)
{
	// Bearing 0 is up, 90 right: x takes the sine, y the cosine.
	EXPECT_DOUBLE_EQ(10.0, maths.XComponentOfVector(90.0, 10.0));
	EXPECT_NEAR(0.0, maths.YComponentOfVector(90.0, 10.0), 1e-8);
	EXPECT_NE(0.0, maths.YComponentOfVector(90.0, 10.0));
	EXPECT_NEAR(0.0, maths.XComponentOfVector(0.0, 4.0), 1e-12);
	EXPECT_DOUBLE_EQ(4.0, maths.YComponentOfVector(0.0, 4.0));
	EXPECT_NEAR(-2.0, maths.YComponentOfVector(180.0, 2.0), 1e-12);
	EXPECT_NEAR(-2.0, maths.XComponentOfVector(270.0, 2.0), 1e-12);
	EXPECT_NEAR(std::sqrt(2.0), maths.XComponentOfVector(45.0, 2.0), 1e-8);
}

TEST(zelplayMaths, DirectionOfVectorCoversEveryQuadrantAndAxis)
{
	struct Case { double x, y, direction; };
	const Case cases[] = {
		{0.0, 0.0, 0.0}, {0.0, 5.0, 0.0}, {0.0, -5.0, 180.0}, {3.0, 0.0, 90.0}, {-3.0, 0.0, 270.0},
		{1.0, 1.0, 45.0}, {1.0, -1.0, 135.0}, {-1.0, -1.0, 225.0}, {-1.0, 1.0, 315.0},
		{0.5, std::sqrt(3.0) / 2.0, 30.0}, {-1e-9, 1.0, 360.0 - 5.7e-8},
	};
	for (const Case& c : cases)
		EXPECT_NEAR(c.direction, maths.DirectionOfVector(c.x, c.y), 1e-6) << c.x << ", " << c.y;
	EXPECT_LT(maths.DirectionOfVector(-1e-9, 1.0), 360.0);
}

TEST(zelplayMaths, DirectionInvertsTheComponents)
{
	for (double direction = 0.0; direction < 360.0; direction += 7.5)
	{
		const double x = maths.XComponentOfVector(direction, 3.0);
		const double y = maths.YComponentOfVector(direction, 3.0);
		EXPECT_NEAR(direction, maths.DirectionOfVector(x, y), 1e-6) << direction;
		EXPECT_NEAR(3.0, maths.MagnitudeOfVector(x, y), 1e-12);
	}
}

TEST(zelplayMaths, MagnitudeIgnoresSigns)
{
	EXPECT_DOUBLE_EQ(5.0, maths.MagnitudeOfVector(-3.0, 4.0));
	EXPECT_DOUBLE_EQ(5.0, maths.MagnitudeOfVector(3.0, -4.0));
	EXPECT_DOUBLE_EQ(0.0, maths.MagnitudeOfVector(0.0, 0.0));
}
