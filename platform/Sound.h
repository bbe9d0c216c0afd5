#pragma once
// The two sounds of a search run and what plays them.

#include <cstdint>
#include <span>

namespace paarvinder {

enum class SoundName { Hebbes, Stop };

// The embedded RIFF WAVE file of a sound, byte for byte.
std::span<const std::uint8_t> WaveResource(SoundName name);

class SoundSink {
 public:
  virtual ~SoundSink() = default;
  // Returns when the sound has been played (at once when it cannot be).
  virtual void PlaySync(SoundName name) = 0;
  // Starts the sound and returns at once.
  virtual void PlayAsync(SoundName name) = 0;
};

}  // namespace paarvinder
