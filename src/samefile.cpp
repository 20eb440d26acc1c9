// samefile: tell whether a name is another name for an open file.
#include "samefile.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <windows.h>
#else
#include <sys/stat.h>
#endif

// The image is emptied before the source is read, so an image name that is
// a link to the source (symbolic or hard, both of which Windows users make
// too) would destroy the program before a byte of it is read. A name that
// does not exist yet is no other file's.
bool
samefile(std::FILE *fp, const char *name)
{
#ifdef _WIN32
	// stat has no file identity here; a volume and a file index do. The
	// name is opened without access rights, which any file allows, and
	// with backup semantics, which a directory needs to open at all.
	BY_HANDLE_FILE_INFORMATION a = {};
	BY_HANDLE_FILE_INFORMATION b = {};
	HANDLE src = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(fp)));
	HANDLE h = CreateFileA(
		name, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
		nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
	if (h == INVALID_HANDLE_VALUE)
		return false;
	bool same = GetFileInformationByHandle(src, &a) != 0 &&
		    GetFileInformationByHandle(h, &b) != 0 &&
		    a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
		    a.nFileIndexHigh == b.nFileIndexHigh &&
		    a.nFileIndexLow == b.nFileIndexLow;
	CloseHandle(h);
	return same;
#else
	struct stat a {};
	struct stat b {};

	if (fstat(fileno(fp), &a) != 0 || stat(name, &b) != 0)
		return false;
	return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
#endif
}
