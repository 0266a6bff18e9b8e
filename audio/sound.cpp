#include "audio/sound.h"

#include "audio/wave_file.h"
#include "platform/platform.h"
#include "platform/sound.h"
#include "shell/notice.h"

bool soundAvailable;

namespace {

bool effectLoaded[EffectCount];

const char* ReadFailureMessage(WaveReadResult result) {
  switch (result) {
    case WaveReadResult::CannotOpen:
      return "waveファイルの読み込みにに失敗";
    case WaveReadResult::NotWave:
      return "waveファイルではありませんでした。";
    case WaveReadResult::NoFormat:
      return "fmtチャンクにいけませんでした。";
    case WaveReadResult::ShortFormat:
      return "fmtチャンクを読み込めませんでした。";
    case WaveReadResult::NoData:
      return "dataチャンクにいけませんでした。";
    case WaveReadResult::ShortData:
      return "dataチャンクを読み込めませんでした。";
    case WaveReadResult::Ok:
      break;
  }
  return "";
}

}  // namespace

int InitSound() {
  if (!platform::sound().Open()) {
    ShowNotice("DirectSoundオブジェクトの生成に失敗しました。");
    return 0;
  }
  soundAvailable = true;
  return 1;
}

int LoadEffect(const char* fileName, int slot) {
  if (!soundAvailable) return 1;
  WaveData wave;
  const WaveReadResult result = ReadWaveFile(fileName, wave);
  if (result != WaveReadResult::Ok) {
    ShowNotice(ReadFailureMessage(result));
    return 0;
  }
  if (!IsPlayableFormat(wave.format) ||
      !platform::sound().CreateVoice(slot, wave.format, wave.samples.data(), wave.samples.size())) {
    ShowNotice("DirectSoundオフスクリーンバッファの生成に失敗しました。");
    return 0;
  }
  effectLoaded[slot] = true;
  return 1;
}

void SetEffectVolume(int slot, int hundredthsOfDecibel) {
  if (!soundAvailable) return;
  platform::sound().SetVolume(slot, hundredthsOfDecibel);
}

void PlayEffect(int effect) {
  if (!soundAvailable) return;
  platform::sound().Restart(effect);
}

void ReleaseSound(int count) {
  if (!soundAvailable) return;
  for (int slot = 0; slot < count; ++slot) {
    if (!effectLoaded[slot]) continue;
    platform::sound().ReleaseVoice(slot);
    effectLoaded[slot] = false;
  }
  platform::sound().Close();
  soundAvailable = false;
}
