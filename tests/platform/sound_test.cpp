#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/AlsaSoundSink.h"
#include "platform/Sound.h"
#include "platform/WaveFile.h"

namespace paarvinder {
namespace {

std::uint32_t Le32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t Le16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::string Id(std::span<const std::uint8_t> bytes, std::size_t at) {
  return std::string(reinterpret_cast<const char*>(bytes.data() + at), 4);
}

// The header and the fmt chunk both sounds share, and their data chunk.
void ExpectPcmHeaderAndData(std::span<const std::uint8_t> wave, std::uint32_t dataSize) {
  EXPECT_EQ(Id(wave, 0), "RIFF");
  EXPECT_EQ(Le32(wave, 4), wave.size() - 8);
  EXPECT_EQ(Id(wave, 8), "WAVE");
  EXPECT_EQ(Id(wave, 12), "fmt ");
  EXPECT_EQ(Le32(wave, 16), 16u);
  EXPECT_EQ(Le16(wave, 20), 1);        // PCM
  EXPECT_EQ(Le16(wave, 22), 1);        // mono
  EXPECT_EQ(Le32(wave, 24), 22050u);   // samples per second
  EXPECT_EQ(Le32(wave, 28), 22050u);   // bytes per second
  EXPECT_EQ(Le16(wave, 32), 1);        // block align
  EXPECT_EQ(Le16(wave, 34), 8);        // bits per sample
  EXPECT_EQ(Id(wave, 36), "data");
  EXPECT_EQ(Le32(wave, 40), dataSize);
  EXPECT_EQ(wave[44 + dataSize], 0) << "pad byte";
}

TEST(EmbeddedSounds, HebbesLayout) {
  const auto wave = WaveResource(SoundName::Hebbes);
  ASSERT_EQ(wave.size(), 1654u);
  ExpectPcmHeaderAndData(wave, 1609);
  EXPECT_EQ(44u + 1609u + 1u, wave.size());
}

TEST(EmbeddedSounds, StopLayout) {
  const auto wave = WaveResource(SoundName::Stop);
  ASSERT_EQ(wave.size(), 21778u);
  ExpectPcmHeaderAndData(wave, 19777);

  // After the data: LIST of type INFO, then two DISP chunks, up to the end.
  std::size_t at = 44 + 19777 + 1;
  ASSERT_EQ(Id(wave, at), "LIST");
  const std::uint32_t listSize = Le32(wave, at + 4);
  EXPECT_EQ(Id(wave, at + 8), "INFO");
  std::size_t sub = at + 12;
  const std::size_t listEnd = at + 8 + listSize;
  std::vector<std::string> infoIds;
  while (sub < listEnd) {
    infoIds.push_back(Id(wave, sub));
    const std::uint32_t size = Le32(wave, sub + 4);
    sub += 8 + size + size % 2;
  }
  EXPECT_EQ(sub, listEnd) << "INFO entries fill the list exactly";
  EXPECT_FALSE(infoIds.empty());
  at = listEnd + listSize % 2;

  for (const std::uint32_t clipboardFormat : {1u, 8u}) {  // a title text, a picture
    ASSERT_LT(at + 12, wave.size());
    EXPECT_EQ(Id(wave, at), "DISP");
    const std::uint32_t size = Le32(wave, at + 4);
    EXPECT_EQ(Le32(wave, at + 8), clipboardFormat);
    if (size % 2) {
      EXPECT_EQ(wave[at + 8 + size], 0) << "pad byte";
    }
    at += 8 + size + size % 2;
  }
  EXPECT_EQ(at, wave.size());
}

TEST(WaveFile, ReadsTheEmbeddedSounds) {
  struct Case {
    SoundName name;
    std::size_t frames;
  };
  for (const Case c : {Case{SoundName::Hebbes, 1609}, Case{SoundName::Stop, 19777}}) {
    const auto file = WaveResource(c.name);
    const std::optional<WaveSamples> wave = ParseWave(file);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->channels, 1);
    EXPECT_EQ(wave->samplesPerSecond, 22050);
    EXPECT_EQ(wave->bitsPerSample, 8);
    EXPECT_EQ(wave->Frames(), c.frames);
    EXPECT_EQ(wave->data.data(), file.data() + 44);
    // Both fade out into silence.
    EXPECT_EQ(wave->data.back(), 128);
  }
}

std::vector<std::uint8_t> Chunk(std::string_view id, std::vector<std::uint8_t> body) {
  std::vector<std::uint8_t> out(id.begin(), id.end());
  const auto size = static_cast<std::uint32_t>(body.size());
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(size >> shift));
  out.insert(out.end(), body.begin(), body.end());
  if (body.size() % 2) out.push_back(0);
  return out;
}

std::vector<std::uint8_t> Riff(std::initializer_list<std::vector<std::uint8_t>> chunks) {
  std::vector<std::uint8_t> body{'W', 'A', 'V', 'E'};
  for (const auto& chunk : chunks) body.insert(body.end(), chunk.begin(), chunk.end());
  return Chunk("RIFF", body);
}

