// vantor-assets <output-dir>: generates every resource the demo registers into
// <output-dir>/resources/. The output depends only on this program, so two runs write the same bytes.
#include <cstdio>
#include <string>

#include "AssetBuilder.h"

int main(int argc, char** argv) {
    if (argc != 2 || argv[1][0] == '\0') {
        std::fprintf(stderr, "usage: vantor-assets <output-dir>\n");
        return 2;
    }
    std::string error;
    if (!AssetGen::WriteAllAssets(argv[1], error)) {
        std::fprintf(stderr, "vantor-assets: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
