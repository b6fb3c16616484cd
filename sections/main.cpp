#include "myapp.h"

int main(int argc, char **argv) {
    return fenwold::RunFenwold(argc, argv);
}
