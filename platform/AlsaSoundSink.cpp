#include "platform/AlsaSoundSink.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <memory>
#include <mutex>
#include <stop_token>
#include <thread>

#include "platform/WaveFile.h"

namespace paarvinder {

namespace {

using SteadyClock = std::chrono::steady_clock;

void IgnoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

void SilenceAlsa() {
  static std::once_flag once;
  std::call_once(once, [] { snd_lib_error_set_handler(&IgnoreAlsaMessage); });
}

struct PcmCloser {
  void operator()(snd_pcm_t* pcm) const { snd_pcm_close(pcm); }
};
using Pcm = std::unique_ptr<snd_pcm_t, PcmCloser>;

// Plays one sound to its end, unless `stop` is requested or the device does
// not keep up: no sound waits longer than its own length and a margin.
void Play(const std::string& device, SoundName name, std::stop_token stop) {
  const std::optional<WaveSamples> wave = ParseWave(WaveResource(name));
  if (!wave) return;
  snd_pcm_t* opened = nullptr;
  if (snd_pcm_open(&opened, device.c_str(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) return;
  const Pcm pcm(opened);
  const snd_pcm_format_t format = wave->bitsPerSample == 8 ? SND_PCM_FORMAT_U8 : SND_PCM_FORMAT_S16_LE;
  constexpr unsigned kLatencyMicroseconds = 100'000;
  if (snd_pcm_set_params(pcm.get(), format, SND_PCM_ACCESS_RW_INTERLEAVED, static_cast<unsigned>(wave->channels),
                         static_cast<unsigned>(wave->samplesPerSecond), 1, kLatencyMicroseconds) < 0) {
    return;
  }

  const auto length = std::chrono::milliseconds(1000 * wave->Frames() / static_cast<std::size_t>(wave->samplesPerSecond));
  const SteadyClock::time_point deadline = SteadyClock::now() + length + std::chrono::seconds(2);
  auto giveUp = [&] { return stop.stop_requested() || SteadyClock::now() > deadline; };

  const std::uint8_t* next = wave->data.data();
  snd_pcm_uframes_t left = wave->Frames();
  while (left > 0) {
    if (giveUp()) return;
    const snd_pcm_sframes_t written = snd_pcm_writei(pcm.get(), next, left);
    if (written == -EAGAIN) {
      snd_pcm_wait(pcm.get(), 20);
    } else if (written < 0) {
      if (snd_pcm_recover(pcm.get(), static_cast<int>(written), 1) < 0) return;
    } else {
      next += static_cast<std::size_t>(written) * static_cast<std::size_t>(wave->BytesPerFrame());
      left -= static_cast<snd_pcm_uframes_t>(written);
    }
  }
  // A sound shorter than the buffer has not started by itself.
  if (snd_pcm_state(pcm.get()) == SND_PCM_STATE_PREPARED) snd_pcm_start(pcm.get());

  // Wait until the device has played what it holds.
  for (;;) {
    if (giveUp()) return;
    snd_pcm_sframes_t delay = 0;
    if (snd_pcm_state(pcm.get()) != SND_PCM_STATE_RUNNING || snd_pcm_delay(pcm.get(), &delay) < 0 || delay <= 0) {
      return;
    }
    const auto remaining = std::chrono::microseconds(1'000'000 * delay / wave->samplesPerSecond);
    std::this_thread::sleep_for(std::min<std::chrono::microseconds>(remaining, std::chrono::milliseconds(20)));
  }
}

}  // namespace

struct AlsaSoundSink::Player {
  std::atomic<bool> finished{false};
  std::jthread thread;  // declared last: joined before `finished` goes
};

AlsaSoundSink::AlsaSoundSink(std::string device) : device_(std::move(device)) { SilenceAlsa(); }

AlsaSoundSink::~AlsaSoundSink() = default;

void AlsaSoundSink::PlaySync(SoundName name) { Play(device_, name, {}); }

void AlsaSoundSink::PlayAsync(SoundName name) {
  ForgetFinishedPlayers();
  auto player = std::make_unique<Player>();
  Player& started = *player;
  started.thread = std::jthread([device = device_, name, &started](std::stop_token stop) {
    Play(device, name, stop);
    started.finished = true;
  });
  players_.push_back(std::move(player));
}

void AlsaSoundSink::ForgetFinishedPlayers() {
  players_.remove_if([](const std::unique_ptr<Player>& player) { return player->finished.load(); });
}

}  // namespace paarvinder
