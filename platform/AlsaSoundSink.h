#pragma once
// The sounds played through ALSA. With no sound device, or one that fails,
// nothing is heard, nothing is written to stderr (ALSA's own messages are
// silenced for the whole process) and nothing waits: the device is opened
// without blocking and every wait has an end.

#include <list>
#include <memory>
#include <string>

#include "platform/Sound.h"

namespace paarvinder {

class AlsaSoundSink final : public SoundSink {
 public:
  // `device` is an ALSA PCM name; "default" follows the user's sound setup.
  explicit AlsaSoundSink(std::string device = "default");
  // Cuts off the sounds that still play and waits for their threads.
  ~AlsaSoundSink() override;

  void PlaySync(SoundName name) override;
  // Each sound plays on a thread of its own with a device handle of its own,
  // so a new one may start while an earlier one still plays. Called from one
  // thread only.
  void PlayAsync(SoundName name) override;

 private:
  struct Player;
  void ForgetFinishedPlayers();

  std::string device_;
  std::list<std::unique_ptr<Player>> players_;
};

}  // namespace paarvinder
