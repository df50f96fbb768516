#pragma once
// A controller with its objects but no windows: renders do nothing.
#include "ShellFixture.h"
#include "app/CQlmQuorvantile.h"

class WindowlessControllerFixture : public ShellFixture {
protected:
  void SetUp() override {
    ShellFixture::SetUp();
    this->Q->CreateObjects();
  }
  void TearDown() override {
    this->Q->Teardown();
    delete this->Q;
    ShellFixture::TearDown();
  }

  CQlmQuorvantile* Q = CQlmQuorvantile::New();
};
