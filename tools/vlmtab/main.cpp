// vlmtab: the command-line tool over the lesson table engine (see Befehlszeile.h).

#include "store/DialogDienst.h"
#include "vlmtab/Befehlszeile.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    KonsolenDialogDienst konsole; // the engine's boxes go to standard error
    DialogeSetzen(&konsole);
    const std::vector<std::string> argumente(argv + 1, argv + argc);
    int status = vlmtab::Befehlszeile(argumente, std::cout, std::cerr);
    if (status == vlmtab::Erfolg && konsole.Fehleranzahl > 0) status = vlmtab::Fehlschlag;
    std::cout.flush();
    if (!std::cout && status == vlmtab::Erfolg) status = vlmtab::Fehlschlag;
    DialogeSetzen(nullptr);
    return status;
}
