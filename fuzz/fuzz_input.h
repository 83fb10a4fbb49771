#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

// Takes the fuzzer's bytes apart into the few choices a target makes and the rest.
class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size)
      : m_rest(reinterpret_cast<const char*>(data), size) {}

  std::uint8_t Byte() {
    if (m_rest.empty()) return 0;
    const auto byte = static_cast<std::uint8_t>(m_rest.front());
    m_rest.remove_prefix(1);
    return byte;
  }

  // At most maxLength bytes, the length taken from the input itself.
  std::string_view Text(std::size_t maxLength) {
    const std::size_t length = std::min<std::size_t>(Byte() % (maxLength + 1), m_rest.size());
    const std::string_view text = m_rest.substr(0, length);
    m_rest.remove_prefix(length);
    return text;
  }

  std::string_view Rest() const { return m_rest; }

 private:
  std::string_view m_rest;
};

// Stops the run, which the fuzzer reports with the input, when a property does not hold.
inline void Check(bool condition) {
  if (!condition) std::abort();
}
