#ifndef ZELPLAY_MATHS_H
#define ZELPLAY_MATHS_H

// Vectors as a bearing and a magnitude, and degrees to radians. Bearings are
// in degrees: 0 points up (+y), 90 right (+x), increasing clockwise, the sense
// in which the play library turns rotated objects.
class zelplayMaths
{
public:
	double XComponentOfVector(double p_direction, double p_magnitude) const;
	double YComponentOfVector(double p_direction, double p_magnitude) const;
	// The bearing of the vector, 0 <= result < 360; the zero vector gives 0.
	double DirectionOfVector(double p_x, double p_y) const;
	double MagnitudeOfVector(double p_x, double p_y) const;
	double Angle2Radian(double p_angle) const;
	double Radian2Angle(double p_radian) const;
};

#endif
