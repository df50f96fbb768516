#pragma once
// Progress and status-text sink shared by the program, this library and VTK filters.
//
// A worker that runs N steps calls SendMessageA(&i, &N, 0) once per step with the
// 0-based step i; the observer's Execute turns that into a display. The base class
// displays nothing: the program derives observers that move a progress bar or show
// the texts of SetText.
#include "platform/CString.h"

class CQlmObserver {
public:
  CQlmObserver() = default;
  virtual ~CQlmObserver() = default;
  CQlmObserver(const CQlmObserver&) = default;
  CQlmObserver& operator=(const CQlmObserver&) = default;

  // A base observer made with this library's allocator; release it with Delete.
  static CQlmObserver* New();
  // Destroys the object through its virtual destructor. A member call needs a
  // valid object; Delete(observer) also accepts null and then does nothing.
  void Delete();
  static void Delete(CQlmObserver* observer);

  // Stores the caller's step, total and flag, then calls Execute. The pointers are
  // only valid during that Execute call.
  void SendMessageA(long* current, unsigned int* total, int param);

  // A status text; the base ignores it.
  virtual void SetText(CString text);
  // The status text shown now; the base has none.
  virtual CString GetText() const;

  // While non-zero (the default 1) a deriving observer shows the texts of SetText.
  int GetShowText() const { return this->ShowText; }
  void SetShowText(int showText) { this->ShowText = showText; }

protected:
  // Shows the progress in Current and Total; the base does nothing. A total of 0
  // is passed through unchanged, so an override that divides must guard it.
  virtual void Execute();

  int Param = 0;
  unsigned int* Total = nullptr;
  long* Current = nullptr;
  int ShowText = 1;
};
