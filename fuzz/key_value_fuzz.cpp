// ReadKeyValue over arbitrary bytes, keys and buffer capacities, asked several keys in a row
// of one reader as every reader of a file does.
#include <cstdlib>
#include <string>

#include "fuzz_input.h"
#include "storage/key_value.h"

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
  const std::string bytes(input.Rest());
  vesmira::KeyValueReader in(bytes);

  const std::size_t limit = capacity > 1 ? capacity - 1 : 1;
  bool atEnd = false;
  for (std::size_t i = 0; i < keyCount; ++i) {
    const std::size_t unread = in.Unread().size();
    const vesmira::KeyValue result = vesmira::ReadKeyValue(in, keys[i], capacity);
    // Forward only, and never past the bytes.
    Check(in.Unread().size() <= unread);
    Check(in.Unread().empty() ||
          in.Unread().data() + in.Unread().size() == bytes.data() + bytes.size());
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
