#include "evaluation/TUhr.h"

const TUhr& Systemuhr() {
    static const TUhr uhr;
    return uhr;
}
