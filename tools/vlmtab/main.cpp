// vlmtab: the command-line tool over the lesson table engine (see Befehlszeile.h).

#include "store/DialogDienst.h"
#include "vlmtab/Befehlszeile.h"

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    // A write past a file-size limit is reported as a failed write with its message and the
    // exit status, not a signal that ends the tool in the middle of a save.
    std::signal(SIGXFSZ, SIG_IGN);
    KonsolenDialogDienst konsole; // the engine's boxes go to standard error
    const DialogDienstEinsatz einsatz(konsole);
    const std::vector<std::string> argumente(argv + 1, argv + argc);
    int status = vlmtab::Befehlszeile(argumente, std::cout, std::cerr);
    if (status == vlmtab::Erfolg && konsole.Fehleranzahl > 0) status = vlmtab::Fehlschlag;
    std::cout.flush();
    if (!std::cout && status == vlmtab::Erfolg) status = vlmtab::Fehlschlag;
    return status;
}
