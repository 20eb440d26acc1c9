// samefile: tell whether a name is another name for an open file.
#include "samefile.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

// The image is emptied before the source is read, so an image name that is
// a link to the source would destroy the program before a byte of it is
// read. A name that does not exist yet is no other file's.
bool
samefile(std::FILE *fp, const char *name)
{
#ifndef _WIN32
	struct stat a {};
	struct stat b {};

	if (fstat(fileno(fp), &a) != 0 || stat(name, &b) != 0)
		return false;
	return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
#else
	// stat gives no file identity on Windows, and links there need
	// privileges that a build script seldom has.
	(void)fp;
	(void)name;
	return false;
#endif
}
