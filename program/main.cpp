// ylcskelvo: the desktop launcher of 云岭传说 on the Kelvo portal. One executable plays every
// role; the command line chooses it.

#include "program/app/kestrun3_app.h"

int main(int argc, char** argv) {
  ylcs::CKestrun3App app(argc, argv);
  if (app.InitInstance()) app.Run();
  return app.ExitInstance();
}
