// Entry point of Pinzola.
#include "paint/canvas/mainpinz.h"
#include "platform/application.h"

int main(int argc, char** argv) {
  pz::Application app(argc, argv);
  return pz::runPinzola(app);
}
