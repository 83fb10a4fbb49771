#include "diary/energy_model.h"

#include "storage/number_text.h"

namespace vesmira {

std::string_view WeightCaption(const UserSettings& settings) {
  return settings.UsesKilograms() ? kWeightCaptionKg : kWeightCaptionLbs;
}

DayBalance ComputeDayBalance(const DayFigures& figures, const UserSettings& settings) {
  DayBalance balance;
  std::int64_t training = figures.ovrigForbrukning;
  for (std::size_t i = 0; i < kActivityCount; ++i) {
    // Each activity is truncated on its own before anything is summed.
    const std::int64_t product =
        std::int64_t{figures.minutes[i]} * std::int64_t{settings.activityKal[i]};
    balance.activityKcal[i] = SaturateToInt32(product / 60);
    training += balance.activityKcal[i];
  }
  std::int64_t energyIn = 0;
  for (const std::int32_t meal : figures.meals) energyIn += meal;

  balance.energyIn = SaturateToInt32(energyIn);
  balance.training = SaturateToInt32(training);
  balance.sum = SaturateToInt32(std::int64_t{balance.energyIn} - balance.training);
  balance.target = settings.mal;
  balance.kcalLeft = SaturateToInt32(std::int64_t{balance.target} - balance.sum);
  balance.normalConsumption = settings.grundForbrukning;
  balance.kcalLeftColour = balance.kcalLeft < 0 ? kWarningColour : kGoodColour;
  balance.weightCaption = WeightCaption(settings);
  return balance;
}

}  // namespace vesmira
