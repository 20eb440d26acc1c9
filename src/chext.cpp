// chext: derive a file name from another by replacing its extension.
#include "chext.h"

#include <cstring>

// The stem ends at the first '.', and only if that '.' is among the first
// eleven characters: the names the program was made for are short names in
// the current folder, so a directory part, with a '.' of its own or longer
// than that, makes a stem a user did not mean (or none).
fname
chext(const char *name, const char *newext)
{
	fname r = {};
	std::size_t i = 0;

	// Stop at the NUL as well: a '.' past the end of the name never counts.
	while (i < 11 && name[i] != '\0' && name[i] != '.')
		i++;
	if (i == 11 || name[i] != '.')
		return r;

	std::size_t ext = std::strlen(newext);
	if (i + 1 + ext >= sizeof r.s)
		return r;
	std::memcpy(r.s, name, i + 1);
	std::memcpy(r.s + i + 1, newext, ext + 1);
	return r;
}
