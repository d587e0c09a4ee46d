#include "settings/settings_keys.h"

#include "platform/ini_store.h"

std::string SoundFlagKey(int event) { return std::string(g_SoundKeys[event]) + "Active"; }

namespace {
// Tested before any use, so that no stored value can overflow a conversion.
int InRange(const IntKey& key, int value) { return (value >= key.lo && value <= key.hi) ? value : key.builtIn; }
}  // namespace

int ReadKey(const IniStore& ini, const IntKey& key) {
  return InRange(key, ini.GetInt(key.section, key.name, key.builtIn));
}

std::string ReadKey(const IniStore& ini, const StringKey& key) {
  return ini.GetString(key.section, key.name, key.missing);
}

void LoadKey(const IniStore& ini, const IntKey& key) { *key.variable = ReadKey(ini, key); }

void ReloadKey(const IniStore& ini, const IntKey& key) {
  *key.variable = InRange(key, ini.GetInt(key.section, key.name, *key.variable));
}

void LoadSoundKeys(const IniStore& ini, int event) {
  g_SoundFiles[event] =
      ini.GetString(kSoundsSection, g_SoundKeys[event], std::string(kBuiltInSoundFiles[event]) + ".wav");
  g_SoundActive[event] = ini.GetInt(kSoundsSection, SoundFlagKey(event), kBuiltInSoundActive);
}

void WriteKey(IniStore& ini, const IntKey& key) { WriteKey(ini, key, *key.variable); }

void WriteKey(IniStore& ini, const IntKey& key, int value) { ini.WriteInt(key.section, key.name, value); }

void WriteKey(IniStore& ini, const StringKey& key) { ini.WriteString(key.section, key.name, *key.variable); }

void SetKey(IniStore& ini, const IntKey& key, int value) {
  *key.variable = value;
  WriteKey(ini, key);
}

void WriteSoundKeys(IniStore& ini, int event) {
  ini.WriteInt(kSoundsSection, SoundFlagKey(event), g_SoundActive[event]);
  ini.WriteString(kSoundsSection, g_SoundKeys[event], g_SoundFiles[event]);
}
