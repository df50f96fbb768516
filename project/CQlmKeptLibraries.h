#pragma once
// While it lives, the library look-ups of the controller's implant, library
// mesh, tooth, orthodontic and endodontic containers read each library file
// at most once and keep it: one project open, from the first look-up to the
// last object built.
class CQlmQuorvantile;

class CQlmKeptLibraries {
public:
  explicit CQlmKeptLibraries(CQlmQuorvantile& controller);
  // The kept libraries are freed.
  ~CQlmKeptLibraries();
  CQlmKeptLibraries(const CQlmKeptLibraries&) = delete;
  CQlmKeptLibraries& operator=(const CQlmKeptLibraries&) = delete;

private:
  void Keep(bool keep);

  CQlmQuorvantile& Controller;
};
