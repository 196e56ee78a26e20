// Writes the drop-shadow picture to the PNG file named on the command line.

#include <cstdio>

#include "ui/resources/shadow_image.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: vantor_generate_shadow OUTPUT.png\n", stderr);
        return 2;
    }
    if (!MakeShadowImage().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "vantor_generate_shadow: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
