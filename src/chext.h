// chext: derive a file name from another by replacing its extension.
#ifndef LODEWISE_CHEXT_H
#define LODEWISE_CHEXT_H

// A derived name, or no name when s is empty. The stem is at most eleven
// characters, so the longest name with a four-letter extension fits.
struct fname {
	char s[16];
};

fname chext(const char *name, const char *newext);

#endif
