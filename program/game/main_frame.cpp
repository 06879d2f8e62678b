#include "program/game/main_frame.h"

#include "program/app/not_built.h"

namespace ylcs {

bool CreateGameFrame(CKestrun3App&) {
  ReportNotBuilt("the game frame");
  return false;
}

}  // namespace ylcs
