#include "objects/kern/TSeitenfenster.h"

#include "objects/rollen/TSeitenfensterwahl.h"
#include "store/TAnwendungskontext.h"

TSeitenfenster* AktuellesSeitenfenster() {
    return Rolle<TSeitenfensterwahl>().Aktuell;
}
