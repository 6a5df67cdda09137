#include "engine/cycle_state.h"

namespace tervalo {

CycleStateRecord CycleState;
double Superheat = 0;

void ResetCycleState() {
    CycleState = CycleStateRecord{};
    Superheat = 0;
}

}  // namespace tervalo
