#include "platform/Sound.h"

#include <cstddef>

namespace paarvinder {

namespace embedded {
// Written from resources/sounds/*.wav at configure time.
extern const std::uint8_t kHebbesWave[];
extern const std::size_t kHebbesWaveSize;
extern const std::uint8_t kStopWave[];
extern const std::size_t kStopWaveSize;
}  // namespace embedded

std::span<const std::uint8_t> WaveResource(SoundName name) {
  switch (name) {
    case SoundName::Hebbes: return {embedded::kHebbesWave, embedded::kHebbesWaveSize};
    case SoundName::Stop: return {embedded::kStopWave, embedded::kStopWaveSize};
  }
  return {};
}

}  // namespace paarvinder
