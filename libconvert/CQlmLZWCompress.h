#pragma once
// LZW coder for byte streams with a caller-chosen code width W (9 to 25 bits).
//
// Stream: int32 length N of the uncoded data, one byte W, then the codes, W bits
// each, least significant bit first from bit 40 on; the last byte is padded with
// 0 bits. Codes below 256 are single bytes, codes from 256 on dictionary strings.
// The dictionary holds at most 2^W - 256 strings and is emptied when full.
#include <cstdint>

class CQlmObserver;

class CQlmLZWCompress {
public:
  CQlmLZWCompress() = default;
  virtual ~CQlmLZWCompress() = default;
  CQlmLZWCompress(const CQlmLZWCompress&) = default;
  CQlmLZWCompress& operator=(const CQlmLZWCompress&) = default;

  static CQlmLZWCompress* New();
  // Destroys the object through its virtual destructor; Delete(nullptr) does nothing.
  void Delete();
  static void Delete(CQlmLZWCompress* coder);

  // Kept for the caller; the coder does not report progress. Not owned.
  void SetObserver(CQlmObserver* observer) { this->Observer = observer; }
  CQlmObserver* GetObserver() const { return this->Observer; }

  // Codes `count` bytes into a new stream (free it with FreePtr). Returns 1, or 0
  // with output null and length 0 for a width outside 9..25 or a bad argument.
  int CompressLZW(const unsigned char* input, int count, unsigned char*& output, int& outputLength,
                  int width);

  // Decodes a stream of `streamLength` bytes into a new buffer of N + 1 bytes
  // (free it with FreePtr) and sets the length to N. Returns 1, or 0 with output
  // null and length 0 for a stream that is damaged, ends early or claims more
  // data than its codes can produce; nothing beyond either buffer is touched.
  int DecompressLZW(const unsigned char* stream, int streamLength, unsigned char*& output,
                    int& outputLength);

  // Frees an output of CompressLZW or DecompressLZW; null is allowed.
  void FreePtr(void* buffer);

private:
  CQlmObserver* Observer = nullptr;
};
