#include "ardic.h"
#include "program.h"

int main(int argc, char** argv) {
  return scoretext::smf::run_program(scoretext::smf::run_ardic, argc, argv);
}
