#include "platform/sdl/thread_priority.h"

#include <sched.h>

namespace platform {

bool RaiseThisThread(int priority) {
  sched_param parameters{};
  parameters.sched_priority = priority;
  return sched_setscheduler(0, SCHED_RR | SCHED_RESET_ON_FORK, &parameters) == 0;
}

}  // namespace platform
