#include "client/main/client_main.h"

int main(int argc, char** argv) {
  CefMainArgs main_args(argc, argv);
  return RunClient(main_args);
}
