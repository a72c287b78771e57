#include "brindle2AtomicFile.h"

#include <cerrno>
#include <cstdarg>
#include <fcntl.h>
#include <unistd.h>

brindle2AtomicFile::brindle2AtomicFile(const char* p_fileName)
	: m_fileName(p_fileName), m_file(NULL), m_failed(true)
{
	m_temporaryName = m_fileName + "." + std::to_string((long)getpid()) + ".new";
	int descriptor = open(m_temporaryName.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
	if (descriptor < 0 && errno == EEXIST)
	{
		// Left behind by an earlier run of this process id that did not finish.
		unlink(m_temporaryName.c_str());
		descriptor = open(m_temporaryName.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
	}
	if (descriptor < 0)
	{
		m_temporaryName.clear();
		return;
	}
	m_file = fdopen(descriptor, "w");
	if (m_file == NULL)
	{
		close(descriptor);
		unlink(m_temporaryName.c_str());
		return;
	}
	m_failed = false;
}

brindle2AtomicFile::~brindle2AtomicFile()
{
	Discard();
}

bool brindle2AtomicFile::Print(const char* p_format, ...)
{
	if (m_failed)
		return false;
	va_list arguments;
	va_start(arguments, p_format);
	if (vfprintf(m_file, p_format, arguments) < 0)
		m_failed = true;
	va_end(arguments);
	return !m_failed;
}

bool brindle2AtomicFile::Commit()
{
	if (m_failed)
	{
		Discard();
		return false;
	}
	// The data must be on disk before the rename makes it the file.
	bool written = fflush(m_file) == 0 && ferror(m_file) == 0 && fsync(fileno(m_file)) == 0;
	written = fclose(m_file) == 0 && written;
	m_file = NULL;
	if (!written || rename(m_temporaryName.c_str(), m_fileName.c_str()) != 0)
	{
		m_failed = true;
		Discard();
		return false;
	}
	m_failed = true; // committed: nothing more may be printed or removed
	m_temporaryName.clear();
	return true;
}

void brindle2AtomicFile::Discard()
{
	if (m_file != NULL)
	{
		fclose(m_file);
		m_file = NULL;
	}
	if (!m_temporaryName.empty())
	{
		unlink(m_temporaryName.c_str());
		m_temporaryName.clear();
	}
	m_failed = true;
}
