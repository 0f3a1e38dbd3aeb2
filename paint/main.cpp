// Entry point of Pinzola.
#include "paint/canvas/mainpinz.h"
#include "platform/application.h"
#include "platform/widgetmap.h"

int main(int argc, char** argv) {
  pz::Application app(argc, argv);
  pz::watchWidgetMap();  // only when an end-to-end test asks for it
  return pz::runPinzola(app);
}
