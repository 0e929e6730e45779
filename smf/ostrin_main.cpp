#include "smf/ostrin.h"
#include "smf/program.h"

int main(int argc, char** argv) {
  return scoretext::smf::run_program(scoretext::smf::run_ostrin, argc, argv);
}
