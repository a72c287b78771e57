#include "zelString2No.h"

#include <cctype>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

const char zelSTRING2NO_ERROR__NULL_PARAMETER[] = "(zelString2No::String2{no}) passed NULL as the string to be converted";
const char zelSTRING2NO_ERROR__ZERO_LENGTH_STRING[] = "(zelString2No::String2{no}) passed a string of zero length as the string to be converted";
const char zelSTRING2NO_ERROR__SIGN_ONLY_STRING[] = "(zelString2No::String2{no}) passed only a positive or a negative sign as the string to be converted";
const char zelSTRING2NO_ERROR__CONVERSION_ERROR[] = "(zelString2No::String2{no}) passed a string containing illegal characters as the string to be converted";
const char zelSTRING2NO_ERROR__POINT_ONLY_STRING[] = "(zelString2No::String2{no}) passed only a floating point as the string to be converted";
const char zelSTRING2NO_ERROR__EXPONENT_BUT_NO_COEFFICIENT[] = "(zelString2No::String2{no}) passed a string containing an exponent but no coefficient as the string to be converted";
const char zelSTRING2NO_ERROR__E_TOKEN_BUT_NO_EXPONENT[] = "(zelString2No::String2{no}) passed a string containing the 'e' or 'E' token which prefixes an exponent, but no exponent, as the string to be converted";

namespace
{
	// Any magnitude at or above this is out of range for a 32-bit result.
	const uint64_t SATURATED = 0x100000000ULL;

	void CheckNotEmpty(const char* p_string)
	{
		if (p_string == nullptr)
		{
			throw zelSTRING2NO_ERROR__NULL_PARAMETER;
		}
		if (p_string[0] == '\0')
		{
			throw zelSTRING2NO_ERROR__ZERO_LENGTH_STRING;
		}
	}

	bool IsSign(char p_character)
	{
		return p_character == '+' || p_character == '-';
	}

	// Adds p_digit at p_place to p_magnitude, saturating instead of wrapping
	// so that out-of-range numbers stay predictable.
	void AddDigit(uint64_t& p_magnitude, uint64_t p_digit, uint64_t p_place)
	{
		if (p_digit == 0)
		{
			return;
		}
		if (p_place >= SATURATED)
		{
			p_magnitude = SATURATED;
			return;
		}
		p_magnitude += p_digit * p_place;
		if (p_magnitude > SATURATED)
		{
			p_magnitude = SATURATED;
		}
	}

	// Leading zeros may make the place value grow without bound; anything
	// past the range behaves alike.
	uint64_t NextPlace(uint64_t p_place, uint64_t p_base)
	{
		return p_place >= SATURATED ? SATURATED : p_place * p_base;
	}

	// Walks from the end, as the messages expect: a point standing first
	// before any digit is "point only", a sign before any digit "sign only".
	void CheckDecimalSyntax(const char* p_string)
	{
		bool digitSeen = false;
		unsigned int points = 0;
		for (size_t index = strlen(p_string); index-- > 0;)
		{
			const char character = p_string[index];
			if (character >= '0' && character <= '9')
			{
				digitSeen = true;
			}
			else if (character == '.')
			{
				if (index == 0 && !digitSeen)
				{
					throw zelSTRING2NO_ERROR__POINT_ONLY_STRING;
				}
				points++;
			}
			else if (index == 0 && IsSign(character))
			{
				if (!digitSeen)
				{
					throw zelSTRING2NO_ERROR__SIGN_ONLY_STRING;
				}
			}
			else
			{
				throw zelSTRING2NO_ERROR__CONVERSION_ERROR;
			}
		}
		// A second point would otherwise be silently skipped ("1.2.3" as 0.123).
		if (points > 1)
		{
			throw zelSTRING2NO_ERROR__CONVERSION_ERROR;
		}
	}

	// The value of a checked decimal, without its sign. The digits form one
	// integer mantissa divided by a power of ten at the end; summing digit
	// times place value would round at every digit and lose everything once
	// the place value underflows. Fraction digits beyond double precision
	// are dropped so that the mantissa and the power of ten never both
	// overflow.
	double DecimalMagnitude(const char* p_string)
	{
		const double PRECISE = 1e17;
		double mantissa = 0.0;
		int fractionDigits = 0;
		bool inFraction = false;
		for (const char* character = p_string; *character != '\0'; character++)
		{
			if (*character == '.')
			{
				inFraction = true;
			}
			else if (*character >= '0' && *character <= '9')
			{
				if (inFraction && mantissa >= PRECISE)
				{
					break;
				}
				mantissa = mantissa * 10.0 + (*character - '0');
				if (inFraction)
				{
					fractionDigits++;
				}
			}
		}
		return mantissa / pow(10.0, fractionDigits);
	}

