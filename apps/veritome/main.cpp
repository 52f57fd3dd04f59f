// veritome: the window that computes and verifies the hash codes of a dropped file.
#include "Program.h"

int main(int argc, char** argv) {
    veritome::Program program;
    return program.run(argc, argv);
}
