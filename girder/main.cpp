#include "formprogram.h"
#include "mainwindow.h"

int main(int argc, char *argv[]) {
    return runtime::RunFormProgram(argc, argv, "corvell", [] { return new girder::MainWindow; });
}
