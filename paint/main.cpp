// Entry point of Pinzola.
#include "paint/canvas/mainpinz.h"
#include "platform/application.h"
#include "platform/widgetmap.h"

int main(int argc, char** argv) {
  pz::Application app(argc, argv);
  pz::watchWidgetMap();
  return pz::runPinzola(app);
}
