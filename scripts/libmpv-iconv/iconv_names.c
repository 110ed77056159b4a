/* The names of character sets, as uchardet answers them and as libmpv and its users pass them. */
#include "iconv_names.h"

#include <ctype.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>

struct named_code_page {
    const char *name;
    int code_page;
};

/* Every name uchardet 0.0.7 can answer is here (the build checks it), with the usual aliases.
 * The ISO 8859 and national names of Latin-1, Latin-5 and Thai mean the Windows code page that
 * extends them, as browsers read them: files that say or are guessed ISO-8859-1 are in practice
 * Windows-1252, whose curly quotes, dashes and euro sign sit where ISO-8859-1 has control
 * characters. ISO-8859-8-I differs from ISO-8859-8 in the order of the text, not in its bytes.
 * ICONV_NOT_OFFERED: Windows has no such code page (VISCII, EUC-TW, ISO-8859-10 and -16), or the
 * encoding keeps a state between characters (ISO-2022, HZ), which this converter does not; libmpv
 * then falls back as for a failed guess. */
static const struct named_code_page kNames[] = {
    {"UTF-8", 65001},          {"UTF8", 65001},
    {"UTF-16", ICONV_UTF16},   {"UTF-16LE", ICONV_UTF16LE}, {"UTF-16BE", ICONV_UTF16BE},
    {"UTF-32", ICONV_UTF32},   {"UTF-32LE", ICONV_UTF32LE}, {"UTF-32BE", ICONV_UTF32BE},
    {"UCS-2LE", ICONV_UTF16LE}, {"UCS-2BE", ICONV_UTF16BE},
    {"ASCII", 20127},          {"US-ASCII", 20127},
    {"ISO-8859-1", 1252},      {"LATIN1", 1252},          {"ISO-8859-2", 28592},
    {"ISO-8859-3", 28593},     {"ISO-8859-4", 28594},     {"ISO-8859-5", 28595},
    {"ISO-8859-6", 28596},     {"ISO-8859-7", 28597},     {"ISO-8859-8", 28598},
    {"ISO-8859-8-I", 28598},   {"ISO-8859-9", 1254},      {"ISO-8859-11", 874},
    {"ISO-8859-13", 28603},    {"ISO-8859-15", 28605},    {"TIS-620", 874},
    {"KOI8-R", 20866},         {"KOI8-U", 21866},         {"MAC-CENTRALEUROPE", 10029},
    {"MAC-CYRILLIC", 10007},   {"SHIFT_JIS", 932},        {"SHIFT-JIS", 932},
    {"SJIS", 932},             {"EUC-JP", 20932},         {"GB2312", 936},
    {"GBK", 936},              {"GB18030", 54936},        {"BIG5", 950},
    {"BIG5-HKSCS", 950},       {"EUC-KR", 949},           {"UHC", 949},
    {"ISO-8859-10", ICONV_NOT_OFFERED},  {"ISO-8859-16", ICONV_NOT_OFFERED},
    {"VISCII", ICONV_NOT_OFFERED},       {"EUC-TW", ICONV_NOT_OFFERED},
    {"ISO-2022-JP", ICONV_NOT_OFFERED},  {"ISO-2022-KR", ICONV_NOT_OFFERED},
    {"ISO-2022-CN", ICONV_NOT_OFFERED},  {"HZ-GB-2312", ICONV_NOT_OFFERED},
};

/* "CP1251", "WINDOWS-1251", "IBM866", "MS932": the code page by its number. */
static int numbered_code_page(const char *name, size_t length)
{
    static const char *const prefixes[] = {"CP", "WINDOWS-", "IBM", "MS"};
    for (size_t i = 0; i < sizeof prefixes / sizeof prefixes[0]; i++) {
        const size_t n = strlen(prefixes[i]);
        if (length <= n || length > n + 5 || strncasecmp(name, prefixes[i], n) != 0)
            continue;
        int number = 0;
        for (size_t k = n; k < length; k++) {
            if (!isdigit((unsigned char)name[k]))
                return ICONV_UNKNOWN;
            number = number * 10 + (name[k] - '0');
        }
        return number > 0 ? number : ICONV_UNKNOWN;
    }
    return ICONV_UNKNOWN;
}

int iconv_code_page(const char *name)
{
    const char *suffix = strstr(name, "//");
    const size_t length = suffix ? (size_t)(suffix - name) : strlen(name);
    for (size_t i = 0; i < sizeof kNames / sizeof kNames[0]; i++)
        if (strlen(kNames[i].name) == length && strncasecmp(kNames[i].name, name, length) == 0)
            return kNames[i].code_page;
    return numbered_code_page(name, length);
}

#ifdef ICONV_NAMES_CHECK
/* The build's check: prints each name on standard input that the table does not know. */
#include <stdio.h>

int main(void)
{
    char line[256];
    int unknown = 0;
    while (fgets(line, sizeof line, stdin)) {
        line[strcspn(line, "\r\n")] = '\0';
        if (line[0] && iconv_code_page(line) == ICONV_UNKNOWN) {
            printf("%s\n", line);
            unknown = 1;
        }
    }
    return unknown;
}
#endif
