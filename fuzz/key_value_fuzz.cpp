// ReadKeyValue over arbitrary bytes, keys and buffer capacities, asked several keys in a row
// of one stream as every reader does; read a character at a time from any stream and a line at
// a time from a TextBuffer, with the same results.
#include <cstdlib>
#include <istream>
#include <sstream>
#include <string>

#include "fuzz_input.h"
#include "storage/key_value.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const std::size_t capacity = input.Byte();
  const std::size_t keyCount = input.Byte() % 5;
  std::string keys[4];
  for (std::size_t i = 0; i < keyCount; ++i) {
    // One key in four is the note's, which reads the rest of the stream.
    keys[i] =
        (input.Byte() % 4 == 0) ? std::string(vesmira::kNoteKey) : std::string(input.Text(48));
  }
  std::istringstream in{std::string(input.Rest())};
  vesmira::TextBuffer buffer{std::string(input.Rest())};
  std::istream memory(&buffer);

  const std::size_t limit = capacity > 1 ? capacity - 1 : 1;
  bool atEnd = false;
  for (std::size_t i = 0; i < keyCount; ++i) {
    const vesmira::KeyValue result = vesmira::ReadKeyValue(in, keys[i], capacity);
    const vesmira::KeyValue fromMemory = vesmira::ReadKeyValue(memory, keys[i], capacity);
    Check(result.found == fromMemory.found && result.value == fromMemory.value);
    Check(in.rdstate() == memory.rdstate());
    Check(buffer.Unread().size() == static_cast<std::size_t>(in.rdbuf()->in_avail()));
    if (atEnd) Check(!result.found && result.value.empty());
    if (!result.found) {
      // The last piece the search read, a piece never longer than the buffer.
      Check(result.value.size() <= limit);
      atEnd = true;
    } else if (keys[i] != vesmira::kNoteKey) {
      Check(result.value.size() <= limit);
      Check(result.value.find('\n') == std::string::npos);
    }
  }
  return 0;
}
