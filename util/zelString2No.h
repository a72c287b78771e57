#ifndef ZEL_STRING2NO_H
#define ZEL_STRING2NO_H

extern const char zelSTRING2NO_ERROR__NULL_PARAMETER[];
extern const char zelSTRING2NO_ERROR__ZERO_LENGTH_STRING[];
extern const char zelSTRING2NO_ERROR__SIGN_ONLY_STRING[];
extern const char zelSTRING2NO_ERROR__CONVERSION_ERROR[];
extern const char zelSTRING2NO_ERROR__POINT_ONLY_STRING[];
extern const char zelSTRING2NO_ERROR__EXPONENT_BUT_NO_COEFFICIENT[];
extern const char zelSTRING2NO_ERROR__E_TOKEN_BUT_NO_EXPONENT[];

// Strict readers of numbers: no blanks, no locale, no prefixes. Values
// beyond the range of the result saturate at its limits.
class zelString2No
{
public:
	// [+|-]digits
	int String2Int(const char* p_string) const;
	// [+|-]digits with at most one point anywhere among the digits
	double String2Double(const char* p_string) const;
	// hexadecimal digits of either case, no "0x" and no sign
	unsigned int HexString2Int(const char* p_string) const;
	// a String2Double coefficient, then optionally 'e' or 'E' and a String2Int exponent
	double SciString2Double(const char* p_string) const;
};

#endif
