#pragma once
// What follows the CT views' grey window besides the three CT viewers: the
// nerve editor's own image. After every change the contrast dialog calls
// SetMinimum and then SetMaximum; the follower reads the new ends back from
// the axial CT viewer.
class CQlmGreyWindowFollower {
public:
  virtual ~CQlmGreyWindowFollower() = default;

  virtual void SetMinimum() = 0;
  virtual void SetMaximum() = 0;
};
