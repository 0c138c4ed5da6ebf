#include "app/timer.h"

namespace numoria {

std::u16string ClockCaption(const LocalTime& now) {
  if (now.hour == 0 && now.minute == 0 && now.second == 0) return now.date;
  return now.date + u' ' + now.time;
}

void Timer1_Timer(Controls& controls) {
  controls.SetCaption(Control::kLabel12, ClockCaption(controls.Now()));
}

}  // namespace numoria
