#ifndef BRINDLE2_ATOMIC_FILE_H
#define BRINDLE2_ATOMIC_FILE_H

#include <cstdio>
#include <string>

// Writes a file in the working directory so that it is never left truncated
// or empty: the text goes to a temporary file beside it, which replaces the
// old file only once every write, the flush and the close have succeeded.
// Otherwise the temporary file is removed and the old file stays as it was.
class brindle2AtomicFile
{
public:
	explicit brindle2AtomicFile(const char* p_fileName);
	// Removes the temporary file unless it was committed.
	~brindle2AtomicFile();

	// Like fprintf; returns false once any write has failed.
	bool Print(const char* p_format, ...) __attribute__((format(printf, 2, 3)));
	// Replaces the file with what was printed; true on success.
	bool Commit();

private:
	brindle2AtomicFile(const brindle2AtomicFile&) = delete;
	brindle2AtomicFile& operator=(const brindle2AtomicFile&) = delete;

	void Discard();

	std::string m_fileName;
	std::string m_temporaryName;
	FILE* m_file;
	bool m_failed;
};

#endif
