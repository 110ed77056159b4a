// Prints the extensions of the open-file dialog's video patterns, one a line (".mp4"), for the
// installer's file associations and the package managers' manifests: they offer exactly what the
// program offers. Built for the build machine and run by scripts/package-common.
#include <cstdio>
#include <string_view>

#include "app/file_types.h"

int main() {
    std::string_view rest = kVideoPatterns;
    while (!rest.empty()) {
        const size_t end = rest.find(';');
        const std::string_view pattern = rest.substr(0, end);
        // Anything but "*.ext" would make a wrong association; better no package than that.
        if (pattern.size() < 3 || pattern.substr(0, 2) != "*." || pattern.find_first_of("*?", 1) != pattern.npos) {
            std::fprintf(stderr, "not a \"*.ext\" pattern: %.*s\n", static_cast<int>(pattern.size()), pattern.data());
            return 1;
        }
        std::printf("%.*s\n", static_cast<int>(pattern.size() - 1), pattern.data() + 1);
        rest = end == rest.npos ? std::string_view{} : rest.substr(end + 1);
    }
    return 0;
}
