// Entry point of Pinzola.
#include "paint/canvas/mainpinz.h"
#include "platform/application.h"
#include "platform/folders.h"
#include "platform/language.h"

int main(int argc, char** argv) {
  pz::Application app(argc, argv);
  pz::installLanguage(pz::languageFromEnvironment(), pz::translationsFolder(pz::programFolder()));
  return pz::runPinzola(app);
}
