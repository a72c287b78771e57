#ifndef ZEL_NO2STRING_H
#define ZEL_NO2STRING_H

// Writers of numbers; every result is a malloc'ed string that the caller frees.
class zelNo2String
{
public:
	// Zero never gets a sign.
	char* Int2String(int p_value, bool p_plusSign) const;
	// The fraction digits are truncated, not rounded.
	char* Double2String(double p_value, unsigned int p_digits, bool p_plusSign) const;
	char* Int2HexString(unsigned int p_value, bool p_prefix, bool p_capitalDigits, bool p_capitalX) const;
};

#endif
