// The command the recipes add: "note" writes its operand line into the
// protocol. A handler consumes its line and its operands.
#include "core/TForm1.h"
#include "script/Commands.h"

namespace game::script {

Ending note(TForm1& f1) {
  f1.log(line(f1, 1));
  deleteLines(f1, 2);
  return Ending::Check;
}

}  // namespace game::script