	int HexDigitValue(char p_character)
	{
		if (p_character >= '0' && p_character <= '9')
		{
			return p_character - '0';
		}
		const int lower = tolower(static_cast<unsigned char>(p_character));
		if (lower >= 'a' && lower <= 'f')
		{
			return lower - 'a' + 10;
		}
		return -1;
	}

	// Converts one part of a scientific number from its own copy, freed
	// whatever the outcome.
	template <typename Result, typename Conversion>
	Result ConvertPart(const char* p_start, size_t p_length, Conversion p_conversion)
	{
		char* part = strndup(p_start, p_length);
		try
		{
			const Result result = p_conversion(part);
			free(part);
			return result;
		}
		catch (const char*)
		{
			free(part);
			throw;
		}
	}
}

int zelString2No::String2Int(const char* p_string) const
{
	CheckNotEmpty(p_string);
	uint64_t magnitude = 0;
	uint64_t place = 1;
	bool negative = false;
	bool digitSeen = false;
	for (size_t index = strlen(p_string); index-- > 0;)
	{
		const char character = p_string[index];
		if (character >= '0' && character <= '9')
		{
			AddDigit(magnitude, character - '0', place);
			place = NextPlace(place, 10);
			digitSeen = true;
		}
		else if (index == 0 && IsSign(character))
		{
			if (!digitSeen)
			{
				throw zelSTRING2NO_ERROR__SIGN_ONLY_STRING;
			}
			negative = character == '-';
		}
		else
		{
			throw zelSTRING2NO_ERROR__CONVERSION_ERROR;
		}
	}
	if (negative)
	{
		const uint64_t limit = static_cast<uint64_t>(INT_MAX) + 1;
		return magnitude >= limit ? INT_MIN : -static_cast<int>(magnitude);
	}
	return magnitude >= static_cast<uint64_t>(INT_MAX) ? INT_MAX : static_cast<int>(magnitude);
}

double zelString2No::String2Double(const char* p_string) const
{
	CheckNotEmpty(p_string);
	CheckDecimalSyntax(p_string);
	const double magnitude = DecimalMagnitude(p_string);
	return p_string[0] == '-' ? -magnitude : magnitude;
}

unsigned int zelString2No::HexString2Int(const char* p_string) const
{
	CheckNotEmpty(p_string);
	uint64_t magnitude = 0;
	uint64_t place = 1;
	for (size_t index = strlen(p_string); index-- > 0;)
	{
		const int digit = HexDigitValue(p_string[index]);
		if (digit < 0)
		{
			throw zelSTRING2NO_ERROR__CONVERSION_ERROR;
		}
		AddDigit(magnitude, digit, place);
		place = NextPlace(place, 16);
	}
	return magnitude >= SATURATED ? UINT_MAX : static_cast<unsigned int>(magnitude);
}

double zelString2No::SciString2Double(const char* p_string) const
{
	CheckNotEmpty(p_string);
	const char* e = strpbrk(p_string, "eE");
	if (e == nullptr)
	{
		return String2Double(p_string);
	}
	if (e[1] == '\0')
	{
		throw zelSTRING2NO_ERROR__E_TOKEN_BUT_NO_EXPONENT;
	}
	if (e == p_string)
	{
		throw zelSTRING2NO_ERROR__EXPONENT_BUT_NO_COEFFICIENT;
	}
	const int exponent = ConvertPart<int>(e + 1, strlen(e + 1),
		[this](const char* p_part) { return String2Int(p_part); });
	const double coefficient = ConvertPart<double>(p_string, e - p_string,
		[this](const char* p_part) { return String2Double(p_part); });
	if (coefficient == 0.0 || std::isinf(coefficient))
	{
		// Zero and infinity stay themselves even when the power of ten
		// overflows too (0 times or infinity over infinity would be NaN).
		return coefficient;
	}
	// Dividing by an exact power of ten is more accurate than multiplying
	// by an inexact negative one (3e-1 gives 0.3).
	if (exponent < 0)
	{
		return coefficient / pow(10.0, -static_cast<double>(exponent));
	}
	return coefficient * pow(10.0, exponent);
}
