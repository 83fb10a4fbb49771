#include "periods/ui/calculate_command.h"

#include "diary/ui/vesmira_view.h"
#include "periods/theoretical_result.h"
#include "ui/stored_text.h"

namespace vesmira {

RangeWalkInput FormWalkInput(const CVesmiraView& view) {
  return {view.DataFolder(), view.CurrentUserName(), view.Settings(), view.Today()};
}

void RunCalculate(CVesmiraView& view) {
  // A day that cannot be stored has been reported; the periods are still shown from the
  // days that are stored, and the Day column from the form as it stands.
  static_cast<void>(view.SaveDay());
  const TheoreticalResult result =
      CalculateTheoreticalResult(FormWalkInput(view), ToStoredBytes(view.EnergyInText()),
                                 ToStoredBytes(view.TrainingText()), view.Series());
  view.ShowTheoreticalResult(result);
}

}  // namespace vesmira
