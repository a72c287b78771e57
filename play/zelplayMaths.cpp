#include "zelplayMaths.h"

#include <cmath>

namespace
{
	// Deliberately pi rounded to ten digits, not the full-precision value:
	// every bearing the game computes is based on this factor.
	const double DEGREES_TO_RADIANS = 3.141592654 / 180.0;
}

double zelplayMaths::XComponentOfVector(double p_direction, double p_magnitude) const
{
	return p_magnitude * std::sin(Angle2Radian(p_direction));
}

double zelplayMaths::YComponentOfVector(double p_direction, double p_magnitude) const
{
	return p_magnitude * std::cos(Angle2Radian(p_direction));
}

double zelplayMaths::DirectionOfVector(double p_x, double p_y) const
{
	if (p_x == 0.0)
		return p_y < 0.0 ? 180.0 : 0.0;
	if (p_y == 0.0)
		return p_x > 0.0 ? 90.0 : 270.0;

	// -90 < angle < 90, measured from the x axis anticlockwise.
	const double angle = Radian2Angle(std::atan(p_y / p_x));
	if (p_x > 0.0)
		return p_y > 0.0 ? 90.0 - angle : 90.0 + std::fabs(angle);
	return p_y < 0.0 ? 270.0 - angle : 270.0 + std::fabs(angle);
}

double zelplayMaths::MagnitudeOfVector(double p_x, double p_y) const
{
	return std::sqrt(std::pow(std::fabs(p_x), 2.0) + std::pow(std::fabs(p_y), 2.0));
}

double zelplayMaths::Angle2Radian(double p_angle) const
{
	return p_angle * DEGREES_TO_RADIANS;
}

double zelplayMaths::Radian2Angle(double p_radian) const
{
	return p_radian / DEGREES_TO_RADIANS;
}
