#include "app/Programm.h"

int main(int argc, char** argv) {
    return ProgrammAusfuehren(argc, argv);
}
