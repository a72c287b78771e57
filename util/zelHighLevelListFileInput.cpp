#include "zelHighLevelListFileInput.h"

#include <cstdlib>
#include <cstring>

const char zelHLL_FILE_INPUT_ERROR__NULL_PARAMETER[] = "(zelHighLevelListFileInput::Input{...}) passed NULL to the method";
const char zelHLL_FILE_INPUT_ERROR__STRING_BUFFER_OVERFLOW[] = "(zelHighLevelListFileInput::Input{...}) the length of the string to input exceeds the length of the buffer";
const char zelHLL_FILE_INPUT_ERROR__FILE_ENDS_UNEXPECTEDLY[] = "(zelHighLevelListFileInput::Input{...}) the file from which to input the string ends unexpectedly";

namespace
{
	// Reads the next quoted value and converts it, freeing the text whether
	// or not the conversion succeeds.
	template <typename Result, typename Conversion>
	Result InputNumber(const zelHighLevelListFileInput& p_input, FILE* p_file, bool p_endOfFileIsUnexpected, Conversion p_conversion)
	{
		char* value = p_input.InputString(p_file, p_endOfFileIsUnexpected);
		try
		{
			const Result result = p_conversion(value);
			free(value);
			return result;
		}
		catch (const char*)
		{
			free(value);
			throw;
		}
	}
}

char* zelHighLevelListFileInput::InputString(FILE* p_file, char p_open, char p_close, bool p_endOfFileIsUnexpected) const
{
	if (p_file == nullptr)
	{
		throw zelHLL_FILE_INPUT_ERROR__NULL_PARAMETER;
	}
	// Characters are compared as bytes, so that a byte 0xFF in the file is
	// never mistaken for the end of it.
	const int open = static_cast<unsigned char>(p_open);
	const int close = static_cast<unsigned char>(p_close);

	int character;
	do
	{
		character = fgetc(p_file);
		if (character == EOF)
		{
			if (p_endOfFileIsUnexpected)
			{
				throw zelHLL_FILE_INPUT_ERROR__FILE_ENDS_UNEXPECTEDLY;
			}
			return nullptr;
		}
	}
	while (character != open);

	char buffer[MAX_TOKEN_LENGTH + 1];
	unsigned int length = 0;
	for (;;)
	{
		character = fgetc(p_file);
		if (character == EOF)
		{
			throw zelHLL_FILE_INPUT_ERROR__FILE_ENDS_UNEXPECTEDLY;
		}
		if (character == close)
		{
			break;
		}
		if (length == MAX_TOKEN_LENGTH)
		{
			throw zelHLL_FILE_INPUT_ERROR__STRING_BUFFER_OVERFLOW;
		}
		buffer[length++] = static_cast<char>(character);
	}
	char* value = static_cast<char*>(malloc(length + 1));
	memcpy(value, buffer, length);
	value[length] = '\0';
	return value;
}

char* zelHighLevelListFileInput::InputString(FILE* p_file, bool p_endOfFileIsUnexpected) const
{
	return InputString(p_file, '"', '"', p_endOfFileIsUnexpected);
}

int zelHighLevelListFileInput::InputInt(FILE* p_file, bool p_endOfFileIsUnexpected) const
{
	return InputNumber<int>(*this, p_file, p_endOfFileIsUnexpected,
		[this](const char* p_value) { return String2Int(p_value); });
}

double zelHighLevelListFileInput::InputDouble(FILE* p_file, bool p_endOfFileIsUnexpected) const
{
	return InputNumber<double>(*this, p_file, p_endOfFileIsUnexpected,
		[this](const char* p_value) { return String2Double(p_value); });
}

unsigned int zelHighLevelListFileInput::InputHexInt(FILE* p_file, bool p_endOfFileIsUnexpected) const
{
	return InputNumber<unsigned int>(*this, p_file, p_endOfFileIsUnexpected,
		[this](const char* p_value) { return HexString2Int(p_value); });
}
