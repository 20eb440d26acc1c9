// samefile: tell whether a name is another name for an open file.
#ifndef LODEWISE_SAMEFILE_H
#define LODEWISE_SAMEFILE_H

#include <cstdio>

bool samefile(std::FILE *fp, const char *name);

#endif
