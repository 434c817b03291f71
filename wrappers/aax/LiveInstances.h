#pragma once

class AAX_IEffectParameters;
class IPlugAAX;

// The module's IPlugAAX objects from construction to destruction, so that
// an effect-parameters pointer a host hands back is taken for one of ours
// only when it is one (and is never dereferenced otherwise). Each object
// carries its own entry: joining and leaving allocate nothing. All three
// take one module-wide lock.
class LiveInstanceEntry
{
public:
  LiveInstanceEntry() = default;
  LiveInstanceEntry(const LiveInstanceEntry&) = delete;
  LiveInstanceEntry& operator=(const LiveInstanceEntry&) = delete;
  ~LiveInstanceEntry() { Leave(); }

  void Join(IPlugAAX* instance);
  void Leave();

  // The live instance whose effect-parameters face this is; null for any
  // other pointer. Whoever uses it afterwards must hold a reference on it.
  static IPlugAAX* Find(const AAX_IEffectParameters* face);

private:
  IPlugAAX* mInstance = nullptr;
  LiveInstanceEntry* mPrevious = nullptr;
  LiveInstanceEntry* mNext = nullptr;
};