std::vector<std::uint8_t> Fmt(std::uint16_t tag, std::uint16_t channels, std::uint16_t bits) {
  return Chunk("fmt ", {static_cast<std::uint8_t>(tag), 0, static_cast<std::uint8_t>(channels), 0,
                        0x44, 0xAC, 0, 0, 0x10, 0xB1, 2, 0, 4, 0, static_cast<std::uint8_t>(bits), 0});
}

TEST(WaveFile, FindsChunksAndRefusesWhatItCannotPlay) {
  const std::vector<std::uint8_t> samples{1, 2, 3, 4, 5, 6, 7, 8};
  // An odd chunk before the format, a list between format and data.
  const auto good = Riff({Chunk("junk", {9, 9, 9}), Fmt(1, 2, 16), Chunk("LIST", {'I', 'N', 'F', 'O'}),
                          Chunk("data", samples)});
  const std::optional<WaveSamples> wave = ParseWave(good);
  ASSERT_TRUE(wave);
  EXPECT_EQ(wave->channels, 2);
  EXPECT_EQ(wave->samplesPerSecond, 44100);
  EXPECT_EQ(wave->bitsPerSample, 16);
  EXPECT_EQ(wave->Frames(), 2u);
  EXPECT_EQ(std::vector<std::uint8_t>(wave->data.begin(), wave->data.end()), samples);

  auto truncated = Riff({Fmt(1, 1, 8), Chunk("data", samples)});
  truncated.resize(truncated.size() - 3);
  auto notWave = good;
  notWave[8] = 'A';
  const std::vector<std::vector<std::uint8_t>> refused = {
      {},
      {'R', 'I', 'F', 'F'},
      notWave,
      truncated,
      Riff({Fmt(2, 1, 8), Chunk("data", samples)}),   // ADPCM
      Riff({Fmt(1, 1, 24), Chunk("data", samples)}),  // 24 bits
      Riff({Fmt(1, 0, 8), Chunk("data", samples)}),   // no channel
      Riff({Chunk("data", samples), Fmt(1, 1, 8)}),   // data before format
      Riff({Fmt(1, 1, 8)}),                           // no data
      Riff({Fmt(1, 1, 8), Chunk("data", {})}),
  };
  for (std::size_t i = 0; i < refused.size(); ++i) EXPECT_FALSE(ParseWave(refused[i])) << "case " << i;
}

// Catches what is written to file descriptor 2 while it lives.
class StderrCapture {
 public:
  StderrCapture() {
    std::fflush(stderr);
    saved_ = dup(2);
    file_ = std::tmpfile();
    dup2(fileno(file_), 2);
  }
  ~StderrCapture() { Restore(); }
  std::string Text() {
    Restore();
    std::rewind(file_);
    std::string text;
    for (int c; (c = std::fgetc(file_)) != EOF;) text += static_cast<char>(c);
    return text;
  }

 private:
  void Restore() {
    if (saved_ < 0) return;
    std::fflush(stderr);
    dup2(saved_, 2);
    close(saved_);
    saved_ = -1;
  }
  int saved_ = -1;
  std::FILE* file_ = nullptr;
};

TEST(AlsaSoundSink, WithoutADeviceReturnsAndSaysNothing) {
  // No test plays on a real device: a machine with sound would hear it.
  for (const char* device : {"paarvinder_geen_apparaat", "hw:99,0", "plughw:99"}) {
    StderrCapture capture;
    {
      AlsaSoundSink sink(device);
      sink.PlaySync(SoundName::Hebbes);
      sink.PlayAsync(SoundName::Stop);
      sink.PlayAsync(SoundName::Stop);
      sink.PlaySync(SoundName::Hebbes);
    }
    EXPECT_EQ(capture.Text(), "") << device;
  }
}

TEST(AlsaSoundSink, PlaysTheWholeDataChunk) {
  // ALSA's file device writes what it is given to a file and plays nothing.
  const std::string path = testing::TempDir() + "paarvinder-sound-" + std::to_string(getpid()) + ".raw";
  for (const SoundName name : {SoundName::Hebbes, SoundName::Stop}) {
    std::remove(path.c_str());
    StderrCapture capture;
    AlsaSoundSink("file:FILE=" + path + ",FORMAT=raw").PlaySync(name);
    EXPECT_EQ(capture.Text(), "");

    std::ifstream played(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(played), {}};
    const auto data = ParseWave(WaveResource(name))->data;
    EXPECT_EQ(bytes, std::vector<std::uint8_t>(data.begin(), data.end()));
  }
  std::remove(path.c_str());
}

TEST(AlsaSoundSink, SoundsStillPlayingEndWithTheSink) {
  StderrCapture capture;
  {
    AlsaSoundSink sink("null");
    for (int i = 0; i < 5; ++i) sink.PlayAsync(SoundName::Stop);
  }
  EXPECT_EQ(capture.Text(), "");
}

}  // namespace
}  // namespace paarvinder
