#include "store/TAnwendungskontext.h"

TAnwendungskontext& Anwendungskontext() {
    // One per program; it outlives every window and service that uses it.
    static TAnwendungskontext kontext;
    return kontext;
}
