#include "zelNo2String.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
	char* Copy(const std::string& p_text)
	{
		return strdup(p_text.c_str());
	}

	std::string Sign(bool p_negative, bool p_plusSign)
	{
		if (p_negative)
		{
			return "-";
		}
		return p_plusSign ? "+" : "";
	}

	// A digit computed in floating point, kept to 0-9 whatever rounding or
	// an overflowing power of ten made of it.
	char DigitOf(double p_value)
	{
		const double digit = trunc(p_value);
		if (!(digit >= 0.0))
		{
			return '0';
		}
		return digit > 9.0 ? '9' : static_cast<char>('0' + static_cast<int>(digit));
	}

	// The exact decimal digits of a whole, non-negative double.
	std::string WholeDigits(double p_whole)
	{
		char digits[DBL_MAX_10_EXP + 2];
		snprintf(digits, sizeof digits, "%.0f", p_whole);
		return digits;
	}
}

char* zelNo2String::Int2String(int p_value, bool p_plusSign) const
{
	if (p_value == 0)
	{
		return Copy("0");
	}
	// 64 bits hold the magnitude of the most negative int.
	uint64_t magnitude = p_value < 0 ? -static_cast<int64_t>(p_value) : p_value;
	std::string digits;
	while (magnitude > 0)
	{
		digits.insert(digits.begin(), static_cast<char>('0' + magnitude % 10));
		magnitude /= 10;
	}
	return Copy(Sign(p_value < 0, p_plusSign) + digits);
}

char* zelNo2String::Double2String(double p_value, unsigned int p_digits, bool p_plusSign) const
{
	// Not-a-number has no digits to write; zero is the tamest stand-in.
	if (p_value == 0.0 || std::isnan(p_value))
	{
		return Copy(p_digits > 0 ? "0." + std::string(p_digits, '0') : "0");
	}
	// Infinity is written as the largest finite magnitude.
	const double magnitude = std::isinf(p_value) ? DBL_MAX : fabs(p_value);
	const double whole = trunc(magnitude);
	std::string text = Sign(p_value < 0.0, p_plusSign) + WholeDigits(whole);
	if (p_digits > 0)
	{
		text += '.';
		double scaled = (magnitude - whole) * pow(10.0, p_digits);
		double place = pow(10.0, p_digits) / 10.0;
		for (unsigned int digit = 0; digit < p_digits; digit++)
		{
			const char character = DigitOf(scaled / place);
			text += character;
			scaled -= (character - '0') * place;
			place /= 10.0;
		}
	}
	return Copy(text);
}

char* zelNo2String::Int2HexString(unsigned int p_value, bool p_prefix, bool p_capitalDigits, bool p_capitalX) const
{
	const char* digitSet = p_capitalDigits ? "0123456789ABCDEF" : "0123456789abcdef";
	std::string digits;
	do
	{
		digits.insert(digits.begin(), digitSet[p_value % 16]);
		p_value /= 16;
	}
	while (p_value > 0);
	if (p_prefix)
	{
		digits.insert(0, p_capitalX ? "0X" : "0x");
	}
	return Copy(digits);
}
