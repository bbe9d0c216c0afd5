#pragma once
// What a player needs of a RIFF WAVE file: its PCM format and its samples.

#include <cstdint>
#include <optional>
#include <span>

namespace paarvinder {

struct WaveSamples {
  int channels = 0;
  int samplesPerSecond = 0;
  int bitsPerSample = 0;
  std::span<const std::uint8_t> data;  // interleaved frames, inside the file's bytes

  int BytesPerFrame() const { return channels * bitsPerSample / 8; }
  std::size_t Frames() const { return data.size() / static_cast<std::size_t>(BytesPerFrame()); }
};

// The "fmt " and "data" chunks of uncompressed PCM, wherever they lie among
// the other chunks (each padded to an even length). Empty for anything else:
// not RIFF WAVE, not PCM, or chunks that run past the end.
std::optional<WaveSamples> ParseWave(std::span<const std::uint8_t> file);

}  // namespace paarvinder
