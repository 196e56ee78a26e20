#include "app/application/calc_app.h"

int main(int argc, char** argv) {
    return RunCalculatorApplication(argc, argv);
}
