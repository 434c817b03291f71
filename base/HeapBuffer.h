#pragma once

// A growable heap block: the one allocation primitive of the framework's
// containers, strings, scratch buffers and state chunks. Blocks of
// granularity 4096 or more are sized in whole 4 KB pages less a 96-byte
// allowance for the heap's own header.
class HeapBuffer
{
public:
  explicit HeapBuffer(int granularity = 4096);
  ~HeapBuffer();

  HeapBuffer(const HeapBuffer&) = delete;
  HeapBuffer& operator=(const HeapBuffer&) = delete;

  // Sets the used size (negative counts as 0). Returns the data, or null
  // when the size is 0. When memory cannot be had, data and size stay as
  // they were and the old data is returned (callers check Size()).
  void* Resize(int newSize, bool allowShrink = true);

  void* Get() const { return mSize ? mData : nullptr; }
  int Size() const { return mSize; }
  int Allocated() const { return mAllocated; }
  int Granularity() const { return mGranularity; }

  void Free();

private:
  // The allocation the growth rule gives for n bytes; -1 when it does not
  // fit in an int.
  int AllocationFor(int n) const;

  void* mData = nullptr;
  int mAllocated = 0;
  int mSize = 0;
  int mGranularity;
};

// A HeapBuffer seen as an array of T (plain records only).
template <class T>
class HeapArray
{
public:
  explicit HeapArray(int granularity = 4096) : mBuffer(granularity) {}

  // Returns false, leaving the array as it was, when the count is negative,
  // its byte size does not fit in an int, or memory cannot be had.
  bool Resize(int count, bool allowShrink = true)
  {
    if (count < 0 || count > kMaxCount)
      return false;
    mBuffer.Resize(count * static_cast<int>(sizeof(T)), allowShrink);
    return mBuffer.Size() == count * static_cast<int>(sizeof(T));
  }

  T* Get() const { return static_cast<T*>(mBuffer.Get()); }
  int Count() const { return mBuffer.Size() / static_cast<int>(sizeof(T)); }
  int Allocated() const { return mBuffer.Allocated(); }

private:
  static constexpr int kMaxCount = 0x7fffffff / static_cast<int>(sizeof(T));
  HeapBuffer mBuffer;
};
