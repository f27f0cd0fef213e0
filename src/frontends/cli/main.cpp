// korvel: the headless tool.
#include "frontends/cli/cli.h"

int main(int argc, char** argv) { return cli::Main(argc, argv); }
