/* iconv for the libmpv-2.dll of scripts/build-libmpv: the three functions of POSIX iconv over
 * Windows' own code pages, converting into UTF-8 only (all that libmpv asks). */
#ifndef TARNWICK_ICONV_H
#define TARNWICK_ICONV_H

#include <stddef.h>

typedef void *iconv_t;

iconv_t iconv_open(const char *tocode, const char *fromcode);
size_t iconv(iconv_t cd, char **inbuf, size_t *inbytesleft, char **outbuf, size_t *outbytesleft);
int iconv_close(iconv_t cd);

#endif
