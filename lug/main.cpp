#include "formprogram.h"
#include "lugcheckwindow.h"

int main(int argc, char **argv) {
    return runtime::RunFormProgram(argc, argv, "harnock", [] { return new lug::LugCheckWindow; });
}
