#include "platform/WaveFile.h"

#include <algorithm>
#include <string_view>

namespace paarvinder {

namespace {

std::uint32_t Le32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t Le16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

bool IdIs(std::span<const std::uint8_t> bytes, std::size_t at, std::string_view id) {
  return std::string_view(reinterpret_cast<const char*>(bytes.data() + at), 4) == id;
}

}  // namespace

std::optional<WaveSamples> ParseWave(std::span<const std::uint8_t> file) {
  if (file.size() < 12 || !IdIs(file, 0, "RIFF") || !IdIs(file, 8, "WAVE")) return std::nullopt;
  const std::size_t end = std::min<std::size_t>(file.size(), std::size_t{Le32(file, 4)} + 8);

  std::optional<WaveSamples> wave;
  for (std::size_t at = 12; at + 8 <= end;) {
    const std::size_t size = Le32(file, at + 4);
    const std::size_t body = at + 8;
    if (size > end - body) return std::nullopt;
    if (IdIs(file, at, "fmt ")) {
      if (size < 16 || Le16(file, body) != 1) return std::nullopt;  // PCM only
      wave.emplace();
      wave->channels = Le16(file, body + 2);
      wave->samplesPerSecond = static_cast<int>(Le32(file, body + 4));
      wave->bitsPerSample = Le16(file, body + 14);
    } else if (IdIs(file, at, "data")) {
      if (!wave) return std::nullopt;
      wave->data = file.subspan(body, size);
      break;
    }
    at = body + size + (size % 2);
  }
  if (!wave || wave->data.empty()) return std::nullopt;
  const bool supported = wave->channels >= 1 && wave->samplesPerSecond > 0 &&
                         (wave->bitsPerSample == 8 || wave->bitsPerSample == 16);
  if (!supported) return std::nullopt;
  return wave;
}

}  // namespace paarvinder
