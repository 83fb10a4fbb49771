// The properties reader over arbitrary bytes, and the writers read back.
#include <cstdlib>
#include <sstream>
#include <string>

#include "fuzz_input.h"
#include "settings/properties_file.h"
#include "storage/key_value.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  {
    std::istringstream in{std::string(input.Rest())};
    (void)vesmira::ReadProperties(in);
  }

  // Texts of the properties dialog: what they stand for as numbers is what reads back.
  vesmira::PropertiesTexts texts;
  auto text = [&input] {
    std::string value(input.Text(vesmira::kValueCapacity - 1));
    for (char& c : value) {
      if (c == '\n' || c == '\r') c = ' ';
    }
    return value;
  };
  texts.grundForbrukning = text();
  texts.mal = text();
  for (auto& rate : texts.activityKal) rate = text();
  texts.kilograms = input.Byte() % 2 == 0;
  std::ostringstream out;
  vesmira::WriteProperties(out, texts);
  std::istringstream in(out.str());
  Check(vesmira::ReadProperties(in) == texts.Settings());
  return 0;
}
